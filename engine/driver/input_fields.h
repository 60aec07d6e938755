// Field readers of the calculation input file.  A case file is a fixed-column
// text: integer fields Iw, real fields Fw.d with implied decimals, texts Aw,
// and free-format lines that hold one value anywhere on the line.  Each reader
// works on one line (without its line end) and reports whether the field
// could be read; the caller names the record and the field in its message.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvop::infield {

// The text of the field of `width` columns starting at column `first` (1-based)
// of `line`; a line shorter than the field supplies blanks, so the result may
// be shorter than `width` or empty.
std::string_view columns(std::string_view line, int first, int width);

// How a numeric field failed.
enum class Fault {
  none,
  not_a_number,   // the characters do not form a number
  not_integer,    // a number, but a whole number is required
  out_of_range,   // a number beyond what a 32-bit field holds
  decimal_comma,  // a number written with a decimal comma ("0,30")
};

template <class T>
struct Read {
  T value{};
  Fault fault = Fault::none;
  explicit operator bool() const { return fault == Fault::none; }
};

// Iw input: blanks anywhere are ignored, an optional sign, digits; an
// all-blank field reads as 0.
Read<int> integer_field(std::string_view field);

// Fw.d input: blanks anywhere are ignored, an optional sign, digits with an
// optional decimal point, an optional exponent (E or D, or a sign directly
// after the digits).  Without a point the rightmost `decimals` digits are the
// fraction, so "6" in an F7.3 field is 0.006.  An all-blank field reads as 0.
// The decimal value is rounded once to the nearest 32-bit real.  A number
// with a decimal comma ("6,000") is a decimal_comma fault.
Read<float> real_field(std::string_view field, int decimals);

// The first value of a free-format (list-directed) line: leading blanks are
// skipped and the value ends at a blank, a comma, a slash or the line end.
// Nothing when the line holds no value (empty or blank).  A line that starts
// with a comma or a slash gives that single character, which no number reads.
std::optional<std::string_view> first_value(std::string_view line);

// True when `value`, the first value of the free-format `line` (a view into
// it), is the whole part of a number written with a decimal comma: digits
// and a comma directly followed by a digit ("0,30" gives "0").  A comma after
// a number with a point, or before a blank, separates values ("1.5,2.0").
bool decimal_comma(std::string_view line, std::string_view value);

// The number written with a decimal comma that starts with `value` on `line`
// ("0,30"), for a message.
std::string_view comma_number(std::string_view line, std::string_view value);

// A free-format real: as real_field, but a value without a decimal point is
// the number as written (no implied decimals) and blanks end the value.
Read<float> free_real(std::string_view value);

// A free-format integer: an optional sign and digits only.
Read<int> free_integer(std::string_view value);

// The field text as it may be quoted in a console message: surrounding blanks
// removed and control characters shown as '?'.
std::string quoted(std::string_view field);

}  // namespace kvop::infield
