// The checks part of the run account (--json).
#pragma once

#include <nlohmann/json.hpp>

#include "core/run_context.h"

namespace kvop {

// The check results; empty until the checks ran.
nlohmann::json checks_to_json(const RunContext& ctx);

}  // namespace kvop
