// Lumped loads along the sheet and the location of line loads.
#include "analysis/lastford.h"

#include <gtest/gtest.h>

#include <limits>

#include "driver/inkvop.h"

namespace kvop {
namespace {

// Spans of 6.0 m (segments of 0.15 m, 0.3 per segment under a load of 2.0).
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

double sum(const Punktlast& pl, int r) {
  double s = 0;
  for (int i = 1; i <= 40; ++i) s += pl(r, i);
  return s;
}

// Expected loads of consecutive slots of member r from slot `from`.
void expect_slots(const Punktlast& pl, int r, int from, std::initializer_list<double> v) {
  int s = from;
  for (double x : v) {
    EXPECT_NEAR(pl(r, s), x, 1e-5) << "member " << r << " slot " << s;
    ++s;
  }
}

TEST(Lastford, UniformLoadAndLeftDrift) {
  InputCase in = sheet(3);
  in.trivlgd = 3.0f;
  Lastfall lf;
  lf.pL = 2.0f;
  Punktlast pl = lump(in, lf);
  // Centres 0.175 .. 2.875 m from the free end loaded; 3.025 m is beyond.
  for (int s = 1; s <= 19; ++s)
    EXPECT_NEAR(pl(1, s), 0.3 * (1 - (0.175 + (s - 1) * 0.15) / 3), 1e-5);
  for (int s = 20; s <= 40; ++s) EXPECT_EQ(pl(1, s), 0.0f) << s;
  EXPECT_EQ(sum(pl, 0) + sum(pl, 2), 0.0);  // the cantilever part is closed form

  // Uniform load only on spans; a drift not 0.01 m beyond konsv stays there.
  lf = Lastfall{};
  lf.q = 2.0f;
  lf.pL = lf.pR = 3.0f;
  in.trivlgd = in.trihlgd = 0.11f;
  pl = lump(in, lf);
  for (int s = 1; s <= 40; ++s) EXPECT_NEAR(pl(2, s), 0.3, 1e-6);
  EXPECT_NEAR(sum(pl, 1), 12.0, 1e-4);
  EXPECT_EQ(sum(pl, 0) + sum(pl, 4), 0.0);
}

TEST(Lastford, RightDriftWalksIntoTheLeftCantileverBySegmentsOfEachMember) {
  InputCase in = sheet(2, 0.4f, 0.2f);
  in.spv(1) = in.spv(2) = 1.0f;  // segments 0.025 m; cantilever 0.01 m
  in.trihlgd = 2.5f;
  Lastfall lf;
  lf.pR = 4.0f;
  const Punktlast pl = lump(in, lf);
  EXPECT_NEAR(pl(2, 40), 0.1 * (1 - 0.2125 / 2.5), 1e-6);
  EXPECT_NEAR(pl(1, 40), 0.1 * (1 - 1.2125 / 2.5), 1e-5);
  EXPECT_NEAR(pl(0, 40), 0.04 * (1 - 2.1975 / 2.5), 1e-5);
  EXPECT_NEAR(pl(0, 10), 0.04 * (1 - 2.4975 / 2.5), 1e-5);
  EXPECT_EQ(pl(0, 9), 0.0f);
}

InputCase pocket(float d, float lr, float lm, int ff = 2, int nfack = 3) {
  InputCase in = sheet(nfack);
  in.fickfack = ff;
  in.fickavst = d;
  in.ficklgd = lr;
  in.fickmaxlgd = lm;
  return in;
}

const Lastfall kPeak2 = [] {
  Lastfall lf;
  lf.pP = 2.0f;
  return lf;
}();

TEST(Lastford, SnowPocketRampsAndConstantPart) {
  // d = 1.5: rising ramp from slot 10 (centres 0.075, 0.225, 0.375 from d;
  // slot 7's centre lies beyond the foot and gets no snow), constant 11..16
  // (edge of 16 at 0.9 >= 0.85), falling ramp 17..19.
  Punktlast pl = lump(pocket(1.5f, 0.5f, 0.85f), kPeak2);
  expect_slots(pl, 2, 7,
               {0, 0.075, 0.165, 0.255, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.255, 0.165, 0.075, 0});
  EXPECT_NEAR(sum(pl, 2), 2.79, 1e-5);
  EXPECT_EQ(sum(pl, 1) + sum(pl, 3), 0.0);

  // At the support: the ramp in the span to the left, constant from slot 1.
  pl = lump(pocket(0.0f, 0.5f, 0.85f), kPeak2);
  expect_slots(pl, 1, 37, {0, 0.075, 0.165, 0.255});
  expect_slots(pl, 2, 1, {0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.255});

  // Segments longer than the ramp: the constant part alone.
  pl = lump(pocket(1.5f, 0.1f, 0.85f), kPeak2);
  EXPECT_NEAR(sum(pl, 2), 1.8, 1e-5);

  // A constant part that fills its span to the end ramps down in the next
  // one at whole segments: 0.15, 0.30, 0.45 from the span end.
  pl = lump(pocket(5.25f, 0.5f, 0.7f, 1, 2), kPeak2);
  expect_slots(pl, 1, 36, {0.3, 0.3, 0.3, 0.3, 0.3});
  expect_slots(pl, 2, 1, {0.21, 0.12, 0.03, 0});

  // Constant part over the support: edges beyond 0.9 only in the next span.
  pl = lump(pocket(5.65f, 0.1f, 0.9f, 1, 2), kPeak2);
  expect_slots(pl, 1, 37, {0, 0.3, 0.3, 0.3});
  expect_slots(pl, 2, 1, {0.3, 0.3, 0.3, 0.3, 0});
}

TEST(Lastford, PocketBeyondItsSpanEnd) {
  // d = 6.2: start slot 41, whose ramp load (centre 0.125 from d) lands on
  // slot 1 of span 2; the constant part starts at slot 2.
  Punktlast pl = lump(pocket(6.2f, 0.5f, 0.3f, 1, 2), kPeak2);
  EXPECT_NEAR(pl(1, 40), 0.3 * (1 - 0.275 / 0.5), 1e-5);
  expect_slots(pl, 2, 1, {0.225, 0.3, 0.3, 0.3, 0.255});

  // In the last span the overflow lies on the right cantilever.
  InputCase last = pocket(6.2f, 0.5f, 0.3f, 2, 2);
  last.konsh = 0.4f;
  pl = lump(last, kPeak2);
  EXPECT_NEAR(pl(3, 1), 0.225, 1e-5);

  // Start slot 42 lies outside the slot table; the reader refuses such a
  // case, and the pocket is not placed at all rather than in part.
  for (float d : {6.3f, 14.0f}) {
    pl = lump(pocket(d, 0.5f, 0.3f, 1, 2), kPeak2);
    EXPECT_EQ(sum(pl, 1) + sum(pl, 2) + sum(pl, 3) + pl(1, 41) + pl(2, 41), 0.0) << d;
  }
  EXPECT_EQ(fickslot(6.3f, 6.0f), 42.0);
  EXPECT_EQ(fickslot(6.299f, 6.0f), 41.0);
}

TEST(Lastford, FallingRampWalksTheEdgesOfEachMemberEntered) {
  // Span 1 of 6.0 m (segments 0.15 m), span 2 of 3.0 m (0.075 m), right
  // cantilever 0.6 m (0.015 m).  Pocket peak 2.0: 0.3, 0.15 and 0.03 per
  // fully loaded segment.
  InputCase in = pocket(5.12f, 0.58f, 0.4f, 1, 2);
  in.spv(2) = 3.0f;
  in.konsh = 0.6f;
  // K = 34.  Rising ramp: centres 0.095, 0.245, 0.395, 0.545 from d; slot
  // 30 (centre 0.695, right edge 0.62) ends it.  Constant part 35..37, right
  // edges 0.13, 0.28, 0.43 >= 0.4.  Falling ramp: centres 0.075, 0.225,
  // 0.375 in span 1, then 0.45 at slot 1 of span 2, whose right edge lies
  // 0.525 from the end of the constant part; slot 2's edge at 0.6 > 0.58 ends
  // the ramp (its centre, half a narrower segment further, is still within).
  Punktlast pl = lump(in, kPeak2);
  expect_slots(pl, 1, 30,
               {0, 0.3 * (1 - 0.545 / 0.58), 0.3 * (1 - 0.395 / 0.58), 0.3 * (1 - 0.245 / 0.58),
                0.3 * (1 - 0.095 / 0.58), 0.3, 0.3, 0.3, 0.3 * (1 - 0.075 / 0.58),
                0.3 * (1 - 0.225 / 0.58), 0.3 * (1 - 0.375 / 0.58)});
  expect_slots(pl, 2, 1, {0.15 * (1 - 0.45 / 0.58), 0, 0});
  EXPECT_NEAR(sum(pl, 1) + sum(pl, 2),
              0.9 + 0.3 * (7 - (0.545 + 0.395 + 0.245 + 0.095 + 0.075 + 0.225 + 0.375) / 0.58) +
                  0.15 * (1 - 0.45 / 0.58),
              1e-5);

  // Pocket in the 3.0 m span 2 at d = 2.7: K = 36, constant 37..38 (right
  // edges 0.075, 0.15 >= 0.1), falling ramp at centres 0.0375 and 0.1125,
  // then on the cantilever at 0.1275, 0.1425, 0.1575 with right edges
  // 0.165, 0.18, 0.195; the edge 0.21 of slot 4 is beyond 0.2.
  in = pocket(2.7f, 0.2f, 0.1f, 2, 2);
  in.spv(2) = 3.0f;
  in.konsh = 0.6f;
  pl = lump(in, kPeak2);
  expect_slots(pl, 2, 33,
               {0, 0.15 * (1 - 0.1875 / 0.2), 0.15 * (1 - 0.1125 / 0.2), 0.15 * (1 - 0.0375 / 0.2),
                0.15, 0.15, 0.15 * (1 - 0.0375 / 0.2), 0.15 * (1 - 0.1125 / 0.2)});
  expect_slots(
      pl, 3, 1,
      {0.03 * (1 - 0.1275 / 0.2), 0.03 * (1 - 0.1425 / 0.2), 0.03 * (1 - 0.1575 / 0.2), 0, 0});
  EXPECT_EQ(pl(2, 41), 0.0f);
}

TEST(Lastford, EdgeZoneFromTheLeftEndOverSpansOnly) {
  InputCase in = sheet(2);
  Lastfall lf;
  lf.qe = -1.5f;
  lf.E = 1.0f;  // centres 0.175 .. 0.925 m
  Punktlast pl = lump(in, lf);
  EXPECT_NEAR(sum(pl, 1), 6 * -0.225, 1e-5);
  EXPECT_EQ(pl(1, 7), 0.0f);
  lf.E = 100.0f;
  pl = lump(in, lf);
  EXPECT_NEAR(sum(pl, 2), -9.0, 1e-4);
  EXPECT_EQ(sum(pl, 0) + sum(pl, 3), 0.0);
}

TEST(Linjnorm, LineLoadsOnSpansSupportsAndCantilevers) {
  struct Case {
    int t;
    float a;
    Linjplats plats;
    int t_at;
    float a_at;
    int t_rec;
    float a_rec;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Case cases[] = {
      {1, 2.5f, Linjplats::fack, 1, 2.5f, 1, 2.5f},
      {1, -0.3f, Linjplats::konsv, 1, 0.3f, 1, -0.3f},
      {1, 7.0f, Linjplats::fack, 2, 1.0f, 2, 1.0f},     // into the next span
      {3, -1.5f, Linjplats::fack, 2, 4.5f, 2, 4.5f},    // back into the previous
      {2, 13.0f, Linjplats::konsh, 4, 1.0f, 3, 7.0f},   // beyond the last span
      {1, 6.0f, Linjplats::fack, 2, 0.0f, 2, 0.0f},     // on support 2
      {3, 6.0f, Linjplats::konsh, 4, 0.0f, 3, 6.0f},    // on the last support
      {2, -6.0f, Linjplats::fack, 1, 0.0f, 1, 0.0f},    // on support 1 from span 2
      {0, 1.0f, Linjplats::utanfor, 0, 1.0f, 0, 1.0f},  // no such span
      {4, 1.0f, Linjplats::utanfor, 4, 1.0f, 4, 1.0f},
  };
  const InputCase in = sheet(3);
  for (const Case& c : cases) {
    int t = c.t;
    float a = c.a;
    const Linjlage l = linjnorm(in, t, a);
    EXPECT_EQ(l.plats, c.plats) << c.t << " " << c.a;
    if (c.plats == Linjplats::fack) {
      EXPECT_EQ(l.t, c.t_at) << c.t << " " << c.a;
    }
    EXPECT_FLOAT_EQ(l.a, c.a_at) << c.t << " " << c.a;
    EXPECT_EQ(t, c.t_rec) << c.t << " " << c.a;
    EXPECT_FLOAT_EQ(a, c.a_rec) << c.t << " " << c.a;
    const Linjlage again = linjnorm(in, t, a);  // found normalised
    EXPECT_EQ(again.plats, l.plats);
    EXPECT_FLOAT_EQ(again.a, l.a);
    EXPECT_EQ(t, c.t_rec) << c.t << " " << c.a;
  }
  int t = 1;
  float a = nan;
  EXPECT_EQ(linjnorm(in, t, a).plats, Linjplats::utanfor);
}

}  // namespace
}  // namespace kvop
