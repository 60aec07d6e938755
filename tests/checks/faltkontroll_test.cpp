// Span checks: field moments, deflections of roofs and walls by market, the
// deflection steps, cantilever tips and the fastening-band spacings.
#include "checks/faltkontroll.h"

#include <gtest/gtest.h>

#include "check_fixture.h"
#include "checks/dim1.h"

namespace kvop {
namespace {

using test::CheckCase;

TEST(Faltkvot, SaggingAbove0001UsesTheOtherFlangeGroup) {
  CheckCase c(2);
  const Dimvarden dv = dimvarden(c.ctx, 1);
  c.an.mfalt(1, 1) = 0.001f;  // not above: group a (1.0)
  EXPECT_FLOAT_EQ(faltkvot(c.ctx, dv, 1, 1, 1), 0.001f);
  c.an.mfalt(1, 1) = 0.0011f;  // group b (1.5)
  EXPECT_FLOAT_EQ(faltkvot(c.ctx, dv, 1, 1, 1), 0.0011f / 1.5f);
  c.an.mfalt(1, 1) = 0.9f;
  c.an.mfalt2(1, 1) = -0.8f;  // the hogging joint section decides
  EXPECT_FLOAT_EQ(faltkvot(c.ctx, dv, 1, 1, 1), 0.8f);
}

TEST(Nedbkvot, RoofDeflectionStepsAt45And6Metres) {
  CheckCase c(1);
  const float d = 0.030f;
  auto at = [&](float L) {
    c.in.spv(1) = L;
    return nedbkvot(c.in, 1, d);
  };
  EXPECT_FLOAT_EQ(at(4.49f), static_cast<float>(0.030 / (4.49 * 0.00666667)));
  EXPECT_FLOAT_EQ(at(4.5f), static_cast<float>(0.030 * 33.3333));
  EXPECT_FLOAT_EQ(at(6.0f), static_cast<float>(0.030 * 33.3333));
  EXPECT_FLOAT_EQ(at(6.01f), static_cast<float>(0.030 / (6.01 * 0.005)));
  c.in.nedbkrav = 0;
  c.in.nedbkvot = 300.0f;
  EXPECT_FLOAT_EQ(at(6.0f), static_cast<float>(0.030 / (6.0 / 300.0)));
  EXPECT_FLOAT_EQ(nedbkvot(c.in, 1, -0.030f), static_cast<float>(0.030 / (6.0 / 300.0)));
}

// A 4 m span whose deflection is 0.01 m at column 1 (N = 0.01*2.1e8*1e-6).
CheckCase deflecting(int vagg, int market) {
  CheckCase c(1);
  c.in.vagg = vagg;
  c.in.marknadskod = market;
  c.in.spv(1) = 4.0f;
  c.in.nedbkrav = vagg == 1 ? 0 : 1;
  for (int lc = 1; lc <= 4; ++lc) c.an.nedbtal(lc, 1) = 2.1f;
  return c;
}

TEST(Nedbojning, RoofSpansAreCheckedInTheServiceabilityCaseOnly) {
  CheckCase c = deflecting(0, 1);
  c.an.nedbtal(2, 1) = 4.2f;   // 0.02 m: 0.02/(4*0.00666667) = 0.75
  c.an.nedbtal(1, 1) = 42.0f;  // 0.2 m in load case 1 raises nothing
  test::sweep(c, 1);
  EXPECT_FLOAT_EQ(c.chk.nedbfalt(1, 1), 0.2f);
  EXPECT_FLOAT_EQ(c.chk.nedbfalt(2, 1), 0.02f);
  EXPECT_FLOAT_EQ(c.chk.KVOTD(2, 1), static_cast<float>(0.02 / (4.0 * 0.00666667)));
  EXPECT_EQ(c.chk.KVOTD(1, 1), 0.0f);
  EXPECT_EQ(c.chk.tjix(1, 1), 1);
}

TEST(Nedbojning, AFailedDeflectionRaisesTheColumnAndUpdatesTheDeflection) {
  CheckCase c = deflecting(0, 1);
  c.an.nedbtal(2, 1) = 8.4f;  // 0.04 m at column 1, 0.02 at column 2
  test::sweep(c, 1);
  EXPECT_EQ(c.chk.tjix(1, 1), 2);
  EXPECT_FLOAT_EQ(c.chk.nedbfalt(2, 1), 0.02f);
  EXPECT_FLOAT_EQ(c.chk.KVOTD(2, 1), static_cast<float>(0.02 / (4.0 * 0.00666667)));
}

TEST(Nedbojning, WallsBySwedishNorwegianAndOtherMarkets) {
  struct Row {
    int market;
    double factor;  // 0: not computed
  };
  for (Row r : {Row{1, 0.1923}, Row{3, 0.1563}, Row{2, 0.0}}) {
    CheckCase c = deflecting(1, r.market);
    c.in.nedbkvot = 150.0f;
    test::sweep(c, 1);
    const double w = r.factor * 0.01;
    for (int lc : {1, 3}) {
      EXPECT_FLOAT_EQ(c.chk.nedbfalt(lc, 1), static_cast<float>(w)) << r.market;
      EXPECT_FLOAT_EQ(c.chk.KVOTD(lc, 1), static_cast<float>(w / (4.0 / 150.0))) << r.market;
    }
    EXPECT_EQ(c.chk.KVOTD(4, 1), 0.0f);
    // The tips are not scaled: konstal / (E*1e8*I).
    c.an.konstal(1, 1) = 2.1f;
    test::sweep(c, 1);
    EXPECT_FLOAT_EQ(c.chk.nedbkons(1, 1), 0.01f) << r.market;
  }
}

TEST(Nedbojning, CantileverTipsUseTheFirstAndTheLastSheet) {
  CheckCase c(3);
  c.in.skarvtyp(3) = 1;
  c.an.mfalt(1, 3) = 1.8f;  // the last sheet takes column 2
  c.an.konstal(2, 1) = 2.1f;
  c.an.konstal(2, 2) = 2.1f;
  test::sweep(c, 1);
  EXPECT_FLOAT_EQ(c.chk.nedbkons(2, 1), 0.01f);
  EXPECT_FLOAT_EQ(c.chk.nedbkons(2, 2), 0.005f);
}

// A VEX roof: module 0.2 m, so at most trunc(3.75/0.2) = 18 modules; wind
// suction Pf = 1*0.5; factor P of the self weight g.
CheckCase vex(float P, float g, float u) {
  CheckCase c(2);
  c.in.vextak = 1;
  c.in.vind(1) = 1.0f;
  c.in.vind(2) = 0.5f;
  c.in.partkf(4, 1) = P;
  c.ctx.prep.egentyngd = g;  // the self weight on the slope
  c.an.bandix = 1;
  c.chk.KVOTS(3, 2) = u;
  c.chk.KVOTF(3, 1) = u / 2;
  return c;
}

TEST(Bandavst, FormulaFromTheUpliftUtilisation) {
  CheckCase c = vex(0.9f, 0.2f, 0.5f);
  bandavst(c.ctx, c.chk);
  // x = 1/0.5 - (0.9/0.5 - 1)*0.2/0.5 = 1.68: trunc(4.6*1.98) = 9, trunc(2*1.98) = 3
  EXPECT_FLOAT_EQ(c.chk.bandavst1, 0.2f * 9);
  EXPECT_FLOAT_EQ(c.chk.bandavst2, 0.2f * 3);
}

TEST(Bandavst, SelfWeightAboveTheSuctionGivesTheWidestSpacing) {
  CheckCase c = vex(1.0f, 0.6f, 0.5f);
  bandavst(c.ctx, c.chk);
  EXPECT_FLOAT_EQ(c.chk.bandavst1, 0.2f * 18);
  EXPECT_FLOAT_EQ(c.chk.bandavst2, 0.2f * 18);
}

TEST(Bandavst, SelfWeightEqualToTheSuctionUsesTheFormula) {
  CheckCase c = vex(1.0f, 0.5f, 0.5f);
  bandavst(c.ctx, c.chk);
  // x = 2 - (2 - 1)*1 = 1: trunc(4.6*1.3) = 5, trunc(2*1.3) = 2
  EXPECT_FLOAT_EQ(c.chk.bandavst1, 0.2f * 5);
  EXPECT_FLOAT_EQ(c.chk.bandavst2, 0.2f * 2);
}

TEST(Bandavst, NothingUsedInUpliftAndSmallUtilisationsGiveTheWidestSpacing) {
  for (float u : {0.0f, 1e-30f}) {
    CheckCase c = vex(0.9f, 0.2f, u);
    bandavst(c.ctx, c.chk);
    EXPECT_FLOAT_EQ(c.chk.bandavst1, 0.2f * 18) << u;
    EXPECT_FLOAT_EQ(c.chk.bandavst2, 0.2f * 18) << u;
  }
}

}  // namespace
}  // namespace kvop
