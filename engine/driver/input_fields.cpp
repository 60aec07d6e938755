#include "driver/input_fields.h"

#include <charconv>
#include <climits>
#include <cstdlib>

namespace kvop::infield {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_blank(char c) { return c == ' ' || c == '\t'; }

// The field without its blanks: blanks inside numeric fields are ignored.
std::string compact(std::string_view field) {
  std::string s;
  s.reserve(field.size());
  for (char c : field)
    if (!is_blank(c)) s += c;
  return s;
}

// A number split into its parts: sign, the digits of the mantissa with the
// position of the decimal point, and the exponent.
struct Number {
  bool negative = false;
  std::string digits;  // all mantissa digits, integer part first
  long fraction = 0;   // digits after the point
  bool point = false;
  bool exponent = false;
  long exp = 0;  // saturated well beyond the range of a real
};

std::optional<Number> split_number(std::string_view s) {
  Number n;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) n.negative = s[i++] == '-';
  while (i < s.size() && is_digit(s[i])) n.digits += s[i++];
  if (i < s.size() && s[i] == '.') {
    n.point = true;
    ++i;
    while (i < s.size() && is_digit(s[i])) {
      n.digits += s[i++];
      ++n.fraction;
    }
  }
  if (n.digits.empty()) return std::nullopt;
  if (i < s.size()) {
    const char c = s[i];
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
      ++i;
    } else if (c != '+' && c != '-') {
      return std::nullopt;
    }
    n.exponent = true;
    bool neg = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
    if (i == s.size()) return std::nullopt;
    for (; i < s.size(); ++i) {
      if (!is_digit(s[i])) return std::nullopt;
      if (n.exp < 1000000) n.exp = n.exp * 10 + (s[i] - '0');
    }
    if (neg) n.exp = -n.exp;
  }
  return n;
}

// The real value of a number whose point, when absent, lies `implied` digits
// from the right.  The decimal value is rounded once to a 32-bit real.
Read<float> to_real(const Number& n, int implied) {
  Read<float> r;
  const long scale = n.exp - (n.point ? n.fraction : implied);
  std::size_t lead = n.digits.find_first_not_of('0');
  if (lead == std::string::npos) return r;  // zero, whatever the exponent
  const std::string digits = n.digits.substr(lead);
  // Decimal magnitude: the value lies in [10^(mag-1), 10^mag).
  const long mag = scale + static_cast<long>(digits.size());
  if (mag > 40) {
    r.fault = Fault::out_of_range;
    return r;
  }
  if (mag < -50) return r;  // far below the smallest real: reads as 0
  std::string text = (n.negative ? "-" : "") + digits + "e" + std::to_string(scale);
  float v = 0;
  const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
  if (res.ec == std::errc::result_out_of_range) {
    if (mag > 0) r.fault = Fault::out_of_range;
    return r;  // an underflow reads as 0
  }
  if (res.ec != std::errc{} || res.ptr != text.data() + text.size()) {
    r.fault = Fault::not_a_number;
    return r;
  }
  r.value = v == 0.0f ? 0.0f : v;  // no negative zero in the record
  return r;
}

Read<int> to_integer(std::string_view s) {
  Read<int> r;
  std::size_t i = 0;
  bool neg = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
  if (i == s.size()) {
    r.fault = Fault::not_a_number;
    return r;
  }
  long long v = 0;
  for (; i < s.size(); ++i) {
    if (!is_digit(s[i])) {
      auto n = split_number(s);
      r.fault = n ? Fault::not_integer : Fault::not_a_number;
      return r;
    }
    if (v <= static_cast<long long>(INT_MAX) + 1) v = v * 10 + (s[i] - '0');
  }
  if (neg) v = -v;
  if (v < INT_MIN || v > INT_MAX) {
    r.fault = Fault::out_of_range;
    return r;
  }
  r.value = static_cast<int>(v);
  return r;
}

}  // namespace

std::string_view columns(std::string_view line, int first, int width) {
  const std::size_t from = static_cast<std::size_t>(first - 1);
  if (first < 1 || width <= 0 || from >= line.size()) return {};
  return line.substr(from, static_cast<std::size_t>(width));
}

Read<int> integer_field(std::string_view field) {
  const std::string s = compact(field);
  if (s.empty()) return {};
  return to_integer(s);
}

Read<float> real_field(std::string_view field, int decimals) {
  const std::string s = compact(field);
  if (s.empty()) return {};
  auto n = split_number(s);
  if (!n) return {0.0f, Fault::not_a_number};
  return to_real(*n, decimals);
}

std::optional<std::string_view> first_value(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size() && is_blank(line[i])) ++i;
  if (i == line.size()) return std::nullopt;
  if (line[i] == ',' || line[i] == '/') return line.substr(i, 1);
  std::size_t j = i;
  while (j < line.size() && !is_blank(line[j]) && line[j] != ',' && line[j] != '/') ++j;
  return line.substr(i, j - i);
}

Read<float> free_real(std::string_view value) {
  auto n = split_number(value);
  if (!n) return {0.0f, Fault::not_a_number};
  return to_real(*n, 0);
}

Read<int> free_integer(std::string_view value) { return to_integer(value); }

std::string quoted(std::string_view field) {
  std::size_t a = 0, b = field.size();
  while (a < b && is_blank(field[a])) ++a;
  while (b > a && is_blank(field[b - 1])) --b;
  std::string s;
  for (std::size_t i = a; i < b && s.size() < 40; ++i) {
    const unsigned char c = static_cast<unsigned char>(field[i]);
    s += (c < 0x20 || c == 0x7f) ? '?' : field[i];
  }
  if (b - a > 40) s += "...";
  return s;
}

}  // namespace kvop::infield
