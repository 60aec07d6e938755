// The analysis part of the run account (--json).
#pragma once

#include <nlohmann/json.hpp>

#include "core/run_context.h"

namespace kvop {

// The analysis results as the last pass left them; empty until the analysis ran.
nlohmann::json analysis_to_json(const RunContext& ctx);

// The prepared values the analysis and the checks used in place of the
// case's own (the case part shows the case as read); empty until the
// analysis ran.
nlohmann::json prepared_to_json(const RunContext& ctx);

}  // namespace kvop
