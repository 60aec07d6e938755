#pragma once

#include "core/run_context.h"

namespace kvop {

// The result section of one profile for load case lc (1..4): the detailed
// table of that load case when utskr = 1, otherwise the graphical summary of
// the utilisation ratios of all load cases.  Reads only the run's records and
// appends to the report; it cannot fail.
void skriva(RunContext& ctx, int lc);

// A utilisation ratio as the result tables show it in per cent: the integer
// part of 100 r + 0.5; of two load cases combined, the larger.  A value
// beyond any column (or not a number) fills its field with asterisks.
int percent(float r);
int percent(float r1, float r2);

}  // namespace kvop
