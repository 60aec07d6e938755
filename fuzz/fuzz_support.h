// Helpers of the fuzz targets: a scratch directory per process and a run
// context whose console output is thrown away.
#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>

#include "core/run_context.h"

namespace kvop::fuzz {

// A fresh directory for this fuzzing process (in /dev/shm when there is one,
// to keep the file system out of the way), removed at process end.
const std::filesystem::path& scratch();

// Writes `bytes` as the file `path`, replacing it.
void write_file(const std::filesystem::path& path, std::string_view bytes);

// The names of the entries of `dir`, sorted.
std::string entries(const std::filesystem::path& dir);

// Stops the process with a message: the fuzzer reports it as a crash and
// keeps the input.
[[noreturn]] void fault(const std::string& what);

// A run context in `dir` with silent console streams and a fixed clock.
struct QuietRun {
  explicit QuietRun(const std::filesystem::path& dir);
  std::ostringstream out, err;
  RunContext ctx;
};

}  // namespace kvop::fuzz
