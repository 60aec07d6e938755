#include "output/prepared_json.h"

#include <algorithm>

#include "core/json_values.h"

namespace kvop {

nlohmann::json prepared_to_json(const RunContext& ctx) {
  using nlohmann::json;
  const PreparedCase& p = ctx.prep;
  const int nl = std::clamp(ctx.in.nlinj, 0, 5);
  json linjfack = json::array(), linjavst = json::array(), perfo = json::array();
  for (int k = 1; k <= nl; ++k) {
    linjfack.push_back(p.linjfack(k));
    linjavst.push_back(json_real(p.linjavst(k)));
  }
  for (int k = 1; k <= 5; ++k) perfo.push_back(p.perfo(k));
  json j = {{"egentyngd", json_real(p.egentyngd)},
            {"linjfack", linjfack},
            {"linjavst", linjavst},
            {"perfo", perfo}};
  if (ctx.sum.computed) j["lasfl"] = ctx.sum.lasfl;
  return j;
}

}  // namespace kvop
