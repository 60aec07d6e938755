#include "output/diaphragm_json.h"

#include <algorithm>

#include "core/json_values.h"

namespace kvop {

// The sheet pieces of the sheeting, as the last check pass left them.
nlohmann::json diaphragm_to_json(const RunContext& ctx) {
  const DiaphragmResults& d = ctx.dia;
  if (!d.computed) return nlohmann::json::object();
  const int n = std::clamp(ctx.in.nfack, 1, 20);
  nlohmann::json vansk = nlohmann::json::array(), hosk = nlohmann::json::array(),
                 plangd = nlohmann::json::array();
  for (int j = 1; j <= n; ++j) {
    vansk.push_back(json_real(d.vansk(j)));
    hosk.push_back(json_real(d.hosk(j)));
    plangd.push_back(json_real(d.plangd(j)));
  }
  vansk.push_back(json_real(d.vansk(n + 1)));
  return {{"vansk", vansk}, {"hosk", hosk}, {"plangd", plangd}};
}

}  // namespace kvop
