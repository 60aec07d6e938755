// The field readers of the case file: fixed integer and real fields with
// Fortran input editing, and the first value of a free-format line.
#include "driver/input_fields.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvop::infield {
namespace {

TEST(RealField, ImpliedDecimalsOnlyWithoutAPoint) {
  struct Case {
    const char* field;
    int decimals;
    float want;
  };
  const Case cases[] = {
      {"  6.000", 3, 6.0f},   {"      6", 3, 0.006f}, {"   6000", 3, 6.0f},
      {" 6 000 ", 3, 6.0f},  // blanks inside are ignored, not zeros
      {"  -1.25", 3, -1.25f}, {"   +.5 ", 3, 0.5f},   {"   6.  ", 3, 6.0f},
      {" 1.5E2 ", 3, 150.0f}, {"  15D1 ", 3, 0.15f},  // no point: 0.015 * 10
      {" 1.5+2 ", 3, 150.0f}, {"1.5e-1 ", 3, 0.15f},  {"       ", 3, 0.0f},
      {"", 3, 0.0f},          {"10.10", 2, 10.1f},    {" 1010", 2, 10.1f},
      {" 5.99", 2, 5.99f},    {"   -0", 3, 0.0f},
  };
  for (const Case& c : cases) {
    const auto r = real_field(c.field, c.decimals);
    ASSERT_TRUE(r) << '"' << c.field << '"';
    EXPECT_EQ(r.value, c.want) << '"' << c.field << '"';
  }
}

TEST(RealField, FieldsThatAreNoNumber) {
  for (const char* f : {"  6,000", "  1.2.3", "    abc", "      +", "      .", " 1.5E  ", "    inf",
                        "    nan", "  0x1p3"}) {
    const auto r = real_field(f, 3);
    EXPECT_EQ(r.fault, Fault::not_a_number) << '"' << f << '"';
  }
  EXPECT_FALSE(std::signbit(real_field("  -0.0", 3).value));  // no negative zero
  EXPECT_EQ(real_field(" 1.E40", 3).fault, Fault::out_of_range);
  EXPECT_EQ(real_field("  1E40", 3).value, 1E37f);  // implied decimals apply
  EXPECT_EQ(real_field("1E99999999999", 3).fault, Fault::out_of_range);
  const auto tiny = real_field(" 1E-60", 3);
  ASSERT_TRUE(tiny);
  EXPECT_EQ(tiny.value, 0.0f);
  EXPECT_EQ(real_field("0E99999", 3).value, 0.0f);
}

TEST(IntegerField, BlanksIgnoredAndWholeNumbersOnly) {
  EXPECT_EQ(integer_field(" 1").value, 1);
  EXPECT_EQ(integer_field("1 2").value, 12);
  EXPECT_EQ(integer_field(" -3").value, -3);
  EXPECT_EQ(integer_field("  ").value, 0);
  EXPECT_EQ(integer_field("").value, 0);
  EXPECT_EQ(integer_field("1.0").fault, Fault::not_integer);
  EXPECT_EQ(integer_field(" x").fault, Fault::not_a_number);
  EXPECT_EQ(integer_field(" -").fault, Fault::not_a_number);
  EXPECT_EQ(integer_field("-2147483648").value, -2147483647 - 1);
  EXPECT_EQ(integer_field("2147483648").fault, Fault::out_of_range);
  EXPECT_EQ(integer_field("99999999999999999999").fault, Fault::out_of_range);
}

TEST(Columns, ShortLinesSupplyBlanks) {
  EXPECT_EQ(columns("  6.000  5.000", 8, 7), "  5.000");
  EXPECT_EQ(columns("  6.000  5", 8, 7), "  5");
  EXPECT_EQ(columns("  6.000", 8, 7), "");
  EXPECT_EQ(columns("10.10 20.20", 7, 5), "20.20");
}

TEST(FreeFormat, FirstValueOfTheLine) {
  EXPECT_EQ(*first_value("0.30"), "0.30");
  EXPECT_EQ(*first_value("   0.30  konsol vänster"), "0.30");
  EXPECT_EQ(*first_value("\t2.5"), "2.5");
  EXPECT_EQ(*first_value("1.5,2.0"), "1.5");
  EXPECT_EQ(*first_value("0,30"), "0");  // a comma separates values
  EXPECT_EQ(*first_value("4/"), "4");
  EXPECT_EQ(*first_value(" ,5"), ",");  // a null value reads as no number
  EXPECT_FALSE(first_value(""));
  EXPECT_FALSE(first_value("    "));
}

TEST(FreeFormat, RealsAsWrittenAndRoundedOnce) {
  EXPECT_EQ(free_real("6").value, 6.0f);  // no implied decimals
  EXPECT_EQ(free_real("2.5E-1").value, 0.25f);
  EXPECT_EQ(free_real("-1.5d0").value, -1.5f);
  EXPECT_EQ(free_real("0.1").value, 0.1f);
  // Just above the midpoint between 1 and the next real: correct rounding
  // goes up, rounding through double first would land on the midpoint and
  // tie down to 1.
  EXPECT_EQ(free_real("1.00000005960464477550").value, std::nextafter(1.0f, 2.0f));
  EXPECT_EQ(free_real("abc").fault, Fault::not_a_number);
  EXPECT_EQ(free_real(",").fault, Fault::not_a_number);
}

TEST(FreeFormat, IntegersRequireWholeNumbers) {
  EXPECT_EQ(free_integer("2").value, 2);
  EXPECT_EQ(free_integer("+3").value, 3);
  EXPECT_EQ(free_integer("-1").value, -1);
  EXPECT_EQ(free_integer("1.0").fault, Fault::not_integer);
  EXPECT_EQ(free_integer("3e0").fault, Fault::not_integer);
  EXPECT_EQ(free_integer("två").fault, Fault::not_a_number);
}

TEST(Quoted, TrimmedAndControlCharactersShown) {
  EXPECT_EQ(infield::quoted("  6,000 "), "6,000");
  EXPECT_EQ(infield::quoted("a\x1b[2Jb"), "a?[2Jb");
  EXPECT_EQ(infield::quoted(std::string(60, '9')), std::string(40, '9') + "...");
}

}  // namespace
}  // namespace kvop::infield
