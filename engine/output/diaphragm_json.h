// The diaphragm part of the run account (--json).
#pragma once

#include <nlohmann/json.hpp>

#include "core/run_context.h"

namespace kvop {

// The sheet pieces; empty until the checks computed them.
nlohmann::json diaphragm_to_json(const RunContext& ctx);

}  // namespace kvop
