#include "output/comparison_json.h"

#include <algorithm>

#include "core/json_values.h"
#include "output/analysis_json.h"

namespace kvop {

using nlohmann::json;

namespace {

const char* kind_name(RatioKind k) {
  switch (k) {
    case RatioKind::support: return "support";
    case RatioKind::span: return "span";
    case RatioKind::deflection: return "deflection";
  }
  return "";
}

}  // namespace

json comparison_to_json(const Comparison& c) {
  json out = json::array();
  for (const ProfileOutcome& o : c) {
    json walk = nullptr;  // not checked: a wall, a profile of another range
    if (o.walk_checked) walk = walk_to_json(o.walk);
    out.push_back({{"designation", json_text(o.designation.view())},
                   {"plattj", json_list(o.plattj, std::clamp(o.spans, 0, 20))},
                   {"weight_kg_m2", json_real(o.weight_kg_m2)},
                   {"max_ratio", json_real(o.max_ratio)},
                   {"governs",
                    {{"kind", kind_name(o.governs.kind)},
                     {"number", o.governs.number},
                     {"load_case", o.governs.load_case}}},
                   {"walkability", walk},
                   {"passes", o.passes}});
  }
  return out;
}

}  // namespace kvop
