// Where a program of the system finds its delivered data files: the profile
// database "PROFILKV.BIN", and for the editor "kvop.def", "kvop.ver" and its
// translations.  In a build tree they lie beside the programs; in an
// installed tree the programs lie in bin/ and the data in share/kvop/.  The
// editor and kvoprapport ask here for the directory they write into the
// engine's BRASKO.INI.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

namespace kvop {

// The places where the data of the programs in `program_dir` may lie, in
// the order they are tried: the program directory itself, then the shared
// data directory of the installed layout (by default "../share/kvop").
std::vector<std::filesystem::path> data_dir_candidates(const std::filesystem::path& program_dir);

// The first of those places that holds the profile database (any letter
// case), or nothing when none does.
std::optional<std::filesystem::path> find_data_dir(const std::filesystem::path& program_dir);

}  // namespace kvop
