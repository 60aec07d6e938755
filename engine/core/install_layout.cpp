#include "core/install_layout.h"

#include <system_error>

#include "core/file_names.h"

// The data directory relative to the program directory of an installed tree;
// the build sets it from its installation directories.
#ifndef KVOP_DATA_FROM_BIN
#define KVOP_DATA_FROM_BIN "../share/kvop"
#endif

namespace kvop {
namespace fs = std::filesystem;

std::vector<fs::path> data_dir_candidates(const fs::path& program_dir) {
  std::error_code ec;
  fs::path dir = fs::absolute(program_dir.empty() ? fs::path(".") : program_dir, ec);
  if (ec) dir = program_dir;
  dir = dir.lexically_normal();
  if (!dir.has_filename()) dir = dir.parent_path();  // "/opt/kvop/bin/"
  return {dir, (dir / KVOP_DATA_FROM_BIN).lexically_normal()};
}

std::optional<fs::path> find_data_dir(const fs::path& program_dir) {
  for (const fs::path& dir : data_dir_candidates(program_dir))
    if (find_file(dir, "PROFILKV.BIN")) return dir;
  return std::nullopt;
}

}  // namespace kvop
