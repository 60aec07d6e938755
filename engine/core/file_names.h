// The engine addresses its files by bare names in its working directory, as
// the Windows system did, where names are matched without regard to case: the
// editor writes "~indata~.tmp" and the engine opens "~INDATA~.TMP".  Every
// file the engine opens by name goes through these helpers.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace kvop {

// The existing file `name` (Windows-1252 bytes, no directory part) in `dir`,
// found without regard to letter case.  An exact match wins over others.
std::optional<std::filesystem::path> find_file(const std::filesystem::path& dir,
                                               std::string_view name);

// The path under which `name` is to be created in `dir`: an existing file of
// that name in any letter case is reused, so that it is replaced, not doubled.
std::filesystem::path file_for_writing(const std::filesystem::path& dir, std::string_view name);

// A Windows path name (backslashes as separators, a leading backslash for the
// root of the drive) resolved against `dir` component by component without
// regard to case.  Returns nothing when some component does not exist.
std::optional<std::filesystem::path> find_windows_path(const std::filesystem::path& dir,
                                                       std::string_view name);

// True when `name` is a bare file name that stays in the working directory:
// not empty, no "/" or "\", no drive colon, and not "." or "..".
bool is_bare_file_name(std::string_view name);

}  // namespace kvop
