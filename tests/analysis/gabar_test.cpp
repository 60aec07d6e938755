// Walkability: the limit of every span kind, the perforation allowance, the
// warning lines and the notices.  Walkable spans are set in the profile
// record by hand: G1 = 3.01 m and G2 = 4.01 m in column 1 (table values
// 0.0003 and 0.0004 plus 0.01), G1 = 5.01 m and G2 = 6.01 m in column 2.
#include "analysis/gabar.h"
#include "output/gabar_warnings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace kvop {
namespace {

using Lines = std::vector<std::string>;

struct Walk : test::ReportRun {
  InputCase& in = run.ctx.in;

  // n spans of 1 m over KONT supports, LED at both ends, one sheet in column 1.
  explicit Walk(int n) {
    in.nfack = n;
    in.perfo(1) = 0;
    for (int j = 1; j <= n; ++j) in.spv(j) = 1.0f;
    for (int i = 1; i <= n + 1; ++i) {
      in.skarvtyp(i) = 0;
      in.skarvprc(i) = 10.0f;
      run.ctx.chk.tjix(1, i) = 1;
    }
    in.skarvtyp(1) = in.skarvtyp(n + 1) = 1;
    ProfileRecord& p = run.ctx.prof;
    p.thickness_count = 2;
    p.per_thickness(16, 1) = 0.0003f;
    p.per_thickness(19, 1) = 0.0004f;
    p.per_thickness(16, 2) = 0.0005f;
    p.per_thickness(19, 2) = 0.0006f;
  }
  Lines lines() {
    run.ctx.prep.perfo = in.perfo;
    run.ctx.walk = gabar(in, run.ctx.prep, run.ctx.prof, run.ctx.chk);
    gabar_warnings(run.ctx);
    return report_lines();
  }
  // Whether only span j is flagged (true) or nothing at all (false).
  bool flags(int j) {
    const Lines l = lines();
    if (l.empty()) return false;
    EXPECT_EQ(l, (Lines{"", "    OBS!! GÅBARHETEN ÖVERSKRIDEN I FACK NR: " +
                                std::string(j < 10 ? " " : "") + std::to_string(j)}));
    return true;
  }
};

TEST(Gabar, InnerSpanLimitByTheJointsAtItsEnds) {
  struct Case {
    int left, right;
    float below, above;
  };
  const Case cases[] = {
      {0, 0, 4.40f, 4.42f},  // 1.1 G2 = 4.411
      {0, 1, 4.00f, 4.02f},  // G2
      {0, 2, 4.00f, 4.02f},
      {1, 0, 4.00f, 4.02f},  // G2
      {1, 1, 3.00f, 3.02f},  // G1
      {1, 4, 3.00f, 3.02f},
      {2, 0, 4.40f, 4.50f},  // OV + G2: 0.44 + 4.01 = 4.45, 0.45 + 4.01 = 4.46
      {5, 3, 3.30f, 3.40f},  // OV + G1: 0.33 + 3.01 = 3.34, 0.34 + 3.01 = 3.35
  };
  for (const Case& c : cases)
    for (bool long_span : {false, true}) {
      Walk w(3);
      w.in.skarvtyp(2) = c.left;
      w.in.skarvtyp(3) = c.right;
      w.in.spv(2) = long_span ? c.above : c.below;
      EXPECT_EQ(w.flags(2), long_span) << c.left << "/" << c.right << " " << w.in.spv(2);
    }
}

TEST(Gabar, EndSpansAndTheSingleSpan) {
  struct Case {
    int n, span, joint;
    float below, above;
  };
  // joint: skarvtyp(2) for span 1, skarvtyp(n) for the last span.
  const Case cases[] = {
      {1, 1, 0, 3.00f, 3.02f},  // single span: G1 whatever the ends
      {2, 1, 0, 4.00f, 4.02f},  // continuous at support 2: G2
      {2, 1, 2, 3.00f, 3.02f},  // any joint there: G1, no overlap allowance
      {3, 3, 0, 4.00f, 4.02f},  // last span, continuous at its left: G2
      {3, 3, 1, 3.00f, 3.02f},  // LED: G1
      {3, 3, 4, 3.30f, 3.40f},  // other joint: OV + G1
  };
  for (const Case& c : cases)
    for (bool long_span : {false, true}) {
      Walk w(c.n);
      if (c.n > 1) w.in.skarvtyp(c.span == 1 ? 2 : c.n) = c.joint;
      w.in.spv(c.span) = long_span ? c.above : c.below;
      EXPECT_EQ(w.flags(c.span), long_span) << c.n << " " << c.span << " " << c.joint;
    }
}

TEST(Gabar, ThicknessOfTheHighestNumberedSheetAtTheSpansLeftSupport) {
  // Span 3 of 5 m after an OML at support 3: OV + G1 = 0.5 + 3.01 in column
  // 1 is too short, 0.5 + 5.01 in column 2 is enough.
  for (bool second_sheet : {false, true}) {
    Walk w(3);
    w.in.skarvtyp(3) = 2;
    w.in.spv(3) = 5.0f;
    if (second_sheet) {
      w.run.ctx.chk.tjix(2, 3) = 2;
      w.run.ctx.chk.tjix(2, 4) = 2;
    }
    EXPECT_EQ(w.flags(3), !second_sheet);
  }
}

TEST(Gabar, PartlyPerforatedSheetLosesSixtyCentimetres) {
  for (int perfo : {0, 1}) {
    Walk w(1);
    w.in.perfo(1) = perfo;
    w.in.spv(1) = 2.42f;  // G1 = 3.01, or 2.41 partly perforated
    EXPECT_EQ(w.flags(1), perfo == 1);
  }
}

TEST(Gabar, ThePerforationTheChecksUsedDecidesNotTheCases) {
  // A partly perforated case whose profile the checks found fully
  // perforated: the full limit applies, and the notice follows.
  Walk w(1);
  w.in.perfo(1) = 1;
  w.in.spv(1) = 2.5f;  // over G1 = 2.42 partly perforated, within 3.01
  PreparedCase prep;
  prep.perfo(1) = 2;
  const WalkResults full = gabar(w.in, prep, w.run.ctx.prof, w.run.ctx.chk);
  EXPECT_EQ(full.count, 0);
  EXPECT_TRUE(full.fully_perforated);
  prep.perfo(1) = 1;
  const WalkResults partly = gabar(w.in, prep, w.run.ctx.prof, w.run.ctx.chk);
  ASSERT_EQ(partly.count, 1);
  EXPECT_EQ(partly.spans(1), 1);
  EXPECT_FALSE(partly.fully_perforated);
}

TEST(Gabar, SecondFlaggedSpanGetsTheDittoLine) {
  Walk w(5);
  w.in.spv(2) = 4.5f;
  w.in.spv(4) = 4.5f;
  const std::string ditto = "          \"          \"          \"     : ";
  EXPECT_EQ(w.lines(),
            (Lines{"", "    OBS!! GÅBARHETEN ÖVERSKRIDEN I FACK NR:  2", "    " + ditto + " 4"}));
}

TEST(Gabar, SheetLengthAndFullPerforationNotices) {
  Walk w(1);
  w.in.perfo(1) = 2;
  w.in.spv(1) = 3.05f;  // flagged with the unperforated limit 3.01
  w.run.ctx.chk.maxlangdfl = 1;
  EXPECT_EQ(w.lines(), (Lines{"", "    OBS!! GÅBARHETEN ÖVERSKRIDEN I FACK NR:  1", "",
                              "    OBS!! MAX PLÅTLÄNGD ÖVERSKRIDEN", "",
                              "    GÅBARHETEN FÖR HELPERFORERAD PROFIL ÄR EJ KONTROLLERAD,",
                              "    KONTAKTA NÄRMASTE MELBROKKONTOR FÖR INFORMATION"}));
}

TEST(Gabar, SpanWithoutAChosenThicknessIsNotJudged) {
  Walk w(1);
  w.run.ctx.chk.tjix(1, 1) = 0;
  w.in.spv(1) = 30.0f;
  EXPECT_TRUE(w.lines().empty());
}

}  // namespace
}  // namespace kvop
