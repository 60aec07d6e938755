// The report line layouts: a small interpreter of the classic edit-descriptor
// notation.  A layout is parsed once into a tree of items; writing walks the
// tree against the list of values, one output line per record.
#include "core/format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

#include "core/channels.h"
#include "core/cp1252.h"

namespace kvop::notation {

namespace {

// Widths, repeat counts and decimals above this are refused when parsing:
// no report column is that wide, and it keeps a mistyped layout from asking
// for a huge field.
constexpr int kMaxNumber = 999;

struct Item {
  enum class Kind { Text, Skip, Slash, A, I, F, Group };
  Kind kind = Kind::Text;
  int count = 1;            // repeat count (Skip: the number of columns)
  int w = 0;                // field width; A without a width: 0
  int d = -1;               // F: decimals; I: minimum digits, -1 when not given
  std::string text;         // Text: Windows-1252 bytes
  std::vector<Item> items;  // Group: its items

  bool is_value_field() const { return kind == Kind::A || kind == Kind::I || kind == Kind::F; }
};

bool has_value_field(const Item& it) {
  if (it.is_value_field()) return true;
  for (const Item& inner : it.items)
    if (has_value_field(inner)) return true;
  return false;
}

class Parser {
 public:
  explicit Parser(std::string_view s) : s_(s) {}

  std::vector<Item> parse() {
    skip_blanks();
    std::vector<Item> top;
    if (pos_ < s_.size() && s_[pos_] == '(' && outer_parentheses()) {
      ++pos_;
      top = list(true);
      expect(')');
    } else {
      top = list(false);
    }
    skip_blanks();
    if (pos_ < s_.size()) fail("unexpected character");
    return top;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw std::invalid_argument("layout \"" + std::string(s_) + "\": " + what + " at position " +
                                std::to_string(pos_ + 1));
  }

  // True when the parenthesis at the current position closes at the very end
  // of the layout, i.e. the layout is written with its outer parentheses.
  bool outer_parentheses() const {
    int depth = 0;
    char quote = 0;
    std::size_t last = s_.find_last_not_of(" \t");
    for (std::size_t i = pos_; i < s_.size(); ++i) {
      const char c = s_[i];
      if (quote) {
        if (c == quote) quote = 0;  // a doubled quote reopens at once: same effect
        continue;
      }
      if (c == '\'' || c == '"')
        quote = c;
      else if (c == '(')
        ++depth;
      else if (c == ')' && --depth == 0)
        return i == last;
    }
    return false;
  }

  void skip_blanks() {
    while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t')) ++pos_;
  }

  char peek() {
    skip_blanks();
    return pos_ < s_.size() ? s_[pos_] : '\0';
  }

  void expect(char c) {
    if (peek() != c) fail(std::string("'") + c + "' expected");
    ++pos_;
  }

  static bool is_digit(char c) { return c >= '0' && c <= '9'; }
  static char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }

  int number() {
    skip_blanks();
    if (pos_ >= s_.size() || !is_digit(s_[pos_])) fail("number expected");
    const std::size_t start = pos_;
    int n = 0;
    while (pos_ < s_.size() && is_digit(s_[pos_])) {
      n = n * 10 + (s_[pos_] - '0');
      ++pos_;
      if (n > kMaxNumber) {
        pos_ = start;
        fail("number too large");
      }
    }
    return n;
  }

  int positive() {
    const std::size_t start = pos_;
    const int n = number();
    if (n == 0) {
      pos_ = start;
      fail("zero not allowed");
    }
    return n;
  }

  // Items separated by commas; the comma may be left out next to "/".
  std::vector<Item> list(bool in_parentheses) {
    std::vector<Item> items;
    const char end = in_parentheses ? ')' : '\0';
    if (peek() == end) {
      if (in_parentheses && depth_ > 0) fail("empty group");
      return items;
    }
    for (;;) {
      items.push_back(item());
      const char c = peek();
      if (c == end) return items;
      if (c == ',') {
        ++pos_;
        if (peek() == end) fail("item expected after ','");
        continue;
      }
      if (c == '/' || items.back().kind == Item::Kind::Slash) continue;
      fail(c == '\0' ? "')' expected" : "',' expected");
    }
  }

