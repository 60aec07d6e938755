#pragma once

#include "core/run_context.h"

namespace kvop {

// Diaphragm and fastening-band summary sections of a roof profile.
void skrivs(RunContext& ctx);

}  // namespace kvop
