#include "core/install_layout.h"

#include <system_error>

#include "core/file_names.h"

#ifdef _WIN32
#include <windows.h>
#endif

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

std::optional<fs::path> running_program_dir() {
  std::error_code ec;
#ifdef _WIN32
  std::wstring buf(32768, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
  if (n == 0 || n >= buf.size()) return std::nullopt;
  buf.resize(n);
  const fs::path exe(buf);
#else
  const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return std::nullopt;
#endif
  return exe.parent_path();
}

}  // namespace kvop
