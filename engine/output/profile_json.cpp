#include "output/profile_json.h"

#include "core/json_values.h"

namespace kvop {

using nlohmann::json;

// The loaded profile record, with the table as the checks see it (after the
// lookup's scaling).  A record without thickness columns is no loaded
// profile: the lookup has not succeeded.
json profile_to_json(const RunContext& ctx) {
  const ProfileRecord& p = ctx.prof;
  if (p.thickness_count < 1 || p.thickness_count > 10) return json::object();
  json general = json::array();
  for (int k = 1; k <= 12; ++k) general.push_back(json_real(p.general(k)));
  json table = json::array();
  for (int i = 1; i <= p.thickness_count; ++i) {
    json column = json::array();
    for (int j = 1; j <= 30; ++j) column.push_back(json_real(p.per_thickness(j, i)));
    table.push_back(column);
  }
  json scale = json::array();
  for (int j = 1; j <= 30; ++j) scale.push_back(json_real(p.scale(j)));
  return {{"designation", json_text(p.designation.view())},
          {"thickness_count", p.thickness_count},
          {"origin_code", p.origin_code},
          {"general", general},
          {"per_thickness", table},
          {"scaled_count", p.scaled_count},
          {"scale", scale}};
}

}  // namespace kvop
