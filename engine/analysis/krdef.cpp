#include "analysis/krdef.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "analysis/ekv3.h"
#include "analysis/lastford.h"
#include "core/markets.h"

// On x86-64 the slot and section loops of the spans have a second copy, for
// processors with AVX2.  The choice reads the processor features the C
// library has already determined at start: asking the processor itself
// again costs more than the copies save in a run (on a virtual machine
// every such question is a trip to the host).
#if defined(KVOP_CPU_COPIES) && defined(__GNUC__) && defined(__x86_64__) && !defined(__clang__) && \
    __has_include(<sys/platform/x86.h>)
#define KVOP_AVX2_COPY 1
#include <immintrin.h>  // declares the processor's builtins
#include <sys/platform/x86.h>
#endif

namespace kvop {
namespace {

// The constants of the analysis, as 32-bit reals.
constexpr float kPi = 3.14159f;
constexpr float kPer180 = 1.0f / 180.0f;
constexpr float kProcent = 0.01f;

// Every stored quantity is a 32-bit real; the formulas are evaluated wider.
float f32(double v) { return static_cast<float>(v); }

#ifdef KVOP_AVX2_COPY
bool avx2() { return CPU_FEATURE_ACTIVE(AVX2); }
#endif

using PerFack = Arr<float, 1, 20>;
using PerStod = Arr<float, 1, 21>;
using PerSnitt = Arr2<float, 1, 20, 1, 11>;

}  // namespace

// Safety-class factors of the market and class.  A class outside 1..3 (the
// permissible-stress method) factors nothing: 1.0.
void sakerhetsfaktorer(const InputCase& in, AnalysisResults& an) {
  an.bandix = in.marknadskod;
  const int k = in.sakkl;
  const bool klass = k >= 1 && k <= 3;
  auto by_class = [&](float g1, float g2, float g3) {
    return !klass ? 1.0f : k == 1 ? g1 : k == 2 ? g2 : g3;
  };
  const MarketRules& market = market_rules(in.marknadskod);
  an.xired = market.xired;
  an.gammad = by_class(market.gammad[0], market.gammad[1], market.gammad[2]);
  an.gammad1 = market.gammad1_own ? market.gammad1 : an.gammad;
}

Belastning belastning(const InputCase& in, const AnalysisResults& an, float c, int lc) {
  // Factor column of the market; a code outside the table takes the last.
  const int m = market_rules(in.marknadskod).partkf_column;
  auto pk = [&](int f) -> double { return in.partkf(f, m); };
  const double g = in.egentyngd;
  const double cc = static_cast<double>(c) * c;
  const double gd = an.gammad, gd1 = an.gammad1, xi = an.xired;
  Belastning b;
  Lastfall& lf = b.lf;
  float s = 0;

  if (in.vagg == 1) {
    const float w = f32(in.vind(1) * pk(6));
    if (lc == 1) {
      lf.q = f32(w * in.vind(3));
      lf.qe = f32((static_cast<double>(in.vind(6)) - in.vind(3)) * w);
      lf.E = in.vind(7);
    } else {
      lf.q = f32(-(w * in.vind(2)));
      lf.qe = f32(-(static_cast<double>(in.vind(4)) - in.vind(2)) * w);
      lf.E = in.vind(5);
    }
    return b;  // no snow and no line loads on a wall
  }

  const bool no_gammad = market_rules(in.marknadskod).self_weight_without_gammad;
  const float G1 = no_gammad ? f32(xi * g) : f32(xi * gd * g);
  const float G4 = no_gammad ? f32(xi * g) : f32(xi * gd1 * g);
  auto line = [&](float Linjlast::*field) {
    for (int k = 1; k <= 5; ++k) b.P(k) = f32(static_cast<double>(c) * (in.linjlast(k).*field));
  };
  switch (lc) {
    case 1: {
      s = f32(cc * gd * in.snolast * pk(5));
      const float w1 = f32(gd * in.vind(1) * pk(6) * in.psi0vind);
      lf.q = f32(static_cast<double>(s) * in.snoform + G1 * pk(3) +
                 static_cast<double>(w1) * in.vind(3));
      line(&Linjlast::brottned);
      break;
    }
    case 2:
      s = f32(cc * in.psi1sno * in.snolast * pk(2));
      lf.q = f32(static_cast<double>(s) * in.snoform + g * pk(1));
      line(&Linjlast::bruksned);
      break;
    case 3: {
      const float w3 = f32(gd * in.vind(1) * pk(6));
      lf.q = f32(g * pk(4) - static_cast<double>(w3) * in.vind(2));
      lf.qe = f32(-(static_cast<double>(in.vind(4)) - in.vind(2)) * w3);
      lf.E = in.vind(5);
      line(&Linjlast::brottupp);
      return b;  // wind suction: no snow
    }
    default: {
      s = f32(cc * gd1 * in.snolast * in.psi0sno * pk(5));
      const float w4 = f32(gd1 * in.vind(1) * pk(6));
      lf.q = f32(static_cast<double>(s) * in.snoform + G4 * pk(3) +
                 static_cast<double>(w4) * in.vind(3));
      line(&Linjlast::brottned);
      break;
    }
  }
  lf.pL = f32(static_cast<double>(s) * (static_cast<double>(in.trivform) - in.snoform));
  lf.pR = f32(static_cast<double>(s) * (static_cast<double>(in.trihform) - in.snoform));
  lf.pP = f32(static_cast<double>(s) * (static_cast<double>(in.fickform) - in.snoform));
  return b;
}

CantileverTerms konsol_sluten(float a, float q, float qe, float E, float p, float l) {
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

namespace {

// Rounds to a 32-bit real in a way the optimiser has to keep: the value
// leaves through a register the compiler cannot see into, so a vectorised
// loop cannot carry the wider value on in its place.
float lagrad(double v) {
  float f = static_cast<float>(v);
#if defined(__GNUC__) && defined(__x86_64__)
  asm("" : "+x"(f));
#elif defined(__GNUC__)
  asm("" : "+m"(f));
#else
  volatile float g = f;
  f = g;
#endif
  return f;
}

using Konsol = CantileverTerms;
using Fack = SpanTerms;

// A point load P at the distance h from the support of a cantilever of
// length a.
void konsol_punkt(Konsol& k, float a, float h, float P) {
  const double hd = h;
  k.M = f32(k.M - hd * P);
  k.t = f32(k.t + P * hd * hd * (a - hd / 3) / 2);
  k.F = f32(k.F + P);
}

// A point load P at the distance a from support j of the simply supported
// span j: end rotations, end shears, moments and deflections at the sections.
void punkt_i_fack(Fack& fk, const Arr2<float, 1, 20, 1, 11>& snittpos, int j, float L, float P,
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

// Four doubles and four 32-bit reals side by side (GCC's vector types): the
// section loop below works on groups of four lanes.
using D4 = double __attribute__((vector_size(32)));
using F4 = float __attribute__((vector_size(16)));
// The eleven sections in three groups of four; the twelfth lane is empty.
constexpr int kGrupper = 3;

// The load-independent geometry of the 40 slot loads of one span: the slot
// centres a from the left and b from the right support, their quotients and
// the section terms, each evaluated exactly as the per-load formulas of
// punkt_i_fack evaluate them.
struct Faltgeometri {
  double L, LL;
  D4 delare;  // 6 L, 6 L, L, L: the divisors of the end rotations and shears
  double a[kSlots], b[kSlots];
  double GA[kSlots], GB[kSlots];  // L² - b², L² - a²
  double ettb[kSlots];            // 1 - b²/L²
  double qa[kSlots];              // a²/L²
  D4 xi[kGrupper], xiL[kGrupper], om[kGrupper], xi2[kGrupper], tvaxi[kGrupper];
};

[[gnu::always_inline]] inline void faltgeometri_i(Faltgeometri& g, float L,
                                                  const Arr2<float, 1, 20, 1, 11>& snittpos,
                                                  int j) {
  g.L = L;
  g.LL = g.L * g.L;
  g.delare = D4{6 * g.L, 6 * g.L, g.L, g.L};
  for (int s = 0; s < kSlots; ++s) {
    const float a = f32((s + 0.5) * L / 40);
    const float b = f32(static_cast<double>(L) - a);
    const double ad = a, bd = b;
    g.a[s] = ad;
    g.b[s] = bd;
    g.GA[s] = g.LL - bd * bd;
    g.GB[s] = g.LL - ad * ad;
    g.ettb[s] = 1 - bd * bd / g.LL;
    g.qa[s] = ad * ad / g.LL;
  }
  for (int k = 0; k < 4 * kGrupper; ++k) {
    const double xi = k < 11 ? snittpos(j, k + 1) : 0.0;
    g.xi[k / 4][k % 4] = xi;
    g.xiL[k / 4][k % 4] = xi * g.L;
    g.om[k / 4][k % 4] = 1 - xi;
    g.xi2[k / 4][k % 4] = xi * xi;
    g.tvaxi[k / 4][k % 4] = 2 * xi;
  }
}

#ifdef KVOP_AVX2_COPY
[[gnu::target("avx2")]] void faltgeometri_avx2(Faltgeometri& g, float L,
                                               const Arr2<float, 1, 20, 1, 11>& snittpos, int j) {
  faltgeometri_i(g, L, snittpos, j);
}
#endif

void faltgeometri(Faltgeometri& g, float L, const Arr2<float, 1, 20, 1, 11>& snittpos, int j) {
#ifdef KVOP_AVX2_COPY
  if (avx2()) return faltgeometri_avx2(g, L, snittpos, j);
#endif
  faltgeometri_i(g, L, snittpos, j);
}

// The running sum s + t of a 32-bit real s and a term t in double, rounded
// to 32 bits, lane by lane.  GCC 12 widens four 32-bit reals in two halves;
// with AVX the processor does it in one instruction, which the copy of the
// section loop for AVX2 names.
template <bool kAvx2>
[[gnu::always_inline]] inline F4 summa(F4 s, const D4& t) {
  D4 w = {};
#ifdef KVOP_AVX2_COPY
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"  // inlined only into the AVX2 copy
  if constexpr (kAvx2) w = __builtin_ia32_cvtps2pd256(s);
#pragma GCC diagnostic pop
#endif
  if constexpr (!kAvx2) w = __builtin_convertvector(s, D4);
  return __builtin_convertvector(w + t, F4);
}

// The 40 slot loads P of span j on the simply supported span, into the
// tables of span j (which start at 0), summed slot by slot in the order of
// punkt_i_fack, every running sum a 32-bit real, as a stored real is, to
// which each term is added in double before the rounding.  The sums are
// held in seven groups of four lanes: the three groups of section moments,
// the three of deflections and one of the end rotations and shears.
template <bool kAvx2>
[[gnu::always_inline]] inline void slotlaster(const Faltgeometri& g, const float* P, int j,
                                              Fack& fk) {
  F4 mom[kGrupper] = {}, nedb[kGrupper] = {};
  F4 ander = {};  // thA, thB, VA, VB
  for (int s = 0; s < kSlots; ++s) {
    const double Pd = P[s];
    const double Pb = Pd * g.b[s], Pa = Pd * g.a[s];
    ander = summa<kAvx2>(ander, D4{Pb * g.GA[s], Pa * g.GB[s], Pb, Pa} / g.delare);
    const double a = g.a[s], ettb = g.ettb[s], qa = g.qa[s];
#pragma GCC unroll 3
    for (int k = 0; k < kGrupper; ++k) {
      // Left of the load (xi L < a) the section sees the left reaction.
      // Both sides are evaluated and one is chosen, lane by lane.
      const auto vanster = g.xiL[k] < a;
      const D4 mv = Pb * g.xi[k], mh = Pa * g.om[k];
      const D4 fh = g.tvaxi[k] - qa;
      const D4 m = vanster ? mv : mh;
      const D4 X = (vanster ? ettb : fh) - g.xi2[k];
      mom[k] = summa<kAvx2>(mom[k], m);
      nedb[k] = summa<kAvx2>(nedb[k], m * g.LL * X / 6);
    }
  }
  fk.thA(j) = ander[0];
  fk.thB(j) = ander[1];
  fk.VA(j) = ander[2];
  fk.VB(j) = ander[3];
  for (int k = 0; k < 11; ++k) {
    fk.mom(j, k + 1) = mom[k / 4][k % 4];
    fk.nedb(j, k + 1) = nedb[k / 4][k % 4];
  }
}

// The copy for AVX2 does the same operations in the same order, so it gives
// the same bits.
#ifdef KVOP_AVX2_COPY
[[gnu::target("avx2")]] void slotlaster_avx2(const Faltgeometri& g, const float* P, int j,
                                             Fack& fk) {
  slotlaster<true>(g, P, j, fk);
}
#endif

void slotlaster_i_fack(const Faltgeometri& g, const float* P, int j, Fack& fk) {
#ifdef KVOP_AVX2_COPY
  if (avx2()) return slotlaster_avx2(g, P, j, fk);
#endif
  slotlaster<false>(g, P, j, fk);
}

// Lever arms of the cantilever slots from the support and the deflection
// factors h³/3 + (a - h)·h²/2 of their loads.
struct Konsolgeometri {
  float h[kSlots];
  double f[kSlots];
};

void konsolgeometri(Konsolgeometri& g, float a, bool fran_spetsen) {
  for (int s = 0; s < kSlots; ++s) {
    const double x = (s + 0.5) * a / 40;
    g.h[s] = lagrad(fran_spetsen ? a - x : x);
    const double hd = g.h[s];
    g.f[s] = hd * hd * hd / 3 + (a - hd) * hd * hd / 2;
  }
}

// Span i has the same length and sections as span j: the same slot
// geometry.
bool lika_fack(const InputCase& in, const AnalysisResults& an, int i, int j) {
  bool lika = std::memcmp(&in.spv(i), &in.spv(j), sizeof(float)) == 0;
  for (int k = 1; k <= 11 && lika; ++k)
    lika = std::memcmp(&an.snittpos(i, k), &an.snittpos(j, k), sizeof(float)) == 0;
  return lika;
}

// The lumped loads of one load case and where its line loads act.
struct Lastbild {
  int lc = 0;
  Belastning bel;
  Punktlast pl;
  Arr<Linjlage, 1, 5> lage;
  int nl = 0;
};

// The steps of the load cases that do not depend on the span stiffnesses,
// into the cache: the cantilevers in closed form and the simply supported
// spans under the slot loads and the line loads.  The load cases are lumped
// first; then each span's slot geometry is computed once and serves every
// load case.  Every value is accumulated in the order of the load case
// taken by itself.
void enkla_termer(InputCase& in, const AnalysisResults& an, float c, AnalysisCache& cache) {
  const int n = in.nfack;
  Lastbild bild[4];
  int antal = 0;
  for (int lc = 1; lc <= 4; ++lc) {
    if (in.vagg == 1 && (lc == 2 || lc == 4)) continue;
    Lastbild& b = bild[antal++];
    b.lc = lc;
    b.bel = belastning(in, an, c, lc);
    const Lastfall& lf = b.bel.lf;
    LoadCaseTerms& t = cache.lastfall[lc - 1];
    t = LoadCaseTerms{};

    // Cantilevers in closed form: uniform load, edge zone (left end only) and
    // the drift part that lies on them.
    t.kv = konsol_sluten(in.konsv, lf.q, lf.qe, lf.E, lf.pL, in.trivlgd);
    t.kh = konsol_sluten(in.konsh, lf.q, 0.0f, 0.0f, lf.pR, in.trihlgd);

    lastford(in, lf, b.pl);

    // Line loads: those on the cantilevers act here, those in spans below.
    b.nl = in.vagg == 1 ? 0 : std::clamp(in.nlinj, 0, 5);
    for (int k = 1; k <= b.nl; ++k) {
      b.lage(k) = linjnorm(in, k);
      const Linjlage& l = b.lage(k);
      if (l.plats == Linjplats::konsv) konsol_punkt(t.kv, in.konsv, l.a, b.bel.P(k));
      if (l.plats == Linjplats::konsh) konsol_punkt(t.kh, in.konsh, l.a, b.bel.P(k));
    }
  }

  // Simply supported spans under the slot loads.  A span of the same length,
  // sections and slot loads as an earlier one has its tables.
  for (int j = 1; j <= n; ++j) {
    bool lika[21] = {};
    for (int i = 1; i < j; ++i) lika[i] = lika_fack(in, an, i, j);
    Faltgeometri g;
    bool g_klar = false;
    for (int f = 0; f < antal; ++f) {
      const Punktlast& pl = bild[f].pl;
      Fack& fk = cache.lastfall[bild[f].lc - 1].fack;
      int i = 1;
      while (i < j && !(lika[i] && std::memcmp(&pl(i, 1), &pl(j, 1), kSlots * sizeof(float)) == 0))
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
      if (!g_klar) {
        faltgeometri(g, in.spv(j), an.snittpos, j);
        g_klar = true;
      }
      slotlaster_i_fack(g, &pl(j, 1), j, fk);
    }
  }

  Konsolgeometri gv, gh;
  konsolgeometri(gv, in.konsv, true);
  konsolgeometri(gh, in.konsh, false);
  for (int f = 0; f < antal; ++f) {
    const Lastbild& b = bild[f];
    LoadCaseTerms& t = cache.lastfall[b.lc - 1];
    // Then the line loads in the spans, each after its span's slot loads.
    for (int k = 1; k <= b.nl; ++k) {
      const Linjlage& l = b.lage(k);
      if (l.plats == Linjplats::fack)
        punkt_i_fack(t.fack, an.snittpos, l.t, in.spv(l.t), b.bel.P(k), l.a);
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

// Sections of the field moment and the deflection; 4 and 5 are the joints.
constexpr int kFaltsnitt[9] = {1, 2, 3, 6, 7, 8, 9, 10, 11};

// One load case on the continuous sheet from its simply supported terms;
// results into the entries of lc.
[[gnu::always_inline]] inline void analysera_i(RunContext& ctx, int lc, LoadCaseTerms& t) {
  const InputCase& in = ctx.in;
  AnalysisResults& an = ctx.an;
  const auto& styv = an.styvkvot;
  const auto& pos = an.snittpos;
  const int n = in.nfack;
  Fack& fk = t.fack;
  const Konsol& kv = t.kv;
  const Konsol& kh = t.kh;

  // Working tables, all 0 at the start of the load case.
  Ekv3Koeff A;
  Ekv3Vektor B, M;
  M(1) = kv.M;
  M(n + 1) = kh.M;

  // Support equations, one per interior support.
  const double c8 = ctx.prof.general(no(General::overlap_c8)),
               c9 = ctx.prof.general(no(General::overlap_c9));
  for (int i = 2; i <= n; ++i) {
    const double Ll = in.spv(i - 1), Lr = in.spv(i);
    const double kl = styv(i - 1), kr = styv(i);
    const float S = f32(static_cast<double>(fk.thA(i)) + fk.thB(i - 1));
    const double be = f32(static_cast<double>(kProcent) * in.skarvprc(i));
    const double thBl = fk.thB(i - 1), thAr = fk.thA(i);
    const int typ = in.skarvtyp(i);
    const bool overlap = typ == 2 || typ == 3;
    if (typ == 1 || (typ == 2 && S < 0)) {
      // Hinge: the support moment is 0.
      A(i, 2) = -1.0f;
      B(i) = 0.0f;
    } else if (typ == 4) {
      // Gerber hinge in the span to the right: no total moment at its section.
      A(i, 2) = f32(1 - be);
      A(i, 3) = f32(be);
      B(i) = fk.mom(i, 4);
    } else if (overlap && !(S < 0)) {
      // Flexible single overlap.
      const double om = 1 - be;
      const double bLr = be * Lr;
      A(i, 1) = f32(Ll / (6 * kl) - c9 * om / (kl * be * Lr * Ll));
      A(i, 2) =
          f32((Ll / kl + (1 - be + be * be) * Lr / kr) / 3 + c8 * (om * om) / (kr * (bLr * bLr)) +
              c9 * om / (kl * be * (Ll * Ll)) + c9 * om / (kl * (bLr * bLr)));
      A(i, 3) = f32(Lr / (6 * kr) + c8 * om / (kr * be * (Lr * Lr)));
      B(i) = f32(thBl / kl + thAr / kr + c8 * fk.VA(i) * om / (kr * be * Lr) -
                 c9 * fk.VB(i - 1) * om / (kl * be * Lr));
    } else {
      // Continuous: KONT, DUB OML, OML+NIT under uplift (and any code
      // outside the list of joints).
      A(i, 1) = f32(Ll / (6 * kl));
      A(i, 2) = f32((Ll / kl + Lr / kr) / 3);
      A(i, 3) = f32(Lr / (6 * kr));
      B(i) = f32(thBl / kl + thAr / kr);
    }
  }
  if (n >= 2) {
    B(2) = f32(B(2) + static_cast<double>(A(2, 1)) * M(1));
    B(n) = f32(B(n) + static_cast<double>(A(n, 3)) * M(n + 1));
    int nn = n;
    ekv3(A, B, M, nn);
  }

  // A single overlap at support j: where its sheets act as an overlap.
  auto single_overlap = [&](int i) {
    return in.skarvtyp(i) == 2 || (in.skarvtyp(i) == 3 && B(i) > 0);
  };

  // Spans under their end moments, governing values and end shears.
  for (int j = 1; j <= n; ++j) {
    const double L = in.spv(j);
    const double Mj = M(j), Mh = M(j + 1);
    const double bo = single_overlap(j) ? f32(static_cast<double>(kProcent) * in.skarvprc(j)) : 0.0;
    // The eleven sections side by side (contiguous, so the loop runs in
    // vector lanes).
    float* mom = &fk.mom(j, 1);
    float* nedb = &fk.nedb(j, 1);
    const float* x = &pos(j, 1);
    for (int k = 0; k < 11; ++k) {
      const double xi = x[k];
      mom[k] = f32(mom[k] + Mj * (1 - xi) + Mh * xi);
      nedb[k] = f32(nedb[k] + L * L / 6 *
                                  (Mj * (1 - xi) * (1 - (1 - xi) * (1 - xi) - bo * bo) +
                                   Mh * xi * (1 - xi * xi)));
    }
    // A Gerber hinge in the span lets the part beyond it drop with the
    // rotation of the cantilevering part over the support.
    if (j >= 2 && in.skarvtyp(j) == 4) {
      const double kq = f32(static_cast<double>(styv(j)) / styv(j - 1));
      const double Lv = in.spv(j - 1);
      const float G = f32(L *
                          (L * Mh / 6 + (Lv * kq + L) * Mj / 3 + Lv * M(j - 1) * kq / 6 +
                           kq * fk.thB(j - 1) + fk.thA(j)) *
                          kProcent * in.skarvprc(j));
      const double delare = 1 - static_cast<double>(pos(j, 4));
      for (int k = 0; k < 11; ++k) {
        const double xi = x[k];
        nedb[k] = f32(nedb[k] - (1 - xi) * G / delare);
      }
    }
    const bool upp = lc == 3;
    auto styr = [upp](float x, float best) { return upp ? x < best : x > best; };
    float mf = fk.mom(j, kFaltsnitt[0]);
    float nb = fk.nedb(j, kFaltsnitt[0]);
    for (int k : kFaltsnitt) {
      if (styr(fk.mom(j, k), mf)) mf = fk.mom(j, k);
      if (styr(fk.nedb(j, k), nb)) nb = fk.nedb(j, k);
    }
    an.mfalt(lc, j) = mf;
    an.nedbtal(lc, j) = nb;
    an.mfalt2(lc, j) =
        upp ? std::max(fk.mom(j, 4), fk.mom(j, 5)) : std::min(fk.mom(j, 4), fk.mom(j, 5));

    fk.VA(j) = f32(fk.VA(j) + (Mh - Mj) / L);
    fk.VB(j) = f32(fk.VB(j) + (Mj - Mh) / L);
    an.tvarv(lc, j) = fk.VA(j);
    an.tvarh(lc, j) = fk.VB(j);
  }

  // Reactions; an overlap of at least 0.1 m splits its support force.
  for (int i = 1; i <= n + 1; ++i) an.dskruv(lc, i) = 0.0f;
  for (int i = 2; i <= n; ++i) {
    const float l =
        single_overlap(i) ? f32(static_cast<double>(kProcent) * in.skarvprc(i) * in.spv(i)) : 0.0f;
    if (l < 0.1f) {
      an.reakt(lc, i) = f32(static_cast<double>(fk.VA(i)) + fk.VB(i - 1));
    } else {
      an.reakt(lc, i) = f32(fk.VB(i - 1) - static_cast<double>(M(i)) / l);
      an.dskruv(lc, i) = f32(-static_cast<double>(fk.VA(i)) - static_cast<double>(M(i)) / l);
    }
  }
  an.reakt(lc, 1) = f32(static_cast<double>(kv.F) + fk.VA(1));
  an.reakt(lc, n + 1) = f32(static_cast<double>(kh.F) + fk.VB(n));

  // Cantilever tips: fixed-end deflection less the rotation of the support.
  const double L1 = in.spv(1), Ln = in.spv(n);
  an.konstal(lc, 1) = f32(kv.t - in.konsv * (fk.thA(1) + M(1) * L1 / 3 + M(2) * L1 / 6));
  an.konstal(lc, 2) = f32(kh.t - in.konsh * (fk.thB(n) + M(n + 1) * Ln / 3 + M(n) * Ln / 6));
  for (int i = 1; i <= n + 1; ++i) an.mstod(lc, i) = M(i);
}

// The cached terms are taken as a working copy.
#ifdef KVOP_AVX2_COPY
[[gnu::target("avx2")]] void analysera_avx2(RunContext& ctx, int lc, const LoadCaseTerms& terms) {
  LoadCaseTerms t = terms;
  analysera_i(ctx, lc, t);
}
#endif

void analysera(RunContext& ctx, int lc, const LoadCaseTerms& terms) {
#ifdef KVOP_AVX2_COPY
  if (avx2()) return analysera_avx2(ctx, lc, terms);
#endif
  LoadCaseTerms t = terms;
  analysera_i(ctx, lc, t);
}

}  // namespace

void krdef(RunContext& ctx, int ip, int pass) {
  InputCase& in = ctx.in;
  AnalysisResults& an = ctx.an;
  if (in.nfack < 1 || in.nfack > 20) return;  // no sheet to analyse
  sakerhetsfaktorer(in, an);

  // Slope factor; the self weight is converted to the slope once per run.
  const float c = f32(std::cos(static_cast<double>(in.taklutn) * kPi * kPer180));
  if (pass == 1 && ip == 1) in.egentyngd = f32(static_cast<double>(in.egentyngd) * c);

  for (int j = 1; j <= in.nfack; ++j) {
    if (pass == 1) ctx.chk.styvkvot(j) = 1.0f;
    an.styvkvot(j) = ctx.chk.styvkvot(j);
    const double hoger = std::trunc(in.skarvprc(j));
    const double vanster = in.skarvprc(j + 1) - std::trunc(static_cast<double>(in.skarvprc(j + 1)));
    an.snittpos(j, 1) = 0.25f;
    an.snittpos(j, 2) = 0.35f;
    an.snittpos(j, 3) = 0.40f;
    an.snittpos(j, 4) = f32(hoger * kProcent);
    an.snittpos(j, 5) = f32(1 - vanster);
    an.snittpos(j, 6) = 0.45f;
    an.snittpos(j, 7) = 0.50f;
    an.snittpos(j, 8) = 0.55f;
    an.snittpos(j, 9) = 0.60f;
    an.snittpos(j, 10) = 0.65f;
    an.snittpos(j, 11) = 0.75f;
  }

  // The load cases' stiffness-independent terms: computed once for an input
  // case and taken over by the second pass and by later profiles.  They are
  // kept for the input as the computation leaves it (the line-load positions
  // normalised), which computes to the same terms.
  const bool vagg = in.vagg == 1;
  AnalysisCache& cache = ctx.an_cache;
  if (!cache.holds(in)) {
    cache.valid = false;
    enkla_termer(in, an, c, cache);
    cache.keep(in);
  }
  for (int lc = 1; lc <= 4; ++lc) {
    if (vagg && (lc == 2 || lc == 4)) continue;
    analysera(ctx, lc, cache.lastfall[lc - 1]);
  }
  an.analysed = true;
  an.pass = pass;
}

}  // namespace kvop
