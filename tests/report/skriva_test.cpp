// The result section: detailed tables of the load cases and the graphical
// summary.  Expected lines are built from the line layouts of the report by
// hand (column counts, field widths); the check results are set directly.
#include "report/skriva.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace kvop {
namespace {

using Lines = std::vector<std::string>;

std::string sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }
std::string dashes() { return "    " + std::string(67, '-'); }

// An integer right-aligned in w columns, followed by `gap` blanks except after
// the last value of a line (the gap of nX is never trailing).
std::string ints(const std::vector<int>& v, int w, int gap) {
  std::string s;
  for (std::size_t k = 0; k < v.size(); ++k) {
    std::string n = std::to_string(v[k]);
    s += sp(w - static_cast<int>(n.size())) + n;
    if (k + 1 < v.size()) s += sp(gap);
  }
  return s;
}
std::vector<int> range(int from, int to) {
  std::vector<int> v;
  for (int k = from; k <= to; ++k) v.push_back(k);
  return v;
}
std::vector<int> zeros(int n) { return std::vector<int>(static_cast<std::size_t>(n), 0); }

struct Table : test::ReportRun {
  InputCase& in = run.ctx.in;
  CheckResults& chk = run.ctx.chk;
  AnalysisResults& an = run.ctx.an;

  explicit Table(int nfack) {
    in.nfack = nfack;
    in.marknadskod = 1;
    in.sakkl = 0;
    in.vagg = 0;
    in.utskr = 1;
    in.konsv = in.konsh = 0.05f;
    for (int j = 1; j <= nfack; ++j) in.spv(j) = 6.0f;
    for (int i = 1; i <= nfack + 1; ++i) {
      in.skarvtyp(i) = 0;
      in.skarvprc(i) = 10.1f;
    }
    in.skarvtyp(1) = in.skarvtyp(nfack + 1) = 1;
    run.ctx.prof.general(1) = 0.070f;
  }
  // The lines written by skriva for these load cases, as UTF-8.
  Lines write(std::initializer_list<int> cases) {
    for (int lc : cases) skriva(run.ctx, lc);
    return report_lines();
  }
};

// The lines from the title of the percentages to the end.
Lines percentages(const Lines& all) {
  for (std::size_t k = 0; k < all.size(); ++k)
    if (all[k] == "    UTNYTTJANDEGRADER %")
      return Lines(all.begin() + static_cast<long>(k) + 1, all.end());
  ADD_FAILURE() << "no percentage title";
  return {};
}

void expect_lines(const Lines& got, const Lines& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t k = 0; k < want.size(); ++k) EXPECT_EQ(got[k], want[k]) << "line " << k + 1;
}

const std::string kHeads1 =
    "    FACK   SPV  SKARV/PLÅT- PLÅTTJLK MFÄLT  MSTÖD UPPLREAKT DSKRUV  DEF";
const std::string kHeads2 =
    "     NR     M        ÄNDE M     MM   KNM/M  KNM/M     KN/M   KN/M    MM";

