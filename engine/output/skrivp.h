#pragma once

#include "core/run_context.h"

namespace kvop {

// The profile header of the report: the output banner before the first
// profile, the designation, the lock state, the extra side lap, the
// orientation and the perforation (as the checks use it, ctx.prep).
void skrivp(RunContext& ctx, int ip);

// The orientation text of vandr (12 characters): 1 "SF MOT REGEL" (narrow
// flange on the purlin), 2 "BF MOT REGEL" (broad flange); blanks otherwise.
std::string orientation_text(int vandr);

}  // namespace kvop