  Item item() {
    Item it;
    char c = peek();
    bool counted = false;
    if (is_digit(c)) {
      it.count = positive();
      counted = true;
      c = peek();
    }
    const std::size_t at = pos_;
    ++pos_;
    switch (upper(c)) {
      case '(':
        it.kind = Item::Kind::Group;
        ++depth_;
        it.items = list(true);
        --depth_;
        expect(')');
        return it;
      case 'X': it.kind = Item::Kind::Skip; return it;
      case '/': it.kind = Item::Kind::Slash; return it;
      case '\'':
      case '"':
        if (counted) {
          pos_ = at;
          fail("repeat count before a text");
        }
        it.kind = Item::Kind::Text;
        it.text = quoted(c);
        return it;
      case 'A':
        it.kind = Item::Kind::A;
        if (is_digit(peek())) it.w = positive();
        return it;
      case 'I':
        it.kind = Item::Kind::I;
        it.w = positive();
        if (peek() == '.') {
          ++pos_;
          it.d = number();
          if (it.d > it.w) fail("more digits than the field width");
        }
        return it;
      case 'F':
        it.kind = Item::Kind::F;
        it.w = positive();
        expect('.');
        it.d = number();
        return it;
      default:
        pos_ = at;
        fail(c == '\0' ? "item expected" : std::string("unknown descriptor '") + c + "'");
    }
  }

  // The text of a quoted item; the opening quote is already read.
  std::string quoted(char quote) {
    std::string utf8;
    const std::size_t open = pos_ - 1;
    while (pos_ < s_.size()) {
      const char c = s_[pos_++];
      if (c != quote) {
        utf8 += c;
      } else if (pos_ < s_.size() && s_[pos_] == quote) {
        utf8 += quote;
        ++pos_;
      } else {
        return cp1252::from_utf8(utf8);
      }
    }
    pos_ = open;
    fail("text not closed");
  }

  std::string_view s_;
  std::size_t pos_ = 0;
  int depth_ = 0;
};

// One pass of writing: the lines go to the end of `out`, each with its LF;
// the line in progress starts at `line_` and the values left follow `next_`.
class Writer {
 public:
  // `ends`, when given, receives the position of every line end.
  Writer(std::string& out, std::span<const Value> values, std::vector<std::size_t>* ends)
      : out_(out), values_(values), ends_(ends), line_(out.size()) {}

  // Walks the items; false when writing stopped at a value field with no
  // value left.
  bool run(const std::vector<Item>& items, std::size_t from = 0) {
    for (std::size_t k = from; k < items.size(); ++k)
      if (!run(items[k])) return false;
    return true;
  }

  bool values_left() const { return next_ < values_.size(); }
  std::size_t used() const { return next_; }

  void end_line() {
    if (ends_) ends_->push_back(out_.size());
    out_ += '\n';
    line_ = out_.size();
    pos_ = 0;
  }

 private:
  bool run(const Item& it) {
    switch (it.kind) {
      case Item::Kind::Text: put(it.text); return true;
      case Item::Kind::Skip: pos_ += static_cast<std::size_t>(it.count); return true;
      case Item::Kind::Slash:
        for (int r = 0; r < it.count; ++r) end_line();
        return true;
      case Item::Kind::Group:
        for (int r = 0; r < it.count; ++r)
          if (!run(it.items)) return false;
        return true;
      default:
        for (int r = 0; r < it.count; ++r) {
          if (!values_left()) return false;
          edit(it, values_[next_++]);
        }
        return true;
    }
  }

  // Writes the field of one value at the current position.
  void edit(const Item& it, const Value& v) {
    if (it.kind == Item::Kind::A && v.kind() == Value::Kind::Text) {
      const std::string_view t = v.text();
      const std::size_t w = static_cast<std::size_t>(it.w);
      if (it.w == 0 || t.size() >= w) {
        put(it.w == 0 ? t : t.substr(0, w));
      } else {
        std::copy(t.begin(), t.end(), field(w) + (w - t.size()));
      }
      return;
    }
    char* f = field(static_cast<std::size_t>(it.kind == Item::Kind::A && it.w == 0 ? 1 : it.w));
    switch (it.kind) {
      case Item::Kind::I:
        if (v.kind() != Value::Kind::Integer)
          std::fill_n(f, it.w, '*');
        else if (it.d != 0 || v.integer() != 0)  // Iw.0 leaves a zero blank
          edit_i(f, v.integer(), it.w, it.d < 0 ? 0 : it.d);
        return;
      case Item::Kind::F:
        if (v.kind() != Value::Kind::Real)
          std::fill_n(f, it.w, '*');
        else
          edit_f(f, v.real(), it.w, it.d);
        return;
      default: std::fill_n(f, std::max(it.w, 1), '*');  // an A field without a text
    }
  }

