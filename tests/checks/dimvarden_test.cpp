// Design values of a check pass: first admissible column, side lap,
// perforation, partial factors, orientation, web crippling, slope force and
// locked columns.
#include "checks/dimvarden.h"

#include <gtest/gtest.h>

#include <cmath>

#include "check_fixture.h"

namespace kvop {
namespace {

using test::CheckCase;

TEST(Dimvarden, PerforatedProfilesOfTheR820AndR46FARangesSkipTheThinnestColumn) {
  for (const char* name : {"R820M", "R820S", "R820U", "R46FA", "XR820M", "XXXR820U"}) {
    CheckCase c(2, name);
    c.in.perfo(1) = 1;
    EXPECT_EQ(dimvarden(c.ctx, 1).t0, 2) << name;
  }
  CheckCase beyond(2, "XXXXR820");  // R820M would start at the 5th character
  beyond.ctx.prof.designation.set("XXXXR820");
  beyond.in.perfo(1) = 1;
  EXPECT_EQ(dimvarden(beyond.ctx, 1).t0, 1);
  CheckCase plain(2, "R820M");
  plain.in.perfo(1) = 0;
  EXPECT_EQ(dimvarden(plain.ctx, 1).t0, 1);
  CheckCase other(2, "R820");
  other.in.perfo(1) = 1;
  EXPECT_EQ(dimvarden(other.ctx, 1).t0, 1);
}

TEST(Dimvarden, SideLapFactorOnTheResistanceRowsOnly) {
  CheckCase c(2);  // n = B/b = 0.8/0.2 = 4
  c.in.sidoverl(1) = 1.0f;
  const Dimvarden dv = dimvarden(c.ctx, 1);
  const float f = 4.0f / 3.0f - 3.0f / 50.0f;  // 1.27333
  EXPECT_NEAR(dv.sidfaktor, 1.27333f, 1e-5f);
  EXPECT_FLOAT_EQ(dv.arbtab(5, 2), 2e-6f * f);
  EXPECT_FLOAT_EQ(dv.arbtab(6, 2), 2.0f * f);
  EXPECT_FLOAT_EQ(dv.arbtab(9, 2), 4e-6f * f);
  EXPECT_FLOAT_EQ(dv.arbtab(10, 2), 2.5f * f);
  EXPECT_FLOAT_EQ(dv.arbtab(13, 2), 20.0f * f);
  EXPECT_EQ(dv.arbtab(7, 2), 1.0f);
  EXPECT_EQ(dv.arbtab(23, 2), 40.0f);
  EXPECT_EQ(c.ctx.prof.per_thickness(6, 2), 2.0f);  // the profile record is untouched

  for (float s : {0.05f, 0.001f}) {  // 4/3.95 - 3.95/2.5 < 1; 0.001 is no side lap
    CheckCase d(2);
    d.in.sidoverl(1) = s;
    const Dimvarden dv2 = dimvarden(d.ctx, 1);
    EXPECT_EQ(dv2.sidfaktor, 1.0f);
    EXPECT_EQ(dv2.arbtab(6, 2), 2.0f);
  }
}

TEST(Dimvarden, PerforationReducesTheRowsAndMarksLowSteelProfilesFullyPerforated) {
  CheckCase c(2);  // h = 0.045, E = 2.1: fully perforated
  c.in.perfo(1) = 1;
  const Dimvarden dv = dimvarden(c.ctx, 1);
  EXPECT_EQ(dv.perfo, 2);
  EXPECT_EQ(perforation_code(c.in, c.ctx.prof, 1), 2);
  EXPECT_EQ(c.in.perfo(1), 1);  // the case keeps the code it was read with
  EXPECT_FLOAT_EQ(dv.mrda(3), 3.0f * 0.8f);
  EXPECT_FLOAT_EQ(dv.iyta(3), 3e-6f * 0.8f);
  EXPECT_FLOAT_EQ(dv.mrdb(3), 3.5f * 0.8f);
  EXPECT_FLOAT_EQ(dv.rw0(3), 30.0f * 0.9f);
  // The second pass starts from the table again: no double reduction.
  const Dimvarden again = dimvarden(c.ctx, 1);
  EXPECT_FLOAT_EQ(again.mrda(3), 3.0f * 0.8f);

  CheckCase high(2);
  high.ctx.prof.general(1) = 0.07f;
  high.in.perfo(1) = 1;
  EXPECT_EQ(dimvarden(high.ctx, 1).perfo, 1);

  CheckCase alu(2);  // aluminium is fully perforated only up to 38 mm
  alu.ctx.prof.general(12) = 0.7f;
  alu.in.perfo(1) = 1;
  EXPECT_EQ(dimvarden(alu.ctx, 1).perfo, 1);
  alu.ctx.prof.general(1) = 0.038f;
  EXPECT_EQ(dimvarden(alu.ctx, 1).perfo, 2);
  EXPECT_EQ(perforation_code(alu.in, alu.ctx.prof, 1), 2);

  // Unperforated stays unperforated however low the profile.
  alu.in.perfo(1) = 0;
  EXPECT_EQ(perforation_code(alu.in, alu.ctx.prof, 1), 0);
}

TEST(Dimvarden, PartialFactorsOfTheMarkets) {
  struct Row {
    int market;
    float gm, gw;
  };
  for (Row r : {Row{1, 1.0f, 1.0f}, Row{2, 1.1f, 1.1f}, Row{3, 1.05f, 1.05f}, Row{4, 1.0f, 1.0f},
                Row{5, 1.045f, 1.14f}}) {
    CheckCase c(2);
    c.in.marknadskod = r.market;
    const Dimvarden dv = dimvarden(c.ctx, 1);
    EXPECT_FLOAT_EQ(dv.mrda(2), 2.0f / r.gm) << r.market;
    EXPECT_FLOAT_EQ(dv.mrdb(2), 2.5f / r.gm) << r.market;
    EXPECT_FLOAT_EQ(dv.A(2), 40.0f / r.gm) << r.market;
    EXPECT_FLOAT_EQ(dv.D(2), 20.0f / r.gm) << r.market;
    EXPECT_FLOAT_EQ(dv.P22(2), 50.0f / r.gm) << r.market;
    EXPECT_FLOAT_EQ(dv.rw0(2), 20.0f / r.gw) << r.market;
    EXPECT_FLOAT_EQ(dv.iyta(2), 2e-6f) << r.market;  // stiffness is not factored
  }
}

TEST(Dimvarden, OrientationChoosesTheRowGroupsAndTheThreshold) {
  CheckCase bf(2);  // broad flange on the purlins
  Dimvarden dv = dimvarden(bf.ctx, 1);
  EXPECT_EQ(dv.mrda(1), 1.0f);
  EXPECT_EQ(dv.mrdb(1), 1.5f);
  EXPECT_EQ(dv.iyta(1), 1e-6f);
  EXPECT_EQ(dv.iytb(1), 2e-6f);
  EXPECT_EQ(dv.g, 0.25f);

  CheckCase sf(2);
  sf.in.vandr(1) = 1;
  sf.ctx.prof.per_thickness(11, 1) = 0.7f;
  dv = dimvarden(sf.ctx, 1);
  EXPECT_EQ(dv.mrda(1), 1.5f);
  EXPECT_EQ(dv.mrdb(1), 1.0f);
  EXPECT_EQ(dv.iyta(1), 2e-6f);
  EXPECT_EQ(dv.C7(1), 0.7f);
  EXPECT_EQ(dv.g, 0.3f);
}

TEST(Dimvarden, WebCripplingFollowsTheSupportWidthUpTo200mm) {
  CheckCase c(2);
  c.in.upplbredd(1) = 0.1f;
  c.in.upplbredd(2) = 0.2f;
  c.in.upplbredd(3) = 0.35f;
  const Dimvarden dv = dimvarden(c.ctx, 1);
  const double tc = std::sqrt(12.5 * static_cast<double>(0.56f));  // core of column 2
  EXPECT_FLOAT_EQ(dv.rwst(1, 2), 20.0f);
  EXPECT_FLOAT_EQ(dv.rwst(2, 2), static_cast<float>(20.0 * (tc + std::sqrt(200.0)) / (tc + 10.0)));
  EXPECT_EQ(dv.rwst(3, 2), dv.rwst(2, 2));
}

TEST(Dimvarden, SlopeForceFromTheReactions) {
  CheckCase c(2);
  c.in.taklutn = 30.0f;
  c.in.kvottak = 2.0f;
  c.an.reakt(1, 2) = 10.0f;
  const double alfa = static_cast<double>(static_cast<float>(30.0 * 3.14159f * (1.0f / 180.0f)));
  Dimvarden dv = dimvarden(c.ctx, 1);
  EXPECT_FLOAT_EQ(dv.fstod(1, 2), static_cast<float>(10.0 * std::tan(alfa) / 2.0));

  // A VEX roof steeper than 7.5 degrees with a ratio up to 1.01.
  c.in.vextak = 1;
  c.in.kvottak = 0.5f;
  const double cc = 0.5 / (1.0 - 0.5 / (8.0 * std::sin(alfa)));
  dv = dimvarden(c.ctx, 1);
  EXPECT_FLOAT_EQ(dv.fstod(1, 2), static_cast<float>(10.0 * std::tan(alfa) / cc));
  c.in.taklutn = 7.5f;  // not steeper: the plain ratio
  const double a75 = static_cast<double>(static_cast<float>(7.5 * 3.14159f * (1.0f / 180.0f)));
  dv = dimvarden(c.ctx, 1);
  EXPECT_FLOAT_EQ(dv.fstod(1, 2), static_cast<float>(10.0 * std::tan(a75) / 0.5));
}

TEST(Dimvarden, LockedColumnIsTheFirstThatReachesTheThickness) {
  CheckCase c(4);
  c.in.tjlk(1) = 0.6f;
  c.in.tjlk(2) = 0.0f;
  c.in.tjlk(3) = 0.65f;
  c.in.tjlk(4) = 5.0f;
  const Dimvarden dv = dimvarden(c.ctx, 1);
  EXPECT_TRUE(dv.locked);
  EXPECT_EQ(dv.L(1), 2);
  EXPECT_EQ(dv.L(2), 1);
  EXPECT_EQ(dv.L(3), 3);
  EXPECT_EQ(dv.L(4), 4);  // thicker than every column: the thickest

  CheckCase free(2);
  free.in.tjlk(1) = 0.1f;  // not above 0.1: not locked
  EXPECT_FALSE(dimvarden(free.ctx, 1).locked);
}

TEST(Dimvarden, WeightedStiffnessWhereASupportMomentOutweighsHalfTheFieldMoment) {
  CheckCase c(3);
  c.an.mfalt(2, 1) = 2.0f;
  c.an.mstod(2, 2) = -1.0f;  // 0.5*2 = 1 is not below 1: plain
  c.an.mfalt(2, 2) = 2.0f;
  c.an.mstod(2, 3) = -1.01f;
  c.an.mfalt(2, 3) = 4.0f;  // 2 is not below 1.01
  c.an.mfalt(1, 3) = 2.0f;  // load case 1 does not decide for a roof
  c.an.mstod(1, 4) = -5.0f;
  Dimvarden dv = dimvarden(c.ctx, 1);
  EXPECT_EQ(dv.flag(1), 2);
  EXPECT_EQ(dv.flag(2), 1);
  EXPECT_EQ(dv.flag(3), 2);
  EXPECT_FLOAT_EQ(ieff(dv, 3, 1), static_cast<float>((6e-6 + 6e-6) * 0.333333));
  EXPECT_EQ(ieff(dv, 3, 2), 3e-6f);
  c.in.vagg = 1;  // a wall: load case 1 decides (1 < 5)
  dv = dimvarden(c.ctx, 1);
  EXPECT_EQ(dv.flag(3), 1);
  EXPECT_EQ(dv.flag(1), 2);
}

}  // namespace
}  // namespace kvop
