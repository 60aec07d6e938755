#pragma once

#include "core/run_context.h"

namespace kvop {

// The result section of one profile for load case lc (1..4): the detailed
// table of that load case when utskr = 1, otherwise the graphical summary of
// the utilisation ratios of all load cases.  Reads only the run's records and
// appends to the report; it cannot fail.
void skriva(RunContext& ctx, int lc);

}  // namespace kvop
