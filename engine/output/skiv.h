#pragma once

#include "core/run_context.h"

namespace kvop {

// The diaphragm exchange file "SKIVA.INS", from the case, the analysis and
// check results and the sheet pieces (ctx.dia).
[[nodiscard]] int skiv(RunContext& ctx);

}  // namespace kvop
