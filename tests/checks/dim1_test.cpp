// The thickness search and the final sweep: sheets, running columns, locked
// thicknesses, double overlaps and their cost rule, and the results formed
// after the final sweep.
#include "checks/dim1.h"

#include <gtest/gtest.h>

#include "check_fixture.h"
#include "checks/stodkontroll.h"

namespace kvop {
namespace {

using test::CheckCase;

// Support 2 needs M_r >= 2.4875 (column 3); span 3 needs 1.8 in sagging
// (column 2 with 2.5).
void load_two_sheets(CheckCase& c) {
  c.an.reakt(1, 2) = 1.0f;
  c.an.mstod(1, 2) = -2.5f;
  c.an.mfalt(1, 3) = 1.8f;
}

TEST(Dim1, TheThinnestPassingColumnForTheWholeSheet) {
  CheckCase c(3);
  c.an.reakt(1, 2) = 1.0f;
  c.an.mstod(1, 2) = -2.5f;
  test::sweep(c, 1);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(c.chk.tjix(1, i), 3) << i;
  for (int j = 1; j <= 3; ++j) EXPECT_FLOAT_EQ(c.chk.plattj(j), 0.7f);
  EXPECT_FLOAT_EQ(c.chk.KVOTS(1, 2), 2.4875f / 3.0f);
  const Dimvarden dv = dimvarden(c.ctx, 1);
  EXPECT_GT(interaktion(c.ctx, dv, 1, 2, 2, true).kvot, 1.0f);  // one column thinner fails
  EXPECT_FALSE(c.chk.failed);
  EXPECT_FALSE(c.chk.over);
  EXPECT_EQ(c.chk.styvkvot(3), 1.0f);
  EXPECT_TRUE(c.chk.checked);
}

TEST(Dim1, TwoSheetsAtAButtJointGetTheirOwnThickness) {
  CheckCase c(3);
  c.in.skarvtyp(3) = 1;
  load_two_sheets(c);
  test::sweep(c, 1);
  EXPECT_EQ(c.chk.tjix(1, 1), 3);
  EXPECT_EQ(c.chk.tjix(1, 2), 3);
  EXPECT_EQ(c.chk.tjix(1, 3), 0);
  EXPECT_EQ(c.chk.tjix(2, 3), 2);
  EXPECT_EQ(c.chk.tjix(2, 4), 2);
  EXPECT_FLOAT_EQ(c.chk.plattj(1), 0.7f);
  EXPECT_FLOAT_EQ(c.chk.plattj(2), 0.7f);
  EXPECT_FLOAT_EQ(c.chk.plattj(3), 0.6f);
  EXPECT_FLOAT_EQ(c.chk.KVOTF(1, 3), 1.8f / 2.5f);
  EXPECT_FLOAT_EQ(c.chk.styvkvot(3), 2.0f / 3.0f);
}

TEST(Dim1, ASingleOverlapIsCarriedByTheArrivingSheet) {
  CheckCase c(3);
  c.in.skarvtyp(2) = 2;
  c.an.reakt(1, 2) = 1.0f;
  c.an.mstod(1, 2) = -2.5f;
  test::sweep(c, 1);
  EXPECT_EQ(c.chk.tjix(1, 1), 3);  // sheet 1 holds support 1 only
  EXPECT_EQ(c.chk.tjix(1, 2), 0);
  EXPECT_EQ(c.chk.tjix(2, 2), 1);
  EXPECT_EQ(c.chk.tjix(2, 4), 1);
  EXPECT_FLOAT_EQ(c.chk.plattj(1), 0.7f);
  EXPECT_FLOAT_EQ(c.chk.plattj(2), 0.5f);
  EXPECT_FLOAT_EQ(c.chk.KVOTS(1, 2), 2.4875f / 3.0f);
}

TEST(Dim1, LockedThicknessesOneSweepNothingRaised) {
  CheckCase c(3);
  c.in.skarvtyp(3) = 1;
  load_two_sheets(c);
  c.in.tjlk(1) = 0.6f;
  c.in.tjlk(2) = 0.0f;
  c.in.tjlk(3) = 5.0f;  // above every column: the thickest
  test::sweep(c, 1);
  EXPECT_EQ(c.chk.tjix(1, 1), 2);
  EXPECT_EQ(c.chk.tjix(1, 2), 1);
  EXPECT_EQ(c.chk.tjix(2, 3), 4);
  // The last support carries the last span's sheet as a cantilever.
  EXPECT_EQ(c.chk.tjix(2, 4), 4);
  EXPECT_FLOAT_EQ(c.chk.plattj(1), 0.6f);
  EXPECT_FLOAT_EQ(c.chk.plattj(2), 0.5f);
  EXPECT_FLOAT_EQ(c.chk.plattj(3), 0.8f);
  // Support 2 is checked on its own locked column 1 and fails.
  EXPECT_FLOAT_EQ(c.chk.KVOTS(1, 2), 2.4875f);
  EXPECT_FALSE(c.chk.failed);
  EXPECT_TRUE(c.chk.over);
}

TEST(Dim1, LockedSheetRunningOnAsACantileverIsCheckedWithItsOwnThickness) {
  CheckCase c(2);
  c.in.tjlk(1) = c.in.tjlk(2) = 0.8f;
  c.an.reakt(1, 3) = 1.0f;
  c.an.mstod(1, 3) = -2.5f;  // the right cantilever's moment: fails at 0.5 mm
  test::sweep(c, 1);
  EXPECT_EQ(c.chk.tjix(1, 3), 4);
  EXPECT_FLOAT_EQ(c.chk.KVOTS(1, 3), 2.4875f / 4.0f);
  EXPECT_FALSE(c.chk.over);
}

TEST(Dim1, APerforatedR820MNeverUsesItsThinnestColumn) {
  for (float lock : {0.0f, 0.5f}) {
    CheckCase c(2, "R820M");
    c.in.perfo(1) = 1;
    c.in.tjlk(1) = lock;
    test::sweep(c, 1);
    EXPECT_EQ(c.chk.tjix(1, 1), 2) << lock;
    EXPECT_FLOAT_EQ(c.chk.plattj(1), 0.6f) << lock;
    EXPECT_FLOAT_EQ(c.chk.plattj(2), 0.6f) << lock;
  }
}

// Span 1 passes at column 2 (2.0 / 2.5) and support 2 at column 2, then
// span 2 needs column 3 (3.0 / 3.5) for the whole sheet: the final sweep
// must give span 1 and support 2 the ratios at column 3, not those found
// with the thinner columns during the search.
TEST(Dim1, ChecksPassedWithAThinnerColumnAreRepeatedWithTheSheetsFinalOne) {
  CheckCase c(3);
  c.an.mfalt(1, 1) = 2.0f;
  c.an.reakt(1, 2) = 1.0f;
  c.an.mstod(1, 2) = -1.0f;
  c.an.mfalt(1, 2) = 3.0f;
  test::sweep(c, 1);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(c.chk.tjix(1, i), 3) << i;
  EXPECT_FLOAT_EQ(c.chk.KVOTF(1, 1), 2.0f / 3.5f);
  EXPECT_FLOAT_EQ(c.chk.KVOTF(1, 2), 3.0f / 3.5f);
  // rho = 1/30 is below g: the moment less R s/8 over M_r = 3.
  EXPECT_FLOAT_EQ(c.chk.KVOTS(1, 2), (1.0f - 0.1f / 8.0f) / 3.0f);
  EXPECT_FALSE(c.chk.over);
}

TEST(Dim1, FailureAtTheThickestColumnKeepsItAndTheRatio) {
  CheckCase c(2);
  c.an.mfalt(1, 1) = 9.0f;
  test::sweep(c, 1);
  EXPECT_EQ(c.chk.tjix(1, 1), 4);
  EXPECT_TRUE(c.chk.failed);
  EXPECT_TRUE(c.chk.over);
  EXPECT_FLOAT_EQ(c.chk.KVOTF(1, 1), 9.0f / 4.5f);
}

// Two spans joined by a double overlap at support 2.  Sheet 1 holds support
// 1, sheet 2 supports 2 and 3.  The support needs M_r,1 + M_r,2 >= 2.4875.
CheckCase double_overlap(float span1, float span2) {
  CheckCase c(2);
  c.in.skarvtyp(2) = 5;
  c.in.spv(1) = span1;
  c.in.spv(2) = span2;
  c.an.reakt(1, 2) = 1.0f;
  c.an.mstod(1, 2) = -2.5f;
  return c;
}

TEST(Dim1, DoubleOverlapTieThickensThePreviousSheet) {
  // Sheet lengths 0.3 + 5 + 0.5 and 0.5 + 5 + 0.3, weight steps 1.
  CheckCase c = double_overlap(5.0f, 5.0f);
  test::sweep(c, 1);
  EXPECT_FLOAT_EQ(c.ctx.dia.plangd(1), 5.8f);
  EXPECT_FLOAT_EQ(c.ctx.dia.plangd(2), 5.8f);
  EXPECT_EQ(c.chk.tjix(1, 1), 2);
  EXPECT_EQ(c.chk.tjix(2, 2), 1);
  EXPECT_EQ(c.chk.tjix(2, 3), 1);
  EXPECT_FLOAT_EQ(c.chk.KVOTS(1, 2), 2.4875f / 3.0f);
}

TEST(Dim1, DoubleOverlapThickensTheSheetWhoseWeightCostsLess) {
  CheckCase longer_previous = double_overlap(6.0f, 5.0f);
  test::sweep(longer_previous, 1);
  EXPECT_EQ(longer_previous.chk.tjix(1, 1), 1);
  EXPECT_EQ(longer_previous.chk.tjix(2, 2), 2);

  CheckCase longer_new = double_overlap(5.0f, 6.0f);
  test::sweep(longer_new, 1);
  EXPECT_EQ(longer_new.chk.tjix(1, 1), 2);
  EXPECT_EQ(longer_new.chk.tjix(2, 2), 1);
}

TEST(Dim1, DoubleOverlapWithThePreviousSheetAtTheThickestRaisesTheNewOne) {
  CheckCase c = double_overlap(5.0f, 5.0f);
  c.an.mfalt(1, 1) = 4.2f;   // span 1 needs column 4 (4.5)
  c.an.mstod(1, 2) = -6.0f;  // (6 - 0.0125)/(4 + 1) > 1, /(4 + 2) < 1
  test::sweep(c, 1);
  EXPECT_EQ(c.chk.tjix(1, 1), 4);
  EXPECT_EQ(c.chk.tjix(2, 2), 2);
  EXPECT_EQ(c.chk.tjix(2, 3), 2);
  EXPECT_FALSE(c.chk.failed);
  EXPECT_FLOAT_EQ(c.chk.KVOTS(1, 2), static_cast<float>((6.0 - 0.1f * 0.125) / 6.0));

  c.an.mstod(1, 2) = -9.0f;  // more than both sheets at the thickest carry
  test::sweep(c, 1);
  EXPECT_EQ(c.chk.tjix(1, 1), 4);
  EXPECT_EQ(c.chk.tjix(2, 2), 4);
  EXPECT_TRUE(c.chk.failed);
}

TEST(Dim1, TheTopFlangeLockCarriesIntoTheFinalSweep) {
  for (int oflans : {0, 1}) {
    CheckCase c = test::anchored_end(oflans);  // fails on the end anchorage only
    test::sweep(c, 1);
    EXPECT_EQ(c.chk.lasfl, oflans) << oflans;
    EXPECT_EQ(c.chk.tjix(1, 1), oflans == 1 ? 1 : 2) << oflans;
    if (oflans == 1) {
      EXPECT_FLOAT_EQ(c.chk.KVOTS(1, 1), 0.4f);
    }
  }
}

TEST(Dim1, TheRatiosOfTheServiceabilityCaseAreClearedInThePartialCoefficientMethod) {
  for (int sakkl : {0, 2}) {
    CheckCase c(20);
    c.in.sakkl = sakkl;
    for (int i = 1; i <= 21; ++i) c.an.reakt(2, i) = 1.0f;
    for (int j = 1; j <= 20; ++j) c.an.mfalt(2, j) = 0.5f;
    test::sweep(c, 1);
    const float s = sakkl == 0 ? 1.0f : 0.0f;
    EXPECT_EQ(c.chk.KVOTS(2, 21) > 0.0f, s > 0) << sakkl;
    EXPECT_FLOAT_EQ(c.chk.KVOTF(2, 20), s * 0.5f / 1.5f) << sakkl;
  }
}

TEST(Dim1, AWallChecksNoServiceabilityCase) {
  CheckCase c(2);
  c.in.vagg = 1;
  c.chk.KVOTS(2, 2) = 7.0f;  // left as it was
  c.an.mfalt(2, 1) = 9.0f;
  test::sweep(c, 1);
  EXPECT_EQ(c.chk.KVOTS(2, 2), 7.0f);
  EXPECT_EQ(c.chk.KVOTF(2, 1), 0.0f);
  EXPECT_EQ(c.chk.tjix(1, 1), 1);
}

TEST(Dim1, ReservesOfTheFinalSweepOnly) {
  CheckCase c(2);
  c.in.taklutn = 45.0f;
  c.in.kvottak = 1.0f;
  for (int lc = 1; lc <= 4; ++lc) c.an.reakt(lc, 2) = 2.0f;
  c.an.mfalt(1, 2) = 9.0f;  // span 2 fails at the thickest column: no span reserve
  test::sweep(c, 1);
  const Dimvarden dv = dimvarden(c.ctx, 1);
  const double T = dv.fstod(1, 2);
  // Column 4: min(0.8*80 - T, 0.8*80*(1.1 - 0.8*2/40) - T) = 64 - T
  EXPECT_FLOAT_EQ(c.chk.skivstod(1, 2), static_cast<float>(64.0 - T));
  EXPECT_EQ(c.chk.skivstod(3, 2), 0.0f);  // never stored in uplift
  // Span 1: min(0.8*50, 0.8*100/25) = 3.2
  EXPECT_FLOAT_EQ(c.chk.skivfalt(1, 1), 3.2f);
  EXPECT_EQ(c.chk.skivfalt(1, 2), 0.0f);
  EXPECT_EQ(c.chk.skivfalt(3, 1), 0.0f);
}

}  // namespace
}  // namespace kvop
