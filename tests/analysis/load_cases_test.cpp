// The design load cases against worked examples: the safety-class factors
// of every market and class, and q, the drift and pocket peaks, the edge zone
// and the line-load intensities of load cases 1 to 4 (roofs) and 1 and 3
// (walls) of one roof worked through by hand for every market, with the
// partial factors the input reader stores by default.  Also the values
// prepared once per run: the self weight on the slope and the line-load
// positions.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "analysis/krdef.h"
#include "driver/inkvop.h"

namespace kvop {
namespace {

// A roof whose every load term is non-zero and distinct: g = 0.45, snow 2.5
// with the shape factors 0.8 (uniform), 2.4 and 1.6 (drifts) and 2.0
// (pocket), wind 0.7 with suction 1.2, pressure 0.3, edge zone 2.1 over
// 1.8 m, psi0 snow 0.6, psi1 snow 0.2, psi0 wind 0.3; line loads 1.0/1.4/0.6
// (serviceability, ultimate down, ultimate up) and 0.5/0.7/0.2.
InputCase roof(int m, int klass) {
  InputCase in;
  blkdat(in);
  in.marknadskod = m;
  in.sakkl = klass;
  in.egentyngd = 0.45f;
  in.snolast = 2.5f;
  in.snoform = 0.8f;
  in.trivform = 2.4f;
  in.trihform = 1.6f;
  in.fickform = 2.0f;
  in.vind(1) = 0.7f;
  in.vind(2) = 1.2f;
  in.vind(3) = 0.3f;
  in.vind(4) = 2.1f;
  in.vind(5) = 1.8f;
  in.psi0sno = 0.6f;
  in.psi1sno = 0.2f;
  in.psi0vind = 0.3f;
  in.nlinj = 2;
  in.linjlast(1) = {1.0f, 1.4f, 0.6f, 2.0f};  // bruks ned, brott ned, brott upp, distance
  in.linjlast(2) = {0.5f, 0.7f, 0.2f, 1.0f};
  return in;
}

void expect_rel(double actual, double expected, const std::string& what) {
  if (expected == 0)
    EXPECT_EQ(actual, 0.0) << what;
  else
    EXPECT_NEAR(actual / expected, 1.0, 2e-6) << what << ": " << actual << " vs " << expected;
}

TEST(Sakerhetsfaktorer, EveryMarketAndClass) {
  struct Case {
    int m, klass;
    float xired, gammad, gammad1;
  };
  const Case cases[] = {
      {1, 1, 0.89f, 0.83f, 0.83f}, {1, 2, 0.89f, 0.91f, 0.83f}, {1, 3, 0.89f, 1.0f, 0.83f},
      {2, 1, 0.85f, 1.0f, 1.0f},   {2, 2, 0.85f, 1.0f, 1.0f},   {2, 3, 0.85f, 1.0f, 1.0f},
      {3, 1, 0.88f, 0.9f, 0.9f},   {3, 2, 0.88f, 1.0f, 1.0f},   {3, 3, 0.88f, 1.0f, 1.0f},
      {4, 1, 1.0f, 0.9f, 0.9f},    {4, 2, 1.0f, 1.0f, 1.0f},    {4, 3, 1.0f, 1.1f, 1.1f},
      {5, 1, 1.0f, 0.9f, 0.9f},    {5, 2, 1.0f, 1.0f, 1.0f},    {5, 3, 1.0f, 1.1f, 1.1f},
      // The permissible-stress method (class 0) factors nothing, except
      // that the Swedish wind-leading case keeps its 0.83.
      {1, 0, 0.89f, 1.0f, 0.83f},  {3, 0, 0.88f, 1.0f, 1.0f},   {5, 0, 1.0f, 1.0f, 1.0f},
  };
  for (const Case& c : cases) {
    AnalysisResults an;
    sakerhetsfaktorer(roof(c.m, c.klass), an);
    const std::string at = "market " + std::to_string(c.m) + " class " + std::to_string(c.klass);
    EXPECT_EQ(an.bandix, c.m) << at;
    EXPECT_EQ(an.xired, c.xired) << at;
    EXPECT_EQ(an.gammad, c.gammad) << at;
    EXPECT_EQ(an.gammad1, c.gammad1) << at;
  }
}

// One load case of the roof, worked through by hand.
struct Worked {
  int m, klass;
  float c;  // slope factor
  int lc;
  double q, pL, pR, pP, qe, E, P1;
};

// Sweden, class 2 (gammad 0.91, gammad1 0.83, xired 0.89), flat:
//   lc 1: s = 0.91*2.5*1.5 = 3.4125; q = 3.4125*0.8 + 0.89*0.91*0.45*1.35
//         + (0.91*0.7*1.5*0.3)*0.3 = 2.73 + 0.49201425 + 0.085995
//   lc 2: s = 0.2*2.5*1.0 = 0.5; q = 0.5*0.8 + 0.45*1.0
//   lc 3: w3 = 0.91*0.7*1.5 = 0.9555; q = 0.45*1.0 - 0.9555*1.2;
//         qe = -(2.1 - 1.2)*0.9555
//   lc 4: s = 0.83*2.5*0.6*1.5 = 1.8675; q = 1.8675*0.8 + 0.89*0.83*0.45*1.35
//         + 0.83*0.7*1.5*0.3
// Norway, class 1 (0.9, xired 0.88 alone on the self weight):
//   lc 1: s = 0.9*2.5*1.5 = 3.375; q = 2.7 + 0.88*0.45*1.35 + 0.2835*0.3
// Finland, class 3 (1.1), slope factor 0.9 (c^2 = 0.81), factors 1.15, 0.9:
//   lc 1: s = 0.81*1.1*2.5*1.5 = 3.34125; q = 2.673 + 1.1*0.45*1.15
//         + (1.1*0.7*1.5*0.3)*0.3; P = 0.9*1.4
//   lc 3: q = 0.45*0.9 - 1.155*1.2 = -0.981; qe = -0.9*1.155
// Denmark, class 1 (0.9), factors 1.0, 0.9:
//   lc 1: q = 2.7 + 0.9*0.45*1.0 + 0.2835*0.3; lc 3: q = 0.405 - 0.945*1.2
// Poland, class 3 (1.0, xired 0.85): lc 1: q = 3.0 + 0.85*0.45*1.35 + 0.315*0.3
const Worked kWorked[] = {
    {1, 2, 1.0f, 1, 3.30800925, 5.46, 2.73, 4.095, 0, 0, 1.4},
    {1, 2, 1.0f, 2, 0.85, 0.8, 0.4, 0.6, 0, 0, 1.0},
    {1, 2, 1.0f, 3, -0.6966, 0, 0, 0, -0.85995, 1.8, 0.6},
    {1, 2, 1.0f, 4, 2.20421025, 2.988, 1.494, 2.241, 0, 0, 1.4},
    {1, 3, 1.0f, 1, 3.635175, 6.0, 3.0, 4.5, 0, 0, 1.4},
    {1, 3, 1.0f, 4, 2.20421025, 2.988, 1.494, 2.241, 0, 0, 1.4},
    {2, 3, 1.0f, 1, 3.610875, 6.0, 3.0, 4.5, 0, 0, 1.4},
    {2, 3, 1.0f, 3, -0.81, 0, 0, 0, -0.945, 1.8, 0.6},
    {2, 3, 1.0f, 4, 2.631375, 3.6, 1.8, 2.7, 0, 0, 1.4},
    {3, 1, 1.0f, 1, 3.31965, 5.4, 2.7, 4.05, 0, 0, 1.4},
    {3, 1, 1.0f, 3, -0.684, 0, 0, 0, -0.8505, 1.8, 0.6},
    {3, 1, 1.0f, 4, 2.4381, 3.24, 1.62, 2.43, 0, 0, 1.4},
    {4, 3, 0.9f, 1, 3.3462, 5.346, 2.673, 4.0095, 0, 0, 1.26},
    {4, 3, 0.9f, 2, 0.774, 0.648, 0.324, 0.486, 0, 0, 0.9},
    {4, 3, 0.9f, 3, -0.981, 0, 0, 0, -1.0395, 1.8, 0.54},
    {4, 3, 0.9f, 4, 2.51955, 3.2076, 1.6038, 2.4057, 0, 0, 1.26},
    {5, 1, 1.0f, 1, 3.19005, 5.4, 2.7, 4.05, 0, 0, 1.4},
    {5, 1, 1.0f, 3, -0.729, 0, 0, 0, -0.8505, 1.8, 0.6},
    {5, 1, 1.0f, 4, 2.3085, 3.24, 1.62, 2.43, 0, 0, 1.4},
};

TEST(Belastning, RoofLoadCasesWorkedByHand) {
  for (const Worked& w : kWorked) {
    const InputCase in = roof(w.m, w.klass);
    PreparedCase prep;
    prep.egentyngd = in.egentyngd;  // the self weight as the slope leaves it
    AnalysisResults an;
    sakerhetsfaktorer(in, an);
    const Belastning b = belastning(in, prep, an, w.c, w.lc);
    const std::string at = "market " + std::to_string(w.m) + " class " + std::to_string(w.klass) +
                           " lc " + std::to_string(w.lc);
    expect_rel(b.lf.q, w.q, at + " q");
    expect_rel(b.lf.pL, w.pL, at + " left drift peak");
    expect_rel(b.lf.pR, w.pR, at + " right drift peak");
    expect_rel(b.lf.pP, w.pP, at + " pocket peak");
    expect_rel(b.lf.qe, w.qe, at + " edge zone");
    expect_rel(b.lf.E, w.E, at + " edge zone length");
    expect_rel(b.P(1), w.P1, at + " line load 1");
  }
}

TEST(Belastning, TheLoadsTakeThePreparedSelfWeight) {
  // Serviceability: q = s*0.8 + g*1.0 with the self weight of the prepared
  // values, not the case's own.
  const InputCase in = roof(1, 2);
  PreparedCase prep;
  prep.egentyngd = 0.25f;
  AnalysisResults an;
  sakerhetsfaktorer(in, an);
  expect_rel(belastning(in, prep, an, 1.0f, 2).lf.q, 0.5 * 0.8 + 0.25, "q");
}

TEST(Belastning, WallLoadCasesAreWindOnly) {
  // w = 0.7*1.5 = 1.05 in every market: towards the sheet q = 1.05*0.3 and
  // an edge zone (1.4 - 0.3)*1.05 over 0.9 m, away from it q = -1.05*1.2 and
  // -(2.1 - 1.2)*1.05 over 1.8 m; no snow and no line loads.
  for (int m = 1; m <= 5; ++m) {
    InputCase in = roof(m, 2);
    in.vagg = 1;
    in.vind(6) = 1.4f;
    in.vind(7) = 0.9f;
    PreparedCase prep;
    prep.egentyngd = in.egentyngd;
    AnalysisResults an;
    sakerhetsfaktorer(in, an);
    const Belastning b1 = belastning(in, prep, an, 1.0f, 1);
    const std::string at = "market " + std::to_string(m);
    expect_rel(b1.lf.q, 0.315, at + " towards the sheet");
    expect_rel(b1.lf.qe, 1.155, at + " edge zone towards");
    expect_rel(b1.lf.E, 0.9, at + " edge zone length towards");
    const Belastning b3 = belastning(in, prep, an, 1.0f, 3);
    expect_rel(b3.lf.q, -1.26, at + " away from the sheet");
    expect_rel(b3.lf.qe, -0.945, at + " edge zone away");
    expect_rel(b3.lf.E, 1.8, at + " edge zone length away");
    for (const Belastning* b : {&b1, &b3}) {
      EXPECT_EQ(b->lf.pL, 0.0f) << at;
      EXPECT_EQ(b->lf.pP, 0.0f) << at;
      EXPECT_EQ(b->P(1), 0.0f) << at;
    }
  }
}

TEST(PrepareAnalysis, SelfWeightOnTheSlopeAndLineLoadsLocated) {
  InputCase in = roof(1, 2);
  in.nfack = 3;
  in.taklutn = 30.0f;
  in.egentyngd = 0.5f;
  in.nlinj = 2;
  in.linjfack(1) = 1;
  in.linjlast(1).linjavst = 13.0f;  // spans of 6 m: span 3 at 1.0 m
  in.linjfack(2) = 3;
  in.linjlast(2).linjavst = -0.5f;  // span 2 at 5.5 m
  in.linjfack(3) = 1;
  in.linjlast(3).linjavst = 9.0f;  // beyond nlinj: as read
  const InputCase as_read = in;
  PreparedCase prep;
  prepare_analysis(in, prep);
  // c = cos 30 degrees with pi as 3.14159: 0.8660256 (cos 30 = 0.8660254).
  EXPECT_NEAR(slope_factor(in), 0.8660256, 1e-7);
  EXPECT_EQ(prep.egentyngd, static_cast<float>(0.5 * static_cast<double>(slope_factor(in))));
  EXPECT_EQ(prep.linjfack(1), 3);
  EXPECT_FLOAT_EQ(prep.linjavst(1), 1.0f);
  EXPECT_EQ(prep.linjfack(2), 2);
  EXPECT_FLOAT_EQ(prep.linjavst(2), 5.5f);
  EXPECT_EQ(prep.linjfack(3), 1);
  EXPECT_FLOAT_EQ(prep.linjavst(3), 9.0f);
  EXPECT_EQ(std::memcmp(&in, &as_read, sizeof in), 0) << "the case is left as read";
  // Preparing again from the same case gives the same values: nothing is
  // converted twice.
  PreparedCase again;
  prepare_analysis(in, again);
  EXPECT_EQ(again.egentyngd, prep.egentyngd);
  EXPECT_EQ(again.linjfack(1), 3);

  // A wall has no line loads: they stay as read.
  in.vagg = 1;
  prepare_analysis(in, prep);
  EXPECT_EQ(prep.linjfack(1), 1);
  EXPECT_FLOAT_EQ(prep.linjavst(1), 13.0f);
}

}  // namespace
}  // namespace kvop