TEST(SkrivaTable, RoofLoadCaseOneWithCantileversOverlapAndSafetyNote) {
  Table t(3);
  t.in.sakkl = 2;
  t.in.konsv = t.in.konsh = 0.3f;
  t.in.skarvtyp(1) = 0;
  t.in.skarvtyp(3) = 2;  // OML 10.1 % of 6 m: 0.606 m
  t.in.skarvtyp(4) = 0;
  t.chk.nedbkons(1, 1) = -0.0012f;
  t.chk.nedbkons(1, 2) = 0.0008f;
  const float mst[] = {-0.36f, -4.56f, -3.9f, -0.4f}, rea[] = {2.5f, 12.34f, 11.0f, 2.6f};
  for (int i = 1; i <= 4; ++i) {
    t.an.mstod(1, i) = mst[i - 1];
    t.an.reakt(1, i) = rea[i - 1];
  }
  t.an.dskruv(1, 3) = 5.5f;
  const float tj[] = {0.7f, 0.7f, 0.85f}, mf[] = {3.21f, 1.5f, 2.75f},
              df[] = {0.0153f, 0.004f, 0.0101f};
  for (int j = 1; j <= 3; ++j) {
    t.chk.plattj(j) = tj[j - 1];
    t.an.mfalt(1, j) = mf[j - 1];
    t.chk.nedbfalt(1, j) = df[j - 1];
  }
  const float ks[] = {0.5f, 0.994f, 0.996f, 1.25f}, kf[] = {0.3f, 0.0f, 1.0f};
  for (int i = 1; i <= 4; ++i) t.chk.KVOTS(1, i) = ks[i - 1];
  for (int j = 1; j <= 3; ++j) t.chk.KVOTF(1, j) = kf[j - 1];

  expect_lines(t.write({1}), {"",
                              "    LASTFALL 1        LAST MOT PLÅT         BROTTGRÄNSTILLSTÅND ",
                              sp(22) + "KONTROLL BÄRFÖRMÅGA" + sp(13),
                              "",
                              dashes(),
                              kHeads1,
                              kHeads2,
                              dashes(),
                              sp(7) + "   0.30" + sp(51) + "  -1.2",
                              sp(17) + "KONT    " + sp(18) + " -0.36     2.50",
                              "      1   6.00" + sp(15) + "  0.70   3.21" + sp(23) + "  15.3",
                              sp(17) + "KONT    " + sp(18) + " -4.56    12.34",
                              "      2   6.00" + sp(15) + "  0.70   1.50" + sp(23) + "   4.0",
                              sp(17) + "OML     0.61" + sp(14) + " -3.90    11.00   5.50",
                              "      3   6.00" + sp(15) + "  0.85   2.75" + sp(23) + "  10.1",
                              sp(17) + "KONT    " + sp(18) + " -0.40     2.60",
                              sp(7) + "   0.30" + sp(51) + "   0.8",
                              dashes(),
                              "",
                              "",
                              "    UTNYTTJANDEGRADER %",
                              "",
                              "    FACK  NR      1     2     3",
                              "    STÖD      50    99   100   125",
                              "    FÄLT       " + ints({30, 0, 100}, 4, 2),
                              "",
                              "    I KONTINUERLIG ELLER KONTINUERLIGT SKARVAD PLÅT ÄR INNERSTÖD",
                              "    DIMENSIONERAD I SÄKERHETSKLASS 1",
                              ""});
}

TEST(SkrivaTable, EveryJointRowLayout) {
  Table t(5);
  // Supports 2..5: OML+NIT, GERBER, DUB OML with a whole-number lap, DUB OML.
  t.in.skarvtyp(2) = 3;
  t.in.skarvtyp(3) = 4;
  t.in.skarvprc(3) = 20.0f;  // hinge 1.2 m into span 3
  t.in.skarvtyp(4) = 5;
  t.in.skarvprc(4) = 15.0f;
  t.in.skarvtyp(5) = 5;
  t.in.skarvprc(5) = 10.25f;
  t.an.snittpos(4, 4) = 0.15f;  // skarvrel1(4): 0.9 m into span 4
  t.an.snittpos(3, 5) = 1.0f;   // skarvrel2(4) = 1 - frac(15.0): no lap to the left
  t.an.snittpos(5, 4) = 0.10f;  // skarvrel1(5): 0.6 m
  t.an.snittpos(4, 5) = 0.75f;  // skarvrel2(5): 0.25 of span 4 = 1.5 m to the left
  for (int i = 1; i <= 6; ++i) {
    t.an.mstod(1, i) = -1.0f * static_cast<float>(i);
    t.an.reakt(1, i) = 10.0f;
    t.an.dskruv(1, i) = 2.0f;
  }
  const Lines l = t.write({1});
  // Rows: header 4, rule, heads 2, rule, then supports and spans from line 9.
  EXPECT_EQ(l[8], sp(17) + "LED     " + sp(18) + " -1.00    10.00");
  EXPECT_EQ(l[10], sp(17) + "OML+NIT 0.61" + sp(14) + " -2.00    10.00   2.00");
  EXPECT_EQ(l[12], sp(17) + "GERBER  1.20" + sp(14) + " -3.00    10.00");
  EXPECT_EQ(l[14], sp(17) + "DUB OML  0.90" + sp(13) + " -4.00    10.00");
  EXPECT_EQ(l[15], sp(25) + "-0.00");
  EXPECT_EQ(l[17], sp(17) + "DUB OML  0.60" + sp(13) + " -5.00    10.00");
  EXPECT_EQ(l[18], sp(25) + "-1.50");
  EXPECT_EQ(l[20], sp(17) + "LED     " + sp(18) + " -6.00    10.00");
  EXPECT_EQ(l[21], dashes());
}

