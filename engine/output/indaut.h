// The input echo: creates the report file and writes its heading and the
// summary of the input case.
#pragma once

#include "core/run_context.h"

namespace kvop {

// Creates the report file `rednamn` on the report channel (an old one is
// replaced) and writes the heading and the input echo.  Returns non-zero only
// when the report file cannot be created ("*** FEL VID ÖPPNING AV FIL ***").
[[nodiscard]] int indaut(RunContext& ctx);

}  // namespace kvop
