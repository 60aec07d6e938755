// The dimensioning driver (both analysis passes, the page mark) and the
// analysis part of the run account.
#include "driver/dimber.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/analysis_json.h"
#include "analysis/krdef.h"
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
    EXPECT_TRUE(d.run.ctx.an.analysed);
    EXPECT_NEAR(in.egentyngd, 0.5 * std::cos(30 * 3.14159 / 180), 1e-6);
    EXPECT_EQ(d.run.ctx.chk.styvkvot(2), 1.0f);
    EXPECT_LT(d.run.ctx.an.mstod(1, 2), 0.0f);
    EXPECT_EQ(d.report(), utskr == 1 ? "^\n" : "");
  }
}

TEST(AnalysisJson, EmptyUntilAnalysedThenTheResultsAsStored) {
  RunContext ctx;
  blkdat(ctx.in);
  ctx.in.nfack = 2;
  ctx.in.konsv = ctx.in.konsh = 0.3f;
  EXPECT_EQ(analysis_to_json(ctx), nlohmann::json::object());
  krdef(ctx, 1, 1);
  const nlohmann::json a = nlohmann::json::parse(analysis_to_json(ctx).dump());
  auto f = [](const nlohmann::json& v) { return static_cast<float>(v.get<double>()); };
  EXPECT_EQ(a["bandix"], 1);
  EXPECT_EQ(f(a["xired"]), 0.89f);
  EXPECT_EQ(a["styvkvot"].size(), 2u);
  EXPECT_EQ(f(a["snittpos"][1][4]), ctx.an.snittpos(2, 5));
  for (const char* key : {"mstod", "reakt", "dskruv"}) EXPECT_EQ(a[key][3].size(), 3u) << key;
  for (const char* key : {"mfalt", "mfalt2", "nedbtal", "tvarv", "tvarh"})
    EXPECT_EQ(a[key][3].size(), 2u) << key;
  EXPECT_EQ(a["konstal"].size(), 4u);
  for (int lc = 1; lc <= 4; ++lc)
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(f(a["mstod"][lc - 1][i - 1]), ctx.an.mstod(lc, i));
}

}  // namespace
}  // namespace kvop
