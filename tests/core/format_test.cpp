// Report line layouts.  The expected strings are the results of the standard
// Fortran edit descriptors for the same values and formats (as a Fortran
// compiler writes them), or are read off the report lines the layouts describe.
#include "core/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/channels.h"
#include "core/cp1252.h"
#include "test_support.h"

namespace kvop::notation {
namespace {

using Lines = std::vector<std::string>;

TEST(EditF, RoundsTheExactBinaryValueAndPlacesSignAndPoint) {
  struct Case {
    double v;
    int w, d;
    const char* out;
  };
  const Case cases[] = {
      {0.125, 5, 2, " 0.12"},  // a true tie goes to the even digit
      {2.5, 4, 0, "  2."},
      {2.675, 7, 2, "   2.67"},  // 2.67499999... in binary
      {1.0005, 7, 3, "  1.000"},
      {-12.345, 7, 2, " -12.35"},  // -12.3450000000000006 in binary
      {-0.5, 5, 2, "-0.50"},
      {-0.001, 5, 2, "-0.00"},  // rounds to zero, keeps its sign
      {-0.0, 5, 2, "-0.00"},
      {-0.04, 5, 1, " -0.0"},
      {0.0, 5, 2, " 0.00"},
      {0.0, 3, 2, ".00"},  // no room for the leading zero
      {0.5, 3, 2, ".50"},
      {-0.5, 4, 2, "-.50"},
      {-0.5, 3, 2, "***"},
      {0.0, 2, 2, "**"},
      {999.994, 6, 2, "999.99"},
      {999.995, 6, 2, "******"},  // rounds up to 1000.00
      {-99.995, 6, 2, "******"},
      {1.0e30, 6, 2, "******"},
      {1.0e30, 40, 2, "      1000000000000000019884624838656.00"},
      {0.4, 4, 0, "  0."},  // without decimals the 0 is never left out
      {0.4, 2, 0, "0."},
      {0.4, 1, 0, "*"},
      {-0.4, 3, 0, "-0."},
      {-0.4, 2, 0, "**"},
      {999.5, 4, 0, "****"},  // tie to even: 1000.
      {998.5, 4, 0, "998."},
      {1000.0, 4, 0, "****"},  // the point makes it five characters
      // Around the largest values and decimals the integer rounding takes.
      {std::ldexp(1.0, 63), 22, 0, "  9223372036854775808."},
      {std::ldexp(1.0, 62), 24, 2, "  4611686018427387904.00"},
      {0.1, 20, 17, " 0.10000000000000001"},  // 0.1000000000000000055511...
      {0.1, 22, 18, "  0.100000000000000006"},
      {std::ldexp(1.0, -20), 20, 17, " 0.00000095367431641"},  // ...640625
      {std::ldexp(3.0, -18), 19, 17, "0.00001144409179688"},  // a tie: ...1796875
      {5.0e-324, 6, 3, " 0.000"},
      {-5.0e-324, 6, 3, "-0.000"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(edit_f(c.v, c.w, c.d), c.out) << c.v << " F" << c.w << "." << c.d;
}

TEST(EditF, FieldsWiderThanAnyLayoutAndFieldsInPlace) {
  // 2^100 = 1267650600228229401496703205376 exactly.
  const std::string wide = edit_f(std::ldexp(1.0, 100), 1200, 1100);
  ASSERT_EQ(wide.size(), 1200u);
  EXPECT_EQ(wide.substr(0, 99), std::string(68, ' ') + "1267650600228229401496703205376");
  EXPECT_EQ(wide.substr(99), "." + std::string(1100, '0'));
  EXPECT_EQ(edit_f(-0.5, 1200, 1198), "-.5" + std::string(1197, '0'));
  EXPECT_EQ(edit_f(-2.0, 1200, 1198), std::string(1200, '*'));
  // The field form writes exactly its w characters.
  std::string line = "<.......>";
  edit_f(line.data() + 1, -1.5, 5, 2);
  edit_i(line.data() + 6, 7, 2, 2);
  EXPECT_EQ(line, "<-1.5007>");
}

TEST(EditF, NonFiniteValuesFitWhereTheyCan) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(edit_f(inf, 8, 2) + edit_f(inf, 4, 2) + edit_f(inf, 2, 2), "Infinity Inf**");
  EXPECT_EQ(edit_f(-inf, 9, 2) + edit_f(-inf, 8, 2) + edit_f(-inf, 3, 2), "-Infinity    -Inf***");
  EXPECT_EQ(edit_f(nan, 8, 2) + edit_f(nan, 2, 2), "     NaN**");
}

TEST(EditF, SinglePrecisionValuesKeepTheirExactBinaryValue) {
  // Reals of the records reach the layouts as float; 0.15f is
  // 0.1500000059604645 and 0.35f is 0.3499999940395355.
  struct Case {
    float v;
    const char* layout;
    const char* out;
  };
  const Case cases[] = {
      {0.15f, "(F6.2)", "  0.15"},
      {0.35f, "(F6.1)", "   0.3"},
      {-12.345f, "(F7.2)", " -12.35"},
      {1.0e10f, "(F15.1)", "  10000000000.0"},
  };
  for (const Case& c : cases) EXPECT_EQ(Layout(c.layout).lines({c.v}), Lines{c.out}) << c.layout;
}

TEST(EditI, WidthMinimumDigitsAndOverflow) {
  struct Case {
    long long v;
    int w, m;
    const char* out;
  };
  const Case cases[] = {
      {1000, 3, 0, "***"},
      {-99, 3, 0, "-99"},
      {-100, 3, 0, "***"},
      {0, 3, 0, "  0"},
      {5, 4, 2, "  05"},
      {-5, 4, 2, " -05"},
      {-5, 3, 3, "***"},
      {7, 2, 2, "07"},
      {2026, 4, 0, "2026"},
      {123, 2, 2, "**"},
      {0, 3, 1, "  0"},
      {-2147483647, 11, 0, "-2147483647"},
      {std::numeric_limits<long long>::min(), 20, 0, "-9223372036854775808"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(edit_i(c.v, c.w, c.m), c.out) << c.v << " I" << c.w << "." << c.m;
  // Iw.0 leaves a zero value blank.
  EXPECT_EQ(Layout("(I3.0,'|')").lines({0}), Lines{"   |"});
  EXPECT_EQ(Layout("(I3.0)").lines({4}), Lines{"  4"});
}

TEST(LayoutFields, TextFieldsAndKindMismatch) {
  EXPECT_EQ(Layout("(A,'|',A5,'|',A2)").lines({"ab ", "xy", "long"}), Lines{"ab |   xy|lo"});
  EXPECT_EQ(Layout("(A8)").lines({"ABCDEFGHIJ"}), Lines{"ABCDEFGH"});
  // A value of the wrong kind shows as asterisks across its field.
  EXPECT_EQ(Layout("(I4,F6.2,A3,1X,A)").lines({1.5f, 2, 7, 3}), Lines{"************* *"});
  // Text values are bytes: a Windows-1252 text goes out unchanged, and a
  // line feed in one does not end its line.
  EXPECT_EQ(Layout("(A,I2,/,'z')").lines({"a\nb", 3}), (Lines{"a\nb 3", "z"}));
  const std::string latin = enc("LÅSTA   ");
  EXPECT_EQ(Layout("(4X,'ÄNDUPPLAGEN ÄR ',A8,' MHT')").lines({latin}),
            Lines{enc("    ÄNDUPPLAGEN ÄR LÅSTA    MHT")});
}

TEST(LayoutTexts, QuotesAndWindows1252) {
  EXPECT_EQ(Layout(R"(('it''s',1X,"say ""hi"""))").lines({}), Lines{"it's say \"hi\""});
  EXPECT_EQ(Layout(R"(("don't",'"'))").lines({}), Lines{"don't\""});
  const Lines l = Layout("(4X,'SNÖLAST')").lines({});
  ASSERT_EQ(l.size(), 1u);
  EXPECT_EQ(l[0], std::string("    SN\xD6LAST"));
}

// The span-number row of the summary and result tables: eight numbers per
// line, continuation lines indented, and the continuation group beginning
// with "/".
TEST(LayoutReversion, SpanNumberRowByCount) {
  const Layout row("(4X,'FACK  NR',3X,8(I4,2X),(/,4X,15X,8(I4,2X)))");
  const std::string l1 = "    FACK  NR      1     2     3     4     5     6     7     8";
  const std::string l2 = "                      9    10    11    12    13    14    15    16";
  auto numbers = [](int n) {
    std::vector<Value> v;
    for (int i = 1; i <= n; ++i) v.emplace_back(i);
    return v;
  };
  struct Case {
    int n;
    Lines out;
  };
  const Case cases[] = {
      {1, {"    FACK  NR      1"}},
      {8, {l1, ""}},  // the continuation begins a new line and writes nothing on it
      {9, {l1, "                      9"}},
      {16, {l1, l2}},  // the layout ends with the values: nothing more
      {17, {l1, l2, "", "                     17"}},  // reversion ends a line, "/" another
      {20, {l1, l2, "", "                     17    18    19    20"}},
  };
  for (const Case& c : cases) EXPECT_EQ(row.lines(numbers(c.n)), c.out) << c.n << " spans";

  // The support row: nine per line; 18 values fill two lines exactly.
  const Layout stod("(4X,'STÖD    ',1X,9(I3,3X),(/,4X,15X,9(I3,3X)))");
  const Lines two = stod.lines(numbers(18));
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0], enc("    STÖD       1     2     3     4     5     6     7     8     9"));
  EXPECT_EQ(two[1], "                    10    11    12    13    14    15    16    17    18");
}

TEST(LayoutReversion, ResumesAtTheLastOuterGroupWithItsCount) {
  std::vector<Value> v;
  for (int i = 1; i <= 12; ++i) v.emplace_back(i);
  auto first = [&](std::size_t n) { return std::span<const Value>(v.data(), n); };
  // Nested groups: the outer group whose parenthesis closes last is repeated.
  EXPECT_EQ(Layout("(I2,2(I3,'a',(I4,'b')),I5)").lines(first(12)),
            (Lines{" 1  2a   3b  4a   5b    6", "  7a   8b  9a  10b   11", " 12a"}));
  EXPECT_EQ(Layout("(I1,(I2,(I3)),I4)").lines(first(7)), (Lines{"1 2  3   4", " 5  6   7"}));
  EXPECT_EQ(Layout("(I1,2(I2),3(I3),'e')").lines(first(10)),
            (Lines{"1 2 3  4  5  6e", "  7  8  9e", " 10"}));
  EXPECT_EQ(Layout("(I2,2(I3,'a'),'c')").lines(first(9)),
            (Lines{" 1  2a  3ac", "  4a  5ac", "  6a  7ac", "  8a  9ac"}));
  EXPECT_EQ(Layout("(2(2(I1,','),'|'))").lines(first(9)),
            (Lines{"1,2,|3,4,|", "5,6,|7,8,|", "9,"}));
  // Without a group the whole layout is repeated; its trailing 1X adds nothing.
  EXPECT_EQ(Layout("('x',I2,1X)").lines(first(3)), (Lines{"x 1", "x 2", "x 3"}));
  // Without outer parentheses the same rules hold.
  EXPECT_EQ(Layout("I2,(I3)").lines(first(3)), (Lines{" 1  2", "  3"}));
}

TEST(LayoutStops, AtTheFirstFieldWithoutValueAndAlwaysEmitsTheLine) {
  EXPECT_EQ(Layout("('x',I2,'y',I2,'z')").lines({1}), Lines{"x 1y"});
  EXPECT_EQ(Layout("(I3,'abc')").lines({}), Lines{""});
  EXPECT_EQ(Layout("('abc',/,'def',I3,'g')").lines({}), (Lines{"abc", "def"}));
  EXPECT_EQ(Layout("(4X,'SPV  M',F5.2,9F6.2)").lines({1.0f, 2.0f, 3.5f}),
            Lines{"    SPV  M 1.00  2.00  3.50"});
  EXPECT_EQ(Layout("(1X)").lines({}), Lines{""});
  EXPECT_EQ(Layout("(/)").lines({}), (Lines{"", ""}));
  EXPECT_EQ(Layout("(2/,'x')").lines({}), (Lines{"", "", "x"}));
  EXPECT_EQ(Layout("()").lines({}), Lines{""});
}

TEST(LayoutPositioning, BlanksOnlyBeforeSomethingWritten) {
  EXPECT_EQ(Layout("(/,4X,'SKIVVERKAN',/,4X,'----')").lines({}),
            (Lines{"", "    SKIVVERKAN", "    ----"}));
  EXPECT_EQ(Layout("(/,4X,'X',/,1X)").lines({}), (Lines{"", "    X", ""}));
  EXPECT_EQ(Layout("(I2,4X/I2)").lines({5, 6}), (Lines{" 5", " 6"}));
  EXPECT_EQ(Layout("(4X,3X,A,2X)").lines({""}), Lines{"       "});  // an empty text is written
  // A header that ends with an empty line through its closing 1X.
  EXPECT_EQ(Layout("(/,4X,'LASTFALL',I2,8X,A16,/,1X)").lines({3, "LAST FROM PLATE"}),
            (Lines{"", "    LASTFALL 3         LAST FROM PLATE", ""}));
  // A rule of 67 hyphens.
  EXPECT_EQ(Layout("(4X,67('-'))").lines({}), Lines{"    " + std::string(67, '-')});
}

TEST(LayoutParse, SpellingVariantsAreAccepted) {
  // Lower case, blanks, no outer parentheses, commas left out around "/".
  EXPECT_EQ(Layout(" ( i3 , f5.1 / a ) ").lines({1, 2.0, "z"}), (Lines{"  1  2.0", "z"}));
  EXPECT_EQ(Layout("I2/I2,/I2").lines({1, 2, 3}), (Lines{" 1", " 2", " 3"}));
  EXPECT_EQ(Layout("(I1),(I2)").lines({1, 2, 3}), (Lines{"1 2", " 3"}));
}

TEST(LayoutParse, MalformedLayoutsAreRefusedWithTheirPosition) {
  const char* bad[] = {
      "(I3",      "(I3))",  "(I3 I4)", "(F6)",  "(F6.)",    "(Q3)",   "(I3,)",
      "(,I3)",    "('abc)", "(2'ab')", "(0I3)", "(I0)",     "(I2.3)", "(2())",
      "(I10000)", "(A0)",   "((I3)",   "(3)",   "(I3,,I4)",
  };
  for (const char* s : bad) EXPECT_THROW(Layout{s}, std::invalid_argument) << s;
  try {
    Layout("(I3,Q4)");
    FAIL();
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find("position 5"), std::string::npos) << e.what();
  }
}

TEST(LayoutValues, ValuesThatNoFieldCanTakeAreAFault) {
  // Repeating a part without a value field would never end.
  EXPECT_THROW(Layout("('abc')").lines({1}), std::invalid_argument);
  EXPECT_THROW(Layout("(I2,(/))").lines({1, 2}), std::invalid_argument);
  EXPECT_EQ(Layout("(I2,(/))").lines({1}), (Lines{" 1", ""}));
}

TEST(Write, LinesGoToTheChannelWithLineEnds) {
  test::ScratchDir dir;
  Channel report;
  ASSERT_TRUE(report.open_write(dir.path() / "CASE.RED"));
  static const Layout kTitle("(/,4X,'UTNYTTJANDEGRADER %')");
  write(report, kTitle);
  const std::vector<Value> v{1, 2};
  write(report, Layout("(2I3)"), v);
  report.close();
  EXPECT_EQ(dir.read("CASE.RED"), "\n    UTNYTTJANDEGRADER %\n  1  2\n");
  EXPECT_EQ(list_directed("BERÄKNING"), " BERÄKNING");
}

TEST(Write, LinesAppendedAfterEarlierOnesKeepTheirOwnColumns) {
  // The lines of one write follow those of the writes before in the same
  // buffer: columns count from the start of each line.
  std::string out = "HEAD\n";
  Layout("(4X,'ABCDEFGHIJKLMNOP',/,2X,I3)").append_lines(out, std::vector<Value>{7});
  Layout("(3X,'y',2X)").append_lines(out, {});
  EXPECT_EQ(out, "HEAD\n    ABCDEFGHIJKLMNOP\n    7\n   y\n");
  // Values that no field can take leave the buffer as it was.
  EXPECT_THROW(Layout("('abc')").append_lines(out, std::vector<Value>{1}), std::invalid_argument);
  EXPECT_EQ(out, "HEAD\n    ABCDEFGHIJKLMNOP\n    7\n   y\n");

  test::ScratchDir dir;
  Channel report;
  ASSERT_TRUE(report.open_write(dir.path() / "CASE.RED"));
  const Layout row("(4X,'FACK  NR',3X,8(I4,2X),(/,4X,15X,8(I4,2X)))");
  std::vector<Value> v;
  for (int i = 1; i <= 9; ++i) v.emplace_back(i);
  write(report, row, v);
  EXPECT_THROW(write(report, Layout("('abc')"), std::vector<Value>{1}), std::invalid_argument);
  write(report, Layout("(2X,'x')"));
  report.close();
  EXPECT_EQ(dir.read("CASE.RED"),
            "    FACK  NR      1     2     3     4     5     6     7     8\n"
            "                      9\n"
            "  x\n");
}

TEST(Afor3r, NarrowestFixedPointWithThreeDecimals) {
  struct Case {
    float value;
    const char* text;
    int width;
  };
  const Case cases[] = {
      {150.0f, "150.000 ", 7}, {75.0f, "75.000  ", 6},   {0.5f, "0.500   ", 5},
      {-0.5f, "-0.500  ", 6},  {9999.0f, "9999.000", 8}, {10.0f, "10.000  ", 6},
  };
  for (const Case& c : cases) {
    const Afor3r a = afor3r(c.value, 8);
    EXPECT_EQ(a.text, c.text) << c.value;
    EXPECT_EQ(a.width, c.width) << c.value;
  }
}

TEST(Afor3r, ValueTooWideForTheTextIsMarked) {
  const Afor3r a = afor3r(10000.0f, 8);
  EXPECT_EQ(a.width, 9);
  EXPECT_EQ(a.text, "********");
}

}  // namespace
}  // namespace kvop::notation
