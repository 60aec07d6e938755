// Whole runs compared byte for byte with reviewed files: both examples and a
// case of every other market go through the main routine with a fixed clock
// against the delivered profile database, and the complete report and the
// complete run account must equal tests/golden/<case>.RED and <case>.json.
//
// A change that is meant to change the output regenerates the files with
//   KVOP_REGENERATE_GOLDEN=1 ctest --test-dir build -R Golden
// after which the differences are reviewed (git diff tests/golden) before
// they are committed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "driver/kvopwb.h"
#include "driver/run_json.h"
#include "test_support.h"

namespace kvop {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = KVOP_SOURCE_DIR;
const fs::path kGolden = kSource / "tests" / "golden";

std::string read_file(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void write_file(const fs::path& p, const std::string& bytes) {
  std::ofstream f(p, std::ios::binary);
  f << bytes;
}

bool regenerating() {
  const char* v = std::getenv("KVOP_REGENERATE_GOLDEN");
  return v != nullptr && std::string(v) == "1";
}

// Runs the case file in a fresh working directory and compares (or, when
// regenerating, rewrites) the report and the account of the run.
void compare_run(const fs::path& case_file, const std::string& name) {
  SCOPED_TRACE(name);
  test::ScratchDir dir;
  dir.write("~indata~.tmp", read_file(case_file));
  dir.write("BRASKO.INI", (fs::path(KVOP_BINARY_DIR) / "bin").string() + "\r\n");
  test::TestRun run(dir.path());
  const int rc = kvopwb(run.ctx);
  ASSERT_EQ(rc, kExitOk) << run.err.str();
  const std::string report = dir.read(name + ".RED");
  nlohmann::json account_json = run_to_json(run.ctx, rc);
  // The account names the database the run opened: the build's own, as an
  // absolute path.  That path differs between checkouts, so the reviewed
  // file holds a fixed stand-in for it.
  EXPECT_EQ(account_json["database"].get<std::string>(),
            fs::canonical(fs::path(KVOP_BINARY_DIR) / "bin" / "PROFILKV.BIN").string());
  account_json["database"] = "<build>/bin/PROFILKV.BIN";
  const std::string account = account_json.dump(1) + "\n";

  const fs::path red = kGolden / (name + ".RED"), json = kGolden / (name + ".json");
  if (regenerating()) {
    write_file(red, report);
    write_file(json, account);
    return;
  }
  ASSERT_TRUE(fs::exists(red)) << red << " missing: regenerate with KVOP_REGENERATE_GOLDEN=1";
  const std::vector<std::string> want = test::split_lines(read_file(red));
  const std::vector<std::string> got = test::split_lines(report);
  // Line by line first, so that a failure names the line that differs.
  for (std::size_t i = 0; i < std::min(want.size(), got.size()); ++i)
    ASSERT_EQ(got[i], want[i]) << name << ".RED line " << i + 1;
  EXPECT_EQ(report, read_file(red)) << name << ".RED differs in its length or line ends";
  EXPECT_EQ(account, read_file(json)) << name << ".json differs";
}

TEST(Golden, ExampleRoofTak1) { compare_run(kSource / "examples" / "TAK1.IND", "TAK1"); }
TEST(Golden, ExampleWallVagg1) { compare_run(kSource / "examples" / "VAGG1.IND", "VAGG1"); }
TEST(Golden, PolishNonInsulatedRoofWithPocketAndEdgeZone) {
  compare_run(kGolden / "PL1.IND", "PL1");
}
TEST(Golden, NorwegianVexRoofWithLineLoadsAndDiaphragmData) {
  compare_run(kGolden / "NO1.IND", "NO1");
}
TEST(Golden, FinnishRoofWithLockedThicknessesAndRightDrift) {
  compare_run(kGolden / "FI1.IND", "FI1");
}
TEST(Golden, DanishWallWithDoubleOverlapAndHinge) { compare_run(kGolden / "DK1.IND", "DK1"); }

}  // namespace
}  // namespace kvop