TEST(SkrivaTable, PercentageRowsFillLinesOfEightAndNine) {
  {  // 8 spans: each row fills its first line exactly and an empty line follows.
    Table t(8);
    t.in.marknadskod = 2;
    expect_lines(percentages(t.write({1})), {"", "    FACK  NR   " + ints(range(1, 8), 4, 2), "",
                                             "    STÖD     " + ints(zeros(9), 3, 3), "",
                                             "    FÄLT       " + ints(zeros(8), 4, 2), ""});
  }
  {  // 16 spans, 17 supports: two full lines, no empty line.
    Table t(16);
    t.in.marknadskod = 2;
    expect_lines(percentages(t.write({1})),
                 {"", "    FACK  NR   " + ints(range(1, 8), 4, 2), sp(19) + ints(range(9, 16), 4, 2),
                  "    STÖD     " + ints(zeros(9), 3, 3), sp(19) + ints(zeros(8), 3, 3),
                  "    FÄLT       " + ints(zeros(8), 4, 2), sp(21) + ints(zeros(8), 4, 2)});
  }
  {  // 17 spans, 18 supports: the spans get an empty line before their third line.
    Table t(17);
    t.in.marknadskod = 2;
    expect_lines(percentages(t.write({1})),
                 {"", "    FACK  NR   " + ints(range(1, 8), 4, 2), sp(19) + ints(range(9, 16), 4, 2),
                  "", sp(19) + "  17", "    STÖD     " + ints(zeros(9), 3, 3),
                  sp(19) + ints(zeros(9), 3, 3), "    FÄLT       " + ints(zeros(8), 4, 2),
                  sp(21) + ints(zeros(8), 4, 2), "", sp(21) + "   0"});
  }
}

// The close of a detailed table as the report lays it out: after the rule
// two empty lines and the title, then the span-number row, which is a
// statement of its own beginning with a new line and so opens with an empty
// line; the support row of nfack + 1 values and the span row follow.
TEST(SkrivaTable, PercentagesOpenWithAnEmptyLineBeforeTheSpanNumbers) {
  {  // three spans, as the report of a short roof shows them
    Table t(3);
    t.in.marknadskod = 2;
    const float ks[] = {0.26f, 0.99f, 0.73f, 0.09f}, kf[] = {0.5f, 0.124f, 0.875f};
    for (int i = 1; i <= 4; ++i) t.chk.KVOTS(1, i) = ks[i - 1];
    for (int j = 1; j <= 3; ++j) t.chk.KVOTF(1, j) = kf[j - 1];
    const Lines l = t.write({1});
    ASSERT_GE(l.size(), 8u);
    expect_lines(Lines(l.end() - 8, l.end()), {dashes(),
                                               "",
                                               "",
                                               "    UTNYTTJANDEGRADER %",
                                               "",
                                               "    FACK  NR      1     2     3",
                                               "    STÖD      26    99    73     9",
                                               "    FÄLT         50    12    88"});
  }
  {  // seventeen spans: continuation lines, and an empty line before the
     // third line of the span numbers and of the span ratios
    Table t(17);
    t.in.marknadskod = 2;
    for (int i = 1; i <= 18; ++i) t.chk.KVOTS(1, i) = static_cast<float>(i) / 100.0f + 0.002f;
    for (int j = 1; j <= 17; ++j) t.chk.KVOTF(1, j) = static_cast<float>(20 + j) / 100.0f + 0.002f;
    const Lines l = t.write({1});
    ASSERT_GE(l.size(), 15u);
    expect_lines(Lines(l.end() - 15, l.end()),
                 {dashes(),
                  "",
                  "",
                  "    UTNYTTJANDEGRADER %",
                  "",
                  "    FACK  NR      1     2     3     4     5     6     7     8",
                  "                      9    10    11    12    13    14    15    16",
                  "",
                  "                     17",
                  "    STÖD       1     2     3     4     5     6     7     8     9",
                  "                    10    11    12    13    14    15    16    17    18",
                  "    FÄLT         21    22    23    24    25    26    27    28",
                  "                       29    30    31    32    33    34    35    36",
                  "",
                  "                       37"});
  }
}

