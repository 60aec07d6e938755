// The main routine: the order of the steps, the stop at the first failing
// step with its exit status, the files it leaves, and the page counter radnr
// that it sets for the lines of the input echo.
#include "driver/kvopwb.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "output/page_control.h"
#include "driver/run_json.h"
#include "core/cp1252.h"
#include "test_support.h"

namespace kvop {
namespace {

using test::ScratchDir;
using test::TestRun;

// The lines of an example case file.
std::vector<std::string> example(const std::string& name) {
  std::ifstream f(std::filesystem::path(KVOP_SOURCE_DIR) / "examples" / name, std::ios::binary);
  return test::split_lines({std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()});
}

// Lines of examples/TAK1.IND (0-based) that the tests change.
constexpr std::size_t kTrivlgd = 23, kTrihlgd = 25, kFickfack = 26, kFickform = 27,
                      kFickmaxlgd = 28, kFicklgd = 29, kFickavst = 30, kNlinj = 31, kLinjlast = 32,
                      kDesignation = 49, kUtskr = 54;

// The console text of a run: empty lines, then the progress banner.
std::string banner() {
  return std::string(14, '\n') + "                       BERÄKNING PÅGÅR ............. \n";
}

struct EngineRun {
  ScratchDir dir;
  TestRun run{dir.path()};
  int rc = -1;

  // The case goes in as ~indata~.tmp; BRASKO.INI names the delivered
  // database unless `database` is false.
  explicit EngineRun(const std::vector<std::string>& case_lines, bool database = true) {
    dir.write("~indata~.tmp", test::join_lines(case_lines));
    if (database)
      dir.write("BRASKO.INI", (std::filesystem::path(KVOP_BINARY_DIR) / "bin").string() + "\n");
  }
  EngineRun& go() {
    rc = kvopwb(run.ctx);
    return *this;
  }
  std::string err() const { return cp1252::from_utf8(run.err.str()); }
  // The report as the process end leaves it: a failed run leaves it open.
  std::string report() {
    run.ctx.channels.report.close();
    return dir.read("TAK1.RED");
  }
};

TEST(Kvopwb, ProgressTextFirstThenEveryStepInOrder) {
  EngineRun r(example("TAK1.IND"));
  r.go();
  ASSERT_EQ(r.rc, kExitOk) << r.err();
  EXPECT_EQ(r.run.out.str(), banner());
  EXPECT_EQ(r.run.err.str(), "");
  const std::string red = r.dir.read("TAK1.RED");
  // defork ran before the echo: the default limit 150 of an insulated roof
  // is printed; the long report ends with the page mark of dimber.
  EXPECT_NE(red.find(enc("DEFORMATIONSKRAV: SPÄNNVIDD/  150.000")), std::string::npos) << red;
  EXPECT_EQ(red.substr(red.size() - 2), "^\n");
  // inledn left the cantilevers as given (both 0.3 m); both analysis passes ran.
  EXPECT_FLOAT_EQ(r.run.ctx.in.konsv, 0.3f);
  EXPECT_EQ(r.run.ctx.an.pass, 2);
  // The main routine closed every file.
  for (const Channel* ch : {&r.run.ctx.channels.input, &r.run.ctx.channels.database,
                            &r.run.ctx.channels.report, &r.run.ctx.channels.exchange})
    EXPECT_FALSE(ch->is_open());
  EXPECT_FALSE(r.dir.exists("SKIVA.INS"));
}

// A console stream that keeps what had been written when it was flushed.
class FlushRecorder : public std::stringbuf {
 public:
  std::vector<std::string> flushed;

