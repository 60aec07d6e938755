// The outcome of one profile in a comparison of profiles: the case
// dimensioned with every profile of a list, each judged by what its sheeting
// weighs and how fully it is used.
#pragma once

#include <vector>

#include "core/fixed_arrays.h"
#include "core/summary_results.h"

namespace kvop {

// Where a utilisation ratio stands: the support, span or span deflection
// number and the load case (1..4).
enum class RatioKind { support, span, deflection };
struct RatioPlace {
  RatioKind kind = RatioKind::support;
  int number = 0;
  int load_case = 0;
};

struct ProfileOutcome {
  Text<8> designation;        // the profile dimensioned
  int spans = 0;              // spans of the case (entries of plattj)
  Arr<float, 1, 20> plattj;   // thickness per span (mm), as the checks chose it
  float weight_kg_m2 = 0;     // mass of the sheeting per m2 of roof or wall
  float max_ratio = 0;        // largest utilisation ratio of the final sweep
  RatioPlace governs;         // where it stands
  bool walk_checked = false;  // the walkability check judged the profile
  WalkResults walk;           // and found these spans too long
  bool passes = false;        // no check fails at the thicknesses chosen
};

using Comparison = std::vector<ProfileOutcome>;

}  // namespace kvop
