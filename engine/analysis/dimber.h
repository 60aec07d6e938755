#pragma once

#include "driver/run_context.h"

namespace kvop {

// Dimensions the case for every profile of the list: lookup, two analysis and
// check passes, and for roofs of the own range the summary and walkability.
void dimber(RunContext& ctx, int& dbunit, int& unit, int& istat);

}  // namespace kvop
