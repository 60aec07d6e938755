// Reading a case from the calculation input file: the records present by
// roof, wall, market and roof type, the reader's corrections, the file names
// formed from the case name, and the refusal of input the engine cannot use.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "driver/inkvop.h"
#include "test_support.h"

namespace kvop {
namespace {

using test::ScratchDir;
using test::TestRun;

// A case file assembled line by line; every line is tagged with the record
// it holds, so that tests can replace, drop or insert records and know the
// line number at which a record stands.
class CaseFile {
 public:
  CaseFile& add(const std::string& id, const std::string& line) {
    lines_.emplace_back(id, line);
    return *this;
  }
  CaseFile& set(const std::string& id, const std::string& line) {
    at(id)->second = line;
    return *this;
  }
  CaseFile& drop(const std::string& id) {
    lines_.erase(at(id));
    return *this;
  }
  CaseFile& insert_after(const std::string& id, const std::string& new_id,
                         const std::string& line) {
    lines_.insert(at(id) + 1, {new_id, line});
    return *this;
  }
  // Drops every line after the record `id`.
  CaseFile& end_after(const std::string& id) {
    lines_.erase(at(id) + 1, lines_.end());
    return *this;
  }
  int line_of(const std::string& id) const {
    return static_cast<int>(std::find_if(lines_.begin(), lines_.end(),
                                         [&](const auto& l) { return l.first == id; }) -
                            lines_.begin()) + 1;
  }
  std::string text(const std::string& eol = "\n") const {
    std::string s;
    for (const auto& l : lines_) s += l.second + eol;
    return s;
  }