TEST(SkrivaTable, HeaderTextsByLoadCaseMethodAndMarket) {
  struct Case {
    int market, sakkl, lc;
    std::string line2, line3;
  };
  const std::string exc = "EXC IGT LASTFALL    ", mot = "LAST MOT PLÅT   ";
  const Case cases[] = {
      {1, 0, 1, mot + sp(6) + exc, "KONTROLL BÄRFÖRMÅGA" + sp(13)},
      {1, 0, 2, mot + sp(6) + "VANLIGT LASTFALL    ", "KONTROLL BÄRFÖRMÅGA, DEFORMATION"},
      {1, 0, 3, "LAST FRÅN PLÅT  " + sp(6) + exc, "KONTROLL BÄRFÖRMÅGA" + sp(13)},
      {1, 0, 4, mot + sp(6) + exc, "KONTROLL SKIVVERKAN" + sp(13)},
      {3, 0, 1, mot + sp(26), "KONTROLL BÄRFÖRMÅGA" + sp(13)},
      {3, 0, 2, mot + sp(26), "KONTROLL BÄRFÖRMÅGA, DEFORMATION"},
      {1, 1, 2, mot + sp(6) + "BRUKSGRÄNSTILLSTÅND ", "KONTROLL DEFORMATION" + sp(12)},
      {4, 3, 4, mot + sp(6) + "BROTTGRÄNSTILLSTÅND ", "KONTROLL SKIVVERKAN" + sp(13)},
  };
  for (const Case& c : cases) {
    Table t(2);
    t.in.marknadskod = c.market;
    t.in.sakkl = c.sakkl;
    const Lines l = t.write({c.lc});
    ASSERT_GE(l.size(), 4u);
    EXPECT_EQ(l[1], "    LASTFALL " + std::to_string(c.lc) + sp(8) + c.line2) << c.lc;
    EXPECT_EQ(l[2], sp(22) + c.line3) << c.lc;
    EXPECT_EQ(l[3], "");
  }
}

TEST(SkrivaTable, ServiceabilityCaseShowsOnlyDeflectionsUnderPartialCoefficients) {
  for (int sakkl : {0, 1}) {
    Table t(2);
    t.in.sakkl = sakkl;
    t.chk.KVOTS(2, 1) = 0.4f;
    t.chk.KVOTF(2, 1) = 0.45f;
    t.chk.KVOTD(2, 1) = 0.8f;
    t.chk.KVOTD(2, 2) = 1.004f;
    const Lines want_def = {"    DEF.       " + ints({80, 100}, 4, 2)};
    Lines want = {"", "    FACK  NR      1     2"};
    if (sakkl == 0) {
      want.push_back("    STÖD      40     0     0");
      want.push_back("    FÄLT       " + ints({45, 0}, 4, 2));
    }
    want.push_back(want_def[0]);
    expect_lines(percentages(t.write({2})), want);
  }
}

