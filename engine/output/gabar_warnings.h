#pragma once

#include "core/run_context.h"

namespace kvop {

// The lines of the walkability check (ctx.walk): a warning per span too long
// to walk on, the maximum sheet length warning and the notice for a fully
// perforated profile.
void gabar_warnings(RunContext& ctx);

}  // namespace kvop
