#pragma once

#include "driver/run_context.h"

namespace kvop {

// Sheet pieces and the diaphragm exchange file "SKIVA.INS".
void skiv(RunContext& ctx, int& unit, int& istat);

}  // namespace kvop
