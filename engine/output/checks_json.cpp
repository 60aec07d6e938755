#include "output/checks_json.h"

#include <algorithm>

#include "core/json_values.h"

namespace kvop {

using nlohmann::json;


// The check results as the last check pass left them.
json checks_to_json(const RunContext& ctx) {
  const CheckResults& c = ctx.chk;
  if (!c.checked) return json::object();
  const int n = std::clamp(ctx.in.nfack, 1, 20);
  json j;
  j["KVOTS"] = json_table(c.KVOTS, 4, n + 1);
  j["KVOTD"] = json_table(c.KVOTD, 4, n);
  j["KVOTF"] = json_table(c.KVOTF, 4, n);
  j["nedbfalt"] = json_table(c.nedbfalt, 4, n);
  j["nedbkons"] = json_table(c.nedbkons, 4, 2);
  j["skivstod"] = json_table(c.skivstod, 4, n + 1);
  j["skivfalt"] = json_table(c.skivfalt, 4, n);
  j["plattj"] = json_list(c.plattj, n);
  j["styvkvot"] = json_list(c.styvkvot, n);
  j["tjix"] = json_table(c.tjix, 20, n + 1);
  j["lasfl"] = c.lasfl;
  j["bandavst1"] = json_real(c.bandavst1);
  j["bandavst2"] = json_real(c.bandavst2);
  j["failed"] = c.failed;
  j["over"] = c.over;
  return j;
}

}  // namespace kvop
