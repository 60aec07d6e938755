#include "analysis/span_terms.h"

#include <algorithm>
#include <cstring>

namespace kvop {
namespace {

// Every stored quantity is a 32-bit real; the formulas are evaluated wider.
float f32(double v) { return static_cast<float>(v); }

// Rounds to a 32-bit real in a way the optimiser has to keep: the value
// passes through memory the compiler cannot see into, so a vectorised loop
// cannot carry the wider value on in its place.
float rounded(double v) {
  float f = static_cast<float>(v);
#if defined(__GNUC__)
  asm("" : "+m"(f));
#else
  volatile float g = f;
  f = g;
#endif
  return f;
}

// A point load P at the distance h from the support of a cantilever of
// length a.
void cantilever_point(CantileverTerms& k, float a, float h, float P) {
  const double hd = h;
  k.M = f32(k.M - hd * P);
  k.t = f32(k.t + P * hd * hd * (a - hd / 3) / 2);
  k.F = f32(k.F + P);
}

// A point load P at the distance a from support j of the simply supported
// span j: end rotations, end shears, moments and deflections at the sections.
void span_point(SpanTerms& fk, const Arr2<float, 1, 20, 1, 11>& snittpos, int j, float L, float P,
                float a) {
  const float b = f32(static_cast<double>(L) - a);
  const double Ld = L, Pd = P, ad = a, bd = b;
  const double LL = Ld * Ld;
  fk.thA(j) = f32(fk.thA(j) + Pd * bd * (LL - bd * bd) / (6 * Ld));
  fk.thB(j) = f32(fk.thB(j) + Pd * ad * (LL - ad * ad) / (6 * Ld));
  fk.VA(j) = f32(fk.VA(j) + Pd * bd / Ld);
  fk.VB(j) = f32(fk.VB(j) + Pd * ad / Ld);
  for (int k = 1; k <= 11; ++k) {
    const double xi = snittpos(j, k);
    if (xi * Ld < ad) {
      fk.mom(j, k) = f32(fk.mom(j, k) + Pd * bd * xi);
      fk.nedb(j, k) = f32(fk.nedb(j, k) + Pd * bd * xi * LL * (1 - bd * bd / LL - xi * xi) / 6);
    } else {
      fk.mom(j, k) = f32(fk.mom(j, k) + Pd * ad * (1 - xi));
      fk.nedb(j, k) =
          f32(fk.nedb(j, k) + Pd * ad * (1 - xi) * LL * (2 * xi - ad * ad / LL - xi * xi) / 6);
    }
  }
}

constexpr int kSlots = 40;
// The eleven sections and an empty twelfth, so that the section loop runs
// in whole groups of four 32-bit lanes.
constexpr int kLanes = 12;
// The end terms of a span: thA, thB, VA, VB.
constexpr int kEnds = 4;

// The load-independent geometry of the 40 slot loads of one span, each value
// evaluated exactly as span_point evaluates it.  A slot load P at a from the
// left and b from the right support gives every term as a product with P
// taken first: the end terms P·dist·G/div (P b (L² - b²)/6L, P a (L² - a²)/6L,
// P b/L and P a/L, the factor G = 1 exact for the shears), the section moment
// m = P·dist·arm and the section deflection m L² X/6.  A section left of the
// load (xi L < a) sees the left reaction (dist b, arm xi), one right of it the
// right reaction (dist a, arm 1 - xi); X is 1 - b²/L² - xi² or
// 2 xi - a²/L² - xi².  With the choice made here, per slot and section, the
// slot loop is the same few operations in every lane.
struct SlotGeometry {
  double LL;
  double end_dist[kSlots][kEnds], end_G[kSlots][kEnds], end_div[kEnds];
  double dist[kSlots][kLanes], arm[kSlots][kLanes], X[kSlots][kLanes];
};

void slot_geometry(SlotGeometry& g, float L, const Arr2<float, 1, 20, 1, 11>& snittpos, int j) {
  const double Ld = L;
  g.LL = Ld * Ld;
  const double div[kEnds] = {6 * Ld, 6 * Ld, Ld, Ld};
  std::copy(div, div + kEnds, g.end_div);
  double xi[kLanes], xiL[kLanes];
  for (int k = 0; k < kLanes; ++k) {
    xi[k] = k < 11 ? snittpos(j, k + 1) : 0.0;
    xiL[k] = xi[k] * Ld;
  }
  for (int s = 0; s < kSlots; ++s) {
    const float a = f32((s + 0.5) * L / 40);
    const float b = f32(static_cast<double>(L) - a);
    const double ad = a, bd = b;
    const double dist[kEnds] = {bd, ad, bd, ad};
    const double G[kEnds] = {g.LL - bd * bd, g.LL - ad * ad, 1, 1};
    std::copy(dist, dist + kEnds, g.end_dist[s]);
    std::copy(G, G + kEnds, g.end_G[s]);
    const double one_b = 1 - bd * bd / g.LL, qa = ad * ad / g.LL;
    for (int k = 0; k < kLanes; ++k) {
      const bool left = xiL[k] < ad;
      g.dist[s][k] = left ? bd : ad;
      g.arm[s][k] = left ? xi[k] : 1 - xi[k];
      g.X[s][k] = (left ? one_b : 2 * xi[k] - qa) - xi[k] * xi[k];
    }
  }
}

// The 40 slot loads P of span j on the simply supported span, into the
// tables of span j, summed slot by slot in the order of span_point: every
// running sum is a 32-bit real, as a stored real is, to which each term is
// added in double before the rounding.  The end terms and the sections are
// independent sums, side by side, so that their loops run in vector lanes.
void slot_sums(const SlotGeometry& g, const float* P, int j, SpanTerms& fk) {
  float ends[kEnds] = {}, mom[kLanes] = {}, nedb[kLanes] = {};
  for (int s = 0; s < kSlots; ++s) {
    const double Pd = P[s];
    for (int e = 0; e < kEnds; ++e)
      ends[e] = f32(ends[e] + Pd * g.end_dist[s][e] * g.end_G[s][e] / g.end_div[e]);
    for (int k = 0; k < kLanes; ++k) {
      const double m = Pd * g.dist[s][k] * g.arm[s][k];
      mom[k] = f32(mom[k] + m);
      nedb[k] = f32(nedb[k] + m * g.LL * g.X[s][k] / 6);
    }
  }
  fk.thA(j) = ends[0];
  fk.thB(j) = ends[1];
  fk.VA(j) = ends[2];
  fk.VB(j) = ends[3];
  for (int k = 0; k < 11; ++k) {
    fk.mom(j, k + 1) = mom[k];
    fk.nedb(j, k + 1) = nedb[k];
  }
}

// Lever arms of the cantilever slots from the support and the deflection
// factors h³/3 + (a - h)·h²/2 of their loads.
struct CantileverGeometry {
  float h[kSlots];
  double f[kSlots];
};

void cantilever_geometry(CantileverGeometry& g, float a, bool from_tip) {
  for (int s = 0; s < kSlots; ++s) {
    const double x = (s + 0.5) * a / 40;
    g.h[s] = rounded(from_tip ? a - x : x);
    const double hd = g.h[s];
    g.f[s] = hd * hd * hd / 3 + (a - hd) * hd * hd / 2;
  }
}

// Span i has the same length and sections as span j: the same slot
// geometry.
bool same_span(const InputCase& in, const AnalysisResults& an, int i, int j) {
  bool same = std::memcmp(&in.spv(i), &in.spv(j), sizeof(float)) == 0;
  for (int k = 1; k <= 11 && same; ++k)
    same = std::memcmp(&an.snittpos(i, k), &an.snittpos(j, k), sizeof(float)) == 0;
  return same;
}

// The lumped loads of one load case and where its line loads act.
struct LoadPicture {
  int lc = 0;
  Belastning bel;
  Punktlast pl;
  Arr<Linjlage, 1, 5> lage;
  int nl = 0;
};

}  // namespace

CantileverTerms cantilever_closed_form(float a, float q, float qe, float E, float p, float l) {
  CantileverTerms k;
  const float e = std::min(a, E);
  const double qq = static_cast<double>(q) + qe;
  const double ae = static_cast<double>(a) - e;
  const double a2 = static_cast<double>(a) * a;
  const double a4 = a2 * a2;
  k.M = f32(-qq * a2 / 2 + qe * (ae * ae) / 2);
  k.t = f32(qq * a4 / 8 - qe * (ae * ae) * (ae * ae) / 8);
  k.F = f32(qq * a - qe * ae);
  if (!(l >= 0.001f)) return k;
  if (l >= a) {
    // Trapezoid over the whole cantilever: a uniform part ps and a triangle.
    const float ps = f32(p * (static_cast<double>(l) - a) / l);
    const float T = f32((static_cast<double>(p) - ps) * a / 2);
    const float d = f32(2.0 * a / 3);
    const double d2 = static_cast<double>(d) * d;
    k.M = f32(k.M - (static_cast<double>(d) * T + ps * a2 / 2));
    k.t = f32(k.t + (ps * a4 / 8 + T * d2 * d / 3 + T * d2 * (static_cast<double>(a) - d) / 2));
    k.F = f32(k.F + (static_cast<double>(ps) * a + T));
  } else {
    // The drift ends on the cantilever: its resultant at l/3 from the tip.
    const float T = f32(static_cast<double>(p) * l / 2);
    const float d = f32(a - static_cast<double>(l) / 3);
    const double d2 = static_cast<double>(d) * d;
    k.M = f32(k.M - static_cast<double>(d) * T);
    k.t = f32(k.t + (T * d2 * (static_cast<double>(a) - d) / 2 + T * d2 * d / 3));
    k.F = f32(k.F + T);
  }
  return k;
}

// The load cases are lumped first; then each span's slot geometry is
// computed once and serves every load case.  Every value is accumulated in
// the order of the load case taken by itself.
void span_terms(const InputCase& in, const PreparedCase& prep, const AnalysisResults& an, float c,
                std::array<LoadCaseTerms, 4>& terms) {
  Arr<Belastning, 1, 4> laster;
  for (int lc = 1; lc <= 4; ++lc)
    if (!(in.vagg == 1 && (lc == 2 || lc == 4))) laster(lc) = belastning(in, prep, an, c, lc);
  span_terms(in, prep, an, laster, terms);
}

void span_terms(const InputCase& in, const PreparedCase& prep, const AnalysisResults& an,
                const Arr<Belastning, 1, 4>& laster, std::array<LoadCaseTerms, 4>& terms) {
  const int n = in.nfack;
  LoadPicture bild[4];
  int antal = 0;
  for (int lc = 1; lc <= 4; ++lc) {
    if (in.vagg == 1 && (lc == 2 || lc == 4)) continue;
    LoadPicture& b = bild[antal++];
    b.lc = lc;
    b.bel = laster(lc);
    const Lastfall& lf = b.bel.lf;
    LoadCaseTerms& t = terms[static_cast<std::size_t>(lc - 1)];
    t = LoadCaseTerms{};
    t.bel = b.bel;

    // Cantilevers in closed form: uniform load, edge zone (left end only) and
    // the drift part that lies on them.
    t.kv = cantilever_closed_form(in.konsv, lf.q, lf.qe, lf.E, lf.pL, in.trivlgd);
    t.kh = cantilever_closed_form(in.konsh, lf.q, 0.0f, 0.0f, lf.pR, in.trihlgd);

    lastford(in, lf, b.pl);

    // Line loads: those on the cantilevers act here, those in spans below.
    b.nl = in.vagg == 1 ? 0 : std::clamp(in.nlinj, 0, 5);
    for (int k = 1; k <= b.nl; ++k) {
      int lt = prep.linjfack(k);
      float la = prep.linjavst(k);
      b.lage(k) = linjnorm(in, lt, la);
      const Linjlage& l = b.lage(k);
      if (l.plats == Linjplats::konsv) cantilever_point(t.kv, in.konsv, l.a, b.bel.P(k));
      if (l.plats == Linjplats::konsh) cantilever_point(t.kh, in.konsh, l.a, b.bel.P(k));
    }
  }

  // Simply supported spans under the slot loads.  A span of the same length,
  // sections and slot loads as an earlier one has its tables.
  for (int j = 1; j <= n; ++j) {
    bool same[21] = {};
    for (int i = 1; i < j; ++i) same[i] = same_span(in, an, i, j);
    SlotGeometry g;
    bool g_ready = false;
    for (int f = 0; f < antal; ++f) {
      const Punktlast& pl = bild[f].pl;
      SpanTerms& fk = terms[static_cast<std::size_t>(bild[f].lc - 1)].fack;
      int i = 1;
      while (i < j && !(same[i] && std::memcmp(&pl(i, 1), &pl(j, 1), kSlots * sizeof(float)) == 0))
        ++i;
      if (i < j) {
        fk.thA(j) = fk.thA(i);
        fk.thB(j) = fk.thB(i);
        fk.VA(j) = fk.VA(i);
        fk.VB(j) = fk.VB(i);
        for (int k = 1; k <= 11; ++k) {
          fk.mom(j, k) = fk.mom(i, k);
          fk.nedb(j, k) = fk.nedb(i, k);
        }
        continue;
      }
      if (!g_ready) {
        slot_geometry(g, in.spv(j), an.snittpos, j);
        g_ready = true;
      }
      slot_sums(g, &pl(j, 1), j, fk);
    }
  }

  CantileverGeometry gv, gh;
  cantilever_geometry(gv, in.konsv, true);
  cantilever_geometry(gh, in.konsh, false);
  for (int f = 0; f < antal; ++f) {
    const LoadPicture& b = bild[f];
    LoadCaseTerms& t = terms[static_cast<std::size_t>(b.lc - 1)];
    // Then the line loads in the spans, each after its span's slot loads.
    for (int k = 1; k <= b.nl; ++k) {
      const Linjlage& l = b.lage(k);
      if (l.plats == Linjplats::fack)
        span_point(t.fack, an.snittpos, l.t, in.spv(l.t), b.bel.P(k), l.a);
    }
    // Slot loads on the cantilevers (drifts and pocket ramps reaching them).
    for (int s = 0; s < kSlots; ++s) {
      const float Pv = b.pl(0, s + 1);
      t.kv.M = f32(t.kv.M - static_cast<double>(gv.h[s]) * Pv);
      t.kv.t = f32(t.kv.t + Pv * gv.f[s]);
      t.kv.F = f32(t.kv.F + Pv);
      const float Ph = b.pl(n + 1, s + 1);
      t.kh.M = f32(t.kh.M - static_cast<double>(gh.h[s]) * Ph);
      t.kh.t = f32(t.kh.t + Ph * gh.f[s]);
      t.kh.F = f32(t.kh.F + Ph);
    }
  }
}

}  // namespace kvop
