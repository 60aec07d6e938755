// The comparison part of the run account (--json).
#pragma once

#include <nlohmann/json.hpp>

#include "core/run_context.h"

namespace kvop {

// One object per profile compared, in the order of the report's comparison
// section.
nlohmann::json comparison_to_json(const Comparison& c);

}  // namespace kvop
