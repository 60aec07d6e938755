// The text catalogue, the profilkv tool and the delivered profile database.
#include "catalogue.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>

#include "profiles/profile_db.h"
#include "profiles/profile_test_support.h"
#include "test_support.h"

namespace kvop {
namespace {

namespace fs = std::filesystem;
using test::ScratchDir;

const fs::path kData = fs::path(KVOP_SOURCE_DIR) / "data";
const fs::path kBin = fs::path(KVOP_BINARY_DIR) / "bin";

std::vector<fs::path> delivered_catalogues() {
  return {kData / "r820.cat", kData / "own_range.cat", kData / "suppliers.cat"};
}

std::string read_file(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Compiles catalogue text; on failure the error's text.
std::string compile(const std::string& text, std::vector<RecordBytes>* records = nullptr) {
  std::vector<CatalogueProfile> out;
  CatalogueError err;
  if (!parse_catalogue(text, "t.cat", out, err)) return err.text();
  if (records)
    for (auto& p : out) records->push_back(p.bytes);
  return "";
}

std::vector<RecordBytes> round_trip(const std::vector<RecordBytes>& records) {
  std::string text, why;
  EXPECT_TRUE(print_catalogue(records, text, why)) << why;
  std::vector<RecordBytes> back;
  const std::string fault = compile(text, &back);
  EXPECT_EQ(fault, "") << text;
  return back;
}

const char* kMinimal = R"(# a minimal profile
profile R45   # designation
  origin 2
  scaled_rows 5
  general 2 0.18
  general 3 1.1
  general 12 2.1
  scale 5 1e-8
  row 1 0.5 0.6
  row 3 0.46 0.56
  row 5 20 25
  row 6 1.5 1.9
  row 9 21 26
  row 10 1.6 2.0
  row 13 17 24
  row 14 100 100
  row 23 3 4
  row 25 2 3
end
)";

TEST(Catalogue, CompilesAProfileBlockIntoTheRecord) {
  std::vector<RecordBytes> r;
  ASSERT_EQ(compile(kMinimal, &r), "");
  ASSERT_EQ(r.size(), 1u);
  const auto p = decode_profile_record(r[0]);
  ASSERT_TRUE(p);
  EXPECT_EQ(p->designation, Text<8>("R45     "));
  EXPECT_EQ(p->origin_code, 2);
  EXPECT_EQ(p->thickness_count, 2);
  EXPECT_EQ(p->scaled_count, 5);
  EXPECT_EQ(p->scale(5), 1e-8f);
  EXPECT_EQ(p->scale(1), 1.0f);  // rows 1..scaled_rows default to 1
  EXPECT_EQ(p->scale(6), 0.0f);  // not applied, not stored
  EXPECT_EQ(p->per_thickness(5, 2), 25.0f);
  EXPECT_EQ(p->per_thickness(5, 3), 0.0f);
  EXPECT_EQ(p->per_thickness(2, 1), 0.0f);  // rows not given are 0
  EXPECT_EQ(p->general(1), 0.0f);
  EXPECT_EQ(p->general(2), 0.18f);
}

TEST(Catalogue, PrintsAnyReadableRecordBackToTheSameBytes) {
  ProfileRecord p = test::sample_profile("R\xC5 \"x\\", 4, 7);  // Å, blank, quote, backslash
  p.designation.c[7] = '\x01';
  p.spare_a[3] = 1.0f;
  p.spare_c[29] = -2.5f;
  p.per_thickness(30, 4) = -0.0f;  // a negative zero is kept
  p.scale(9) = 0.0f;               // the scales of rows 8..30 are not applied but kept as stored
  RecordBytes long_record = encode_profile_record(p);
  long_record.resize(2300, 0);
  long_record[2299] = 0x7F;
  RecordBytes plain = encode_profile_record(test::sample_profile("R820    ", 10, 30));
  const std::vector<RecordBytes> records{long_record, plain};
  EXPECT_EQ(round_trip(records), records);
}

TEST(Catalogue, RecordsTheLookupCannotReadAreNotPrinted) {
  ProfileRecord p = test::sample_profile("R820    ");
  p.thickness_count = 0;
  std::string text, why;
  EXPECT_FALSE(print_catalogue({encode_profile_record(p)}, text, why));
  EXPECT_NE(why.find("record 1"), std::string::npos);
  EXPECT_FALSE(print_catalogue({RecordBytes(100, 0)}, text, why));
}

TEST(Catalogue, FaultsNameFileAndLine) {
  struct Case {
    std::string from, to;  // replace in kMinimal
    int line;
    std::string says;
  };
  const Case cases[] = {
      {"  row 5 20 25\n", "  row 5 20\n", 11, "row 5 has 1 values"},
      {"row 1 0.5 0.6", "row 1 0.6 0.5", 9, "ascend"},
      {"row 6 1.5 1.9", "row 6 1.5 0", 12, "row 6"},
      {"row 23 3 4", "row 23 3 x", 17, "\"x\" is not a number"},
      {"  origin 2\n", "  origin 7\n", 3, "origin 7 outside 1..5"},
      {"  origin 2\n", "", 2, "without origin"},
      {"scale 5 1e-8", "scale 6 1e-8", 8, "beyond scaled_rows"},
      {"general 12 2.1", "general 13 2.1", 7, "general index 13"},
      {"general 12 2.1", "general 12 0", 7, "general 12"},
      {"profile R45 ", "profile R45678901 ", 2, "longer than 8"},
      {"end\n", "", 2, "not closed"},
      {"  row 14 100 100\n", "  row 14 100 100\n  row 14 90 90\n", 17, "given twice"},
      {"  row 14 100 100\n", "  row 14 100 100\n  raw 64 01\n", 17, "overwrite"},
      {"  row 14 100 100\n", "  row 14 100 100\n  flange 3\n", 17, "unknown keyword"},
      {"  row 25 2 3\n", "  row 25 2 3\n  row 2 1e39 0\n", 19, "not a number"},
  };
  for (const Case& c : cases) {
    std::string text = kMinimal;
    const auto at = text.find(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    text.replace(at, c.from.size(), c.to);
    const std::string err = compile(text);
    EXPECT_EQ(err.rfind("t.cat:" + std::to_string(c.line) + ": ", 0), 0u) << c.to << " -> " << err;
    EXPECT_NE(err.find(c.says), std::string::npos) << c.to << " -> " << err;
  }
  EXPECT_EQ(compile("origin 1\n").rfind("t.cat:1: ", 0), 0u);
}

TEST(Catalogue, DuplicateDesignationAcrossFilesIsRefused) {
  ScratchDir dir;
  dir.write("a.cat", kMinimal);
  dir.write("b.cat", std::string("\n\n") + kMinimal);
  std::vector<RecordBytes> records;
  CatalogueError err;
  EXPECT_FALSE(compile_catalogues({dir.path() / "a.cat", dir.path() / "b.cat"}, records, err));
  EXPECT_EQ(err.line, 4);
  EXPECT_NE(err.file.find("b.cat"), std::string::npos);
  EXPECT_NE(err.message.find("a.cat:2"), std::string::npos) << err.message;
}

TEST(ProfilkvTool, BrokenCatalogueIsRefusedAndNothingIsWritten) {
  ScratchDir dir;
  std::string bad = kMinimal;
  bad.replace(bad.find("row 13 17 24"), 12, "row 13 17");
  dir.write("bad.cat", bad);
  dir.write("good.cat", kMinimal);
  const std::string tool = (kBin / "profilkv").string();
  const fs::path out = dir.path() / "OUT.BIN";
  const std::string errfile = (dir.path() / "err.txt").string();
  auto run = [&](const std::string& args) {
    return std::system((tool + " " + args + " 2>" + errfile).c_str());
  };
  EXPECT_NE(run((dir.path() / "bad.cat").string() + " " + out.string()), 0);  // no subcommand
  EXPECT_NE(run("build " + (dir.path() / "bad.cat").string() + " " + out.string()), 0);
  EXPECT_NE(read_file(errfile).find("bad.cat:15:"), std::string::npos) << read_file(errfile);
  EXPECT_FALSE(fs::exists(out));

  ASSERT_EQ(run("build " + (dir.path() / "good.cat").string() + " " + out.string()), 0);
  const std::string before = read_file(out);
  EXPECT_NE(run("build " + (dir.path() / "good.cat").string() + " " +
                (dir.path() / "bad.cat").string() + " " + out.string()),
            0);
  EXPECT_EQ(read_file(out), before);  // the old database stays as it was
  std::set<std::string> names;
  for (const auto& e : fs::directory_iterator(dir.path()))
    names.insert(e.path().filename().string());
  EXPECT_EQ(names, (std::set<std::string>{"OUT.BIN", "bad.cat", "good.cat", "err.txt"}));
}

TEST(DeliveredDatabase, IsTheCompiledCatalogueAndRoundTrips) {
  std::vector<RecordBytes> records;
  CatalogueError err;
  ASSERT_TRUE(compile_catalogues(delivered_catalogues(), records, err)) << err.text();
  EXPECT_EQ(database_bytes(records), read_file(kBin / "PROFILKV.BIN"));
  EXPECT_EQ(round_trip(records), records);
}

// The delivered profiles as the engine loads them (after scaling).
std::vector<ProfileRecord> delivered() {
  std::vector<RecordBytes> records;
  CatalogueError err;
  EXPECT_TRUE(compile_catalogues(delivered_catalogues(), records, err)) << err.text();
  std::vector<ProfileRecord> out;
  for (const RecordBytes& r : records) {
    ProfileRecord p = *decode_profile_record(r);
    for (int i = 1; i <= p.thickness_count; ++i)
      for (int j = 1; j <= p.scaled_count; ++j) p.per_thickness(j, i) *= p.scale(j);
    out.push_back(p);
  }
  return out;
}

TEST(DeliveredDatabase, HoldsEveryDesignationTheSystemNames) {
  std::set<std::string> names;
  for (const ProfileRecord& p : delivered()) names.insert(std::string(p.designation.view()));
  for (const char* d :
       {"R820    ", "R820P   ", "R820M   ", "R820U   ", "R820MSTD", "R820USTD", "R46FA   "})
    EXPECT_TRUE(names.count(d)) << d;
  EXPECT_TRUE(std::any_of(names.begin(), names.end(),
                          [](const std::string& n) { return n.rfind("R820S", 0) == 0; }));
}

TEST(DeliveredDatabase, ValuesAreSaneInTheEngineUnits) {
  std::set<int> origins, own_heights_mm;
  bool aluminium = false;
  for (const ProfileRecord& p : delivered()) {
    const std::string d(p.designation.view());
    const int n = p.thickness_count;
    ASSERT_GE(n, 1) << d;
    origins.insert(p.origin_code);
    if (p.origin_code == 1) own_heights_mm.insert(static_cast<int>(p.general(1) * 1000 + 0.5f));
    aluminium = aluminium || p.general(12) < 1.0f;
    EXPECT_TRUE(p.general(12) == 2.1f || p.general(12) == 0.7f) << d;
    EXPECT_GT(p.general(3), p.general(2)) << d;
    for (int i = 1; i <= n; ++i) {
      const auto v = [&](int row) { return p.per_thickness(row, i); };
      EXPECT_GE(v(1), 0.45f) << d;
      EXPECT_LE(v(1), 1.55f) << d;
      EXPECT_LE(v(3), v(1)) << d;
      EXPECT_GT(v(3), v(1) - 0.05f) << d;
      for (int row : {4, 6, 10, 13, 14, 22, 23, 24, 25})
        EXPECT_GT(v(row), 0.0f) << d << " row " << row;
      // second moments in m4/m: a few cm4/m up to some hundred cm4/m
      for (int row : {5, 9}) {
        EXPECT_GT(v(row), 1e-8f) << d << " row " << row;
        EXPECT_LT(v(row), 1e-5f) << d << " row " << row;
      }
      EXPECT_LT(v(6), 60.0f) << d;
      EXPECT_FLOAT_EQ(v(7), 1.0f);
      EXPECT_FLOAT_EQ(v(8), p.general(12) > 1.0f ? 1.25f : 1.0f);
      // walkable spans, 10000 * value in m; one continuous end allows more
      EXPECT_GT(10000 * v(16), 0.3f) << d;
      EXPECT_LT(10000 * v(19), 25.0f) << d;
      EXPECT_GT(v(19), v(16)) << d;
      EXPECT_LT(v(25), v(23)) << d;
      if (i > 1) {
        const auto u = [&](int row) { return p.per_thickness(row, i - 1); };
        EXPECT_GT(v(1), u(1)) << d << " thickness columns ascend";
        for (int row : {3, 4, 5, 6, 9, 10, 13, 16, 19, 22, 23, 24, 25})
          EXPECT_GT(v(row), u(row)) << d << " row " << row << " grows with the thickness";
      }
    }
  }
  EXPECT_EQ(origins, (std::set<int>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(aluminium);
  for (int h : {20, 45, 70, 130, 160}) EXPECT_TRUE(own_heights_mm.count(h)) << h;
}

TEST(DeliveredDatabase, ExampleRunFindsTheR820ThroughBraskoIni) {
  ScratchDir dir;
  dir.write("brasko.ini", kBin.string() + "\n");
  test::TestRun run(dir.path());
  ASSERT_EQ(opdbas(run.ctx), 0) << run.err.str();
  const int istat =
      pdread(run.ctx, Text<8>("R820    "), ProfileScaling::scaled, NotFound::reported);
  clfile(run.ctx);
  ASSERT_EQ(istat, 0) << run.err.str();
  EXPECT_EQ(run.ctx.prof.origin_code, 1);
  EXPECT_FLOAT_EQ(run.ctx.prof.general(1), 0.13f);
  // row 5 stored in cm4/m, loaded in m4/m
  EXPECT_NEAR(run.ctx.prof.per_thickness(5, 4), 224.3e-8f, 1e-10f);
}

}  // namespace
}  // namespace kvop
