#pragma once

#include "core/run_context.h"

namespace kvop {

// Diaphragm and fastening-band summary sections of a roof profile, from the
// summary values (ctx.sum).
void skrivs(RunContext& ctx);

}  // namespace kvop
