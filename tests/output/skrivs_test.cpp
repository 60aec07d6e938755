// The diaphragm and fastening-band summary sections, line by line.
#include "output/skrivs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/summary.h"
#include "test_support.h"

namespace kvop {
namespace {

using Lines = std::vector<std::string>;

struct Summary : test::ReportRun {
  InputCase& in = run.ctx.in;
  CheckResults& chk = run.ctx.chk;

  explicit Summary(int n) {
    in.nfack = n;
    in.sakkl = 0;
    in.vextak = 0;
  }
  Lines lines() {
    run.ctx.sum = summary_values(in, chk);
    skrivs(run.ctx);
    return report_lines();
  }
};

const Lines kHead = {"", "    SKIVVERKAN", "    ----------",
                     "    SAMTIDIGT MED LASTER I LASTFALL 4 FÅR PROFILEN UTNYTTJAS FÖR",
                     "    SKIVVERKANSKRAFTER ENLIGT TABELL, DÄR"};

TEST(Skrivs, AllowableStressHeaderAndOneSpan) {
  Summary s(1);
  s.chk.skivstod(4, 1) = 3.14f;
  s.chk.skivstod(4, 2) = 12.06f;
  s.chk.skivfalt(4, 1) = 7.77f;
  s.chk.skivstod(1, 1) = 99.0f;  // other load cases are not shown
  Lines want = kHead;
  for (const char* l : {"    VUS = TILLÅTEN SKJUVKRAFT (KN/M) MELLAN UPPLAG OCH PLÅT",
                        "    VUF = TILLÅTEN SKIVKRAFT (KN/M) I TAKSKIVAN",
                        "    ÄNDUPPLAGEN ÄR EJ LÅSTA MHT FÖRSKJUTNING I SIDLED.", "",
                        "    FACK  NR      1", "    VUS      3.1  12.1", "    VUF          7.8"})
    want.push_back(l);
  EXPECT_EQ(s.lines(), want);
}

TEST(Skrivs, DesignForceHeaderAndLockedEndsLimitedToOne) {
  Summary s(1);
  s.in.sakkl = 2;
  s.chk.lasfl = 3;
  Lines want = kHead;
  for (const char* l :
       {"    VUS = SKJUVKRAFT (KN/M) MELLAN UPPLAG OCH PLÅT AV VINDLAST",
        "          MULT. MED PARTIALKOEFFICIENTEN.",
        "    VUF = SKIVKRAFT (KN/M) I TAKSKIVAN AV VINDLAST MULT. MED",
        "          PARTIALKOEFFICIENTEN.", "    ÄNDUPPLAGEN ÄR LÅSTA    MHT FÖRSKJUTNING I SIDLED.",
        "", "    FACK  NR      1", "    VUS      0.0   0.0", "    VUF          0.0"})
    want.push_back(l);
  EXPECT_EQ(s.lines(), want);
  // The summary prints and keeps the locking as 1; the check result stays.
  EXPECT_EQ(s.run.ctx.sum.lasfl, 1);
  EXPECT_EQ(s.chk.lasfl, 3);
}

TEST(Skrivs, RowsOfEightAndNineContinueOnlyWhenValuesRemain) {
  for (int n : {8, 9}) {
    Summary s(n);
    for (int i = 1; i <= n + 1; ++i) s.chk.skivstod(4, i) = 1.5f * static_cast<float>(i);
    for (int j = 1; j <= n; ++j) s.chk.skivfalt(4, j) = 10.0f + 0.3f * static_cast<float>(j);
    const Lines l = s.lines();
    const Lines rows(l.begin() + 9, l.end());
    Lines want = {"    FACK  NR      1     2     3     4     5     6     7     8"};
    if (n == 9) want.push_back(std::string(19, ' ') + "   9");
    want.push_back("    VUS      1.5   3.0   4.5   6.0   7.5   9.0  10.5  12.0  13.5");
    if (n == 9) want.push_back(std::string(18, ' ') + " 15.0");
    want.push_back("    VUF         10.3  10.6  10.9  11.2  11.5  11.8  12.1  12.4");
    if (n == 9) want.push_back(std::string(21, ' ') + "  12.7");
    EXPECT_EQ(rows, want) << n;
  }
}

TEST(Skrivs, VexRoofGetsTheBandSpacings) {
  Summary s(1);
  s.in.vextak = 1;
  s.chk.bandavst1 = 1.8f;
  s.chk.bandavst2 = 0.956f;
  const Lines l = s.lines();
  const Lines bands(l.end() - 8, l.end());
  EXPECT_EQ(bands, (Lines{"", "    VEX INFÄSTNINGSBAND", "    -------------------",
                          "    MED HÄNSYN TILL DEN BÄRANDE PROFILEN FÅR VEX-BANDEN PLACERAS",
                          "    PÅ AVSTÅND HÖGST = 1.80 M. MED AVVÄXLINGSBALK OCH",
                          "    PÅ AVSTÅND HÖGST = 0.96 M. UTAN AVVÄXLINGSBALK",
                          "    AVSTÅNDEN MÅSTE OCKSÅ KONTROLLERAS MED HÄNSYN TILL SKRUVAR",
                          "    OCH WRS48-PROFIL, SE VEX - RAPPORT"}));
}

}  // namespace
}  // namespace kvop
