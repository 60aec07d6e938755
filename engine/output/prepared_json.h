// The part of the run account with the values the calculation used in place
// of the case's own: the self weight on the slope, the line loads with their
// positions normalised, the perforation code per profile as the checks used
// it, and the end-support locking as the summary printed it.
#pragma once

#include <nlohmann/json.hpp>

#include "core/run_context.h"

namespace kvop {

nlohmann::json prepared_to_json(const RunContext& ctx);

}  // namespace kvop
