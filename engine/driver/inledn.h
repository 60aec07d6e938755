// Preparation steps between reading and echoing the input.
#pragma once

#include "core/run_context.h"

namespace kvop {

// End supports and cantilevers: an end support is continuous or hinged, and a
// missing cantilever becomes half the support width over a hinged end.
void inledn(RunContext& ctx);

// Default deflection limit when the case gives none.
void defork(RunContext& ctx);

}  // namespace kvop
