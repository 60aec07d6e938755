// Support checks: interaction of moment and reaction, the safety-class-1
// rule, uplift, butt joints, double overlaps and the sheet ends with their
// end anchorage.
#include "checks/stodkontroll.h"

#include <gtest/gtest.h>

#include <cmath>

#include "check_fixture.h"

namespace kvop {
namespace {

using test::anchored_end;
using test::CheckCase;

TEST(Interaktion, BelowTheThresholdTheMomentReducedOverTheSupportWidth) {
  CheckCase c(2);
  c.an.reakt(3 - 2, 2) = 1.0f;
  c.an.mstod(1, 2) = -2.5f;
  const Dimvarden dv = dimvarden(c.ctx, 1);
  // rho = 1/30 <= 0.25: (2.5 - 1*0.1*0.125)/3
  EXPECT_FLOAT_EQ(interaktion(c.ctx, dv, 1, 2, 3, true).kvot, 2.4875f / 3.0f);
  // The bearing anchorage term B = 0.8*R/Rw/1.1 is smaller here.
  EXPECT_GT(interaktion(c.ctx, dv, 1, 2, 2, true).kvot, 1.0f);
}

TEST(Interaktion, AboveTheThresholdTheLinearRuleForSteel) {
  CheckCase c(2);
  c.an.reakt(3, 2) = 5.0f;
  c.an.mstod(3, 2) = -1.0f;
  const Dimvarden dv = dimvarden(c.ctx, 1);
  // Column 1: rho = 0.5, M' = 1 - 5*0.1*0.25 = 0.875, I = (0.875 + 0.5)/1.25 = 1.1
  EXPECT_FLOAT_EQ(interaktion(c.ctx, dv, 3, 2, 1, true).kvot, 1.1f);
}

TEST(Interaktion, AluminiumUsesTheQuadraticRuleButADoubleOverlapTheLinearOne) {
  CheckCase c(2);
  c.ctx.prof.general(12) = 0.7f;
  c.ctx.prof.general(10) = 0.0f;
  c.ctx.prof.per_thickness(8, 1) = 0.5f;
  c.in.skarvtyp(2) = 5;
  c.an.reakt(3, 2) = 5.0f;
  c.an.mstod(3, 2) = -0.5f;
  const Dimvarden dv = dimvarden(c.ctx, 1);
  // rho = 0.5, M' = 0.5 - 0.125 = 0.375: (0.375^2 + 0.5^2)/0.5 = 0.78125
  EXPECT_FLOAT_EQ(interaktion(c.ctx, dv, 3, 2, 1, true).kvot, 0.78125f);
  // Both sheets at column 1: Mr = 2, Rw = 20, rho = 0.25, M'/Mr = 0.1875;
  // linear (0.1875 + 0.25)/0.5 = 0.875 (the quadratic would give 0.195).
  EXPECT_FLOAT_EQ(dubbel_overlapp(c.ctx, dv, 3, 2, 1, 1, 1, false).kvot, 0.875f);
}

TEST(Interaktion, SafetyClass1RuleAtInnerSupportsOfHighProfilesInSweden) {
  auto ratio = [](float h, int joint, int lc, int market, int i) {
    CheckCase c(3);
    c.ctx.prof.general(1) = h;
    c.in.marknadskod = market;
    c.in.skarvtyp(i) = joint;
    c.an.gammad = 0.91f;
    c.an.gammad1 = 0.83f;
    c.an.reakt(lc, i) = 1.0f;
    c.an.mstod(lc, i) = -2.5f;
    const Dimvarden dv = dimvarden(c.ctx, 1);
    return interaktion(c.ctx, dv, lc, i, 3, joint == 0).kvot;
  };
  const float plain = 2.4875f / 3.0f;
  const double F = static_cast<double>(static_cast<float>(0.83 / static_cast<double>(0.91f)));
  EXPECT_FLOAT_EQ(ratio(0.070f, 0, 1, 1, 2), static_cast<float>(plain * F));
  EXPECT_FLOAT_EQ(ratio(0.064f, 0, 1, 1, 2), static_cast<float>(plain * F));
  EXPECT_FLOAT_EQ(ratio(0.060f, 0, 1, 1, 2), plain);
  EXPECT_FLOAT_EQ(ratio(0.070f, 4, 1, 1, 2), plain);                          // GERBER
  EXPECT_FLOAT_EQ(ratio(0.070f, 2, 1, 1, 2), static_cast<float>(plain * F));  // OML
  EXPECT_FLOAT_EQ(ratio(0.070f, 0, 4, 1, 2), plain);                          // load case 4
  const float mr_no = static_cast<float>(3.0 / static_cast<double>(1.05f));
  EXPECT_FLOAT_EQ(ratio(0.070f, 0, 1, 3, 2),
                  static_cast<float>((2.5 - 0.1f * 0.125) / mr_no));  // NORGE
  EXPECT_FLOAT_EQ(ratio(0.070f, 0, 1, 1, 1), plain);                  // first support
  EXPECT_FLOAT_EQ(ratio(0.070f, 0, 1, 1, 4), plain);                  // last support
}

TEST(Interaktion, SafetyClass1RuleAboveTheThresholdScalesEveryTerm) {
  CheckCase c(2);
  c.ctx.prof.general(1) = 0.07f;
  c.an.gammad = 1.0f;
  c.an.gammad1 = 0.5f;
  c.an.reakt(1, 2) = 5.0f;
  c.an.mstod(1, 2) = -1.0f;
  const Dimvarden dv = dimvarden(c.ctx, 1);
  // Unscaled rho = 0.5 > 0.25 decides the branch: (0.5*0.875 + 0.5*0.5)/1.25.
  EXPECT_FLOAT_EQ(interaktion(c.ctx, dv, 1, 2, 1, true).kvot, 0.55f);
  // A double overlap is scaled too: rho = 0.25 with Rw = 20 is not above the
  // threshold, so (1 - 5*0.1*0.125)/2 * 0.5.
  EXPECT_FLOAT_EQ(dubbel_overlapp(c.ctx, dv, 1, 2, 1, 1, 1, false).kvot, 0.234375f);
}

TEST(Interaktion, UpliftAtAContinuousSupportIsCheckedInBendingWithItsSign) {
  CheckCase c(2);
  c.an.reakt(3, 2) = -2.0f;
  c.an.mstod(3, 2) = 0.6f;
  const Dimvarden dv = dimvarden(c.ctx, 1);
  EXPECT_FLOAT_EQ(interaktion(c.ctx, dv, 3, 2, 1, true).kvot, 0.6f / 1.5f);
  c.an.mstod(3, 2) = -0.6f;
  EXPECT_FLOAT_EQ(interaktion(c.ctx, dv, 3, 2, 1, true).kvot, -0.6f / 1.5f);
  // An overlap joint takes the interaction with the negative reaction:
  // rho = 0.2 <= 0.25, (0.6 + 2*0.1*0.125)/1.
  EXPECT_FLOAT_EQ(interaktion(c.ctx, dv, 3, 2, 1, false).kvot, 0.625f);
}

TEST(Interaktion, AnchorageAlongTheSlopeOutsideTheUpliftCase) {
  CheckCase c(2);
  c.in.taklutn = 45.0f;
  c.in.kvottak = 1.0f;
  c.an.reakt(1, 2) = 20.0f;
  c.an.reakt(3, 2) = 20.0f;
  const Dimvarden dv = dimvarden(c.ctx, 1);
  const float T = dv.fstod(1, 2);
  ASSERT_NEAR(T, 20.0f, 1e-3f);
  // Column 2: A = 40, a = T/32 = 0.625; rho = 1 with Rw = 20.
  const Stodkvot r = interaktion(c.ctx, dv, 1, 2, 2, true);
  EXPECT_FLOAT_EQ(r.kvot, 1.0f);
  ASSERT_TRUE(r.har_reserv);
  // min(0.8*40 - T, 0.8*40*(1.1 - 0.8*20/20) - T) = 32*0.3 - T
  EXPECT_FLOAT_EQ(r.reserv, static_cast<float>(32.0 * (1.1 - 0.8) - T));
  // Column 1: a = 20/16 = 1.25 decides (rho = 2 >= ... no: max(I, rho, a)).
  EXPECT_FLOAT_EQ(interaktion(c.ctx, dv, 1, 2, 1, true).kvot, 2.0f);
  c.an.reakt(1, 2) = 2.0f;
  const Dimvarden dv2 = dimvarden(c.ctx, 1);
  // R = 2, T = 2: rho = 0.2 leaves the moment part negative; a = 2/(0.8*20),
  // and B = 0.8*2/(10 + a)/1.1 decides.
  const double a = dv2.fstod(1, 2) / 16.0;
  EXPECT_NEAR(interaktion(c.ctx, dv2, 1, 2, 1, true).kvot, 0.8 * 2 / (10 + a) * 0.909091, 2e-6);
  EXPECT_FALSE(interaktion(c.ctx, dv2, 3, 2, 1, true).har_reserv);
}

TEST(Interaktion, MicrobandProfilesHaveNoBearingAnchorageTerm) {
  for (const char* name : {"R820M", "R820P", "R820"}) {
    CheckCase c(2, name);
    c.in.taklutn = 45.0f;
    c.in.kvottak = 1.0f;
    c.an.reakt(1, 2) = 2.0f;
    const Dimvarden dv = dimvarden(c.ctx, 1);
    const Stodkvot r = interaktion(c.ctx, dv, 1, 2, 1, true);
    const double a = dv.fstod(1, 2) / 16.0;  // T/(0.8*A)
    if (std::string(name) != "R820") {
      EXPECT_NEAR(r.kvot, a, 1e-6) << name;
      EXPECT_NEAR(r.reserv, 16.0 - dv.fstod(1, 2), 1e-5) << name;  // second value 10000
    } else {
      EXPECT_NEAR(r.kvot, 0.8 * 2 / (10 + a) * 0.909091, 1e-6) << name;
    }
  }
}

TEST(Stumskarv, BothSheetEndsBearAndBothFasteningsAnchor) {
  CheckCase c(3);
  c.in.skarvtyp(2) = 1;
  c.in.taklutn = 45.0f;
  c.in.kvottak = 1.0f;
  c.an.reakt(1, 2) = 12.0f;
  c.an.mstod(1, 2) = -50.0f;  // no moment check at a butt joint
  const Dimvarden dv = dimvarden(c.ctx, 1);
  // Rj = (10 + 30)/2 = 20: 12/20 = 0.6; anchorage T/(0.8*(20 + 60)) ~ 0.1875
  const Stodkvot r = stumskarv(c.ctx, dv, 1, 2, 1, 3);
  EXPECT_FLOAT_EQ(r.kvot, 0.6f);
  EXPECT_FLOAT_EQ(r.reserv, static_cast<float>(64.0 - dv.fstod(1, 2)));
  c.an.reakt(3, 2) = -1.0f;
  c.an.mstod(3, 2) = 0.0f;
  EXPECT_EQ(stumskarv(c.ctx, dv, 3, 2, 1, 3).kvot, 0.0f);
}

TEST(Andstod, CategoryByTheLengthBeyondTheEndSupport) {
  CheckCase c(2);
  c.in.skarvtyp(1) = 1;
  c.ctx.prof.general(1) = 0.0625f;
  c.in.upplbredd(1) = 0.125f;  // 1.5*0.0625 + 0.5*0.125 = 0.15625 exactly
  c.an.reakt(3, 1) = 2.0f;
  const Dimvarden dv = dimvarden(c.ctx, 1);
  int lasfl = 0;
  c.in.konsv = 0.15625f;
  const float full = andstod(c.ctx, dv, 3, false, 1, lasfl).kvot;
  EXPECT_FLOAT_EQ(full, 2.0f / dv.rwst(1, 1));
  c.in.konsv = std::nextafter(0.15625f, 0.0f);
  EXPECT_EQ(andstod(c.ctx, dv, 3, false, 1, lasfl).kvot, 2.0f * full);
}

TEST(Andstod, EndFlagsPracticallyRelieveTheEnds) {
  CheckCase c(2);
  c.in.skarvtyp(1) = c.in.skarvtyp(3) = 1;
  c.in.konsv = c.in.konsh = 1.0f;
  c.in.mbkonsv = c.in.mbkonsh = 1;
  c.in.taklutn = 45.0f;
  c.in.kvottak = 1.0f;
  c.an.reakt(1, 1) = c.an.reakt(1, 3) = 5.0f;
  const Dimvarden dv = dimvarden(c.ctx, 1);
  int lasfl = 0;
  EXPECT_FLOAT_EQ(andstod(c.ctx, dv, 1, false, 1, lasfl).kvot, 5.0f / (100000.0f * 10.0f));
  EXPECT_FLOAT_EQ(andstod(c.ctx, dv, 1, true, 1, lasfl).kvot, 5.0f / (10000.0f * 10.0f));
  // Reserve min(0.8*A, 0.8*P22) = min(16, 40)
  EXPECT_FLOAT_EQ(andstod(c.ctx, dv, 1, true, 1, lasfl).reserv, 16.0f);
}

TEST(Andstod, UpliftAtTheEnds) {
  CheckCase c(2);
  c.in.skarvtyp(1) = c.in.skarvtyp(3) = 1;
  c.an.reakt(3, 1) = c.an.reakt(3, 3) = -3.0f;
  c.an.mstod(3, 1) = -0.3f;
  c.an.mstod(3, 3) = -0.3f;
  const Dimvarden dv = dimvarden(c.ctx, 1);
  int lasfl = 0;
  EXPECT_FLOAT_EQ(andstod(c.ctx, dv, 3, false, 1, lasfl).kvot, -0.2f);  // M/mrdb
  EXPECT_EQ(andstod(c.ctx, dv, 3, true, 1, lasfl).kvot, 0.0f);
}

TEST(Andstod, LockingTheTopFlangeRemovesTheAnchorageTerm) {
  CheckCase c = anchored_end(1);
  const Dimvarden dv = dimvarden(c.ctx, 1);
  const double T = dv.fstod(1, 1);
  int lasfl = 0;
  const Stodkvot r = andstod(c.ctx, dv, 1, false, 1, lasfl);
  EXPECT_EQ(lasfl, 1);
  EXPECT_FLOAT_EQ(r.kvot, 0.4f);
  EXPECT_FLOAT_EQ(r.reserv, 16.0f);  // min(0.8*20, 0.8*50)

  CheckCase d = anchored_end(0);
  lasfl = 0;
  const Stodkvot u = andstod(d.ctx, dv, 1, false, 1, lasfl);
  EXPECT_EQ(lasfl, 0);
  EXPECT_NEAR(u.kvot, 0.952381 * (0.4 + T * 2 / 8.0), 1e-6);
  // Column 2: Rwe = 20, u1 = 0.952381*(0.2 + 0.5) passes
  EXPECT_NEAR(andstod(d.ctx, dv, 1, false, 2, lasfl).kvot, 0.952381 * (0.2 + T * 2 / 16.0), 1e-6);
}

TEST(Andstod, AFailedLockIsTakenBackUnlessAlwaysLocked) {
  CheckCase c = anchored_end(1);
  c.an.reakt(1, 1) = 14.0f;  // crippling 1.4 fails even when locked
  const Dimvarden dv = dimvarden(c.ctx, 1);
  int lasfl = 0;
  EXPECT_FLOAT_EQ(andstod(c.ctx, dv, 1, false, 1, lasfl).kvot, 1.4f);
  EXPECT_EQ(lasfl, 0);
  c.in.oflans = 2;
  lasfl = 1;
  EXPECT_FLOAT_EQ(andstod(c.ctx, dv, 1, false, 1, lasfl).kvot, 1.4f);
  EXPECT_EQ(lasfl, 1);
}

}  // namespace
}  // namespace kvop
