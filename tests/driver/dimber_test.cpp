// The dimensioning driver (both analysis passes, the page mark) and the
// analysis part of the run account.
#include "driver/dimber.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis_json.h"
#include "analysis/krdef.h"
#include "core/cp1252.h"
#include "driver/inkvop.h"
#include "profiles/profile_test_support.h"
#include "test_support.h"

namespace kvop {
namespace {

using test::ScratchDir;
using test::TestRun;

struct Driver {
  ScratchDir dir;
  TestRun run{dir.path()};

  Driver() {
    blkdat(run.ctx.in);
    std::filesystem::create_directory(dir.path() / "bin");
    dir.write("BRASKO.INI", "bin\r\n");
    dir.write("bin/PROFILKV.BIN", test::db_bytes({test::sample_profile("R820")}));
    EXPECT_TRUE(run.ctx.channels.report.open_write(dir.path() / "CASE.RED"));
  }
  std::string report() {
    run.ctx.channels.report.close();
    return dir.read("CASE.RED");
  }
};

TEST(Dimber, NoProfileWritesOnlyThePageMark) {
  Driver d;
  d.run.ctx.in.nprof = 0;
  d.run.ctx.in.utskr = 1;
  EXPECT_EQ(dimber(d.run.ctx), 0);
  EXPECT_FALSE(d.run.ctx.an.analysed);
  EXPECT_EQ(d.report(), "^\n");
}

TEST(Dimber, BothPassesRunAndSelfWeightIsConvertedOnce) {
  for (int utskr : {0, 1}) {
    Driver d;
    InputCase& in = d.run.ctx.in;
    in.nprof = 1;
    in.pnamn(1).set("R820");
    in.utskr = utskr;
    in.taklutn = 30.0f;
    in.egentyngd = 0.5f;
    in.konsv = in.konsh = 0.3f;
    EXPECT_EQ(dimber(d.run.ctx), 0) << d.run.err.str();
    EXPECT_EQ(d.run.ctx.an.pass, 2);  // the second pass left the results
    EXPECT_NEAR(in.egentyngd, 0.5 * std::cos(30 * 3.14159 / 180), 1e-6);
    EXPECT_EQ(d.run.ctx.chk.styvkvot(2), 1.0f);
    EXPECT_LT(d.run.ctx.an.mstod(1, 2), 0.0f);
    // The profile header of pass 2.  Paged: the tables of load cases 1 and
    // 2 take 22 + 2*3 lines each, load case 3 starts a page, and after load
    // case 4 (56 + 16 > 68) and at the end come page marks.  Unpaged: the
    // page mark closing the profile.
    const std::string header = test::join_lines(
        {"", "    UTDATA", "    ******", "", "", enc("    PROFIL:           EJ LÅSTA TJOCKLEKAR    EXTRA SIDÖVERLAPP: 0.00"),
         "                      SF MOT REGEL           EJ PERF.    "});
    EXPECT_EQ(d.report(), header + (utskr == 1 ? "^\n^\n^\n" : "^\n"));
  }
}

TEST(AnalysisJson, EmptyUntilAnalysedThenTheResultsAsStored) {
  // The layout of the account is fixed by the golden runs; here: nothing
  // before the analysis, and every 32-bit result reads back unchanged.
  RunContext ctx;
  blkdat(ctx.in);
  ctx.in.nfack = 2;
  ctx.in.konsv = ctx.in.konsh = 0.3f;
  EXPECT_EQ(analysis_to_json(ctx), nlohmann::json::object());
  krdef(ctx, 1, 1);
  const nlohmann::json a = nlohmann::json::parse(analysis_to_json(ctx).dump());
  auto f = [](const nlohmann::json& v) { return static_cast<float>(v.get<double>()); };
  for (int lc = 1; lc <= 4; ++lc)
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(f(a["mstod"][lc - 1][i - 1]), ctx.an.mstod(lc, i));
}

}  // namespace
}  // namespace kvop
