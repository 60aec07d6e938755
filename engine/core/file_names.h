// The engine addresses its files by bare names in its working directory, as
// the Windows system did, where names are matched without regard to case: the
// editor writes "~indata~.tmp" and the engine opens "~INDATA~.TMP".  Every
// file the engine opens by name goes through these helpers.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvop {

// The existing file `name` (Windows-1252 bytes, no directory part) in `dir`,
// found without regard to letter case.  An exact match wins over others.
std::optional<std::filesystem::path> find_file(const std::filesystem::path& dir,
                                               std::string_view name);

// The path under which `name` is created in `dir`: exactly that name.  The
// channel that creates it removes an old file of the name in any letter case
// first (Channel::open_write), so that it is replaced, not doubled.
std::filesystem::path file_for_writing(const std::filesystem::path& dir, std::string_view name);

// Every entry of `dir` (files, links, directories) whose name equals
// `utf8name` without regard to letter case; the exact name when it exists
// and `dir` cannot be listed.
std::vector<std::filesystem::path> same_name_ignoring_case(const std::filesystem::path& dir,
                                                           const std::string& utf8name);

// True when the two names are equal without regard to letter case.
bool same_ignoring_case(std::string_view a, std::string_view b);

// A path as console messages show it: absolute, without "." and "..", in
// Windows-1252.
std::string shown_path(const std::filesystem::path& p);

// A Windows path name (backslashes as separators, a leading backslash for the
// root of the drive) resolved against `dir` component by component without
// regard to case.  Returns nothing when some component does not exist.
std::optional<std::filesystem::path> find_windows_path(const std::filesystem::path& dir,
                                                       std::string_view name);

// A path as a console message shows it: absolute, normalised, in
// Windows-1252 like every console text of the engine.
std::string shown(const std::filesystem::path& p);

// True when `name` is a bare file name that stays in the working directory:
// not empty, no "/" or "\", no drive colon, and not "." or "..".
bool is_bare_file_name(std::string_view name);

}  // namespace kvop
