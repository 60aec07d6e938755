// A comparison of profiles: the case dimensioned with every profile of a
// list through the profile loop.  Each profile's outcome must be what a run
// of the case with that profile alone finds; the report keeps the loop's
// page rules and closes with the ranked comparison.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "checks/comparison.h"
#include "core/cp1252.h"
#include "driver/kvopwb.h"
#include "driver/profile_list.h"
#include "driver/run_json.h"
#include "profiles/profile_test_support.h"
#include "test_support.h"

namespace kvop {
namespace {

namespace fs = std::filesystem;
using test::ScratchDir;
using test::TestRun;

std::vector<std::string> example(const std::string& name) {
  std::ifstream f(fs::path(KVOP_SOURCE_DIR) / "examples" / name, std::ios::binary);
  return test::split_lines({std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()});
}

// Lines of examples/TAK1.IND (0-based).
constexpr std::size_t kUtskr = 54;

// The line (0-based) of an example that holds its profile's designation.
std::size_t designation_line(const std::string& example_name) {
  if (example_name == "VAGG1.IND") return 32;
  return example_name == "TAK20.IND" ? 51 : 49;
}

const fs::path kBin = fs::path(KVOP_BINARY_DIR) / "bin";

struct CaseRun {
  ScratchDir dir;
  TestRun run{dir.path()};
  int rc = -1;
  explicit CaseRun(const std::vector<std::string>& case_lines) {
    dir.write("~indata~.tmp", test::join_lines(case_lines));
    dir.write("BRASKO.INI", kBin.string() + "\n");
  }
  // Runs the case, compared over `list` unless it is empty.
  CaseRun& go(const std::string& list = {}) {
    if (!list.empty()) {
      std::string fault;
      EXPECT_EQ(choose_profiles(run.ctx, list, fault), kExitOk) << fault;
    }
    rc = kvopwb(run.ctx);
    return *this;
  }
  std::vector<std::string> report(const std::string& name = "TAK1.RED") const {
    return test::split_lines(cp1252::to_utf8(dir.read(name)));
  }
};

bool starts(const std::string& line, const std::string& with) { return line.rfind(with, 0) == 0; }

// The lines of the section of `designation`, from its header up to the next
// header or the comparison, without page marks and the blank lines that
// close it: what stays the same wherever the section falls on the pages.
std::vector<std::string> section(const std::vector<std::string>& report,
                                 const std::string& designation) {
  std::vector<std::string> out;
  bool in = false;
  for (const std::string& l : report) {
    if (starts(l, "    PROFIL: ")) in = starts(l, "    PROFIL: " + designation + " ");
    if (starts(l, "    JÄMFÖRELSE AV PROFILER")) in = false;
    if (in && l != "^") out.push_back(l);
  }
  while (!out.empty() && out.back().empty()) out.pop_back();
  return out;
}

TEST(ProfileList, TakesTheDatabasesDesignationsAndRefusesWhatItDoesNotHold) {
  CaseRun r(example("TAK1.IND"));
  RunContext& ctx = r.run.ctx;
  std::string fault;
  ASSERT_EQ(choose_profiles(ctx, "all", fault), kExitOk);
  ASSERT_EQ(ctx.compared.size(), 17u);
  EXPECT_EQ(ctx.compared.front(), Text<8>("R820"));
  EXPECT_EQ(ctx.compared.back(), Text<8>("X35"));

  ASSERT_EQ(choose_profiles(ctx, " r820u,R46FA ,th135", fault), kExitOk) << fault;
  EXPECT_EQ(ctx.compared,
            (std::vector<Text<8>>{Text<8>("R820U"), Text<8>("R46FA"), Text<8>("TH135")}));

  struct Refused {
    const char* list;
    const char* says;
  };
  for (const Refused& c :
       {Refused{"R820,R999", "R999 is not a profile of the database "},
        Refused{"R820U,r820u", "r820u is given twice"},
        Refused{"R820,,R45", "an empty designation"}, Refused{"", "an empty designation"},
        Refused{"R820USTDX", "R820USTDX is not a profile"}}) {
    fault.clear();
    EXPECT_EQ(choose_profiles(ctx, c.list, fault), kExitUsage) << c.list;
    EXPECT_NE(fault.find(c.says), std::string::npos) << c.list << ": " << fault;
  }
  EXPECT_NE(fault.find("PROFILKV.BIN"), std::string::npos) << "names the database searched";

  // A designation the database stores twice is compared once.
  ScratchDir twice;
  fs::create_directory(twice.path() / "bin");
  twice.write("BRASKO.INI", "bin\n");
  twice.write("bin/PROFILKV.BIN",
              test::db_bytes({test::sample_profile("P1"), test::sample_profile("P2"),
                              test::sample_profile("P1")}));
  TestRun other(twice.path());
  ASSERT_EQ(choose_profiles(other.ctx, "ALL", fault), kExitOk);
  EXPECT_EQ(other.ctx.compared, (std::vector<Text<8>>{Text<8>("P1"), Text<8>("P2")}));

  fs::remove(r.dir.path() / "BRASKO.INI");
  EXPECT_EQ(choose_profiles(ctx, "R820", fault), kExitDimensioning);
  EXPECT_NE(r.run.err.str().find("BRASKO.INI"), std::string::npos);
}

// Every profile's outcome and section are those of the case run with that
// profile alone: nothing of an earlier profile reaches a later one.
TEST(ProfileComparison, EachProfileAsItsOwnRunFindsIt) {
  for (const char* name : {"TAK1.IND", "TAK20.IND", "VAGG1.IND"}) {
    SCOPED_TRACE(name);
    const std::vector<std::string> lines = example(name);
    const std::string red = std::string(name).substr(0, std::string(name).find('.')) + ".RED";
    // A failing profile, a perforation-sensitive one, one of another range
    // and a passing one, in no particular order.
    const std::vector<std::string> list = {"R45", "R820U", "TH135", "R46FA", "R70"};
    CaseRun all(lines);
    all.go("R45,R820U,TH135,R46FA,R70");
    ASSERT_EQ(all.rc, kExitOk) << all.run.err.str();
    const std::vector<std::string> report = all.report(red);
    const Comparison& cmp = all.run.ctx.comparison;
    ASSERT_EQ(cmp.size(), list.size());

    for (const std::string& p : list) {
      SCOPED_TRACE(p);
      std::vector<std::string> own_lines = lines;
      own_lines[designation_line(name)] = p;
      CaseRun own(own_lines);
      own.go();
      ASSERT_EQ(own.rc, kExitOk);
      const CheckResults& chk = own.run.ctx.chk;
      const auto o = std::find_if(cmp.begin(), cmp.end(), [&](const ProfileOutcome& x) {
        return x.designation == Text<8>(p);
      });
      ASSERT_NE(o, cmp.end());
      for (int j = 1; j <= own.run.ctx.in.nfack; ++j) EXPECT_EQ(o->plattj(j), chk.plattj(j)) << j;
      EXPECT_EQ(o->passes, !chk.failed && !chk.over);
      EXPECT_EQ(o->max_ratio, largest_ratio(own.run.ctx.in, chk).ratio);
      EXPECT_EQ(section(report, p), section(own.report(red), p));
    }
  }
}

TEST(ProfileComparison, ReportKeepsThePageRulesAndEndsWithTheRankedProfiles) {
  for (const char* utskr : {" 1", " 0"}) {
    SCOPED_TRACE(utskr);
    std::vector<std::string> lines = example("TAK1.IND");
    lines[kUtskr] = utskr;
    CaseRun r(lines);
    r.go("all");
    ASSERT_EQ(r.rc, kExitOk);
    const std::vector<std::string> rep = r.report();
    EXPECT_EQ(std::count(rep.begin(), rep.end(), "    UTDATA"), 1) << "the banner once";
    // Every profile's section after the first begins a new page: a page
    // mark before its header (paged), or closing the section before it.
    int headers = 0;
    bool mark = false;
    for (std::size_t k = 0; k < rep.size(); ++k) {
      mark = mark || rep[k] == "^";
      if (!starts(rep[k], "    PROFIL: ")) continue;
      if (++headers > 1) {
        EXPECT_TRUE(mark) << rep[k];
        if (utskr == std::string(" 1")) {
          EXPECT_EQ(rep[k - 3], "^") << rep[k];
        }
      }
      mark = false;
    }
    EXPECT_EQ(headers, 17);
    // The comparison begins a page of its own and ranks the profiles: the
    // passing ones first, each group lightest first.
    const auto title = std::find(rep.begin(), rep.end(), "    JÄMFÖRELSE AV PROFILER");
    ASSERT_NE(title, rep.end());
    EXPECT_EQ(*(title - 2), "^");
    const Comparison& cmp = r.run.ctx.comparison;
    ASSERT_EQ(cmp.size(), 17u);
    EXPECT_TRUE(std::is_sorted(cmp.begin(), cmp.end(), [](const auto& a, const auto& b) {
      return a.passes != b.passes ? a.passes : a.weight_kg_m2 < b.weight_kg_m2;
    }));
    EXPECT_TRUE(cmp.front().passes);
    EXPECT_FALSE(cmp.back().passes);
    // One row per profile in that order, with its designation, thicknesses
    // and verdict.
    auto row = title;
    for (const ProfileOutcome& o : cmp) {
      row = std::find_if(row + 1, rep.end(), [&](const std::string& l) {
        return starts(l, "    " + std::string(o.designation.view()));
      });
      ASSERT_NE(row, rep.end()) << o.designation.view();
      EXPECT_TRUE(row->ends_with(o.passes ? "JA" : "NEJ")) << *row;
      EXPECT_TRUE(starts(*(row + 1), "        TJOCKLEK MM:"));
    }
  }
}

TEST(ProfileComparison, SheetingMassAndLargestRatioByHand) {
  InputCase in;
  in.nfack = 2;
  in.spv(1) = 5.0f;
  in.spv(2) = 4.0f;
  in.konsv = 0.5f;
  in.konsh = 1.0f;
  ProfileRecord prof;
  prof.thickness_count = 2;
  prof.per_thickness(1, 1) = 1.0f;
  prof.per_thickness(4, 1) = 0.10f;
  prof.per_thickness(1, 2) = 1.2f;
  prof.per_thickness(4, 2) = 0.12f;
  CheckResults chk;
  chk.plattj(1) = 1.0f;
  chk.plattj(2) = 1.2f;
  // (0.10 (0.5 + 5) + 0.12 (4 + 1.0)) / 10.5 kN/m2, over g = 9.81.
  EXPECT_NEAR(sheeting_mass(in, prof, chk), 1.15 / 10.5 * 1000.0 / 9.81, 1e-4);

  // Equal largest ratios: the first in the order load case, supports,
  // spans, deflections.  Entries beyond the case's spans do not count.
  chk.KVOTF(2, 2) = 0.9f;
  chk.KVOTD(1, 1) = 0.9f;
  chk.KVOTS(3, 4) = 5.0f;
  const LargestRatio m = largest_ratio(in, chk);
  EXPECT_EQ(m.ratio, 0.9f);
  EXPECT_EQ(m.place.kind, RatioKind::deflection);
  EXPECT_EQ(m.place.number, 1);
  EXPECT_EQ(m.place.load_case, 1);

  Comparison c(4);
  c[0].designation.set("HEAVY");
  c[0].weight_kg_m2 = 9;
  c[0].passes = true;
  c[1].designation.set("LIGHTF");
  c[1].weight_kg_m2 = 5;
  c[2].designation.set("LIGHT");
  c[2].weight_kg_m2 = 7;
  c[2].passes = true;
  c[3].designation.set("LIGHT2");
  c[3].weight_kg_m2 = 7;
  c[3].passes = true;
  rank_outcomes(c);
  std::vector<std::string> order;
  for (const auto& o : c) order.emplace_back(o.designation.trimmed());
  EXPECT_EQ(order, (std::vector<std::string>{"LIGHT", "LIGHT2", "HEAVY", "LIGHTF"}));
}

// The program: a designation the database does not hold ends the run before
// it begins; a comparison's account lists the profiles in the report's order
// and writes no exchange file; a run without the flag is today's.
TEST(ProfileComparison, ProgramRefusesBeforeTheRunAndAccountsForEveryProfile) {
  ScratchDir dir;
  // A Norwegian roof that asks for diaphragm action.
  std::ifstream no1(fs::path(KVOP_SOURCE_DIR) / "tests" / "golden" / "NO1.IND", std::ios::binary);
  dir.write("~INDATA~.TMP",
            {std::istreambuf_iterator<char>(no1), std::istreambuf_iterator<char>()});
  dir.write("BRASKO.INI", kBin.string() + "\n");
  const std::string engine = (kBin / "kvopwb").string();
  auto run = [&](const std::string& args) {
    const std::string cmd =
        "cd '" + dir.path().string() + "' && '" + engine + "' " + args + " >out.txt 2>err.txt";
    const int s = std::system(cmd.c_str());
    return WIFEXITED(s) ? WEXITSTATUS(s) : -1;
  };
  EXPECT_EQ(run("--profiles R820,NOSUCH"), kExitUsage);
  EXPECT_NE(dir.read("err.txt").find("NOSUCH is not a profile of the database"), std::string::npos);
  EXPECT_FALSE(dir.exists("NO1.RED"));

  ASSERT_EQ(run("--json plain.json"), kExitOk);
  ASSERT_TRUE(dir.exists("SKIVA.INS"));
  fs::remove(dir.path() / "SKIVA.INS");
  const auto plain = nlohmann::json::parse(dir.read("plain.json"));
  EXPECT_FALSE(plain.contains("comparison"));

  ASSERT_EQ(run("--profiles all --json cmp.json"), kExitOk);
  EXPECT_FALSE(dir.exists("SKIVA.INS"));
  const auto cmp = nlohmann::json::parse(dir.read("cmp.json"))["comparison"];
  ASSERT_EQ(cmp.size(), 17u);
  const std::vector<std::string> rep = test::split_lines(cp1252::to_utf8(dir.read("NO1.RED")));
  auto row = std::find(rep.begin(), rep.end(), "    JÄMFÖRELSE AV PROFILER");
  for (const auto& o : cmp) {
    const std::string d = o["designation"];
    row = std::find_if(row, rep.end(), [&](const std::string& l) { return starts(l, "    " + d); });
    ASSERT_NE(row, rep.end()) << d << " in the report's order";
    EXPECT_EQ(o["plattj"].size(), plain["case"]["nfack"]);
    EXPECT_TRUE(o["governs"].contains("kind"));
    EXPECT_EQ(o["passes"], o["max_ratio"].get<double>() <= 1.0) << d;
  }
  // The own range on a roof is judged for walkability; another range is not.
  for (const auto& o : cmp)
    if (o["designation"] == "TH135") {
      EXPECT_TRUE(o["walkability"].is_null());
    }
}

}  // namespace
}  // namespace kvop
