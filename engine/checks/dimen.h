#pragma once

#include "core/run_context.h"

namespace kvop {

// Section checks and thickness selection of profile ip after analysis pass
// `pass`; the second pass writes the profile header and the result tables.
[[nodiscard]] int dimen(RunContext& ctx, int ip, int pass);

}  // namespace kvop
