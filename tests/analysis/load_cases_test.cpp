// The design load cases against hand arithmetic from the factor tables: the
// safety-class factors of every market and class, the partial factors that
// blkdat stores, and q, the drift and pocket peaks, the edge zone and the
// line-load intensities of load cases 1 to 4 (roofs) and 1 and 3 (walls).
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "analysis/krdef.h"
#include "driver/inkvop.h"

namespace kvop {
namespace {

// The factor tables, written out as they stand in the engineer's tables.
constexpr double kPartkf[5][6] = {
    {1.0, 1.0, 1.35, 1.0, 1.5, 1.5},  // SVERIGE
    {1.0, 1.0, 1.35, 1.0, 1.5, 1.5},  // POLEN
    {1.0, 1.0, 1.35, 1.0, 1.5, 1.5},  // NORGE
    {1.0, 1.0, 1.15, 0.9, 1.5, 1.5},  // FINLAND
    {1.0, 1.0, 1.0, 0.9, 1.5, 1.5},   // DANMARK
};
constexpr double kXired[5] = {0.89, 0.85, 0.88, 1.0, 1.0};
constexpr double kGammad[5][3] = {
    {0.83, 0.91, 1.0}, {1.0, 1.0, 1.0}, {0.9, 1.0, 1.0}, {0.9, 1.0, 1.1}, {0.9, 1.0, 1.1}};

double gammad1_of(int m, int klass) { return m == 1 ? 0.83 : kGammad[m - 1][klass - 1]; }

// A roof whose every load term is non-zero and distinct.
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
  for (int m = 1; m <= 5; ++m)
    for (int klass = 0; klass <= 3; ++klass) {
      const InputCase in = roof(m, klass);
      AnalysisResults an;
      sakerhetsfaktorer(in, an);
      const std::string at = "market " + std::to_string(m) + " class " + std::to_string(klass);
      EXPECT_EQ(an.bandix, m) << at;
      EXPECT_FLOAT_EQ(an.xired, static_cast<float>(kXired[m - 1])) << at;
      // The permissible-stress method (class 0) factors nothing.
      const double gd = klass == 0 ? 1.0 : kGammad[m - 1][klass - 1];
      const double gd1 = klass == 0 ? (m == 1 ? 0.83 : 1.0) : gammad1_of(m, klass);
      EXPECT_FLOAT_EQ(an.gammad, static_cast<float>(gd)) << at;
      EXPECT_FLOAT_EQ(an.gammad1, static_cast<float>(gd1)) << at;
    }
}

TEST(Blkdat, PartialFactorsOfEveryMarket) {
  InputCase in;
  blkdat(in);
  for (int m = 1; m <= 5; ++m)
    for (int f = 1; f <= 6; ++f)
      EXPECT_FLOAT_EQ(in.partkf(f, m), static_cast<float>(kPartkf[m - 1][f - 1]))
          << "factor " << f << " market " << m;
}

TEST(Belastning, SwedishClassTwoSnowLeadingByHand) {
  // Worked through by hand: gammad 0.91, xired 0.89, c = 1.
  InputCase in = roof(1, 2);
  AnalysisResults an;
  sakerhetsfaktorer(in, an);
  const Belastning b = belastning(in, an, 1.0f, 1);
  // s = 0.91 * 2.5 * 1.5 = 3.4125; q = 3.4125*0.8 + 0.89*0.91*0.45*1.35
  //   + (0.91*0.7*1.5*0.3)*0.3 = 2.73 + 0.49201425 + 0.085995
  EXPECT_NEAR(b.lf.q, 3.30800925, 2e-6);
  EXPECT_NEAR(b.lf.pL, 3.4125 * 1.6, 2e-6);
  EXPECT_NEAR(b.lf.pR, 3.4125 * 0.8, 2e-6);
  EXPECT_NEAR(b.lf.pP, 3.4125 * 1.2, 2e-6);
  EXPECT_FLOAT_EQ(b.P(1), 1.4f);
  // Wind leading (load case 4) takes gammad1 = 0.83 for the snow and the
  // self weight: s = 0.83 * 2.5 * 0.6 * 1.5 = 1.8675.
  const Belastning b4 = belastning(in, an, 1.0f, 4);
  EXPECT_NEAR(b4.lf.q, 1.8675 * 0.8 + 0.89 * 0.83 * 0.45 * 1.35 + 0.83 * 0.7 * 1.5 * 0.3, 2e-6);
}

TEST(Belastning, RoofLoadCasesOfEveryMarketAndClass) {
  const double c = static_cast<float>(std::cos(12.0 * 3.14159 / 180));
  const double cc = c * c;
  for (int m = 1; m <= 5; ++m)
    for (int klass = 1; klass <= 3; ++klass) {
      const InputCase in = roof(m, klass);
      AnalysisResults an;
      sakerhetsfaktorer(in, an);
      const double* pk = kPartkf[m - 1];
      const double g = 0.45, S = 2.5, mu = 0.8, xi = kXired[m - 1];
      const double gd = kGammad[m - 1][klass - 1], gd1 = gammad1_of(m, klass);
      const double v1 = 0.7, v2 = 1.2, v3 = 0.3, v4 = 2.1, v5 = 1.8;
      // Norway factors the self weight by xired alone.
      const double G1 = m == 3 ? xi * g : xi * gd * g;
      const double G4 = m == 3 ? xi * g : xi * gd1 * g;
      struct Expected {
        double s, q, qe, E, P1, P2;
      };
      const std::array<Expected, 4> want = {{
          {cc * gd * S * pk[4], cc * gd * S * pk[4] * mu + G1 * pk[2] + gd * v1 * pk[5] * 0.3 * v3,
           0, 0, c * 1.4, c * 0.7},
          {cc * 0.2 * S * pk[1], cc * 0.2 * S * pk[1] * mu + g * pk[0], 0, 0, c * 1.0, c * 0.5},
          {0, g * pk[3] - gd * v1 * pk[5] * v2, -(v4 - v2) * gd * v1 * pk[5], v5, c * 0.6, c * 0.2},
          {cc * gd1 * S * 0.6 * pk[4],
           cc * gd1 * S * 0.6 * pk[4] * mu + G4 * pk[2] + gd1 * v1 * pk[5] * v3, 0, 0, c * 1.4,
           c * 0.7},
      }};
      for (int lc = 1; lc <= 4; ++lc) {
        const Belastning b = belastning(in, an, static_cast<float>(c), lc);
        const Expected& e = want[static_cast<std::size_t>(lc - 1)];
        const std::string at = "market " + std::to_string(m) + " class " + std::to_string(klass) +
                               " lc " + std::to_string(lc);
        expect_rel(b.lf.q, e.q, at + " q");
        expect_rel(b.lf.pL, e.s * (2.4 - mu), at + " left drift peak");
        expect_rel(b.lf.pR, e.s * (1.6 - mu), at + " right drift peak");
        expect_rel(b.lf.pP, e.s * (2.0 - mu), at + " pocket peak");
        expect_rel(b.lf.qe, e.qe, at + " edge zone");
        expect_rel(b.lf.E, e.E, at + " edge zone length");
        expect_rel(b.P(1), e.P1, at + " line load 1");
        expect_rel(b.P(2), e.P2, at + " line load 2");
      }
    }
}

TEST(Belastning, WallLoadCasesAreWindOnly) {
  for (int m = 1; m <= 5; ++m) {
    InputCase in = roof(m, 2);
    in.vagg = 1;
    in.vind(6) = 1.4f;
    in.vind(7) = 0.9f;
    AnalysisResults an;
    sakerhetsfaktorer(in, an);
    const double w = 0.7 * kPartkf[m - 1][5];
    const Belastning b1 = belastning(in, an, 1.0f, 1);
    const std::string at = "market " + std::to_string(m);
    expect_rel(b1.lf.q, w * 0.3, at + " towards the sheet");
    expect_rel(b1.lf.qe, (1.4 - 0.3) * w, at + " edge zone towards");
    expect_rel(b1.lf.E, 0.9, at + " edge zone length towards");
    const Belastning b3 = belastning(in, an, 1.0f, 3);
    expect_rel(b3.lf.q, -w * 1.2, at + " away from the sheet");
    expect_rel(b3.lf.qe, -(2.1 - 1.2) * w, at + " edge zone away");
    expect_rel(b3.lf.E, 1.8, at + " edge zone length away");
    for (const Belastning* b : {&b1, &b3}) {
      EXPECT_EQ(b->lf.pL, 0.0f) << at;
      EXPECT_EQ(b->lf.pP, 0.0f) << at;
      EXPECT_EQ(b->P(1), 0.0f) << at;
    }
  }
}

}  // namespace
}  // namespace kvop
