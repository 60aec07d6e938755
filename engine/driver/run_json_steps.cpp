#include "driver/run_json.h"

namespace kvop {

// Placeholders until the lookup, the analysis and the checks land.
nlohmann::json profile_to_json(const RunContext&) { return nlohmann::json::object(); }
nlohmann::json analysis_to_json(const RunContext&) { return nlohmann::json::object(); }
nlohmann::json checks_to_json(const RunContext&) { return nlohmann::json::object(); }

}  // namespace kvop
