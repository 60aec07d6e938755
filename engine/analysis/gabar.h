#pragma once

#include "driver/run_context.h"

namespace kvop {

// Walkability check of a roof of the own profile range.
void gabar(RunContext& ctx, int& dbunit, int& unit, int& istat, int& ip, int& loop);

}  // namespace kvop