TEST(SkrivaTable, WallWritesLoadCasesOneAndThreeWithDeflections) {
  Table t(1);
  t.in.vagg = 1;
  t.chk.KVOTD(3, 1) = 0.5f;
  const Lines l = t.write({1, 2, 3, 4});
  const Lines head = {"", "    LASTFALL 3        LAST FRÅN PLÅT  ",
                      sp(22) + "KONTROLL BÄRFÖRMÅGA ,  BROTTGRÄNSTILLSTÅND ",
                      sp(22) + "KONTROLL DEFORMATION,  BRUKSGRÄNSTILLSTÅND ", ""};
  // One span, LED at both ends: 4 header lines + rule, heads, rule, two
  // supports, a span, the rule, the title (3), an empty line and 4
  // percentage rows.
  ASSERT_EQ(l.size(), 2u * 21u);
  EXPECT_EQ(l[1], "    LASTFALL 1        LAST MOT PLÅT   ");
  expect_lines(Lines(l.begin() + 21, l.begin() + 26), head);
  EXPECT_EQ(l.back(), "    DEF.         50");
  EXPECT_EQ(l[19], "    FÄLT          0");
}

TEST(SkrivaTable, SafetyNoteNeedsHeightContinuityClassAndSweden) {
  struct Case {
    float h;
    int market, sakkl, inner, lc;
    bool note;
  };
  const Case cases[] = {
      {0.065f, 1, 2, 0, 1, true},  {0.064f, 1, 2, 0, 1, false}, {0.065f, 2, 2, 0, 1, false},
      {0.065f, 1, 1, 0, 1, false}, {0.065f, 1, 3, 1, 1, false}, {0.065f, 1, 3, 5, 3, true},
      {0.065f, 1, 2, 0, 4, false}, {0.065f, 1, 2, 4, 1, false},
  };
  for (const Case& c : cases) {
    Table t(2);
    t.run.ctx.prof.general(1) = c.h;
    t.in.marknadskod = c.market;
    t.in.sakkl = c.sakkl;
    t.in.skarvtyp(2) = c.inner;
    const Lines l = t.write({c.lc});
    const bool has = l.size() >= 3 && l[l.size() - 2] == "    DIMENSIONERAD I SÄKERHETSKLASS 1";
    EXPECT_EQ(has, c.note) << c.h << " " << c.market << " " << c.sakkl << " " << c.inner << " "
                           << c.lc;
  }
}

// --- Graphical summary ---

TEST(SkrivaSummary, EightSpansOrFewerOnOnePageBothSectionsMarkedA) {
  Table t(3);
  t.in.utskr = 0;
  t.in.sakkl = 2;
  t.in.skarvtyp(2) = 2;  // an overlap at support 2, KONT at 3
  for (int j = 1; j <= 3; ++j) t.chk.plattj(j) = 0.7f;
  t.chk.KVOTS(1, 2) = 0.994f;
  t.chk.KVOTS(2, 2) = 0.996f;  // the larger of load cases 1 and 2
  t.chk.KVOTF(1, 1) = 1.25f;
  t.chk.KVOTD(2, 3) = 0.5f;
  t.chk.KVOTD(1, 3) = 0.9f;  // a roof shows load case 2's deflections
  t.chk.KVOTS(3, 4) = 0.2f;
  t.chk.KVOTF(3, 2) = 0.3f;
  const std::string drawing =
      sp(12) + "   " + "_--" + "---" + "===" + "---" + "---" + "---" + "_  ";
  const std::string markers = sp(15) + "A     0     0     0";
  const std::string numbers = "    FACK       " + ints(range(1, 3), 4, 2);
  expect_lines(t.write({1}), {"",
                              drawing,
                              markers,
                              numbers,
                              "    SPV  M 0.05  6.00  6.00  6.00  0.05",
                              "",
                              "    TJLK MM      0.70  0.70  0.70",
                              "",
                              "",
                              "    UTNYTTJANDEGRADER %",
                              "",
                              drawing,
                              markers,
                              numbers,
                              "",
                              "    LAST MOT PLÅT   ",
                              "    STÖD     " + ints({0, 100, 0, 0}, 3, 3),
                              "    FÄLT       " + ints({125, 0, 0}, 4, 2),
                              "    DEF.       " + ints({0, 0, 50}, 4, 2),
                              "",
                              "    LAST FRÅN PLÅT  ",
                              "    STÖD     " + ints({0, 0, 0, 20}, 3, 3),
                              "    FÄLT       " + ints({0, 30, 0}, 4, 2),
                              "",
                              "    I KONTINUERLIG ELLER KONTINUERLIGT SKARVAD PLÅT ÄR INNERSTÖD",
                              "    DIMENSIONERAD I SÄKERHETSKLASS 1",
                              ""});
}

