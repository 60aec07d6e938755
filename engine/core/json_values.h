// Values of the machine-readable run account (--json), shared by the parts
// of the account that each subsystem writes about its own records.
#pragma once

#include <nlohmann/json.hpp>
#include <string_view>
#include <type_traits>

namespace kvop {

// A 32-bit real as a JSON number that reads back as the same 32-bit value.
nlohmann::json json_real(float v);
// A Windows-1252 text as JSON text, without its trailing blanks.
nlohmann::json json_text(std::string_view cp1252_text);

// Entries 1..count of a one-index table of reals.
template <class A>
nlohmann::json json_list(const A& a, int count) {
  nlohmann::json out = nlohmann::json::array();
  for (int i = 1; i <= count; ++i) out.push_back(json_real(a(i)));
  return out;
}

// Rows 1..rows of a two-index table, entries 1..count (reals, or integers
// as they are).
template <class A>
nlohmann::json json_table(const A& a, int rows, int count) {
  nlohmann::json out = nlohmann::json::array();
  for (int r = 1; r <= rows; ++r) {
    nlohmann::json row = nlohmann::json::array();
    for (int i = 1; i <= count; ++i) {
      if constexpr (std::is_same_v<std::decay_t<decltype(a(r, i))>, int>)
        row.push_back(a(r, i));
      else
        row.push_back(json_real(a(r, i)));
    }
    out.push_back(row);
  }
  return out;
}

}  // namespace kvop
