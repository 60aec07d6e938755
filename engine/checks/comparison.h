// Judging one profile of a comparison from the records its dimensioning left,
// and ranking the profiles.
#pragma once

#include "core/check_results.h"
#include "core/comparison_results.h"
#include "core/input_case.h"
#include "core/profile_record.h"
#include "core/summary_results.h"

namespace kvop {

// Standard gravity: the self weights of the profile table are forces (kN/m2);
// the comparison states the sheeting's mass.
inline constexpr double kGravity = 9.81;

// The largest utilisation ratio of the final sweep and where it stands,
// among the ratios that decide whether the profile passes: supports, spans
// and deflections of load cases 1 to 4.  The first of equal ratios counts,
// in the order load case, supports, spans, deflections.
struct LargestRatio {
  float ratio = 0;
  RatioPlace place;
};
[[nodiscard]] LargestRatio largest_ratio(const InputCase& in, const CheckResults& chk);

// The mass of the sheeting per m2 (kg/m2): the self weight of each span's
// thickness over the span's length, the cantilevers with the thickness of
// their end spans, over the whole length, divided by standard gravity.
[[nodiscard]] float sheeting_mass(const InputCase& in, const ProfileRecord& prof,
                                  const CheckResults& chk);

// The outcome of the profile the records hold.  `walk` is the walkability
// check of this profile, or null when it was not checked (walls, profiles
// of other ranges).
[[nodiscard]] ProfileOutcome profile_outcome(const InputCase& in, const ProfileRecord& prof,
                                             const CheckResults& chk, const WalkResults* walk);

// Passing profiles first, each group by mass, lightest first; equal ones
// keep their order.
void rank_outcomes(Comparison& c);

}  // namespace kvop
