#pragma once

#include "checks/dimvarden.h"

namespace kvop {

// The check sweeps of one pass for profile ip: chooses the thickness column
// of every sheet (unless locked), recomputes every ratio with the chosen
// columns and forms the results in `chk`.  The sheet pieces (ctx.dia) must
// be those of the case and the analysis in hand.
void dim1(const CheckInput& ctx, int ip, CheckResults& chk);

}  // namespace kvop
