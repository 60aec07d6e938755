#pragma once

#include "core/run_context.h"

namespace kvop {

// Section checks and thickness selection of profile ip after analysis pass
// `pass`: the sheet pieces, the perforation code the checks use and the
// check sweeps; the second pass also writes the profile header, the result
// tables and the closing messages.  The checks have no failure of their own.
void dimen(RunContext& ctx, int ip, int pass);

}  // namespace kvop
