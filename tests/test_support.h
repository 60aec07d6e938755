// Helpers shared by the engine tests: a scratch working directory per test, a
// run context whose console is captured, and file reading and writing.
#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/run_context.h"

namespace kvop::test {

// A fresh empty directory, removed again when the object goes.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  // Writes bytes as they stand (no line-end translation).
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// A run context working in `dir`, with captured console streams and a fixed
// clock (2026-03-05 14:07:09).
struct TestRun {
  explicit TestRun(const std::filesystem::path& dir);
  RunContext ctx;
  std::ostringstream out, err;
};

// The lines of a text (LF line ends; a final line end closes the last line).
std::vector<std::string> split_lines(const std::string& text);

// Joins lines with LF line ends (each line ended) - a file's expected bytes.
std::string join_lines(const std::vector<std::string>& lines);

}  // namespace kvop::test
