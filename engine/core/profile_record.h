// The profile record: one profile of the binary profile database, as found
// by the lookup.  The engine keeps exactly one in its run context.
#pragma once

#include <array>
#include <cstdint>

#include "core/fixed_arrays.h"
#include "core/profile_rows.h"

namespace kvop {

struct ProfileRecord {
  Text<8> designation;
  std::int32_t thickness_count = 0;         // columns in use, 1..10
  std::int32_t origin_code = 0;             // 1 = the system's own profile range
  Arr<float, 1, 12> general;                // values independent of thickness
  Arr2<float, 1, 30, 1, 10> per_thickness;  // per_thickness(row, column)
  std::int32_t scaled_count = 0;            // leading rows multiplied by scale
  std::array<float, 120> spare_a{};
  std::array<float, 60> spare_b{};
  Arr<float, 1, 30> scale;
  std::array<float, 30> spare_c{};
};

}  // namespace kvop
