#pragma once

#include "core/run_context.h"

namespace kvop {

// Section checks and thickness selection of profile ip after analysis pass
// `pass`; the second pass writes the profile header, the result tables and
// the closing messages.  Returns 0 (the checks have no failure of their own).
[[nodiscard]] int dimen(RunContext& ctx, int ip, int pass);

}  // namespace kvop
