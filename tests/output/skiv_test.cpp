// The diaphragm exchange file: every line of a two-span case, the
// continuation lines of 20 spans, replacing an old file and a file that
// cannot be created.  Expected lines are written from the file's layouts.
#include "output/skiv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "diaphragm/platbitar.h"
#include "driver/kvopwb.h"
#include "test_support.h"

namespace kvop {
namespace {

using Lines = std::vector<std::string>;

std::string padded(const std::string& s, std::size_t n) {
  return s + std::string(n - s.size(), ' ');
}

struct Exchange {
  test::ScratchDir dir;
  test::TestRun run{dir.path()};
  InputCase& in = run.ctx.in;
  AnalysisResults& an = run.ctx.an;
  CheckResults& chk = run.ctx.chk;

  Exchange() {
    in.skivnamn.set("SKIVA.INS");
    in.indnamn.set("TAK1.IND");
    in.rubrik.set("LAGERHALL");
    in.taktyp = 1;
    in.marknadskod = 1;
    in.kvottak = 0.5f;
    in.nfack = 2;
    in.spv(1) = 6.0f;
    in.spv(2) = 4.5f;
    in.pnamn(1).set("R820");
    in.vandr(1) = 1;
    in.iskiv = 1;
    in.taklutn = 3.6f;
    const float sd[] = {1.5f, 2, 1, 1200, 600, 3, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f};
    for (int k = 1; k <= 12; ++k) in.skivdata(k) = sd[k - 1];
    for (int k = 1; k <= 5; ++k) in.skivtext(k).set("RAD " + std::to_string(k));
    in.skarvtyp(1) = 1;
    in.skarvtyp(2) = 2;
    in.skarvtyp(3) = 1;
    for (int i = 1; i <= 3; ++i) in.upplbredd(i) = 0.1f;
    in.konsv = in.konsh = 0.05f;
    in.mbkonsh = 1;
    an.snittpos(2, 4) = 0.10f;  // the overlap reaches 0.45 m into span 2
    chk.plattj(1) = 0.7f;
    chk.plattj(2) = 0.85f;
  }
  // The sheet pieces and the perforation code, as the driver prepares them.
  void prepare() {
    run.ctx.prep.perfo = in.perfo;
    platbitar(in, an, run.ctx.dia);
  }
  Lines lines() {
    prepare();
    EXPECT_EQ(skiv(run.ctx), 0);
    run.ctx.channels.exchange.close();
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
      if (e.is_regular_file()) return test::split_lines(dir.read(e.path().filename().string()));
    return {};
  }
};

TEST(Skiv, EveryLineOfATwoSpanCase) {
  Exchange x;
  for (int lc : {1, 3, 4}) {
    const float base = static_cast<float>(lc);
    x.an.tvarv(lc, 1) = -base;
    x.an.tvarv(lc, 2) = -base - 0.25f;
    x.an.tvarh(lc, 1) = base + 0.5f;
    x.an.tvarh(lc, 2) = base + 0.75f;
    x.an.dskruv(lc, 2) = 0.125f * base;
    x.an.dskruv(lc, 3) = 99.0f;  // the last support carries no fastener force
  }
  x.chk.skivstod(4, 1) = 10.4f;
  x.chk.skivstod(4, 2) = 8.8f;
  x.chk.skivstod(4, 3) = 9.5f;
  x.chk.skivfalt(4, 1) = 5.9f;
  x.chk.skivfalt(4, 2) = 6.1f;
  x.chk.skivstod(3, 1) = 77.0f;  // only load case 4 is handed on
  EXPECT_EQ(x.lines(), (Lines{"TAK1.IND    ",
                              " 1",
                              " 1",
                              "  0.50",
                              " 2",
                              "  6.000  4.500",
                              "R820    ",
                              " 1",
                              " 1",
                              "  3.60",
                              "  1.50",
                              " 2",
                              " 1",
                              "  1200",
                              "   600",
                              " 3",
                              "  0.10",
                              "  0.20",
                              "  0.30",
                              "  0.40",
                              "  0.50",
                              "  0.60",
                              "  0.000  0.000",
                              "  0.000  0.000",
                              "  0.700  0.850",
                              " -3.000 -3.250",
                              "  3.500  3.750",
                              "  0.000  0.375  0.000",
                              " -4.000 -4.250",
                              "  4.500  4.750",
                              "  0.000  0.500  0.000",
                              " -1.000 -1.250",
                              "  1.500  1.750",
                              "  0.000  0.125  0.000",
                              " 10.400  8.800  9.500",
                              "  5.900  6.100",
                              "  6.500  4.600",  // 0.05 + 6 + 0.45 and 0.05 + 4.5 + 0.05
                              "  0.050  0.050  0.000",
                              padded("LAGERHALL", 80),
                              "  1  2  1",
                              "0.05",
                              " 0",
                              "0.05",
                              " 1",
                              " 0",
                              "0.00",
                              " 0",
                              padded("RAD 1", 80),
                              padded("RAD 2", 80),
                              padded("RAD 3", 80),
                              padded("RAD 4", 80),
                              padded("RAD 5", 80)}));
}

TEST(Skiv, CarriesThePerforationTheChecksUsed) {
  // A partly perforated profile too low for it is fully perforated for the
  // checks; the diaphragm program gets that code, not the case's.
  Exchange x;
  x.in.perfo(1) = 1;
  x.prepare();
  x.run.ctx.prep.perfo(1) = 2;
  EXPECT_EQ(skiv(x.run.ctx), 0);
  x.run.ctx.channels.exchange.close();
  const Lines l = test::split_lines(x.dir.read("SKIVA.INS"));
  ASSERT_EQ(l.size(), 52u);
  EXPECT_EQ(l[46], " 2");
  EXPECT_EQ(x.in.perfo(1), 1);
}

TEST(Skiv, SheetPiecesOfContinuousHingedAndGerberJoints) {
  Exchange x;
  x.in.nfack = 4;
  for (int j = 1; j <= 4; ++j) x.in.spv(j) = 5.0f;
  // KONT at 2, LED on a support 0.06 m wide at 3, GERBER at 4 with the hinge
  // 20 % (1 m) into span 4.
  x.in.skarvtyp(2) = 0;
  x.in.skarvtyp(3) = 1;
  x.in.upplbredd(3) = 0.06f;
  x.in.skarvtyp(4) = 4;
  x.an.snittpos(4, 4) = 0.20f;
  x.in.skarvtyp(5) = 1;
  x.in.upplbredd(5) = 0.1f;
  const Lines l = x.lines();
  ASSERT_EQ(l.size(), 52u);
  // Sheet 1 over spans 1 and 2: 0.05 + 5 + 0 + 5 + 0.05 (hinge piece, not
  // 0.03); sheet 2 in span 3 reaches 1.1 m into span 4; sheet 3 starts
  // 0.9 m after support 4.
  EXPECT_EQ(l[36], "  5.050 10.100  6.150  4.150");
  EXPECT_EQ(l[37], "  0.050  0.050  0.050 -0.900  0.000");
}

TEST(Skiv, SingleSpanAndOneSheetOverThreeSpans) {
  {  // No cantilevers: half the support width at both ends.
    Exchange x;
    x.in.nfack = 1;
    x.in.konsv = x.in.konsh = 0.0f;
    x.in.skarvtyp(2) = 1;
    x.in.kvottak = 10000.0f;  // no ridge ratio: too wide for F6.2
    const Lines l = x.lines();
    EXPECT_EQ(l[3], "******");
    EXPECT_EQ(l[36], "  6.100");
    EXPECT_EQ(l[37], "  0.050  0.000");
    EXPECT_EQ(l[22], "  0.000  0.000");
    EXPECT_EQ(l[23], "  0.000  0.000");
  }
  {  // KONT over both inner supports: one sheet from 0.3 m left of support 1
     // to 0.2 m right of support 4; every span's sheet begins at its start.
    Exchange x;
    x.in.nfack = 3;
    x.in.spv(2) = x.in.spv(3) = 5.0f;
    x.in.skarvtyp(2) = x.in.skarvtyp(3) = 0;
    x.in.konsv = 0.3f;
    x.in.konsh = 0.2f;
    const Lines l = x.lines();
    EXPECT_EQ(l[36], "  6.300 11.300 16.500");
    EXPECT_EQ(l[37], "  0.300  0.300  0.300  0.000");
  }
}

TEST(Skiv, TwentySpansContinueTheSupportListsOnASecondLine) {
  Exchange x;
  x.in.nfack = 20;
  for (int j = 1; j <= 20; ++j) x.in.spv(j) = 3.0f;
  for (int i = 1; i <= 21; ++i) {
    x.in.skarvtyp(i) = 0;
    x.in.upplbredd(i) = 0.1f;
    x.an.dskruv(3, i) = 1.0f;
  }
  x.in.skarvtyp(1) = x.in.skarvtyp(21) = 1;
  const Lines l = x.lines();
  ASSERT_EQ(l.size(), 56u);
  std::string threes, ones;
  for (int k = 0; k < 20; ++k) {
    threes += "  3.000";
    ones += "  1.000";
  }
  EXPECT_EQ(l[4], "20");
  EXPECT_EQ(l[5], threes);      // exactly 20 span values: one line
  EXPECT_EQ(l[27], ones);       // dskruv of load case 3 at supports 1..20 ...
  EXPECT_EQ(l[28], "  0.000");  // ... and the last support on its own line
  // Each list of 21 support values ends on a line of its own, so the later
  // lines move down: load cases 4 and 1, the reserves (21 values on one
  // line), vansk and the joint types (21 values of I3).
  EXPECT_EQ(l[32], "  0.000");
  EXPECT_EQ(l[36], "  0.000");
  EXPECT_EQ(l[37].size(), 21u * 7u);
  EXPECT_EQ(l[41], "  0.000");
  EXPECT_EQ(l[43].size(), 63u);
  EXPECT_EQ(l[55], padded("RAD 5", 80));
}

TEST(Skiv, AnOldFileIsReplacedCompletely) {
  Exchange x;
  std::string old;
  for (int k = 0; k < 100; ++k) old += "GAMMAL RAD\r\n";
  x.dir.write("skiva.ins", old);
  const Lines l = x.lines();
  EXPECT_EQ(l.size(), 52u);
  EXPECT_EQ(l[0], "TAK1.IND    ");
  int files = 0;
  for (const auto& e : std::filesystem::directory_iterator(x.dir.path()))
    files += e.is_regular_file();
  EXPECT_EQ(files, 1);  // replaced, not doubled
}

TEST(Skiv, AFileThatCannotBeCreatedIsReportedAndTheRunGoesOn) {
  Exchange x;
  // A directory of that name: the file can be neither deleted nor created.
  std::filesystem::create_directory(x.dir.path() / "SKIVA.INS");
  x.prepare();
  EXPECT_EQ(skiv(x.run.ctx), 0);
  EXPECT_FALSE(x.run.ctx.channels.exchange.is_open());
  const std::string err = x.run.err.str();
  EXPECT_NE(err.find("*** FEL VID ÖPPNING AV FIL ***"), std::string::npos) << err;
  EXPECT_NE(err.find("SKIVA.INS KAN EJ SKAPAS I " + x.dir.path().string()), std::string::npos)
      << err;
  EXPECT_NE(err.find("a directory of that name is in the way"), std::string::npos) << err;
}

// The shipped roof case asking for the diaphragm file: its last record
// becomes iskiv = 1, followed by the thirteen diaphragm values and five texts.
std::string diaphragm_case() {
  std::string text;
  {
    std::ifstream f(std::filesystem::path(KVOP_SOURCE_DIR) / "examples" / "TAK1.IND",
                    std::ios::binary);
    text.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  }
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  EXPECT_EQ(text.substr(text.size() - 2), " 2");
  text.replace(text.size() - 2, 2, " 1");
  for (const char* d :
       {"1.5", "2", "1", "1200", "0", "600", "3", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6"})
    text += std::string("\n") + d;
  for (int t = 1; t <= 5; ++t) text += "\nTEXT " + std::to_string(t);
  return text + "\n";
}

TEST(Skiv, EngineRunWritesTheFileOrGoesOnWithoutIt) {
  for (bool blocked : {false, true}) {
    test::ScratchDir dir;
    dir.write("~indata~.tmp", diaphragm_case());
    dir.write("brasko.ini", std::string(KVOP_BINARY_DIR) + "/bin\n");
    if (blocked) std::filesystem::create_directory(dir.path() / "SKIVA.INS");
    test::TestRun run(dir.path());
    EXPECT_EQ(kvopwb(run.ctx), kExitOk) << run.err.str();
    EXPECT_TRUE(dir.exists("TAK1.RED"));
    if (blocked) {
      EXPECT_NE(run.err.str().find("SKIVA.INS KAN EJ SKAPAS"), std::string::npos) << run.err.str();
      continue;
    }
    EXPECT_EQ(run.err.str(), "");
    const Lines l = test::split_lines(dir.read("SKIVA.INS"));
    ASSERT_EQ(l.size(), 52u);
    EXPECT_EQ(l[0], "TAK1.IND    ");
    EXPECT_EQ(l[4], " 3");
    EXPECT_EQ(l[5], "  6.000  6.000  6.000");
    EXPECT_EQ(l[39], "  0  0  0  0");  // continuous over every support, cantilevers
    EXPECT_EQ(l[40], "0.30");          // at both ends
    EXPECT_EQ(l[51], padded("TEXT 5", 80));
  }
}

}  // namespace
}  // namespace kvop
