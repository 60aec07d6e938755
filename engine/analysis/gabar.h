#pragma once

#include "core/run_context.h"

namespace kvop {

// Walkability check of a roof of the own profile range.
void gabar(RunContext& ctx);

}  // namespace kvop