 protected:
  int sync() override {
    flushed.push_back(str());
    return 0;
  }
};

TEST(Kvopwb, ProgressTextIsPassedOnBeforeTheCaseIsRead) {
  // No case file: the run stops at the reader, after the banner was shown.
  ScratchDir dir;
  TestRun run{dir.path()};
  FlushRecorder buf;
  std::ostream console(&buf);
  run.ctx.console.out = &console;
  EXPECT_EQ(kvopwb(run.ctx), kExitInput);
  ASSERT_FALSE(buf.flushed.empty());
  EXPECT_EQ(buf.flushed.front(), banner());
}

TEST(Kvopwb, ALowProfileIsFullyPerforatedForEveryStepAfterTheChecks) {
  // R45 is 45 mm of steel: a partly perforated R45 counts as fully
  // perforated from the first check pass on.  The case keeps the code it
  // was read with; the header, the walkability notice and the account's
  // prepared values show the code the checks used.
  std::vector<std::string> lines = example("TAK1.IND");
  lines[kDesignation] = "R45";
  lines[kUtskr - 1] = " 1";  // perfo(1)
  EngineRun r(lines);
  r.go();
  ASSERT_EQ(r.rc, kExitOk) << r.err();
  EXPECT_EQ(r.run.ctx.in.perfo(1), 1);
  EXPECT_EQ(r.run.ctx.prep.perfo(1), 2);
  const std::string red = r.report();
  EXPECT_NE(red.find("HEL PERF."), std::string::npos);
  EXPECT_EQ(red.find("DEL PERF."), std::string::npos);
  ASSERT_EQ(r.run.ctx.prof.origin_code, 1);  // the own range: walkability is judged
  EXPECT_NE(red.find(enc("GÅBARHETEN FÖR HELPERFORERAD PROFIL ÄR EJ KONTROLLERAD,")),
            std::string::npos);
  const nlohmann::json account = run_to_json(r.run.ctx, r.rc);
  EXPECT_EQ(account["case"]["perfo"][0], 1);
  EXPECT_EQ(account["prepared"]["perfo"][0], 2);
}

TEST(Kvopwb, MissingCantileverIsPreparedBeforeTheAnalysis) {
  std::vector<std::string> lines = example("TAK1.IND");
  lines[13] = "0";  // konsv
  EngineRun r(lines);
  r.go();
  ASSERT_EQ(r.rc, kExitOk) << r.err();
  EXPECT_FLOAT_EQ(r.run.ctx.in.konsv, 0.05f);  // half the support width 0.10
  EXPECT_EQ(r.run.ctx.in.skarvtyp(1), 1);
  // The analysis saw the short cantilever: M(1) = -q a^2/2 of load case 2
  // is tiny.
  EXPECT_GT(r.run.ctx.an.mstod(2, 1), -0.01f);
}

TEST(Kvopwb, UnreadableInputStopsBeforeAnyReport) {
  EngineRun missing({}, true);
  std::filesystem::remove(missing.dir.path() / "~indata~.tmp");
  missing.go();
  EXPECT_EQ(missing.rc, kExitInput);
  EXPECT_NE(missing.err().find("~INDATA~.TMP"), std::string::npos);

  std::vector<std::string> cut = example("TAK1.IND");
  cut.resize(20);
  EngineRun early(cut);
  early.go();
  EXPECT_EQ(early.rc, kExitInput);
  EXPECT_FALSE(early.dir.exists("TAK1.RED"));
  EXPECT_EQ(early.err().find("BRASKO"), std::string::npos);
}

TEST(Kvopwb, ReportThatCannotBeCreatedIsExitThreeAndNoLookup) {
  // Without BRASKO.INI a lookup would complain about it: it must not run.
  EngineRun r(example("TAK1.IND"), false);
  std::filesystem::create_directory(r.dir.path() / "TAK1.RED");
  r.go();
  EXPECT_EQ(r.rc, kExitReport);
  // The documented line, then the file and the system's reason.
  EXPECT_EQ(r.err(), enc(" *** FEL VID ÖPPNING AV FIL ***\n") +
                         "kvopwb: " + (r.dir.path() / "TAK1.RED").string() +
                         ": cannot create: a directory of that name is in the way\n");
  EXPECT_FALSE(r.run.ctx.an.analysed);
}

TEST(Kvopwb, FailedLookupIsExitOneAfterTheEcho) {
  {
    EngineRun r(example("TAK1.IND"), false);  // no BRASKO.INI
    r.go();
    EXPECT_EQ(r.rc, kExitDimensioning);
    const std::string red = r.report();
    EXPECT_EQ(red.rfind(std::string(56, ' ') + "INDATAFIL : TAK1", 0), 0u);
    EXPECT_EQ(red.find("^"), std::string::npos);  // dimber stopped before the page mark
    EXPECT_NE(r.err().find("BRASKO.INI"), std::string::npos);
    EXPECT_FALSE(r.run.ctx.an.analysed);
  }
  {
    std::vector<std::string> lines = example("TAK1.IND");
    lines[kDesignation] = "NOSUCH";
    EngineRun r(lines);
    r.go();
    EXPECT_EQ(r.rc, kExitDimensioning);
    EXPECT_NE(r.err().find(enc("    *******LÄSFEL")), std::string::npos) << r.err();
    EXPECT_FALSE(r.dir.exists("SKIVA.INS"));
  }
}

TEST(Kvopwb, RadnrCountsTheEchoLinesOfEveryCombination) {
  for (int utskr : {0, 1, 2})
    for (bool left : {false, true})
      for (bool right : {false, true})
        for (bool pocket : {false, true})
          for (int nlinj : {0, 1, 3, 5}) {
            std::vector<std::string> lines = example("TAK1.IND");
            lines[kUtskr] = " " + std::to_string(utskr);
            lines[kTrivlgd] = left ? "5.0" : "0.0";
            lines[kTrihlgd] = right ? "2.5" : "0.0";
            if (pocket) {
              lines[kFickfack] = "2";
              lines[kFickform] = "1.6";
              lines[kFickmaxlgd] = "0.5";
              lines[kFicklgd] = "2.0";
              lines[kFickavst] = "1.0";
            }
            lines[kNlinj] = std::to_string(nlinj);
            for (std::size_t k = 1; k < 5; ++k)
              lines[kLinjlast + k] = "  1  1.000  2.000  1.500  0.500";
            EngineRun r(lines);
            r.go();
            ASSERT_EQ(r.rc, kExitOk) << r.err();
            // 25 lines for a paged report, 22 otherwise; one per drift, three
            // for the pocket, the line loads with their two heading lines.
            int expected = utskr != 0 ? 25 : 22;
            expected += (left ? 1 : 0) + (right ? 1 : 0) + (pocket ? 3 : 0);
            expected += nlinj > 0 ? nlinj + 2 : 0;
            EXPECT_EQ(page::echo_lines(r.run.ctx.in), expected)
                << "utskr " << utskr << " drifts " << left << right << " pocket " << pocket
                << " nlinj " << nlinj;
            // The unpaged report leaves the counter as the echo set it; in a
            // paged one the result tables advance it (see below).
            if (utskr == 0) {
              EXPECT_EQ(r.run.ctx.page.radnr, expected);
            }
          }
}

TEST(Kvopwb, RadnrOfTheWorkedExampleAndOfAWall) {
  // utskr 1, both drifts, a pocket and 3 line loads: 25 + 1 + 1 + 3 + 5.
  std::vector<std::string> lines = example("TAK1.IND");
  lines[kTrihlgd] = "2.5";
  lines[kFickfack] = "3";
  lines[kFickform] = "2.0";
  lines[kFicklgd] = "1.0";
  lines[kNlinj] = "3";
  lines[kLinjlast + 1] = "  1  1.000  2.000  1.500  0.500";
  lines[kLinjlast + 2] = "  3  2.000  2.000  1.500  0.500";
  EngineRun roof(lines);
  roof.go();
  ASSERT_EQ(roof.rc, kExitOk) << roof.err();
  EXPECT_EQ(page::echo_lines(roof.run.ctx.in), 35);
  // Then the page control of the result tables, 22 + 2*3 lines each: the
  // profile header fits (35 + 24 + 6 < 68), load case 1 brings it to 63, load
  // case 2 starts a page (28), load case 3 gives 56, load case 4 starts a
  // page (28), and 28 + 16 lines of summary fit.
  EXPECT_EQ(roof.run.ctx.page.radnr, 28);

  EngineRun wall(example("VAGG1.IND"));  // a wall keeps the snow and line-load defaults
  wall.go();
  ASSERT_EQ(wall.rc, kExitOk) << wall.err();
  EXPECT_EQ(page::echo_lines(wall.run.ctx.in), 25);
  // Two spans, tables of 22 + 4 lines: 51, then a page (26), 52, a page (26).
  EXPECT_EQ(wall.run.ctx.page.radnr, 26);
}

}  // namespace
}  // namespace kvop
