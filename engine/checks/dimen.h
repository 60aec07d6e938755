#pragma once

#include "driver/run_context.h"

namespace kvop {

// Section checks and thickness selection of profile ip after analysis pass
// `pass`; the second pass writes the profile header and the result tables.
void dimen(RunContext& ctx, int& ip, int& dbunit, int& unit, int& istat, int& pass);

}  // namespace kvop
