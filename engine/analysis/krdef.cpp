// The support equations of the continuous sheet, their solution and the
// results of each load case; the load cases and the simply supported terms
// come from load_cases.cpp and span_terms.cpp.
#include "analysis/krdef.h"

#include <algorithm>
#include <cmath>

#include "analysis/ekv3.h"

namespace kvop {
namespace {

constexpr float kProcent = 0.01f;

// Every stored quantity is a 32-bit real; the formulas are evaluated wider.
float f32(double v) { return static_cast<float>(v); }

// Sections of the field moment and the deflection; 4 and 5 are the joints.
constexpr int kFieldSections[9] = {1, 2, 3, 6, 7, 8, 9, 10, 11};

// Section positions of every span: fixed ones, and the joint sections at
// the ends of the overlap or at the Gerber hinge, from skarvprc of the
// span's two supports.
void section_positions(const InputCase& in, AnalysisResults& an) {
  for (int j = 1; j <= in.nfack; ++j) {
    const double right = std::trunc(in.skarvprc(j));
    const double left = in.skarvprc(j + 1) - std::trunc(static_cast<double>(in.skarvprc(j + 1)));
    an.snittpos(j, 1) = 0.25f;
    an.snittpos(j, 2) = 0.35f;
    an.snittpos(j, 3) = 0.40f;
    an.snittpos(j, 4) = f32(right * kProcent);
    an.snittpos(j, 5) = f32(1 - left);
    an.snittpos(j, 6) = 0.45f;
    an.snittpos(j, 7) = 0.50f;
    an.snittpos(j, 8) = 0.55f;
    an.snittpos(j, 9) = 0.60f;
    an.snittpos(j, 10) = 0.65f;
    an.snittpos(j, 11) = 0.75f;
  }
}

// One load case on the continuous sheet from its simply supported terms
// (a working copy); results into the entries of lc.
void analyse(const InputCase& in, const ProfileRecord& prof, const Styvkvot& styv, int lc,
             LoadCaseTerms& t, AnalysisResults& an) {
  const auto& pos = an.snittpos;
  const int n = in.nfack;
  SpanTerms& fk = t.fack;
  const CantileverTerms& kv = t.kv;
  const CantileverTerms& kh = t.kh;

  // Working tables, all 0 at the start of the load case.
  Ekv3Koeff A;
  Ekv3Vektor B, M;
  M(1) = kv.M;
  M(n + 1) = kh.M;

  // Support equations, one per interior support.
  const double c8 = prof.general(no(General::overlap_c8)),
               c9 = prof.general(no(General::overlap_c9));
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
    ekv3(A, B, M, n);
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
      const double divisor = 1 - static_cast<double>(pos(j, 4));
      for (int k = 0; k < 11; ++k) {
        const double xi = x[k];
        nedb[k] = f32(nedb[k] - (1 - xi) * G / divisor);
      }
    }
    const bool up = lc == 3;
    auto governs = [up](float x, float best) { return up ? x < best : x > best; };
    float mf = fk.mom(j, kFieldSections[0]);
    float nb = fk.nedb(j, kFieldSections[0]);
    for (int k : kFieldSections) {
      if (governs(fk.mom(j, k), mf)) mf = fk.mom(j, k);
      if (governs(fk.nedb(j, k), nb)) nb = fk.nedb(j, k);
    }
    an.mfalt(lc, j) = mf;
    an.nedbtal(lc, j) = nb;
    an.mfalt2(lc, j) =
        up ? std::max(fk.mom(j, 4), fk.mom(j, 5)) : std::min(fk.mom(j, 4), fk.mom(j, 5));

    fk.VA(j) = f32(fk.VA(j) + (Mh - Mj) / L);
    fk.VB(j) = f32(fk.VB(j) + (Mj - Mh) / L);
    an.tvarv(lc, j) = fk.VA(j);
    an.tvarh(lc, j) = fk.VB(j);
  }
  an.snittmom(lc) = fk.mom;
  an.snittnedb(lc) = fk.nedb;

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

namespace {

// Every load case of the case on the continuous sheet from its terms.  The
// first pass analyses with equal stiffness in all spans.
void analyse_load_cases(const InputCase& in, const ProfileRecord& prof, const Styvkvot& styvkvot,
                        int pass, const std::array<LoadCaseTerms, 4>& terms,
                        AnalysisResults& an) {
  Styvkvot equal;
  equal.fill(1.0f);
  const Styvkvot& styv = pass == 1 ? equal : styvkvot;
  for (int j = 1; j <= in.nfack; ++j) an.styvkvot(j) = styv(j);
  for (int lc = 1; lc <= 4; ++lc) {
    if (in.vagg == 1 && (lc == 2 || lc == 4)) continue;
    LoadCaseTerms t = terms[static_cast<std::size_t>(lc - 1)];
    an.belastning(lc) = t.bel;
    analyse(in, prof, styv, lc, t, an);
  }
  an.analysed = true;
  an.pass = pass;
}

}  // namespace

void krdef(const InputCase& in, const PreparedCase& prep, const ProfileRecord& prof,
           const Styvkvot& styvkvot, int pass, AnalysisResults& an, AnalysisCache& cache) {
  if (in.nfack < 1 || in.nfack > 20) return;  // no sheet to analyse
  sakerhetsfaktorer(in, an);
  section_positions(in, an);

  // The load cases' stiffness-independent terms: computed once for an input
  // and taken over by the second pass and by later profiles.
  if (!cache.holds(in, prep)) {
    cache.valid = false;
    span_terms(in, prep, an, slope_factor(in), cache.lastfall);
    cache.keep(in, prep);
  }
  analyse_load_cases(in, prof, styvkvot, pass, cache.lastfall, an);
}

void krdef(const InputCase& in, const PreparedCase& prep, const ProfileRecord& prof,
           const Styvkvot& styvkvot, int pass, const Arr<Belastning, 1, 4>& laster,
           AnalysisResults& an) {
  if (in.nfack < 1 || in.nfack > 20) return;  // no sheet to analyse
  sakerhetsfaktorer(in, an);
  section_positions(in, an);
  std::array<LoadCaseTerms, 4> terms{};
  span_terms(in, prep, an, laster, terms);
  analyse_load_cases(in, prof, styvkvot, pass, terms, an);
}

}  // namespace kvop
