// The names of the joint types (skarvtyp 0..5) as the report writes them,
// eight characters each: continuous, hinge, single overlap, single overlap
// with rivets, Gerber joint, double overlap.
#pragma once

#include <array>
#include <string_view>

namespace kvop {

inline constexpr std::array<std::string_view, 6> kSkarvnamn{
    "KONT    ", "LED     ", "OML     ", "OML+NIT ", "GERBER  ", "DUB OML "};

}  // namespace kvop
