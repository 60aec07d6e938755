// The run account of a whole run: what it lists must let a reader recompute
// the analysis it reports.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "analysis/krdef.h"
#include "driver/kvopwb.h"
#include "driver/run_json.h"
#include "test_support.h"

namespace kvop {
namespace {

namespace fs = std::filesystem;

// Three spans of 4.41, 3.06 and 2.59 m of R820M, Danish market: the checks
// of pass 1 choose thicknesses that the checks of pass 2 change, so the
// stiffnesses the second analysis used differ from those its checks leave.
const char* const kCase =
    "STYV3\n"
    "TAK 3 FACK, DANMARK, TJOCKLEKAR ANDRAS MELLAN PASSERNA\n"
    " 5\n"
    " 0\n"
    " 0\n"
    " 3\n"
    "  4.413  3.060  2.586\n"
    " 0\n"
    "  0  0  0  0\n"
    "  3  0  0  0\n"
    "  0  0  0  0\n"
    "  0  0  0  0\n"
    "  2  0  0  0\n"
    "0.10\n"
    "0\n"
    "0.10\n"
    "1\n"
    " 5.99 10.10  6.00  8.12 \n"
    " 0.10  0.10  0.10  0.10 \n"
    "0.69\n"
    "1.7\n"
    "0.80\n"
    "3.2\n"
    "7.4\n"
    "1.6\n"
    "0.0\n"
    "0\n"
    "1.2\n"
    "0\n"
    "0\n"
    "0\n"
    "0\n"
    "  0  0.000  0.000  0.000  0.000\n"
    "  0  0.000  0.000  0.000  0.000\n"
    "  0  0.000  0.000  0.000  0.000\n"
    "  0  0.000  0.000  0.000  0.000\n"
    "  0  0.000  0.000  0.000  0.000\n"
    " 2\n"
    " 0\n"
    "10000.0\n"
    "10.0\n"
    " 1\n"
    "0.32\n"
    "1.20\n"
    "0.30\n"
    "90.5\n"
    " 1\n"
    "0.7\n"
    "0.4\n"
    "0.3\n"
    "0.2\n"
    "R820M\n"
    "0\n"
    "0\n"
    " 1\n"
    " 2\n"
    " 2\n"
    " 1\n"
    "27.35\n"
    "9\n"
    "9\n"
    "7\n"
    "2.19\n"
    "4\n"
    "4\n"
    "9.72\n"
    "20.07\n"
    "27.69\n"
    "20.64\n"
    "23.53\n"
    "25.64\n"
    "SKIVTEXT 1 FOR G0251\n"
    "SKIVTEXT 2 FOR G0251\n"
    "SKIVTEXT 3 FOR G0251\n"
    "SKIVTEXT 4 FOR G0251\n"
    "SKIVTEXT 5 FOR G0251\n";

TEST(RunAccount, AnalysisListsTheStiffnessesItsMomentsWereComputedWith) {
  test::ScratchDir dir;
  dir.write("~indata~.tmp", kCase);
  dir.write("BRASKO.INI", (fs::path(KVOP_BINARY_DIR) / "bin").string() + "\r\n");
  test::TestRun run(dir.path());
  RunContext& ctx = run.ctx;
  const int rc = kvopwb(ctx);
  ASSERT_EQ(rc, kExitOk) << run.err.str();
  const nlohmann::json account = run_to_json(ctx, rc);
  const auto& used = account["analysis"]["styvkvot"];
  const auto& set = account["checks"]["styvkvot"];
  ASSERT_EQ(used.size(), 3u);
  EXPECT_NE(used, set) << "this case no longer changes its thicknesses between the passes";

  // Analysing again with the listed stiffnesses gives the listed moments to
  // the last bit; with the stiffnesses the checks left it would not.
  const auto moments = [&] {
    std::vector<float> m;
    for (int lc = 1; lc <= 4; ++lc)
      for (int i = 1; i <= 4; ++i) m.push_back(ctx.an.mstod(lc, i));
    return m;
  };
  const std::vector<float> listed = moments();
  const auto reanalyse = [&](const nlohmann::json& styv) {
    for (int j = 1; j <= 3; ++j) ctx.chk.styvkvot(j) = styv[static_cast<std::size_t>(j - 1)].get<float>();
    krdef(ctx, 2);
    return moments();
  };
  EXPECT_EQ(reanalyse(used), listed);
  EXPECT_NE(reanalyse(set), listed);
}

}  // namespace
}  // namespace kvop
