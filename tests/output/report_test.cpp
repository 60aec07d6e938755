// What the checks write into the report: the profile header, page control
// around the tables, the microband warning and the failure message; and the
// check results in the run account.
#include <gtest/gtest.h>

#include <algorithm>

#include "checks/check_fixture.h"
#include "output/checks_json.h"
#include "driver/dimen.h"
#include "output/skrivp.h"
#include "core/cp1252.h"
#include "output/diaphragm_json.h"
#include "test_support.h"

namespace kvop {
namespace {

using test::CheckCase;
using test::ScratchDir;

struct Reported {
  ScratchDir dir;
  CheckCase c;
  explicit Reported(int nfack, const std::string& name = "TEST") : c(nfack, name) {
    EXPECT_TRUE(c.ctx.channels.report.open_write(dir.path() / "CASE.RED"));
  }
  std::vector<std::string> lines() {
    c.ctx.channels.report.close();
    return test::split_lines(dir.read("CASE.RED"));
  }
};

TEST(Skrivp, HeaderOfTheFirstProfile) {
  Reported r(2, "R820");
  r.c.in.pnamn(2).set("R820");
  r.c.in.sidoverl(1) = 0.25f;
  skrivp(r.c.ctx, 1);
  EXPECT_EQ(r.lines(),
            (std::vector<std::string>{
                "", "    UTDATA", "    ******", "", "",
                enc("    PROFIL: R820      EJ LÅSTA TJOCKLEKAR    EXTRA SIDÖVERLAPP: 0.25"),
                "                      BF MOT REGEL           EJ PERF.    "}));
}

TEST(Skrivp, LockedMicrobandAndFullyPerforatedAfterPass1) {
  Reported r(2, "R820P");
  InputCase& in = r.c.in;
  in.tjlk(1) = 0.7f;
  in.mikroband = 1;
  in.vandr(2) = 1;  // profile 2 of the list
  in.perfo(2) = 1;  // h = 0.045 m steel: becomes fully perforated in pass 1
  dimen(r.c.ctx, 2, 1);
  dimen(r.c.ctx, 2, 2);
  const std::vector<std::string> l = r.lines();
  ASSERT_GE(l.size(), 5u);
  EXPECT_EQ(l[0], "");  // a later profile: no banner
  EXPECT_EQ(l[2], enc("    PROFIL: R820P     LÅSTA TJOCKLEKAR       EXTRA SIDÖVERLAPP: 0.00"));
  EXPECT_EQ(l[3], "    MED MIKROBAND     SF MOT REGEL           HEL PERF.   ");
}

TEST(Dimen, Pass1WritesNothing) {
  Reported r(2);
  r.c.in.utskr = 1;
  r.c.an.mfalt(1, 1) = 9.0f;
  dimen(r.c.ctx, 1, 1);
  EXPECT_TRUE(r.lines().empty());
  EXPECT_TRUE(r.c.chk.failed);
}

TEST(Dimen, PageControlAroundTheHeaderAndTheTables) {
  // Eight spans: the header and a table need 27 + 16 lines, a table 25 + 16.
  Reported r(8);
  r.c.in.utskr = 1;
  r.c.ctx.page.radnr = 40;
  dimen(r.c.ctx, 1, 2);
  // 40 + 43 >= 68: page mark, header, radnr 7.  Load case 1: 7 + 41 = 48;
  // load cases 2, 3, 4 each start a page (48 + 41, then 41 + 41): radnr 41.
  // After load case 4: 41 + 16 <= 68, no mark.
  // The page marks among the header and the tables' first lines:
  std::vector<std::string> marks;
  for (const std::string& line : r.lines())
    if (line == "^" || line == "    UTDATA" || line.rfind("    LASTFALL", 0) == 0)
      marks.push_back(line.substr(0, 14));
  EXPECT_EQ(marks,
            (std::vector<std::string>{"^", "    UTDATA", "    LASTFALL 1", "^", "    LASTFALL 2",
                                      "^", "    LASTFALL 3", "^", "    LASTFALL 4"}));
  EXPECT_EQ(r.c.ctx.page.radnr, 41);
}

TEST(Dimen, ShortReportEndsTheProfileWithAPageMark) {
  Reported r(2);
  r.c.in.utskr = 0;
  r.c.ctx.page.radnr = 60;
  dimen(r.c.ctx, 1, 2);
  // The header, the graphical summary (no page mark of its own for two
  // spans), then the page mark that closes the profile.
  const std::vector<std::string> l = r.lines();
  ASSERT_GT(l.size(), 8u);
  EXPECT_EQ(l[1], "    UTDATA");
  EXPECT_EQ(l[7], "");
  EXPECT_EQ(l[8].substr(0, 12), std::string(12, ' '));  // the drawing of the sheet
  EXPECT_EQ(std::count(l.begin(), l.end(), "^"), 1);
  EXPECT_EQ(l.back(), "^");
  EXPECT_EQ(r.c.ctx.page.radnr, 60);
}

TEST(Dim1, MicrobandWarningAndFailureMessage) {
  Reported r(2, "R820M");
  r.c.in.sidoverl(1) = 0.2f;
  r.c.an.mfalt(1, 1) = 9.0f;
  dimen(r.c.ctx, 1, 2);
  const std::vector<std::string> l = r.lines();
  const std::vector<std::string> tail(l.end() - 7, l.end());
  EXPECT_EQ(tail,
            (std::vector<std::string>{"", enc("    OBS! DET INNEBÄR VISSA SVÅRIGHETER ATT MONTERA"),
                                      enc("         MIKROBAND OCH EXTRA SIDÖVERLAPP !!"), "", "",
                                      "    OBS!! PROFILEN KLARAR SIG EJ !", "^"}));
}

TEST(Dim1, NoWarningForASmallSideLapOrOtherProfiles) {
  for (auto [name, lap] : {std::pair{"R820M", 0.1f}, std::pair{"R820", 0.5f}}) {
    Reported r(2, name);
    r.c.in.sidoverl(1) = lap;
    dimen(r.c.ctx, 1, 2);
    const std::vector<std::string> l = r.lines();
    for (const std::string& line : l) {
      EXPECT_EQ(line.find("MIKROBAND"), std::string::npos) << name;
      EXPECT_EQ(line.find("OBS!"), std::string::npos) << name;
    }
    EXPECT_EQ(l.back(), "^") << name;
  }
}

TEST(ChecksJson, EmptyUntilCheckedThenEveryResult) {
  CheckCase c(3);
  EXPECT_EQ(checks_to_json(c.ctx), nlohmann::json::object());
  EXPECT_EQ(diaphragm_to_json(c.ctx), nlohmann::json::object());
  c.an.reakt(1, 2) = 1.0f;
  c.an.mstod(1, 2) = -2.5f;
  dimen(c.ctx, 1, 1);
  const nlohmann::json j = nlohmann::json::parse(checks_to_json(c.ctx).dump());
  auto f = [](const nlohmann::json& v) { return static_cast<float>(v.get<double>()); };
  ASSERT_EQ(j["KVOTS"].size(), 4u);
  EXPECT_EQ(j["KVOTS"][0].size(), 4u);
  EXPECT_EQ(j["KVOTF"][3].size(), 3u);
  EXPECT_EQ(j["nedbkons"][1].size(), 2u);
  EXPECT_EQ(j["skivstod"][0].size(), 4u);
  EXPECT_EQ(j["skivfalt"][0].size(), 3u);
  EXPECT_EQ(j["tjix"].size(), 20u);
  EXPECT_EQ(j["tjix"][0], (nlohmann::json{3, 3, 3, 3}));
  EXPECT_EQ(f(j["KVOTS"][0][1]), c.chk.KVOTS(1, 2));
  EXPECT_EQ(f(j["plattj"][2]), c.ctx.prof.per_thickness(1, 3));
  EXPECT_EQ(j["styvkvot"].size(), 3u);
  EXPECT_EQ(j["failed"], false);
  EXPECT_EQ(j["over"], false);
  EXPECT_EQ(j["lasfl"], 0);
  EXPECT_TRUE(j.contains("bandavst1") && j.contains("bandavst2"));
  const nlohmann::json d = diaphragm_to_json(c.ctx);
  EXPECT_EQ(d["vansk"].size(), 4u);
  EXPECT_EQ(d["hosk"].size(), 3u);
  EXPECT_EQ(f(d["plangd"][2]), 15.6f);  // 0.3 + 3*5 + 0.3
}

}  // namespace
}  // namespace kvop
