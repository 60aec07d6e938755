#pragma once

#include "core/run_context.h"

namespace kvop {

// The profile header of the report: the output banner before the first
// profile, the designation, the lock state, the extra side lap, the
// orientation and the perforation (as the checks use it, ctx.prep).
void skrivp(RunContext& ctx, int ip);

}  // namespace kvop
