// The analysis part of the run account (--json).
#pragma once

#include <nlohmann/json.hpp>

#include "core/run_context.h"

namespace kvop {

// The analysis results as the last pass left them; empty until the analysis ran.
nlohmann::json analysis_to_json(const RunContext& ctx);

// The walkability warnings of the last profile; "checked" is false when the
// walkability check did not run (a wall, a profile of another range).
nlohmann::json walkability_to_json(const RunContext& ctx);
// The same of one walkability check's results.
nlohmann::json walk_to_json(const WalkResults& w);

}  // namespace kvop
