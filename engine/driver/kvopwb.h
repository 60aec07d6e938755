// The engine's main routine: one run computes one case.
#pragma once

#include "core/run_context.h"

namespace kvop {

// Process exit status of a run.
enum ExitCode : int {
  kExitOk = 0,            // the run went through every step
  kExitDimensioning = 1,  // profile lookup or dimensioning failed
  kExitInput = 2,         // calculation input file missing or not readable
  kExitReport = 3,        // the report file could not be created
  kExitDiaphragm = 4,     // the diaphragm step failed
  kExitUsage = 64,        // bad command line
};

// Lines of the input echo on the first report page, by what the case holds:
// the page counter radnr when the echo is written.
[[nodiscard]] int echo_lines(const InputCase& in);

// Runs the steps in their fixed order on the run's channels and returns the
// exit status.  The first step that fails ends the run.
[[nodiscard]] int kvopwb(RunContext& ctx);

}  // namespace kvop
