#include "analysis/krdef.h"

#include <algorithm>
#include <cmath>

#include "analysis/ekv3.h"
#include "analysis/lastford.h"

namespace kvop {
namespace {

// The constants of the analysis, as 32-bit reals.
constexpr float kPi = 3.14159f;
constexpr float kPer180 = 1.0f / 180.0f;
constexpr float kProcent = 0.01f;

// Every stored quantity is a 32-bit real; the formulas are evaluated wider.
float f32(double v) { return static_cast<float>(v); }

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
  switch (in.marknadskod) {
    case 1:  // SVERIGE
      an.xired = 0.89f;
      an.gammad = by_class(0.83f, 0.91f, 1.0f);
      an.gammad1 = 0.83f;
      break;
    case 2:  // POLEN
      an.xired = 0.85f;
      an.gammad = by_class(1.0f, 1.0f, 1.0f);
      an.gammad1 = an.gammad;
      break;
    case 3:  // NORGE
      an.xired = 0.88f;
      an.gammad = by_class(0.9f, 1.0f, 1.0f);
      an.gammad1 = an.gammad;
      break;
    default:  // FINLAND, DANMARK
      an.xired = 1.0f;
      an.gammad = by_class(0.9f, 1.0f, 1.1f);
      an.gammad1 = an.gammad;
      break;
  }
}

Belastning belastning(const InputCase& in, const AnalysisResults& an, float c, int lc) {
  // Factor column of the market; a code outside the table takes the last.
  const int m = in.marknadskod >= 1 && in.marknadskod <= 5 ? in.marknadskod : 5;
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

  const float G1 = in.marknadskod == 3 ? f32(xi * g) : f32(xi * gd * g);
  const float G4 = in.marknadskod == 3 ? f32(xi * g) : f32(xi * gd1 * g);
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

namespace {


// A cantilever fixed at its support: moment at the support, tip deflection
// times stiffness, and the sum of its loads.
struct Konsol {
  float M = 0, t = 0, F = 0;
};

// The uniform load q and an edge-zone load qe over the length E from the
// free end, then a drift of peak p and length l from the free end.
Konsol konsol_sluten(float a, float q, float qe, float E, float p, float l) {
  Konsol k;
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

// A point load P at the distance h from the support of a cantilever of
// length a.
void konsol_punkt(Konsol& k, float a, float h, float P) {
  const double hd = h;
  k.M = f32(k.M - hd * P);
  k.t = f32(k.t + P * hd * hd * (a - hd / 3) / 2);
  k.F = f32(k.F + P);
}

// The same for a lumped slot load, deflection written by parts.
void konsol_slot(Konsol& k, float a, float h, float P) {
  const double hd = h;
  k.M = f32(k.M - hd * P);
  k.t = f32(k.t + P * (hd * hd * hd / 3 + (a - hd) * hd * hd / 2));
  k.F = f32(k.F + P);
}

// Simply supported span tables of one load case.
struct Fack {
  PerFack thA, thB, VA, VB;
  PerSnitt mom, nedb;
};

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

// Sections of the field moment and the deflection; 4 and 5 are the joints.
constexpr int kFaltsnitt[9] = {1, 2, 3, 6, 7, 8, 9, 10, 11};

// One load case on the whole sheet; results into the entries of lc.
void analysera(RunContext& ctx, int lc, const Belastning& bel) {
  InputCase& in = ctx.in;
  AnalysisResults& an = ctx.an;
  const auto& styv = ctx.chk.styvkvot;
  const auto& pos = an.snittpos;
  const int n = in.nfack;
  const Lastfall& lf = bel.lf;

  // Working tables, all 0 at the start of the load case.
  Punktlast pl;
  Fack fk;
  Ekv3Koeff A;
  Ekv3Vektor B, M;

  // Cantilevers in closed form: uniform load, edge zone (left end only) and
  // the drift part that lies on them.
  Konsol kv = konsol_sluten(in.konsv, lf.q, lf.qe, lf.E, lf.pL, in.trivlgd);
  Konsol kh = konsol_sluten(in.konsh, lf.q, 0.0f, 0.0f, lf.pR, in.trihlgd);

  lastford(in, lf, pl);

  // Line loads: those on the cantilevers act here, those in spans below.
  Arr<Linjlage, 1, 5> lage;
  const int nl = in.vagg == 1 ? 0 : std::clamp(in.nlinj, 0, 5);
  for (int k = 1; k <= nl; ++k) {
    lage(k) = linjnorm(in, k);
    if (lage(k).plats == Linjplats::konsv) konsol_punkt(kv, in.konsv, lage(k).a, bel.P(k));
    if (lage(k).plats == Linjplats::konsh) konsol_punkt(kh, in.konsh, lage(k).a, bel.P(k));
  }

  // Simply supported spans under the slot loads and the span line loads.
  for (int j = 1; j <= n; ++j) {
    const float L = in.spv(j);
    for (int s = 1; s <= 40; ++s) punkt_i_fack(fk, pos, j, L, pl(j, s), f32((s - 0.5) * L / 40));
    for (int k = 1; k <= nl; ++k)
      if (lage(k).plats == Linjplats::fack && lage(k).t == j)
        punkt_i_fack(fk, pos, j, L, bel.P(k), lage(k).a);
  }

  // Slot loads on the cantilevers (drifts and pocket ramps reaching them).
  for (int s = 1; s <= 40; ++s) {
    const float hv = f32(in.konsv - (s - 0.5) * in.konsv / 40);
    konsol_slot(kv, in.konsv, hv, pl(0, s));
    const float hh = f32((s - 0.5) * in.konsh / 40);
    konsol_slot(kh, in.konsh, hh, pl(n + 1, s));
  }
  M(1) = kv.M;
  M(n + 1) = kh.M;

  // Support equations, one per interior support.
  const double c8 = ctx.prof.general(8), c9 = ctx.prof.general(9);
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
    for (int k = 1; k <= 11; ++k) {
      const double xi = pos(j, k);
      fk.mom(j, k) = f32(fk.mom(j, k) + Mj * (1 - xi) + Mh * xi);
      fk.nedb(j, k) = f32(fk.nedb(j, k) + L * L / 6 *
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
      for (int k = 1; k <= 11; ++k) {
        const double xi = pos(j, k);
        fk.nedb(j, k) = f32(fk.nedb(j, k) - (1 - xi) * G / (1 - static_cast<double>(pos(j, 4))));
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

  const bool vagg = in.vagg == 1;
  for (int lc = 1; lc <= 4; ++lc) {
    if (vagg && (lc == 2 || lc == 4)) continue;
    analysera(ctx, lc, belastning(in, an, c, lc));
  }
  an.analysed = true;
  an.pass = pass;
}

}  // namespace kvop
