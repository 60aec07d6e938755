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
  kExitWrite = 5,         // an output file could not be written in full
  kExitUsage = 64,        // bad command line
};

// Runs the steps in their fixed order on the run's channels and returns the
// exit status.  The first step that fails ends the run.  The files are closed
// on every path; a report or exchange file whose writing failed is told on
// the console and makes the status kExitWrite unless a step failed first.
[[nodiscard]] int kvopwb(RunContext& ctx);

}  // namespace kvop
