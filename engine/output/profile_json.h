// The profile part of the run account (--json).
#pragma once

#include <nlohmann/json.hpp>

#include "core/run_context.h"

namespace kvop {

// The loaded profile record; empty until a lookup succeeded.
nlohmann::json profile_to_json(const RunContext& ctx);

}  // namespace kvop