 private:
  using Lines = std::vector<std::pair<std::string, std::string>>;
  Lines::iterator at(const std::string& id) {
    auto it = std::find_if(lines_.begin(), lines_.end(), [&](const auto& l) { return l.first == id; });
    if (it == lines_.end()) throw std::runtime_error("no record " + id + " in the test case");
    return it;
  }
  Lines lines_;
};

// A Swedish insulated roof of three spans with a left drift and one line
// load in span 2, short of a diaphragm check.
CaseFile roof() {
  CaseFile c;
  c.add("1", "PROV1").add("2", "TAK PROV").add("3", " 1").add("4", " 2").add("5", " 0");
  c.add("6", " 3").add("7", "  6.000  5.000  4.000").add("8", " 0");
  for (int t = 1; t <= 5; ++t) c.add(std::to_string(9 + t), "  0  0  0  0");
  c.add("15", "0.30").add("16", "0").add("17", "0.30").add("18", "0");
  c.add("19", "10.10 10.10 10.10 10.10").add("20", " 0.10  0.12  0.14  0.10");
  c.add("21", "0.50").add("22", "2.0").add("23", "0.8");
  c.add("24", "2.4").add("25", "5.0").add("26", "0.8").add("27", "0.0");
  c.add("28", "0").add("29", "0.8").add("30", "0").add("31", "0").add("32", "0").add("33", "1");
  c.add("34", "  2  3.000  2.700  2.000  0.500");
  for (int k = 2; k <= 5; ++k) c.add(std::to_string(33 + k), "  0  0.000  0.000  0.000  0.000");
  c.add("39", " 1").add("42", "3.6").add("43", " 0");
  c.add("44", "0.60").add("45", "1.00").add("46", "0.20");
  c.add("51", "0").add("52", " 2").add("53", "0.7").add("54", "0.4").add("55", "0.3").add("56", "0.2");
  c.add("57", "R820").add("58", "0").add("59", "0").add("60", " 1").add("61", " 0");
  c.add("62", " 1").add("63", " 2");
  return c;
}

// A wall of two spans: no roof records, seven wind lines, ends after record 62.
CaseFile wall() {
  CaseFile c;
  c.add("1", "VAGG1").add("2", "FASAD").add("3", " 1").add("4", " 2").add("5", " 1");
  c.add("6", " 2").add("7", "  4.500  4.500").add("8", " 0");
  for (int t = 1; t <= 5; ++t) c.add(std::to_string(9 + t), "  0  0  0");
  c.add("15", "0.20").add("16", "0").add("17", "0.20").add("18", "0");
  c.add("19", "10.10 10.10 10.10").add("20", " 0.06  0.10  0.06");
  const char* wind[] = {"0.65", "0.80", "1.00", "1.50", "0.50", "1.20", "1.40"};
  for (int k = 0; k < 7; ++k) c.add(std::to_string(44 + k) + "w", wind[k]);
  c.add("51", "0").add("52", " 2").add("53", "0.7").add("54", "0.4").add("55", "0.3").add("56", "0.2");
  c.add("57", "R46FA").add("58", "0").add("59", "0").add("60", " 2").add("62", " 1");
  return c;
}

struct Result {
  int istat = -1;
  std::string err;
  InputCase in;
  bool unit_open = false;
};

Result read(const std::string& bytes, const std::string& file_name = "~indata~.tmp") {
  ScratchDir dir;
  dir.write(file_name, bytes);
  TestRun run(dir.path());
  Result r;
  r.istat = inkvop(run.ctx);
  r.err = run.err.str();
  r.in = run.ctx.in;
  r.unit_open = run.ctx.channels.input.is_open();
  return r;
}
Result read(const CaseFile& c) { return read(c.text()); }

TEST(Inkvop, RoofCaseRecordByRecord) {
  const Result r = read(roof().text(), "~INDATA~.TMP");
  ASSERT_EQ(r.istat, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(r.unit_open);
  const InputCase& in = r.in;
  EXPECT_EQ(in.indatafil, "PROV1   ");
  EXPECT_EQ(in.rednamn, "PROV1.RED   ");
  EXPECT_EQ(in.indnamn, "PROV1.IND   ");
  EXPECT_EQ(in.skivnamn, "SKIVA.INS   ");
  EXPECT_EQ(in.rubrik.trimmed(), "TAK PROV");
  EXPECT_EQ(in.marknadskod, 1);
  EXPECT_EQ(in.sakkl, 2);
  EXPECT_EQ(in.nfack, 3);
  EXPECT_EQ(in.spv(1), 6.0f);
  EXPECT_EQ(in.spv(2), 5.0f);
  EXPECT_EQ(in.spv(3), 4.0f);
  EXPECT_EQ(in.spv(4), 6.0f);  // beyond the spans: the default
  EXPECT_EQ(in.upplbredd(2), 0.12f);
  EXPECT_EQ(in.upplbredd(3), 0.14f);
  EXPECT_EQ(in.konsv, 0.30f);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(in.skarvtyp(j), 0) << j;
  EXPECT_EQ(in.egentyngd, 0.5f);
  EXPECT_EQ(in.snolast, 2.0f);
  EXPECT_EQ(in.trivform, 2.4f);
  EXPECT_EQ(in.trivlgd, 5.0f);
  EXPECT_EQ(in.nlinj, 1);
  EXPECT_EQ(in.linjfack(1), 2);
  EXPECT_EQ(in.linjlast(1).linjavst, 3.0f);
  EXPECT_EQ(in.linjlast(1).brottned, 2.7f);
  EXPECT_EQ(in.linjlast(1).bruksned, 2.0f);
  EXPECT_EQ(in.linjlast(1).brottupp, 0.5f);
  EXPECT_EQ(in.linjfack(2), 0);
  EXPECT_EQ(in.taktyp, 1);
  EXPECT_EQ(in.vextak, 0);
  EXPECT_EQ(in.kvottak, 1.0f);
  EXPECT_EQ(in.taklutn, 3.6f);
  EXPECT_EQ(in.vind(3), 0.2f);
  EXPECT_EQ(in.vind(4), 0.0f);
  EXPECT_EQ(in.nedbkrav, 2);
  EXPECT_EQ(in.psi1vind, 0.2f);
  EXPECT_EQ(in.pnamn(1), "R820    ");
  EXPECT_EQ(in.pnamn(2), "R820    ");
  EXPECT_EQ(in.nprof, 1);
  EXPECT_EQ(in.utskr, 1);
  EXPECT_EQ(in.iskiv, 2);
  EXPECT_EQ(in.partkf(3, 4), 1.15f);  // defaults kept
  EXPECT_EQ(in.partkf(4, 5), 0.9f);
}

TEST(Inkvop, WindowsLineEndsReadAsUnixOnes) {
  CaseFile c = roof();
  c.set("8", " 1").insert_after("8", "9", "  0.700  0.800  0.900");
  const Result lf = read(c.text("\n"));
  const Result crlf = read(c.text("\r\n"));
  ASSERT_EQ(crlf.istat, 0) << crlf.err;
  EXPECT_EQ(crlf.in.indatafil, "PROV1   ");
  EXPECT_EQ(crlf.in.rubrik, lf.in.rubrik);
  EXPECT_EQ(crlf.in.pnamn(1), "R820    ");
  EXPECT_EQ(crlf.in.tjlk(3), 0.9f);
  EXPECT_EQ(crlf.in.upplbredd(4), 0.1f);
  EXPECT_EQ(crlf.in.linjlast(1).brottupp, 0.5f);
  EXPECT_EQ(crlf.in.utskr, 1);
}

TEST(Inkvop, ReportNamesFromTheCaseName) {
  struct Case { const char* line; const char* red; const char* ind; };
  const Case cases[] = {
      {"PROV1", "PROV1.RED   ", "PROV1.IND   "},
      {"ABCDEFGH", "ABCDEFGH.RED", "ABCDEFGH.IND"},
      {"ABCDEFGHIJ", "ABCDEFGH.RED", "ABCDEFGH.IND"},  // A8: the first 8 only
      {"AB CD", "AB.RED      ", "AB.IND      "},
      {" PROV1", ".RED        ", ".IND        "},
  };
  for (const Case& c : cases) {
    const Result r = read(roof().set("1", c.line));
    ASSERT_EQ(r.istat, 0) << c.line << r.err;
    EXPECT_EQ(r.in.rednamn, c.red) << c.line;
    EXPECT_EQ(r.in.indnamn, c.ind) << c.line;
  }
}

TEST(Inkvop, WallEndsAfterRecord62) {
  const Result r = read(wall().text("\r\n"));
  ASSERT_EQ(r.istat, 0) << r.err;
  const InputCase& in = r.in;
  EXPECT_EQ(in.vagg, 1);
  // Seven wind lines: towards the wall, its edge zone, then away from it.
  const float want[] = {0.65f, 0.50f, 0.80f, 1.20f, 1.40f, 1.00f, 1.50f};
  for (int k = 1; k <= 7; ++k) EXPECT_EQ(in.vind(k), want[k - 1]) << k;
  EXPECT_EQ(in.vandr(1), 2);
  EXPECT_EQ(in.utskr, 1);
  EXPECT_EQ(in.iskiv, 2);
  EXPECT_EQ(in.pnamn(1), "R46FA   ");
  // Roof fields keep their defaults.
  EXPECT_EQ(in.snolast, 2.5f);
  EXPECT_EQ(in.egentyngd, 0.4f);
  EXPECT_EQ(in.nlinj, 0);
  EXPECT_EQ(in.taktyp, 1);
  EXPECT_EQ(in.kvottak, 10000.0f);
  EXPECT_EQ(in.perfo(1), 0);
}

TEST(Inkvop, NonInsulatedRoofReadsEdgeZoneButNoPerforationOrDiaphragm) {
  CaseFile c = roof();
  c.set("39", " 0").insert_after("46", "47", "1.8").insert_after("47", "48", "2.5");
  c.drop("61").drop("63");
  const Result r = read(c);
  ASSERT_EQ(r.istat, 0) << r.err;
  EXPECT_EQ(r.in.taktyp, 0);
  EXPECT_EQ(r.in.vind(4), 1.8f);
  EXPECT_EQ(r.in.vind(5), 2.5f);
  EXPECT_EQ(r.in.utskr, 1);
  EXPECT_EQ(r.in.iskiv, 2);
  EXPECT_EQ(r.in.perfo(1), 0);
}

TEST(Inkvop, SnowRecordsByMarket) {
  // Sweden: a snow value of 0 (or not above 0.001) means the next line holds it.
  for (const char* v : {"0", "0.001"}) {
    const Result r = read(roof().set("22", v).insert_after("22", "22a", "1.8"));
    ASSERT_EQ(r.istat, 0) << r.err;
    EXPECT_EQ(r.in.snolast, 1.8f) << v;
    EXPECT_EQ(r.in.snoform, 0.8f) << v;
  }
  const Result direct = read(roof().set("22", "1.5").set("23", "1.2"));
  ASSERT_EQ(direct.istat, 0) << direct.err;
  EXPECT_EQ(direct.in.snolast, 1.5f);
  EXPECT_EQ(direct.in.snoform, 1.2f);
  // Norway: one snow line whatever its value.
  const Result norway = read(roof().set("3", " 3").set("22", "0").set("23", "0.8"));
  ASSERT_EQ(norway.istat, 0) << norway.err;
  EXPECT_EQ(norway.in.snolast, 0.0f);
  EXPECT_EQ(norway.in.snoform, 0.8f);
}

TEST(Inkvop, SnowPocketDroppedWhenNotAboveThePlainSnow) {
  CaseFile c = roof();
  c.set("23", "1.0").set("28", "2").set("29", "0.8").set("30", "1.5").set("31", "3.0").set("32", "0.5");
  const Result dropped = read(c);
  ASSERT_EQ(dropped.istat, 0) << dropped.err;
  EXPECT_EQ(dropped.in.fickfack, 0);
  EXPECT_EQ(dropped.in.fickmaxlgd, 1.5f);  // still read
  EXPECT_EQ(dropped.in.ficklgd, 3.0f);
  EXPECT_EQ(dropped.in.fickavst, 0.5f);
  EXPECT_EQ(read(c.set("29", "1.0")).in.fickfack, 0);  // equal counts as not above
  EXPECT_EQ(read(c.set("29", "1.2")).in.fickfack, 2);
}

TEST(Inkvop, LineLoadsCountResetWhenTheFirstHasNoSpan) {
  CaseFile c = roof();
  c.set("33", "2").set("34", "  0  1.000  1.000  1.000  0.000").set("35", "  3  2.000  4.000  3.000  0.000");
  const Result r = read(c);
  ASSERT_EQ(r.istat, 0) << r.err;
  EXPECT_EQ(r.in.nlinj, 0);
  EXPECT_EQ(r.in.linjfack(2), 3);
  EXPECT_EQ(r.in.linjlast(2).brottned, 4.0f);
}

TEST(Inkvop, JointLinesAndShortOverlapsBecomeHinges) {
  // Six spans; joint types 2 OML, 3 OML+NIT, 4 GERBER, 5 DUB OML at the
  // inner supports 2 to 6, support 2 named first as a hinge, then as OML.
  CaseFile c = roof();
  c.set("6", " 6").set("7", "  6.000  6.000  6.000  6.000  6.000  6.000");
  c.set("10", "  2  0  0  0  0  0  0").set("11", "  0  2  6").set("12", "  3").set("13", "  4");
  c.set("14", "  5  0  0  0  0  0  0");
  c.set("19", "10.10 05.50 5.50  5.50  5.50  6.00  10.10");
  const Result r = read(c);
  ASSERT_EQ(r.istat, 0) << r.err;
  const int want[] = {0, 1, 1, 4, 1, 2, 0};  // < 6 % overlaps act as hinges
  for (int j = 1; j <= 7; ++j) EXPECT_EQ(r.in.skarvtyp(j), want[j - 1]) << "support " << j;
  EXPECT_EQ(r.in.skarvprc(6), 6.0f);

  // The packed value is compared: 5.99 is a 5 % overlap to the right.
  const Result packed = read(c.set("19", "10.10 10.10 10.10 10.10 10.10  5.99 10.10"));
  ASSERT_EQ(packed.istat, 0) << packed.err;
  EXPECT_EQ(packed.in.skarvtyp(2), 2);
  EXPECT_EQ(packed.in.skarvtyp(6), 1);
}

TEST(Inkvop, EndSupportsFollowTheCantilevers) {
  CaseFile c = roof();
  c.set("11", "  1  4").set("15", "0.10").set("17", "0.11");  // OML named at both ends
  Result r = read(c);
  ASSERT_EQ(r.istat, 0) << r.err;
  EXPECT_EQ(r.in.skarvtyp(1), 1);
  EXPECT_EQ(r.in.skarvtyp(4), 0);
  r = read(c.set("15", "0.11").set("17", "0.10").set("10", "  1  4"));
  EXPECT_EQ(r.in.skarvtyp(1), 0);
  EXPECT_EQ(r.in.skarvtyp(4), 1);
}

TEST(Inkvop, DesignationFollowsTheMicroRibFlag) {
  struct Case { const char* line; const char* flag; const char* want; };
  const Case cases[] = {
      {"R820", "1", "R820P   "},     {"R820", "0", "R820    "},
      {"R820M", "0", "R820U   "},    {"R820M", "1", "R820M   "},
      {"R820MSTD", "0", "R820USTD"}, {"R820MSTD", "1", "R820MSTD"},
      {"r820", "1", "r820    "},     {" R820", "1", " R820   "},
      {"R820M   X", "0", "R820U   "},  // only the first 8 characters count
  };
  for (const Case& c : cases) {
    const Result r = read(roof().set("57", c.line).set("58", c.flag));
    ASSERT_EQ(r.istat, 0) << r.err;
    EXPECT_EQ(r.in.pnamn(1), c.want) << c.line << " / " << c.flag;
    EXPECT_EQ(r.in.pnamn(2).view(), Text<8>(c.line).view());
  }
}

TEST(Inkvop, SpanLengthsWithImpliedDecimals) {
  const Result r = read(roof().set("7", "      6   6000  6.000"));
  ASSERT_EQ(r.istat, 0) << r.err;
  EXPECT_EQ(r.in.spv(1), 0.006f);
  EXPECT_EQ(r.in.spv(2), 6.0f);
  EXPECT_EQ(r.in.spv(3), 6.0f);
}

TEST(Inkvop, FreeFormatSkipsEmptyLinesAndIgnoresTrailingText) {
  CaseFile c = roof();
  c.insert_after("14", "blank", "").insert_after("blank", "blank2", "   ");
  c.set("15", "  0.45  konsol vänster").set("16", "1,0");
  const Result r = read(c.text("\r\n"));
  ASSERT_EQ(r.istat, 0) << r.err;
  EXPECT_EQ(r.in.konsv, 0.45f);
  EXPECT_EQ(r.in.mbkonsv, 1);
}

TEST(Inkvop, VexRoofWithDiaphragmData) {
  CaseFile c = roof();
  c.set("39", " 2").insert_after("39", "40", " 1").insert_after("40", "41", "0.5");
  c.set("61", " 1").set("63", " 0");
  const char* d[] = {"1.25", "2", "3", "120000", "9.9", "5", "6", "8.5", "9.5", "10.5", "11.5",
                     "12.5", "13.5"};
  for (int k = 0; k < 13; ++k) c.add("D" + std::to_string(k + 1), d[k]);
  for (int t = 1; t <= 5; ++t) c.add("T" + std::to_string(t), "SKIVTEXT " + std::to_string(t));
  c.add("after", "this line is never read");
  const Result r = read(c);
  ASSERT_EQ(r.istat, 0) << r.err;
  EXPECT_EQ(r.in.vextak, 1);
  EXPECT_EQ(r.in.taktyp, 2);
  EXPECT_EQ(r.in.kvottak, 0.5f);
  EXPECT_EQ(r.in.perfo(1), 1);
  EXPECT_EQ(r.in.iskiv, 0);
  // D5 is not kept: D6 follows D4 in the diaphragm values.
  const float want[] = {1.25f, 2, 3, 120000, 5, 6, 8.5f, 9.5f, 10.5f, 11.5f, 12.5f, 13.5f};
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(r.in.skivdata(k), want[k - 1]) << k;
  EXPECT_EQ(r.in.skivtext(1).trimmed(), "SKIVTEXT 1");
  EXPECT_EQ(r.in.skivtext(5).trimmed(), "SKIVTEXT 5");
}

TEST(Inkvop, CodesWithDescribedMeaningsAreNotRefused) {
  const Result r = read(roof().set("62", " 7").set("63", " 5").set("28", "9").set("58", "3"));
  ASSERT_EQ(r.istat, 0) << r.err;
  EXPECT_EQ(r.in.utskr, 7);
  EXPECT_EQ(r.in.iskiv, 5);
  EXPECT_EQ(r.in.mikroband, 3);
}

// A refused case: istat non-zero and one message naming file, line, record
// and field.  The line is that of the record unless given.
void expect_refused(const CaseFile& c, const std::string& record, const std::string& field,
                    const std::string& what, int line = 0) {
  if (line == 0) line = c.line_of(record);
  const Result r = read(c);
  const std::string where = "kvopwb: ~INDATA~.TMP line " + std::to_string(line) + " (record " +
                            record + ", " + field + "): ";
  EXPECT_NE(r.istat, 0) << where;
  EXPECT_EQ(r.err.rfind(where, 0), 0u) << r.err;
  EXPECT_NE(r.err.find(what), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

TEST(InkvopRefuses, NumbersThatCannotBeRead) {
  expect_refused(roof().set("7", "  6,000  5.000  4.000"), "7", "spv(1)", "\"6,000\" in columns 1-7 is not a number");
  expect_refused(roof().set("19", "10.10 10.10 1O.10 10.10"), "19", "skarvprc(3)", "\"1O.10\" in columns 13-17 is not a number");
  expect_refused(roof().set("15", "abc"), "15", "konsv", "\"abc\" is not a number");
  expect_refused(roof().set("16", "1.0"), "16", "mbkonsv", "\"1.0\" is not a whole number");
  expect_refused(roof().set("3", "1."), "3", "marknadskod", "is not a whole number");
  expect_refused(roof().set("35", "  0  0.000  x.000  0.000  0.000"), "35", "brottned(2)", "columns 11-17");
}

TEST(InkvopRefuses, FileEndingEarly) {
  const CaseFile roof_case = roof();
  expect_refused(roof().end_after("45"), "46", "vind(3)", "ends before this record",
                 roof_case.line_of("45") + 1);
  // Blank lines do not hold the free-format value the file still owes.
  CaseFile blank_tail = roof().end_after("14");
  blank_tail.add("x", "").add("y", "  ");
  expect_refused(blank_tail, "15", "konsv", "ends before this record",
                 roof_case.line_of("14") + 3);
  CaseFile vex = roof();
  vex.set("39", " 2").insert_after("39", "40", " 1").insert_after("40", "41", "0.5").set("63", " 1");
  expect_refused(vex, "D1", "skivdata(1)", "ends before this record", vex.line_of("63") + 1);
}

TEST(InkvopRefuses, CountsAndSupportNumbersOutsideTheRecord) {
  expect_refused(roof().set("6", " 0"), "6", "nfack", "nfack 0 is outside 1..20");
  expect_refused(roof().set("6", "21"), "6", "nfack", "outside 1..20");
  expect_refused(roof().set("12", "  2  5"), "12", "skarvtyp", "support 5 is outside 0..4");
  expect_refused(roof().set("12", " -1"), "12", "skarvtyp", "support -1 is outside 0..4");
  expect_refused(roof().set("33", "6"), "33", "nlinj", "outside 0..5");
  expect_refused(roof().set("33", "-1"), "33", "nlinj", "outside 0..5");
  expect_refused(roof().set("34", "  4  1.000  1.000  1.000  0.000"), "34", "linjfack(1)", "span 4 is outside 1..3");
  expect_refused(roof().set("33", "2"), "35", "linjfack(2)", "span 0 is outside 1..3");
  expect_refused(roof().set("7", "  6.000  0.000  4.000"), "7", "spv(2)", "must be greater than 0");
  expect_refused(roof().set("7", "  6.000  5.000 -4.000"), "7", "spv(3)", "must be greater than 0");
}

TEST(InkvopRefuses, CodesOutsideTheirLists) {
  struct Case { const char* record; const char* line; const char* field; };
  const Case cases[] = {
      {"3", " 0", "marknadskod"}, {"3", " 6", "marknadskod"}, {"4", " 4", "sakkl"},
      {"4", "-1", "sakkl"},       {"5", " 2", "vagg"},        {"39", " 3", "taktyp"},
      {"43", " 3", "oflans"},     {"52", " 3", "nedbkrav"},   {"60", " 0", "vandr(1)"},
      {"60", " 3", "vandr(1)"},   {"61", " 3", "perfo(1)"},
  };
  for (const Case& c : cases) {
    CaseFile f = roof().set(c.record, c.line);
    expect_refused(f, c.record, c.field, "is outside");
  }
}

TEST(InkvopRefuses, SnowPocketBeyondItsSpan) {
  // Pocket in span 2 of 5.0 m: the start slot 40 * d / 5 may reach the
  // overflow slot 41 (d below 5.25) but not 42.
  CaseFile c = roof();
  c.set("28", "2").set("29", "1.6").set("30", "0.5").set("31", "1.0");
  for (const char* d : {"5.2", "5.249"}) {
    const Result r = read(c.set("32", d));
    ASSERT_EQ(r.istat, 0) << d << r.err;
    EXPECT_EQ(r.in.fickfack, 2);
  }
  expect_refused(c.set("32", "5.25"), "32", "fickavst",
                 "the snow pocket's distance 5.250 m lies beyond span 2 of length 5.000 m; the "
                 "pocket belongs in a later span");
  expect_refused(c.set("28", "3").set("32", "4.3"), "32", "fickavst", "beyond span 3 of length 4.000 m");
  // Found on the line of the value, after skipped blank lines.
  c.set("32", "5.25").insert_after("31", "blank", "");
  expect_refused(c, "32", "fickavst", "beyond span 3");

  // No pocket placed, nothing to refuse: none given, dropped as not above
  // the plain snow, or a span number beyond the sheet.
  for (const char* ff : {"0", "9"}) EXPECT_EQ(read(roof().set("28", ff).set("29", "1.6").set("32", "50")).istat, 0) << ff;
  EXPECT_EQ(read(roof().set("28", "2").set("29", "0.8").set("32", "50")).istat, 0);
}

TEST(InkvopRefuses, CaseNamesLeadingOutOfTheWorkingDirectory) {
  for (const char* name : {"../X", "..\\X", "A/B", "C:\\TMP", "..", "A..B"})
    expect_refused(roof().set("1", name), "1", "indatafil", "not a plain file name");
}

TEST(InkvopRefuses, MissingFileAndNoReportTouched) {
  ScratchDir dir;
  dir.write("PROV1.RED", "old report\n");
  TestRun run(dir.path());
  EXPECT_NE(inkvop(run.ctx), 0);
  EXPECT_EQ(run.err.str(),
            "kvopwb: ~INDATA~.TMP: the calculation input file is missing in the working "
            "directory\n");

  dir.write("~indata~.tmp", roof().set("6", "25").text());
  TestRun bad(dir.path());
  EXPECT_NE(inkvop(bad.ctx), 0);
  EXPECT_EQ(dir.read("PROV1.RED"), "old report\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            2);
}

}  // namespace
}  // namespace kvop
