// The report heading and the input echo, line for line as the report shows
// them, for a VEX roof, a non-insulated roof and a wall.
#include "output/indaut.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/cp1252.h"
#include "driver/inkvop.h"
#include "test_support.h"

namespace kvop {
namespace {

using test::ScratchDir;
using test::TestRun;

std::string sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// The heading lines 1 to 11 of a case named `name` with title `title`.
std::vector<std::string> heading(const std::string& name, const std::string& title) {
  return {sp(56) + "INDATAFIL : " + name,
          sp(56) + "DATUM : 2026.03.05",
          sp(56) + "TID   :   14:07:09",
          "",
          "    TAK- OCH VÄGGPLÅT",
          "    ENL. EUROKOD",
          "",
          "",
          "    INDATA",
          "    ******",
          "    " + title + sp(80 - static_cast<int>(enc(title).size()))};
}

// Runs the echo and returns the report lines, converted to UTF-8.
std::vector<std::string> echo(TestRun& run, const ScratchDir& dir) {
  EXPECT_EQ(indaut(run.ctx), 0);
  run.ctx.channels.report.close();
  return test::split_lines(cp1252::to_utf8(dir.read("PROV1.RED")));
}

void base_case(InputCase& in) {
  blkdat(in);
  in.indatafil.set("PROV1   ");
  in.rednamn.set("PROV1.RED");
  in.nfack = 3;
}

void expect_lines(const std::vector<std::string>& got, const std::vector<std::string>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t k = 0; k < want.size(); ++k) EXPECT_EQ(got[k], want[k]) << "line " << k + 1;
}

TEST(Indaut, VexRoofWithDriftPocketAndLineLoad) {
  ScratchDir dir;
  TestRun run(dir.path());
  InputCase& in = run.ctx.in;
  base_case(in);
  in.rubrik.set(enc("TAKPLÅT ÖVER LAGERHALL"));
  in.sakkl = 2;
  in.taktyp = 2;
  in.vextak = 1;
  in.kvottak = 0.5f;
  in.taklutn = 10.0f;
  in.psi0sno = 0.7f;
  in.psi1sno = 0.4f;
  in.psi0vind = 0.3f;
  in.psi1vind = 0.2f;
  in.nedbkvot = 150;
  in.oflans = 1;
  in.trivform = 1.6f;
  in.trivlgd = 3.0f;
  in.fickfack = 2;
  in.fickform = 2.0f;
  in.fickavst = 1.5f;
  in.ficklgd = 2.0f;
  in.fickmaxlgd = 1.0f;
  in.nlinj = 1;
  in.linjfack(1) = 2;
  in.linjlast(1) = Linjlast{1.1f, 1.5f, -0.5f, 3.0f};

  std::vector<std::string> want = heading("PROV1   ", "TAKPLÅT ÖVER LAGERHALL");
  const std::vector<std::string> rest = {
      "",
      "    MARKNADSKOD: 1 (SVERIGE )    PARTKOEFFMET SÄKERHETSKLASS 2   ",
      "    ANV.OMRÅDE : VEX-TAK         PSI0/PSI1: SNÖ=0.70/0.40 VIND=0.30/0.20",
      "    UPPL.BREDD : 0.100" + sp(11) + "DEFORMATIONSKRAV: SPÄNNVIDD/  150.000 ",
      "    TAKLUTNING :10.000  GR",
      "    LÅSNING MED LÅSBALK I SIDÖVERLAPP",
      "    KVOT AV TAKFALL SOM TAR KRAFT I TAKPLAN:   0.500",
      "    ÖVERFLÄNS ÄNDSTÖD:  LÅST OM NÖDV",
      "    LASTER: EGENTYNGD TAKKONSTRUKTION INKL TAKPLÅT:  0.40  KN/M2",
      sp(12) + "SNÖLAST GRUNDVÄRDE    :  2.50 KN/M2  ",
      sp(12) + "SNÖLAST I BRUKSGRÄNS  :  1.00 KN/M2 ",
      sp(12) + "SNÖLAST FORMFAKTOR    :  0.80",
      sp(12) + "TRIANGULÄRLAST VÄ, FORMFAKTOR:  1.60   LÄNGD:  3.00 M",
      sp(12) + "EXTRA SNÖFICKA FACK FORMFAKTOR AVSTÅND  LÄNGD  LÄNGD MAX SNÖ",
      sp(12) + "                NR     MAX         M       M        M",
      sp(26) + "   2      2.00      1.50   2.00     1.00",
      sp(12) + "LINJELAST (KN/M) FACK AVSTÅND  BROTT   BRUKS  BROTT",
      sp(12) + "                  NR     M      NED     NED    UPP ",
      sp(28) + "   2    3.00    1.50    1.10  -0.50",
      sp(12) + "VINDSUG GRUNDVÄRDE: 0.60 KN/M2 FORMFAKTOR SUG/TRYCK: 1.00/0.20",
  };
  want.insert(want.end(), rest.begin(), rest.end());
  expect_lines(echo(run, dir), want);
}

TEST(Indaut, VexRoofLockingLinesFollowSlopeAndRatio) {
  struct Case {
    float slope, ratio;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {5.0f, 0.5f, {"    KVOT AV TAKFALL SOM TAR KRAFT I TAKPLAN:   0.500"}},
      {10.0f, 10000.0f, {"    LÅSNING AV TAKSKIVA MED NOCKBESLAG"}},
  };
  for (const Case& c : cases) {
    ScratchDir dir;
    TestRun run(dir.path());
    base_case(run.ctx.in);
    run.ctx.in.taktyp = 2;
    run.ctx.in.vextak = 1;
    run.ctx.in.taklutn = c.slope;
    run.ctx.in.kvottak = c.ratio;
    run.ctx.in.nedbkvot = 150;
    const auto got = echo(run, dir);
    ASSERT_GT(got.size(), 17u);
    EXPECT_EQ(std::vector<std::string>(got.begin() + 16, got.begin() + 17), c.lines);
    EXPECT_EQ(got[17], "    ÖVERFLÄNS ÄNDSTÖD:  EJ LÅST     ");
  }
}

TEST(Indaut, NonInsulatedNorwegianRoofWithDifferingWidths) {
  ScratchDir dir;
  TestRun run(dir.path());
  InputCase& in = run.ctx.in;
  base_case(in);
  in.rubrik.set("HALL 2");
  in.marknadskod = 3;
  in.sakkl = 2;
  in.taktyp = 0;
  in.nfack = 1;
  in.upplbredd(1) = 0.1f;
  in.upplbredd(2) = 0.12f;
  in.nedbkrav = 1;
  in.nedbkvot = 90;
  in.psi0sno = 0.7f;
  in.psi1sno = 0.2f;
  in.psi0vind = 0.6f;
  in.psi1vind = 0.2f;
  in.trivlgd = 0.01f;  // not above 0.01: no left drift line
  in.trihform = 1.2f;
  in.trihlgd = 0.02f;
  in.vind(4) = 1.8f;
  in.vind(5) = 2.4f;

  std::vector<std::string> want = heading("PROV1   ", "HALL 2");
  const std::vector<std::string> rest = {
      "",
      "    MARKNADSKOD: 3 (NORGE   )    PARTKOEFFMET PÅLITLIGHETSKL. 2 (kL=1.0) ",
      "    ANV.OMRÅDE : EJ ISOLERAT TAK PSI0/PSI1: SNÖ=0.70/0.20 VIND=0.60/0.20",
      sp(33) + "DEFORMATIONSKRAV: ENLIGT EC 3 " + sp(8),
      "    UPPL.BREDD : 0.100 0.120",
      "    TAKLUTNING : 3.600  GR",
      "    ÖVERFLÄNS ÄNDSTÖD:  EJ LÅST     ",
      "    LASTER: EGENTYNGD TAKKONSTRUKTION INKL TAKPLÅT:  0.40  KN/M2",
      sp(12) + "SNÖLAST GRUNDVÄRDE    :  2.50 KN/M2  ",
      sp(12) + "SNÖLAST I BRUKSGRÄNS  :  0.50 KN/M2 ",
      sp(12) + "SNÖLAST FORMFAKTOR    :  0.80",
      sp(12) + "TRIANGULÄRLAST HÖ, FORMFAKTOR:  1.20   LÄNGD:  0.02 M",
      sp(12) + "VINDSUG GRUNDVÄRDE: 0.60 KN/M2 FORMFAKTOR SUG/TRYCK: 1.00/0.20",
      sp(12) + "VINDSUG RANDZON, FORMFAKTOR:  1.80  LÄNGD:  2.40 M",
  };
  want.insert(want.end(), rest.begin(), rest.end());
  expect_lines(echo(run, dir), want);
}

TEST(Indaut, WallWithElevenDifferingSupports) {
  ScratchDir dir;
  TestRun run(dir.path());
  InputCase& in = run.ctx.in;
  base_case(in);
  in.rubrik.set(enc("VÄGG AXEL A"));
  in.vagg = 1;
  in.nfack = 10;
  for (int j = 1; j <= 11; ++j) in.upplbredd(j) = j == 6 ? 0.15f : 0.1f;
  in.nedbkvot = 75;
  in.psi0sno = 0.7f;
  in.psi1sno = 0.4f;
  in.psi0vind = 0.3f;
  in.psi1vind = 0.2f;
  const float wind[7] = {0.6f, 0.5f, 0.8f, 1.2f, 2.0f, 1.0f, 1.5f};
  for (int k = 1; k <= 7; ++k) in.vind(k) = wind[k - 1];

  std::vector<std::string> want = heading("PROV1   ", "VÄGG AXEL A");
  const std::vector<std::string> rest = {
      "",
      "    MARKNADSKOD: 1 (SVERIGE )    DIM ENL METOD M TILL PÅKÄNNINGAR",
      "    ANV.OMRÅDE : VÄGG            PSI0/PSI1: SNÖ=0.70/0.40 VIND=0.30/0.20",
      sp(33) + "DEFORMATIONSKRAV: SPÄNNVIDD/  75.000  ",
      "    UPPL.BREDD : 0.100 0.100 0.100 0.100 0.100 0.150 0.100 0.100",
      sp(16) + " 0.100 0.100 0.100",
      sp(12) + "VINDLAST GRUNDVÄRDE: 0.60 KN/M2 FORMFAKTOR: 0.50 LAST FRÅN PLÅT",
      sp(44) + "FORMFAKTOR: 0.80 LAST MOT PLÅT",
      sp(12) + "VINDLAST RANDZON   , FORMFAKTOR:  1.20  LÄNGD: 2.00M LAST FR. PLÅT",
      sp(33) + "FORMFAKTOR:  1.00  LÄNGD: 1.50M LAST MOT PLÅT",
  };
  want.insert(want.end(), rest.begin(), rest.end());
  expect_lines(echo(run, dir), want);
}

TEST(Indaut, NearlyEqualWidthsCountAsEqual) {
  ScratchDir dir;
  TestRun run(dir.path());
  base_case(run.ctx.in);
  run.ctx.in.nfack = 2;
  run.ctx.in.upplbredd(3) = 0.1005f;
  run.ctx.in.nedbkvot = 150;
  const auto got = echo(run, dir);
  ASSERT_GT(got.size(), 14u);
  EXPECT_EQ(got[14].substr(0, 22), "    UPPL.BREDD : 0.100");
}

TEST(Indaut, ReplacesAnOldReportWrittenInAnyLetterCase) {
  ScratchDir dir;
  dir.write("prov1.red", "OLD REPORT\n");
  TestRun run(dir.path());
  base_case(run.ctx.in);
  run.ctx.in.nedbkvot = 150;
  EXPECT_EQ(indaut(run.ctx), 0);
  run.ctx.channels.report.close();
  int reports = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    ++reports;
    std::ifstream f(e.path());
    std::string first;
    std::getline(f, first);
    EXPECT_EQ(first, sp(56) + "INDATAFIL : PROV1   ");
  }
  EXPECT_EQ(reports, 1);
}

TEST(Indaut, ReportThatCannotBeCreatedStopsTheRun) {
  ScratchDir dir;
  std::filesystem::create_directory(dir.path() / "PROV1.RED");
  TestRun run(dir.path());
  base_case(run.ctx.in);
  EXPECT_NE(indaut(run.ctx), 0);
  // The documented line, then the file and the reason.
  EXPECT_EQ(run.err.str(),
            " *** FEL VID ÖPPNING AV FIL ***\nkvopwb: " + (dir.path() / "PROV1.RED").string() +
                ": cannot create: a directory of that name is in the way\n");
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "PROV1.RED"));
}

}  // namespace
}  // namespace kvop