TEST(SkrivaSummary, TwentySpansOnPagesOfEightEightAndFour) {
  Table t(20);
  t.in.utskr = 2;
  t.in.konsv = 0.3f;
  t.in.skarvtyp(1) = 0;
  t.in.skarvtyp(9) = 5;   // DUB OML: page 1 ends with its start symbol, page 2 begins with its end
  t.in.skarvtyp(17) = 2;  // OML
  const Lines l = t.write({3});
  auto rep = [](const std::string& s, int n) {
    std::string r;
    for (int k = 0; k < n; ++k) r += s;
    return r;
  };
  const std::string six = "  6.00";
  // Section A: per page an empty line, drawing, markers, numbers, SPV, an
  // empty line and TJLK; then the page mark.
  const std::size_t a = 7;
  ASSERT_EQ(l.size(), 3 * a + 1 + 3 + 3 * 13);
  EXPECT_EQ(l[1], sp(12) + rep("---", 16) + "--=" + "==-");
  EXPECT_EQ(l[2], sp(15) + "A" + rep("     0", 8));
  EXPECT_EQ(l[3], "    FACK       " + ints(range(1, 8), 4, 2));
  EXPECT_EQ(l[4], "    SPV  M 0.30" + rep(six, 8));
  EXPECT_EQ(l[a + 1], sp(12) + "--=" + "==-" + rep("---", 15) + "===");
  EXPECT_EQ(l[a + 2], sp(15) + "0" + rep("     0", 8));
  EXPECT_EQ(l[a + 3], "    FACK       " + ints(range(9, 16), 4, 2));
  EXPECT_EQ(l[a + 4], "    SPV  M     " + rep(six, 8));
  EXPECT_EQ(l[2 * a + 1], sp(12) + "---" + "===" + rep("---", 7) + "_  ");
  EXPECT_EQ(l[2 * a + 2], sp(15) + "0" + rep("     0", 4));
  EXPECT_EQ(l[2 * a + 3], "    FACK       " + ints(range(17, 20), 4, 2));
  EXPECT_EQ(l[2 * a + 4], "    SPV  M     " + rep(six, 4) + "  0.05");
  EXPECT_EQ(l[2 * a + 6], "    TJLK MM    " + rep("  0.00", 4));
  EXPECT_EQ(l[3 * a], "^");
  EXPECT_EQ(l[3 * a + 3], "    UTNYTTJANDEGRADER %");
  // Section B: the same three pages, each first marker "0".
  for (std::size_t p = 0; p < 3; ++p) {
    const std::size_t at = 3 * a + 4 + p * 13;
    EXPECT_EQ(l[at], "");
    EXPECT_EQ(l[at + 1], l[p * a + 1]) << p;
    EXPECT_EQ(l[at + 2], sp(15) + "0" + rep("     0", p < 2 ? 8 : 4)) << p;
    EXPECT_EQ(l[at + 4], "");
    EXPECT_EQ(l[at + 5], "    LAST MOT PLÅT   ");
    EXPECT_EQ(l[at + 9], "");
    EXPECT_EQ(l[at + 10], "    LAST FRÅN PLÅT  ");
  }
  EXPECT_EQ(l.back(), "    FÄLT       " + ints(zeros(4), 4, 2));
}

TEST(SkrivaSummary, WallShowsItsOwnDeflectionsForBothDirections) {
  Table t(1);
  t.in.utskr = 0;
  t.in.vagg = 1;
  t.chk.KVOTD(1, 1) = 0.4f;
  t.chk.KVOTD(2, 1) = 0.9f;
  t.chk.KVOTD(3, 1) = 0.6f;
  const Lines l = t.write({1, 2, 4});
  // Section A 7 lines, the title 3, section B 14 (a DEF. row per direction).
  ASSERT_EQ(l.size(), 24u);
  EXPECT_EQ(l[18], "    DEF.         40");
  EXPECT_EQ(l[23], "    DEF.         60");
}

}  // namespace
}  // namespace kvop
