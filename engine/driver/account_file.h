// The file of the run account (--json FILE): it must not be one of the run's
// own files, and writing it is checked like every output of the engine.
#pragma once

#include <filesystem>
#include <string>

#include "core/run_context.h"

namespace kvop {

// Why `file` may not take the run account of a run in `dir`, or empty when
// it may: it names the calculation input file, "BRASKO.INI", the report of
// the case (the name formed from the first line of the input file) or
// "SKIVA.INS" - by name without regard to letter case, or through a link or
// another name of the same file.  The account would replace that file.
std::string account_file_conflict(const std::filesystem::path& dir, const std::string& file);

// Writes the account of the finished run as `file` and returns the exit
// status: `rc`, or kExitWrite when `rc` is 0 and the file could not be written
// in full (a console line tells the file and the system's reason).
int write_account(const RunContext& ctx, const std::string& file, int rc);

}  // namespace kvop
