#pragma once

#include "core/run_context.h"

namespace kvop {

// Sheet pieces and the diaphragm exchange file "SKIVA.INS".
[[nodiscard]] int skiv(RunContext& ctx);

}  // namespace kvop
