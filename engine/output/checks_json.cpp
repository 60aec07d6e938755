#include "output/checks_json.h"

#include <algorithm>

#include "core/json_values.h"

namespace kvop {

using nlohmann::json;

namespace {

// Rows 1..rows of a two-index table, entries 1..count.
template <class A>
json table(const A& a, int rows, int count) {
  json out = json::array();
  for (int r = 1; r <= rows; ++r) {
    json row = json::array();
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

template <class A>
json list(const A& a, int count) {
  json out = json::array();
  for (int i = 1; i <= count; ++i) out.push_back(json_real(a(i)));
  return out;
}

}  // namespace

// The check results as the last check pass left them.
json checks_to_json(const RunContext& ctx) {
  const CheckResults& c = ctx.chk;
  if (!c.checked) return json::object();
  const int n = std::clamp(ctx.in.nfack, 1, 20);
  json j;
  j["KVOTS"] = table(c.KVOTS, 4, n + 1);
  j["KVOTD"] = table(c.KVOTD, 4, n);
  j["KVOTF"] = table(c.KVOTF, 4, n);
  j["nedbfalt"] = table(c.nedbfalt, 4, n);
  j["nedbkons"] = table(c.nedbkons, 4, 2);
  j["skivstod"] = table(c.skivstod, 4, n + 1);
  j["skivfalt"] = table(c.skivfalt, 4, n);
  j["plattj"] = list(c.plattj, n);
  j["styvkvot"] = list(c.styvkvot, n);
  j["tjix"] = table(c.tjix, 20, n + 1);
  j["lasfl"] = c.lasfl;
  j["bandavst1"] = json_real(c.bandavst1);
  j["bandavst2"] = json_real(c.bandavst2);
  j["failed"] = c.failed;
  j["over"] = c.over;
  return j;
}

}  // namespace kvop
