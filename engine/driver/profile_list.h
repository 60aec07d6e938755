// The list of profiles a comparison dimensions the case with.
#pragma once

#include <string>
#include <string_view>

#include "core/run_context.h"

namespace kvop {

// Fills ctx.compared from the command line's list: "all" (every profile of
// the database, in its order) or designations separated by commas, matched
// to the database's own in any letter case.  The list is checked against
// the database the run will open (BRASKO.INI in ctx.dir), before the run,
// so that the dimensioning never meets a failed lookup half way.
// Returns kExitOk; kExitUsage with `fault` saying which designation the
// database does not hold (or which is given twice, or that the list is
// empty); kExitDimensioning when the database cannot be opened or read,
// its messages on the console.
[[nodiscard]] int choose_profiles(RunContext& ctx, std::string_view list, std::string& fault);

}  // namespace kvop
