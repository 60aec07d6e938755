#pragma once

#include "core/run_context.h"

namespace kvop {

// The design load cases of the case, each analysed on the continuous sheet by
// the three-moment method; results into ctx.an.  `pass` 1 analyses with equal
// span stiffness, pass 2 with the stiffness ratios the checks left.  `ip` is
// the profile's place in the profile list: the self weight is brought to the
// roof slope in the first pass of the first profile only.
void krdef(RunContext& ctx, int ip, int pass);

}  // namespace kvop
