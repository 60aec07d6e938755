// Lumped loads along the sheet and the location of line loads.
#include <gtest/gtest.h>

#include <limits>

#include "analysis/lastford.h"
#include "driver/inkvop.h"

namespace kvop {
namespace {

constexpr float kTol = 1e-6f;

// Spans of 6.0 m (segments of 0.15 m) with short cantilevers.
InputCase sheet(int nfack, float konsv = 0.1f, float konsh = 0.1f) {
  InputCase in;
  blkdat(in);
  in.nfack = nfack;
  in.konsv = konsv;
  in.konsh = konsh;
  return in;
}

Punktlast lump(const InputCase& in, const Lastfall& lf) {
  Punktlast pl;
  lastford(in, lf, pl);
  return pl;
}

double member_sum(const Punktlast& pl, int r) {
  double s = 0;
  for (int i = 1; i <= 40; ++i) s += pl(r, i);
  return s;
}

TEST(Lastford, UniformLoadOnSpansOnly) {
  InputCase in = sheet(2);
  in.spv(2) = 4.0f;
  Lastfall lf;
  lf.q = 2.0f;
  const Punktlast pl = lump(in, lf);
  for (int s = 1; s <= 40; ++s) {
    EXPECT_NEAR(pl(1, s), 0.30f, kTol);  // 0.15 m x 2.0
    EXPECT_NEAR(pl(2, s), 0.20f, kTol);  // 0.10 m x 2.0
    EXPECT_EQ(pl(0, s), 0.0f);
    EXPECT_EQ(pl(3, s), 0.0f);
  }
}

TEST(Lastford, LeftDriftStopsAtFirstCentreBeyondItsLength) {
  InputCase in = sheet(3);
  in.trivlgd = 3.0f;
  Lastfall lf;
  lf.pL = 2.0f;
  const Punktlast pl = lump(in, lf);
  for (int s = 1; s <= 19; ++s) {
    const double x = 0.175 + (s - 1) * 0.15;  // centre from the free end
    EXPECT_NEAR(pl(1, s), 0.15 * 2.0 * (1 - x / 3.0), 1e-5) << s;
  }
  for (int s = 20; s <= 40; ++s) EXPECT_EQ(pl(1, s), 0.0f) << s;
  EXPECT_EQ(member_sum(pl, 0), 0.0);  // the cantilever's part is taken in closed form
  EXPECT_EQ(member_sum(pl, 2), 0.0);
}

TEST(Lastford, DriftWithinTheCantileverLoadsNoSpanSlot) {
  for (float l : {0.11f, 0.05f}) {  // not more than 0.01 m beyond konsv = 0.1
    InputCase in = sheet(2);
    in.trivlgd = l;
    in.trihlgd = l;
    Lastfall lf;
    lf.pL = 3.0f;
    lf.pR = 3.0f;
    const Punktlast pl = lump(in, lf);
    for (int r = 0; r <= 3; ++r) EXPECT_EQ(member_sum(pl, r), 0.0) << l << " member " << r;
  }
}

TEST(Lastford, RightDriftWalksBackIntoTheLeftCantilever) {
  // Two spans of 1.0 m (segments 0.025 m): a 2.5 m drift from the right end
  // crosses both spans and ends on the left cantilever.
  InputCase in = sheet(2, 0.4f, 0.2f);
  in.spv(1) = in.spv(2) = 1.0f;
  in.trihlgd = 2.5f;
  Lastfall lf;
  lf.pR = 4.0f;
  const Punktlast pl = lump(in, lf);
  EXPECT_NEAR(pl(2, 40), 0.025 * 4 * (1 - 0.2125 / 2.5), 1e-6);
  EXPECT_NEAR(pl(1, 40), 0.025 * 4 * (1 - 1.2125 / 2.5), 1e-5);
  // Into the cantilever the position advances by its own 0.01 m segments:
  // slot 40 at 2.1975 m, slot 10 at 2.4975 m loaded, slot 9 at 2.5075 m not.
  EXPECT_NEAR(pl(0, 40), 0.01 * 4 * (1 - 2.1975 / 2.5), 1e-5);
  EXPECT_NEAR(pl(0, 10), 0.01 * 4 * (1 - 2.4975 / 2.5), 1e-5);
  EXPECT_EQ(pl(0, 9), 0.0f);
  EXPECT_EQ(member_sum(pl, 3), 0.0);
}

// Pocket in span 2 of three 6.0 m spans, peak 2.0 (0.3 per full slot).
InputCase pocket(float d, float lr, float lm, int ff = 2, int nfack = 3) {
  InputCase in = sheet(nfack);
  in.fickfack = ff;
  in.fickavst = d;
  in.ficklgd = lr;
  in.fickmaxlgd = lm;
  return in;
}

Lastfall pocket_peak() {
  Lastfall lf;
  lf.pP = 2.0f;
  return lf;
}

TEST(Lastford, PocketTrapezoidWithBothRamps) {
  // d = 1.5: start slot 10.  Rising ramp over slots 10, 9, 8 (centres 0.075,
  // 0.225, 0.375 from d); slot 7 has its right edge within 0.5 but its centre
  // beyond the foot of the ramp and gets no snow.  Constant part slots 11..16
  // (edge of 16 at 0.9 >= 0.85), falling ramp slots 17..19.
  const Punktlast pl = lump(pocket(1.5f, 0.5f, 0.85f), pocket_peak());
  EXPECT_NEAR(pl(2, 10), 0.255, 1e-5);
  EXPECT_NEAR(pl(2, 9), 0.165, 1e-5);
  EXPECT_NEAR(pl(2, 8), 0.075, 1e-5);
  EXPECT_EQ(pl(2, 7), 0.0f);
  for (int s = 11; s <= 16; ++s) EXPECT_NEAR(pl(2, s), 0.3, 1e-6) << s;
  EXPECT_NEAR(pl(2, 17), 0.255, 1e-5);
  EXPECT_NEAR(pl(2, 18), 0.165, 1e-5);
  EXPECT_NEAR(pl(2, 19), 0.075, 1e-5);
  EXPECT_EQ(pl(2, 20), 0.0f);
  EXPECT_NEAR(member_sum(pl, 2), 0.495 * 2 + 1.8, 1e-5);
  EXPECT_EQ(member_sum(pl, 1), 0.0);
  EXPECT_EQ(member_sum(pl, 3), 0.0);
}

TEST(Lastford, PocketAtTheSupportRampsInThePreviousSpan) {
  const Punktlast pl = lump(pocket(0.0f, 0.5f, 0.85f), pocket_peak());
  EXPECT_NEAR(pl(1, 40), 0.255, 1e-5);
  EXPECT_NEAR(pl(1, 39), 0.165, 1e-5);
  EXPECT_NEAR(pl(1, 38), 0.075, 1e-5);
  EXPECT_EQ(pl(1, 37), 0.0f);
  for (int s = 1; s <= 6; ++s) EXPECT_NEAR(pl(2, s), 0.3, 1e-6) << s;
  EXPECT_NEAR(pl(2, 7), 0.255, 1e-5);
  EXPECT_NEAR(member_sum(pl, 2), 1.8 + 0.495, 1e-5);
}

TEST(Lastford, PocketAtTheFirstSupportRampsOnTheLeftCantilever) {
  // Cantilever 0.4 m: segments of 0.01 m, centres 0.005, 0.015, ... from d.
  InputCase in = pocket(0.0f, 0.5f, 0.85f, 1);
  in.konsv = 0.4f;
  const Punktlast pl = lump(in, pocket_peak());
  EXPECT_NEAR(pl(0, 40), 0.01 * 2 * (1 - 0.005 / 0.5), 1e-6);
  EXPECT_NEAR(pl(0, 1), 0.01 * 2 * (1 - 0.395 / 0.5), 1e-5);
  EXPECT_NEAR(pl(1, 1), 0.3, 1e-6);
}

TEST(Lastford, PocketWithSegmentsLongerThanTheRampHasNoRamps) {
  const Punktlast pl = lump(pocket(1.5f, 0.1f, 0.85f), pocket_peak());
  EXPECT_EQ(pl(2, 10), 0.0f);
  EXPECT_EQ(pl(2, 17), 0.0f);
  EXPECT_NEAR(member_sum(pl, 2), 1.8, 1e-5);
}

TEST(Lastford, ConstantPartEndingAtTheSpanEndRampsByWholeSegments) {
  // d = 5.25 in span 1: constant slots 36..40; the falling ramp's m-th slot
  // in span 2 is taken at m segments: 0.15, 0.30, 0.45 from the span end.
  const Punktlast pl = lump(pocket(5.25f, 0.5f, 0.7f, 1, 2), pocket_peak());
  for (int s = 36; s <= 40; ++s) EXPECT_NEAR(pl(1, s), 0.3, 1e-6) << s;
  EXPECT_NEAR(pl(2, 1), 0.3 * (1 - 0.15 / 0.5), 1e-5);
  EXPECT_NEAR(pl(2, 2), 0.3 * (1 - 0.30 / 0.5), 1e-5);
  EXPECT_NEAR(pl(2, 3), 0.3 * (1 - 0.45 / 0.5), 1e-5);
  EXPECT_EQ(pl(2, 4), 0.0f);
}

TEST(Lastford, ConstantPartRunsOnIntoTheNextSpan) {
  // d = 5.65 in span 1, lm = 0.9: slots 38..40 of span 1 (edges 0.05 to
  // 0.35), then span 2 until an edge lies beyond 0.9: slots 1..4 (0.95).
  const Punktlast pl = lump(pocket(5.65f, 0.1f, 0.9f, 1, 2), pocket_peak());
  EXPECT_EQ(pl(1, 37), 0.0f);
  for (int s = 38; s <= 40; ++s) EXPECT_NEAR(pl(1, s), 0.3, 1e-6) << s;
  for (int s = 1; s <= 4; ++s) EXPECT_NEAR(pl(2, s), 0.3, 1e-6) << s;
  EXPECT_EQ(pl(2, 5), 0.0f);
}

TEST(Lastford, PocketJustBeyondTheSpanEndOverflowsIntoTheNextMember) {
  // d = 6.2 in span 1: start slot 41.  Its ramp load (centre 0.125 from d)
  // lands on slot 1 of span 2, the constant part starts at slot 2.
  const Punktlast pl = lump(pocket(6.2f, 0.5f, 0.3f, 1, 2), pocket_peak());
  EXPECT_NEAR(pl(2, 1), 0.3 * (1 - 0.125 / 0.5), 1e-5);
  EXPECT_NEAR(pl(1, 40), 0.3 * (1 - 0.275 / 0.5), 1e-5);
  EXPECT_NEAR(pl(2, 2), 0.3, 1e-6);  // edge 0.10
  EXPECT_NEAR(pl(2, 3), 0.3, 1e-6);  // edge 0.25
  EXPECT_NEAR(pl(2, 4), 0.3, 1e-6);  // edge 0.40 ends it
  EXPECT_NEAR(pl(2, 5), 0.255, 1e-5);

  // In the last span the overflow lies on the right cantilever.
  InputCase last = pocket(6.2f, 0.5f, 0.3f, 2, 2);
  last.konsh = 0.4f;
  const Punktlast pr = lump(last, pocket_peak());
  EXPECT_NEAR(pr(3, 1), 0.3 * (1 - 0.125 / 0.5), 1e-5);
  EXPECT_GT(pr(3, 2), 0.0f);
}

TEST(Lastford, PocketBeyondTheSlotTableKeepsOnlyTheRampWithinIt) {
  // d = 6.35 (start slot 42): the rising ramp from slot 41 (centre 0.275
  // from d) and slot 40 (0.425); slot 39's edge lies 0.5 from d, beyond 0.45.
  const Punktlast pl = lump(pocket(6.35f, 0.45f, 0.3f, 1, 2), pocket_peak());
  EXPECT_NEAR(pl(2, 1), 0.3 * (1 - 0.275 / 0.45), 1e-5);
  EXPECT_NEAR(pl(1, 40), 0.3 * (1 - 0.425 / 0.45), 1e-5);
  EXPECT_NEAR(member_sum(pl, 1), 0.3 * (1 - 0.425 / 0.45), 1e-5);
  EXPECT_NEAR(member_sum(pl, 2), 0.3 * (1 - 0.275 / 0.45), 1e-5);

  // Far beyond the sheet nothing at all.
  const Punktlast far = lump(pocket(14.0f, 0.5f, 0.3f, 1, 2), pocket_peak());
  for (int r = 0; r <= 3; ++r) EXPECT_EQ(member_sum(far, r), 0.0) << r;
}

TEST(Lastford, PocketOutsideTheSheetOrWithoutPeakIsNone) {
  for (int ff : {0, 4}) {
    const Punktlast pl = lump(pocket(1.5f, 0.5f, 0.85f, ff), pocket_peak());
    for (int r = 0; r <= 4; ++r) EXPECT_EQ(member_sum(pl, r), 0.0);
  }
  const Punktlast pl = lump(pocket(1.5f, 0.5f, 0.85f), Lastfall{});
  EXPECT_EQ(member_sum(pl, 2), 0.0);
}

TEST(Lastford, EdgeZoneFromTheLeftEndOverSpansOnly) {
  // konsv 0.1: span-1 centres 0.175, 0.325, ...; E = 1.0 loads slots 1..6
  // (centre 0.925); slot 7 (1.075) and beyond get nothing.
  InputCase in = sheet(2);
  Lastfall lf;
  lf.qe = -1.5f;
  lf.E = 1.0f;
  const Punktlast pl = lump(in, lf);
  for (int s = 1; s <= 6; ++s) EXPECT_NEAR(pl(1, s), -0.225, 1e-6) << s;
  EXPECT_EQ(pl(1, 7), 0.0f);
  EXPECT_EQ(member_sum(pl, 0), 0.0);

  // A zone longer than the sheet stops at the last span.
  lf.E = 100.0f;
  const Punktlast all = lump(in, lf);
  EXPECT_NEAR(member_sum(all, 2), -9.0, 1e-4);
  EXPECT_EQ(member_sum(all, 3), 0.0);
}

TEST(Linjnorm, PositionsOnSpansAndCantilevers) {
  InputCase in = sheet(3);
  in.nlinj = 5;
  const int t[5] = {1, 1, 2, 3, 1};
  const float a[5] = {2.5f, -0.3f, 13.0f, 6.5f, 7.0f};
  for (int k = 1; k <= 5; ++k) {
    in.linjfack(k) = t[k - 1];
    in.linjlast(k).linjavst = a[k - 1];
  }
  const Linjlage l1 = linjnorm(in, 1);
  EXPECT_EQ(l1.plats, Linjplats::fack);
  EXPECT_EQ(l1.t, 1);
  EXPECT_FLOAT_EQ(l1.a, 2.5f);

  const Linjlage l2 = linjnorm(in, 2);
  EXPECT_EQ(l2.plats, Linjplats::konsv);
  EXPECT_FLOAT_EQ(l2.a, 0.3f);
  EXPECT_EQ(in.linjfack(2), 1);
  EXPECT_FLOAT_EQ(in.linjlast(2).linjavst, -0.3f);

  // 13.0 from support 2 passes span 2 and span 3: on the right cantilever
  // 1.0 m from the last support; the record holds span 3 at 7.0.
  const Linjlage l3 = linjnorm(in, 3);
  EXPECT_EQ(l3.plats, Linjplats::konsh);
  EXPECT_FLOAT_EQ(l3.a, 1.0f);
  EXPECT_EQ(in.linjfack(3), 3);
  EXPECT_FLOAT_EQ(in.linjlast(3).linjavst, 7.0f);

  const Linjlage l4 = linjnorm(in, 4);  // beyond the last span
  EXPECT_EQ(l4.plats, Linjplats::konsh);
  EXPECT_FLOAT_EQ(l4.a, 0.5f);
  EXPECT_EQ(in.linjfack(4), 3);
  EXPECT_FLOAT_EQ(in.linjlast(4).linjavst, 6.5f);

  const Linjlage l5 = linjnorm(in, 5);
  EXPECT_EQ(l5.plats, Linjplats::fack);
  EXPECT_EQ(l5.t, 2);
  EXPECT_FLOAT_EQ(l5.a, 1.0f);
  EXPECT_EQ(in.linjfack(5), 2);
  EXPECT_FLOAT_EQ(in.linjlast(5).linjavst, 1.0f);

  // Normalised once, found normalised again.
  const Linjlage again = linjnorm(in, 5);
  EXPECT_EQ(again.t, 2);
  EXPECT_FLOAT_EQ(again.a, 1.0f);
}

TEST(Linjnorm, NegativeDistanceMovesBackAndSupportsBelongToTheRight) {
  InputCase in = sheet(3);
  in.linjfack(1) = 3;
  in.linjlast(1).linjavst = -1.5f;  // 4.5 m into span 2
  in.linjfack(2) = 1;
  in.linjlast(2).linjavst = 6.0f;   // on support 2
  in.linjfack(3) = 3;
  in.linjlast(3).linjavst = 6.0f;   // on the last support
  in.linjfack(4) = 2;
  in.linjlast(4).linjavst = -6.0f;  // on support 1, reached from span 2

  const Linjlage l1 = linjnorm(in, 1);
  EXPECT_EQ(l1.plats, Linjplats::fack);
  EXPECT_EQ(l1.t, 2);
  EXPECT_FLOAT_EQ(l1.a, 4.5f);
  EXPECT_EQ(in.linjfack(1), 2);
  EXPECT_FLOAT_EQ(in.linjlast(1).linjavst, 4.5f);

  const Linjlage l2 = linjnorm(in, 2);
  EXPECT_EQ(l2.plats, Linjplats::fack);
  EXPECT_EQ(l2.t, 2);
  EXPECT_EQ(l2.a, 0.0f);
  EXPECT_EQ(in.linjfack(2), 2);

  const Linjlage l3 = linjnorm(in, 3);
  EXPECT_EQ(l3.plats, Linjplats::konsh);
  EXPECT_EQ(l3.a, 0.0f);

  const Linjlage l4 = linjnorm(in, 4);
  EXPECT_EQ(l4.plats, Linjplats::fack);
  EXPECT_EQ(l4.t, 1);
  EXPECT_EQ(l4.a, 0.0f);
}

TEST(Linjnorm, SpanNumberOutsideTheSheetOrNoDistanceIsNotApplied) {
  InputCase in = sheet(2);
  in.linjfack(1) = 0;
  in.linjfack(2) = 3;
  in.linjfack(3) = 1;
  in.linjlast(3).linjavst = std::numeric_limits<float>::quiet_NaN();
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(linjnorm(in, k).plats, Linjplats::utanfor) << k;
  EXPECT_EQ(in.linjfack(1), 0);
  EXPECT_EQ(in.linjfack(2), 3);
}

}  // namespace
}  // namespace kvop
