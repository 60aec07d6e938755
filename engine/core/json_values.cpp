#include "core/json_values.h"

#include <charconv>
#include <cstdlib>
#include <string>

#include "core/cp1252.h"

namespace kvop {

nlohmann::json json_real(float v) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  // The shortest text of the 32-bit value, held as the double it names.
  return std::strtod(std::string(buf, res.ptr).c_str(), nullptr);
}

nlohmann::json json_text(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return cp1252::to_utf8(s);
}

}  // namespace kvop
