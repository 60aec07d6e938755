#pragma once

#include "checks/dimvarden.h"
#include "core/run_context.h"

namespace kvop {

// The check sweeps of one pass: chooses the thickness column of every sheet
// (unless locked), recomputes every ratio with the chosen columns and forms
// the results; pass 2 also writes the result tables and closing messages.
void dim1(RunContext& ctx, int ip, int pass);

// The sweeps and results of one pass without any report output (steps 1 to
// 11): the part of dim1 that pass 1 runs.
void dim1_sweeps(RunContext& ctx, int ip);

}  // namespace kvop
