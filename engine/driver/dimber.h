// The dimensioning driver.  It sits with the main routine on top of the
// engine because it calls every subsystem below: the profile lookup, the
// analysis, the section checks and the summary writers.
#pragma once

#include "core/run_context.h"

namespace kvop {

// Dimensions the case for every profile of the list: lookup, two analysis and
// check passes, and for roofs of the own range the summary and walkability.
// Non-zero when a profile is not found or not readable, or a check pass fails.
[[nodiscard]] int dimber(RunContext& ctx);

}  // namespace kvop
