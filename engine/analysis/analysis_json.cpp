#include "driver/run_json.h"

namespace kvop {

// Placeholder until the analysis lands.
nlohmann::json analysis_to_json(const RunContext&) { return nlohmann::json::object(); }

}  // namespace kvop