  // The columns skipped by nX since the last thing written on the line:
  // they become blanks when something is written after them.
  std::size_t gap() const {
    const std::size_t length = out_.size() - line_;
    return length < pos_ ? pos_ - length : 0;
  }

  // Writes bytes at the current position.
  void put(std::string_view bytes) {
    if (const std::size_t g = gap()) out_.append(g, ' ');
    out_ += bytes;
    pos_ = out_.size() - line_;
  }

  // The `w` characters of a field at the current position, to be filled;
  // they are blanks, like the skipped columns before them.
  char* field(std::size_t w) {
    out_.append(gap() + w, ' ');
    pos_ = out_.size() - line_;
    return out_.data() + (out_.size() - w);
  }

  std::string& out_;
  std::span<const Value> values_;
  std::vector<std::size_t>* ends_;
  std::size_t next_ = 0;
  std::size_t line_;
  std::size_t pos_ = 0;
};

}  // namespace

struct Layout::Impl {
  std::string source;
  std::vector<Item> items;
  // Where writing resumes when the layout ends with values left: the last
  // parenthesised group of the outer level (the one whose closing
  // parenthesis comes last before the final one), else the start.
  std::size_t resume = 0;
  bool resume_has_field = false;

  void compose(std::string& out, std::span<const Value> values,
               std::vector<std::size_t>* ends) const;
};

Layout::Layout(std::string_view utf8_layout) : impl_(std::make_unique<Impl>()) {
  impl_->source = std::string(utf8_layout);
  impl_->items = Parser(impl_->source).parse();
  const auto& items = impl_->items;
  for (std::size_t k = items.size(); k-- > 0;) {
    if (items[k].kind == Item::Kind::Group) {
      impl_->resume = k;
      break;
    }
  }
  for (std::size_t k = impl_->resume; k < items.size(); ++k)
    if (has_value_field(items[k])) impl_->resume_has_field = true;
}

Layout::~Layout() = default;
Layout::Layout(Layout&&) noexcept = default;
Layout& Layout::operator=(Layout&&) noexcept = default;

void Layout::Impl::compose(std::string& out, std::span<const Value> values,
                           std::vector<std::size_t>* ends) const {
  const std::size_t start = out.size();
  Writer w(out, values, ends);
  if (w.run(items)) {
    if (w.values_left() && !resume_has_field) {
      out.resize(start);
      throw std::invalid_argument("layout \"" + source +
                                  "\": " + std::to_string(values.size() - w.used()) +
                                  " values left and no value field to repeat");
    }
    while (w.values_left()) {
      w.end_line();
      if (!w.run(items, resume)) break;
    }
  }
  w.end_line();
}

void Layout::append_lines(std::string& out, std::span<const Value> values) const {
  impl_->compose(out, values, nullptr);
}

std::vector<std::string> Layout::lines(std::span<const Value> values) const {
  // The line ends are taken as the writer makes them: a text value may hold
  // any byte, an LF too.
  std::string bytes;
  std::vector<std::size_t> ends;
  impl_->compose(bytes, values, &ends);
  std::vector<std::string> out;
  std::size_t at = 0;
  for (const std::size_t end : ends) {
    out.emplace_back(bytes, at, end - at);
    at = end + 1;
  }
  return out;
}

namespace {

// Fills the field with `text` right-aligned, or with asterisks when it is
// longer than the field.
void right_aligned(char* field, std::size_t w, std::string_view text) {
  if (text.size() > w) {
    std::fill_n(field, w, '*');
    return;
  }
  std::fill_n(field, w - text.size(), ' ');
  std::copy(text.begin(), text.end(), field + (w - text.size()));
}

// x >= 0 in fixed notation with d decimals, the exact binary value rounded
// with ties to even ("12.50", "0.04", "3" when d = 0).
std::to_chars_result fixed(char* first, char* last, double x, int d) {
  return std::to_chars(first, last, x, std::chars_format::fixed, d);
}

}  // namespace

