// The continuous-sheet analysis against closed forms: the support moment over
// a flexible single overlap (both flexibility coefficients) and the tip
// deflections of the two cantilevers.  Load case 2 on a flat roof without
// snow carries the self weight g alone, so every term is known by hand.  The
// 40 lumped loads of a span make its simply supported end rotations exactly
// 1/3200 larger than those of the distributed load: the midpoint sum of
// x(1 - x^2) over 40 slots is 10 + 1/320 instead of 10.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/krdef.h"
#include "driver/inkvop.h"

namespace kvop {
namespace {

constexpr double kLumping = 1.0 + 1.0 / 3200;

// Two spans L1, L2 with cantilevers a (left) and b (right) under g = 1.
RunContext two_spans(double L1, double L2, double a, double b) {
  RunContext ctx;
  blkdat(ctx.in);
  InputCase& in = ctx.in;
  in.nfack = 2;
  in.spv(1) = static_cast<float>(L1);
  in.spv(2) = static_cast<float>(L2);
  in.konsv = static_cast<float>(a);
  in.konsh = static_cast<float>(b);
  in.taklutn = 0;
  in.snolast = 0;
  in.egentyngd = 1.0f;
  in.sakkl = 2;
  return ctx;
}

// M(2) over a single overlap (type 2) under downward load, from the overlap
// equation with the known cantilever moments folded in.
double overlap_moment(double L1, double L2, double a, double b, double beta, double c8, double c9) {
  const double g = 1.0;
  const double thB1 = g * L1 * L1 * L1 / 24 * kLumping;
  const double thA2 = g * L2 * L2 * L2 / 24 * kLumping;
  const double VA2 = g * L2 / 2, VB1 = g * L1 / 2;
  const double M1 = -g * a * a / 2, M3 = -g * b * b / 2;
  const double ob = 1 - beta, bL = beta * L2;
  const double A1 = L1 / 6 - c9 * ob / (beta * L2 * L1);
  const double A2 = (L1 + (1 - beta + beta * beta) * L2) / 3 + c8 * ob * ob / (bL * bL) +
                    c9 * ob / (beta * L1 * L1) + c9 * ob / (bL * bL);
  const double A3 = L2 / 6 + c8 * ob / (beta * L2 * L2);
  const double B = thB1 + thA2 + c8 * VA2 * ob / (beta * L2) - c9 * VB1 * ob / (beta * L2);
  return -(B + A1 * M1 + A3 * M3) / A2;
}

TEST(KrdefClosedForm, SingleOverlapFlexibility) {
  struct Case {
    double c8, c9;
  };
  // Each coefficient alone and both: every term of the overlap row moves M(2)
  // by several per cent, so a wrong sign or a missing term shows.
  for (const Case c : {Case{0.4, 0.0}, Case{0.0, 0.3}, Case{0.25, 0.15}}) {
    RunContext ctx = two_spans(5.0, 6.0, 0.3, 0.8);
    ctx.in.skarvtyp(2) = 2;  // OML
    ctx.in.skarvprc(2) = 12.15f;
    ctx.prof.general(8) = static_cast<float>(c.c8);
    ctx.prof.general(9) = static_cast<float>(c.c9);
    prepare_analysis(ctx.in, ctx.prep);
    krdef(ctx, 1);
    const double beta = 0.01 * static_cast<double>(12.15f);
    const double expected = overlap_moment(5.0, 6.0, 0.3, 0.8, beta, c.c8, c.c9);
    EXPECT_NEAR(ctx.an.mstod(2, 2) / expected, 1.0, 2e-5)
        << "c8 " << c.c8 << " c9 " << c.c9 << ": " << ctx.an.mstod(2, 2) << " vs " << expected;
    // The flexibility matters: without it the moment differs by far more.
    EXPECT_GT(std::fabs(expected / overlap_moment(5.0, 6.0, 0.3, 0.8, beta, 0, 0) - 1), 0.03);
  }
}

TEST(KrdefClosedForm, CantileverTipsBesideAHinge) {
  // A hinge over support 2 makes M(2) = 0: each span is simply supported
  // between the hinge and its cantilever.  A line load in span 2, 1.5 m from
  // support 2, makes the two end rotations of that span differ.
  const double L1 = 4.0, L2 = 6.0, a = 0.5, b = 0.9, P = 2.0, x = 1.5;
  RunContext ctx = two_spans(L1, L2, a, b);
  InputCase& in = ctx.in;
  in.skarvtyp(2) = 1;  // LED
  in.nlinj = 1;
  in.linjfack(1) = 2;
  in.linjlast(1) = {static_cast<float>(P), 0.0f, 0.0f, static_cast<float>(x)};
  prepare_analysis(ctx.in, ctx.prep);
  krdef(ctx, 1);
  const AnalysisResults& an = ctx.an;
  ASSERT_EQ(an.mstod(2, 2), 0.0f);

  const double M1 = -a * a / 2, M3 = -b * b / 2;
  EXPECT_NEAR(an.mstod(2, 1), M1, 1e-6);
  EXPECT_NEAR(an.mstod(2, 3), M3, 1e-6);
  const double thA1 = L1 * L1 * L1 / 24 * kLumping;
  const double thB2 = L2 * L2 * L2 / 24 * kLumping + P * x * (L2 * L2 - x * x) / (6 * L2);
  // Tip = the cantilever fixed at its support, turned with the span's end
  // rotation: t = q l^4/8 - l * (theta + M_end L/3 + M_other L/6).
  const double left = a * a * a * a / 8 - a * (thA1 + M1 * L1 / 3);
  const double right = b * b * b * b / 8 - b * (thB2 + M3 * L2 / 3);
  EXPECT_NEAR(an.konstal(2, 1) / left, 1.0, 1e-5) << an.konstal(2, 1) << " vs " << left;
  EXPECT_NEAR(an.konstal(2, 2) / right, 1.0, 1e-5) << an.konstal(2, 2) << " vs " << right;
}

TEST(KrdefClosedForm, RightTipOfAContinuousSheetUsesTheLastSpan) {
  // Three spans, continuous: the right tip turns with the last span, whose
  // end moments M(3) and M(4) come from the solved equations.
  RunContext ctx = two_spans(5.0, 5.0, 0.4, 0.7);
  InputCase& in = ctx.in;
  in.nfack = 3;
  in.spv(3) = 3.0f;
  prepare_analysis(ctx.in, ctx.prep);
  krdef(ctx, 1);
  const AnalysisResults& an = ctx.an;
  const double L3 = 3.0, b = 0.7;
  const double thB3 = L3 * L3 * L3 / 24 * kLumping;
  const double M3 = an.mstod(2, 3), M4 = an.mstod(2, 4);
  EXPECT_NEAR(M4, -b * b / 2, 1e-6);
  const double right = b * b * b * b / 8 - b * (thB3 + M4 * L3 / 3 + M3 * L3 / 6);
  EXPECT_NEAR(an.konstal(2, 2) / right, 1.0, 1e-5) << an.konstal(2, 2) << " vs " << right;
}

TEST(KrdefClosedForm, CantileverTermsRoundEveryStoredPart) {
  // The uniform-load part of the moment and of the deflection is a stored
  // 32-bit value before the drift part is added to it.  Expected values by
  // hand in that order; the same sums with the uniform part left unrounded
  // differ in the last bit of M and t (-0x1.2148a6p+1, 0x1.64f0c8p-1 and
  // -0x1.a88630p+0, 0x1.929d50p-2), which is what a build that vectorises
  // these lines with the wider values gives.
  struct Case {
    float a, q, qe, E, p, l;
    float M, t, F;
  };
  const Case cases[] = {
      // A drift longer than the cantilever: a trapezoid over all of it.
      {1.11f, 2.91f, 0.0f, 0.0f, 0.83f, 4.3f, -0x1.2148a8p+1f, 0x1.64f0cap-1f, 0x1.02144ap+2f},
      // An edge zone and a drift that ends on the cantilever.
      {0.93f, 2.35f, 0.74f, 0.2f, 2.4f, 0.59f, -0x1.a8862ep+0f, 0x1.929d4ep-2f, 0x1.854fdep+1f},
  };
  for (const Case& c : cases) {
    const CantileverTerms k = cantilever_closed_form(c.a, c.q, c.qe, c.E, c.p, c.l);
    EXPECT_EQ(k.M, c.M) << "a " << c.a << " l " << c.l;
    EXPECT_EQ(k.t, c.t) << "a " << c.a << " l " << c.l;
    EXPECT_EQ(k.F, c.F) << "a " << c.a << " l " << c.l;
  }
}

// The section values of a simply supported span under the uniform load q:
// M = q x (L - x)/2 and EI w = q x (L^3 - 2 L x^2 + x^3)/24, x = xi L.
// Every section lies on a slot boundary, where the 40 lumped loads give the
// moment exactly; the deflection, a midpoint sum of a curve whose slope
// jumps nowhere, is larger by h^2/24 times the fall of its slope from end to
// end (h = L/40), that is h^2 q [x (L^2 - x^2) + b (L^2 - b^2)]/(144 L) with
// b = L - x.
double lumped_deflection(double q, double L, double x) {
  const double b = L - x, h = L / 40;
  return q * x * (L * L * L - 2 * L * x * x + x * x * x) / 24 +
         h * h * q * (x * (L * L - x * x) + b * (L * L - b * b)) / (144 * L);
}

TEST(KrdefClosedForm, SectionValuesOfASimpleSpan) {
  // One span of 6 m under g = 1 (load case 2); cantilevers of 1 mm leave
  // end moments of 5e-7.
  const double L = 6.0, q = 1.0;
  RunContext ctx = two_spans(L, L, 0.001, 0.001);
  ctx.in.nfack = 1;
  prepare_analysis(ctx.in, ctx.prep);
  krdef(ctx, 1);
  const AnalysisResults& an = ctx.an;
  EXPECT_NEAR(an.snittmom(2)(1, 7), q * L * L / 8, 2e-5);  // mid-span
  EXPECT_NEAR(an.snittnedb(2)(1, 7) / (5 * q * L * L * L * L / 384), 1.0 + 1.0 / 4000, 1e-5);
  for (int k = 1; k <= 11; ++k) {
    const double x = an.snittpos(1, k) * L;
    EXPECT_NEAR(an.snittmom(2)(1, k), q * x * (L - x) / 2, 2e-5) << "section " << k;
    EXPECT_NEAR(an.snittnedb(2)(1, k) / lumped_deflection(q, L, x), 1.0, 1e-5) << "section " << k;
  }
  // The governing values are among them.
  EXPECT_EQ(an.mfalt(2, 1), an.snittmom(2)(1, 7));
  EXPECT_EQ(an.nedbtal(2, 1), an.snittnedb(2)(1, 7));
}

TEST(KrdefClosedForm, SectionValuesWithTheEndMomentsOfAContinuousSheet) {
  // Two spans of 5 m, continuous: span 1 carries the support moment M(2) at
  // its right end, which adds M(2) xi to the moment and M(2) L^2/6 xi
  // (1 - xi^2) to the deflection.  Load case 3 (wind suction) is kept too.
  const double L = 5.0, q = 1.0;
  RunContext ctx = two_spans(L, L, 0.001, 0.001);
  ctx.in.vind(1) = ctx.in.vind(2) = ctx.in.vind(4) = 1.0f;
  prepare_analysis(ctx.in, ctx.prep);
  krdef(ctx, 1);
  const AnalysisResults& an = ctx.an;
  const double M2 = an.mstod(2, 2);
  EXPECT_LT(std::fabs(M2 / (-q * L * L / 8 * kLumping) - 1), 1e-4);
  for (int k = 1; k <= 11; ++k) {
    const double xi = an.snittpos(1, k), x = xi * L;
    EXPECT_NEAR(an.snittmom(2)(1, k), q * x * (L - x) / 2 + M2 * xi, 2e-5) << "section " << k;
    const double w = lumped_deflection(q, L, x) + M2 * L * L / 6 * xi * (1 - xi * xi);
    EXPECT_NEAR(an.snittnedb(2)(1, k), w, 5e-5) << "section " << k;
    // Span 2 is the mirror image of span 1.
    EXPECT_NEAR(an.snittmom(2)(2, k), q * x * (L - x) / 2 + M2 * (1 - xi), 2e-5) << k;
  }
  // Uplift: q3 = g - 0.91 x 1.5 x 1 (safety class 2, Sweden).
  const double q3 = 1.0 - 0.91 * 1.5;
  EXPECT_NEAR(an.snittmom(3)(1, 7), q3 * L * L / 8 + an.mstod(3, 2) / 2, 2e-5);
  EXPECT_LT(an.snittmom(3)(1, 7), 0.0f);
}

}  // namespace
}  // namespace kvop
