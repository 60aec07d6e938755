// Report line layouts.  Every line the engine writes to a file is described
// by a layout in the classic edit-descriptor notation and produced here, so
// that a layout in the code reads like the line it writes:
//
//   static const notation::Layout kSpanNumbers(
//       "(4X,'FACK  NR',3X,8(I4,2X),(/,4X,15X,8(I4,2X)))");
//   notation::write(ctx.channels.report, kSpanNumbers, values);
//
// Descriptors: 'text' or "text" (quoted text, a doubled quote stands for
// itself), nX, Aw and A, Iw and Iw.m, Fw.d, "/", k(...) repeat groups and a
// repeat count k before a single descriptor (8I4, 9F6.2, 2/).  Commas separate
// items; they may be left out around "/".  The outer parentheses may be left
// out; blanks outside texts are ignored and descriptor letters may be lower
// case.  Widths, counts and decimals are at most 999.
//
// Rules of the output:
// - Fw.d rounds the exact binary value to d decimals (ties to even), right
//   aligned, a minus sign when the sign bit is set (-0.001 in F5.2 is
//   "-0.00"); a 0 before the point only when the field has room for it (and
//   always with d = 0: F4.0 of 0.4 is "  0."); asterisks when the value does
//   not fit.  Infinities print "Infinity" or "Inf", NaN "NaN", when they fit.
// - Iw right-aligns, Iw.m writes at least m digits; asterisks on overflow.
//   Iw.0 writes the value 0 as blanks; edit_i with m = 0 is plain Iw.
// - Aw writes the text right-aligned in w columns when shorter, its first w
//   characters when longer; A writes the whole text.
// - nX only moves the position: its blanks appear when something is written
//   after them on the same line, so no line carries trailing blanks from nX.
// - Writing stops at the first value field for which no value is left; texts
//   and "/" met before it are still written.  The line in progress is always
//   emitted: "(1X)" yields one empty line, "(/)" two, and a layout ending in
//   "/" or nX ends with an empty line.
// - When the layout ends with values left, the line ends and writing resumes
//   at the last parenthesised group (with its repeat count), or at the start
//   when there is none.  When that part holds no value field, the values can
//   never be written: lines() throws std::invalid_argument.
// Texts in a layout are written as UTF-8 in the source and converted to
// Windows-1252 when the layout is built; text values are Windows-1252 bytes.
#pragma once

#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvop {
class Channel;
}

namespace kvop::notation {

// One value of an output list.  A text value refers to its bytes: they must
// outlive the list.
class Value {
 public:
  enum class Kind { Integer, Real, Text };
  Value(int v) : kind_(Kind::Integer), i_(v) {}              // NOLINT
  Value(long v) : kind_(Kind::Integer), i_(v) {}             // NOLINT
  Value(long long v) : kind_(Kind::Integer), i_(v) {}        // NOLINT
  Value(float v) : kind_(Kind::Real), r_(v) {}               // NOLINT
  Value(double v) : kind_(Kind::Real), r_(v) {}              // NOLINT
  Value(std::string_view v) : kind_(Kind::Text), s_(v) {}    // NOLINT
  Value(const std::string& v) : kind_(Kind::Text), s_(v) {}  // NOLINT
  Value(const char* v) : kind_(Kind::Text), s_(v) {}         // NOLINT
  Kind kind() const { return kind_; }
  long long integer() const { return kind_ == Kind::Integer ? i_ : 0; }
  double real() const { return kind_ == Kind::Real ? r_ : 0.0; }
  std::string_view text() const { return kind_ == Kind::Text ? s_ : std::string_view(); }

 private:
  Kind kind_;
  union {
    long long i_;
    double r_;
    std::string_view s_;
  };
};

// A parsed layout.  Building one from a malformed layout string throws
// std::invalid_argument naming the position; every layout of the engine is
// built by the tests, so such a fault never reaches a run.
class Layout {
 public:
  explicit Layout(std::string_view utf8_layout);
  ~Layout();
  Layout(Layout&&) noexcept;
  Layout& operator=(Layout&&) noexcept;

  // The lines (Windows-1252 bytes, without line ends) that the layout writes
  // for these values.  A value whose kind does not suit its field (a text in
  // an I field, say) is written as asterisks across the field.
  std::vector<std::string> lines(std::span<const Value> values) const;
  std::vector<std::string> lines(std::initializer_list<Value> values) const {
    return lines(std::span<const Value>(values.begin(), values.size()));
  }
  // The same lines appended to `out`, each with its LF line end.  When the
  // values are a fault (see above) `out` is left as it was.
  void append_lines(std::string& out, std::span<const Value> values) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Single fields, as the layouts edit them: the w characters at `field`.
void edit_f(char* field, double value, int w, int d);
void edit_i(char* field, long long value, int w, int m = 0);
// The same fields as strings.
std::string edit_f(double value, int w, int d);
std::string edit_i(long long value, int w, int m = 0);

// afor3r: a real as fixed-point text with three decimals in the narrowest
// width.  `text` holds `length` characters: the number in its first `width`
// characters (a 0 before the point of a fraction, "-0.500" for -0.5), blanks
// after it; all asterisks when the narrowest width exceeds `length`.
struct Afor3r {
  std::string text;
  int width = 0;
};
Afor3r afor3r(float value, int length);

// A list-directed (free-format) line of one text: a blank, then the text.
std::string list_directed(std::string_view text);

// Writes the lines of a layout to a channel of the run.
void write(Channel& channel, const Layout& layout, std::span<const Value> values);
void write(Channel& channel, const Layout& layout, std::initializer_list<Value> values = {});

}  // namespace kvop::notation
