#pragma once

#include "core/run_context.h"

namespace kvop {

// The result tables of load case lc (utskr != 0) or the graphical summary of
// all load cases (utskr = 0, called with lc = 1).
void skriva(RunContext& ctx, int lc);

}  // namespace kvop