void edit_f(char* field, double value, int w, int d) {
  if (w <= 0) return;
  const std::size_t width = static_cast<std::size_t>(w);
  const bool minus = std::signbit(value);
  if (std::isnan(value)) return right_aligned(field, width, "NaN");
  if (std::isinf(value)) {
    const std::string_view inf = width >= 8u + minus ? "-Infinity" : "-Inf";
    return right_aligned(field, width, minus ? inf : inf.substr(1));
  }
  // Even without a digit before the point the field needs the point and d
  // decimals.
  if (d < 0 || d >= w) {
    std::fill_n(field, width, '*');
    return;
  }
  // The exact binary value, rounded to d decimals with ties to even, after
  // the sign.  A number that fits has at most w + 1 characters (when its 0
  // before the point is left out); a longer one does not fit, and fixed()
  // tells so by running out of room.  The text has room for the sign, those
  // characters and a point after them.
  std::array<char, kMaxNumber + 3> local;
  std::string wide;  // only for fields wider than a layout allows
  char* text = local.data();
  if (width + 3 > local.size()) {
    wide.resize(width + 3);
    text = wide.data();
  }
  char* digits = text + 1;
  const auto res = fixed(digits, digits + width + 1, std::fabs(value), d);
  if (res.ec != std::errc()) {
    std::fill_n(field, width, '*');
    return;
  }
  std::size_t n = static_cast<std::size_t>(res.ptr - digits);
  if (d == 0) {
    digits[n++] = '.';
  } else if (digits[0] == '0' && n + minus > width) {
    // With decimals the 0 before the point is written only when there is room.
    ++digits;
    --n;
  }
  if (minus) {
    *--digits = '-';
    ++n;
  }
  right_aligned(field, width, std::string_view(digits, n));
}

void edit_i(char* field, long long value, int w, int m) {
  if (w <= 0) return;
  const std::size_t width = static_cast<std::size_t>(w);
  const unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                 : static_cast<unsigned long long>(value);
  std::array<char, 24> buf;
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude);
  const std::size_t n = static_cast<std::size_t>(res.ptr - buf.data());
  const std::size_t digits = std::max(n, static_cast<std::size_t>(std::max(m, 0)));
  const std::size_t length = digits + (value < 0 ? 1 : 0);
  if (length > width) {
    std::fill_n(field, width, '*');
    return;
  }
  char* p = std::fill_n(field, width - length, ' ');
  if (value < 0) *p++ = '-';
  p = std::fill_n(p, digits - n, '0');
  std::copy(buf.data(), res.ptr, p);
}

std::string edit_f(double value, int w, int d) {
  std::string s(static_cast<std::size_t>(std::max(w, 0)), ' ');
  edit_f(s.data(), value, w, d);
  return s;
}

std::string edit_i(long long value, int w, int m) {
  std::string s(static_cast<std::size_t>(std::max(w, 0)), ' ');
  edit_i(s.data(), value, w, m);
  return s;
}

std::string list_directed(std::string_view text) { return " " + std::string(text); }

Afor3r afor3r(float value, int length) {
  Afor3r out;
  std::string& text = out.text;
  text.assign(static_cast<std::size_t>(std::max(length, 0)), ' ');
  int n = 1;
  float tenth = 0.1f;  // 0.1 to the power n, in single precision
  const float magnitude = std::fabs(value);
  for (int round = 0; round < 100 && std::trunc(magnitude * tenth) != 0.0f; ++round) {
    ++n;
    tenth *= 0.1f;
  }
  if (value < 0) ++n;
  out.width = n + 4;
  if (out.width > length) {
    // The value does not fit the text: it is marked as an overflowing field.
    text.assign(static_cast<std::size_t>(std::max(length, 0)), '*');
    return out;
  }
  char* digits = text.data();
  edit_f(digits, value, out.width, 3);
  if (out.width >= 2 && digits[0] == ' ') {
    if (digits[1] == '.')
      digits[0] = '0';
    else if (digits[1] == '-') {
      digits[0] = '-';
      digits[1] = '0';
    }
  }
  return out;
}

void write(Channel& channel, const Layout& layout, std::span<const Value> values) {
  channel.write_lines([&](std::string& out) { layout.append_lines(out, values); });
}

void write(Channel& channel, const Layout& layout, std::initializer_list<Value> values) {
  write(channel, layout, std::span<const Value>(values.begin(), values.size()));
}

}  // namespace kvop::notation
