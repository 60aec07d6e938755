// The dimensioning driver (both analysis passes, the page mark) and the
// analysis part of the run account.
#include "driver/dimber.h"

#include <gtest/gtest.h>

#include <cmath>

#include "output/analysis_json.h"
#include "output/prepared_json.h"
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

  explicit Driver(const ProfileRecord& profile = test::sample_profile("R820")) {
    blkdat(run.ctx.in);
    std::filesystem::create_directory(dir.path() / "bin");
    dir.write("BRASKO.INI", "bin\r\n");
    dir.write("bin/PROFILKV.BIN", test::db_bytes({profile}));
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
    // The case stays as read; the analysis and the checks use the prepared
    // self weight on the slope.
    EXPECT_EQ(in.egentyngd, 0.5f);
    EXPECT_NEAR(d.run.ctx.prep.egentyngd, 0.5 * std::cos(30 * 3.14159 / 180), 1e-6);
    EXPECT_EQ(d.run.ctx.chk.styvkvot(2), 1.0f);
    EXPECT_LT(d.run.ctx.an.mstod(1, 2), 0.0f);
    // The profile header of pass 2 opens the profile's section; the
    // closing page mark ends it.
    const std::string header = test::join_lines(
        {"", "    UTDATA", "    ******", "", "",
         enc("    PROFIL:           EJ LÅSTA TJOCKLEKAR    EXTRA SIDÖVERLAPP: 0.00"),
         "                      SF MOT REGEL           EJ PERF.    "});
    const std::string report = d.report();
    EXPECT_EQ(report.substr(0, header.size()), header);
    EXPECT_EQ(report.substr(report.size() - 2), "^\n");
  }
}

// A profile of the own range whose walkable spans (1.01 m) every span of the
// default case exceeds.
ProfileRecord short_walk(int origin) {
  ProfileRecord p = test::sample_profile("R820");
  p.origin_code = origin;
  for (int t = 1; t <= 10; ++t) p.per_thickness(16, t) = p.per_thickness(19, t) = 0.0001f;
  return p;
}

TEST(Dimber, SummaryAndWalkabilityOnlyForRoofsOfTheOwnRange) {
  struct Case {
    int vagg, utskr, origin;
    bool summary, walk;
  };
  const Case cases[] = {
      {0, 1, 1, true, true},   {0, 0, 1, false, true},  {0, 2, 1, false, true},
      {0, 1, 2, false, false}, {1, 1, 1, false, false},
  };
  for (const Case& c : cases) {
    Driver d(short_walk(c.origin));
    InputCase& in = d.run.ctx.in;
    in.nprof = 1;
    in.pnamn(1).set("R820");
    in.vagg = c.vagg;
    in.utskr = c.utskr;
    in.konsv = in.konsh = 0.3f;
    const int status = dimber(d.run.ctx);
    const std::string report = d.report();
    EXPECT_EQ(report.find("    SKIVVERKAN\n") != std::string::npos, c.summary)
        << c.vagg << c.utskr << c.origin;
    const std::size_t walk = report.find(enc("    OBS!! GÅBARHETEN ÖVERSKRIDEN I FACK NR:  1\n"));
    EXPECT_EQ(walk != std::string::npos, c.walk) << c.vagg << c.utskr << c.origin;
    if (c.summary && c.walk) {
      EXPECT_LT(report.find("    SKIVVERKAN\n"), walk);
    }
    if (c.walk) {
      EXPECT_EQ(status, 0);
    }
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
  prepare_analysis(ctx.in, ctx.prep);
  krdef(ctx, 1);
  const nlohmann::json a = nlohmann::json::parse(analysis_to_json(ctx).dump());
  auto f = [](const nlohmann::json& v) { return static_cast<float>(v.get<double>()); };
  for (int lc = 1; lc <= 4; ++lc)
    for (int i = 1; i <= 3; ++i) EXPECT_EQ(f(a["mstod"][lc - 1][i - 1]), ctx.an.mstod(lc, i));
  // The section values: per load case, the spans of the case, 11 sections.
  ASSERT_EQ(a["snittmom"].size(), 4u);
  for (int lc = 1; lc <= 4; ++lc) {
    ASSERT_EQ(a["snittmom"][lc - 1].size(), 2u);
    ASSERT_EQ(a["snittnedb"][lc - 1].size(), 2u);
    for (int j = 1; j <= 2; ++j)
      for (int k = 1; k <= 11; ++k) {
        EXPECT_EQ(f(a["snittmom"][lc - 1][j - 1][k - 1]), ctx.an.snittmom(lc)(j, k));
        EXPECT_EQ(f(a["snittnedb"][lc - 1][j - 1][k - 1]), ctx.an.snittnedb(lc)(j, k));
      }
  }
}

TEST(PreparedValues, AnalysisUsesThemAndLeavesTheCaseAsRead) {
  // A sloping roof with a line load beyond its span: the case part keeps the
  // self weight and the position as read, the prepared part shows the values
  // the analysis used.
  RunContext ctx;
  blkdat(ctx.in);
  ctx.in.nfack = 2;
  ctx.in.konsv = ctx.in.konsh = 0.3f;
  ctx.in.taklutn = 60.0f;
  ctx.in.egentyngd = 0.5f;
  ctx.in.nlinj = 1;
  ctx.in.linjfack(1) = 1;
  ctx.in.linjlast(1).linjavst = 7.5f;
  prepare_analysis(ctx.in, ctx.prep);
  krdef(ctx, 1);
  const nlohmann::json p = nlohmann::json::parse(prepared_to_json(ctx).dump());
  EXPECT_NEAR(p["egentyngd"].get<double>(), 0.25, 1e-5);  // cos 60 = 0.5
  EXPECT_EQ(p["linjfack"], nlohmann::json::array({2}));
  EXPECT_NEAR(p["linjavst"][0].get<double>(), 1.5, 1e-6);  // default spans of 6 m
  EXPECT_EQ(ctx.in.egentyngd, 0.5f);
  EXPECT_EQ(ctx.in.linjfack(1), 1);
  EXPECT_EQ(ctx.in.linjlast(1).linjavst, 7.5f);
}

}  // namespace
}  // namespace kvop
