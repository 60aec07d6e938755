// The report of one profile around the result tables: the header with the
// page control before it, the tables of the load cases with the page marks
// between them, the closing messages of the checks, the read-error line of a
// failed profile lookup and the page mark that ends the profiles.
#pragma once

#include "core/run_context.h"

namespace kvop {

// The profile header of profile ip (second check pass), on a new page when
// it and the first table do not fit on this one.
void profile_header(RunContext& ctx, int ip);

// The result tables of profile ip with the page control around them, the
// microband warning and the failure message, from the check results.
void result_section(RunContext& ctx, int ip);

// The line of a profile that could not be read, on the console and in the
// report.
void read_error(RunContext& ctx);

// The page mark after the last profile of a paged report.
void end_of_profiles(RunContext& ctx);

}  // namespace kvop
