#pragma once

#include "driver/run_context.h"

namespace kvop {

// The design load cases of the case, each analysed on the continuous sheet by
// the three-moment method; results into ctx.an.  `pass` 1 analyses with equal
// span stiffness, pass 2 with the stiffness ratios the checks left.
void krdef(RunContext& ctx, int& ip, int& unit, int& istat, int& pass);

}  // namespace kvop
