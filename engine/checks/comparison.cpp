#include "checks/comparison.h"

#include <algorithm>

#include "core/profile_rows.h"

namespace kvop {

LargestRatio largest_ratio(const InputCase& in, const CheckResults& chk) {
  LargestRatio best;
  const int n = in.nfack;
  auto consider = [&](float r, RatioKind kind, int number, int lc) {
    if (r > best.ratio) best = {r, {kind, number, lc}};
  };
  for (int lc = 1; lc <= 4; ++lc) {
    for (int i = 1; i <= n + 1; ++i) consider(chk.KVOTS(lc, i), RatioKind::support, i, lc);
    for (int j = 1; j <= n; ++j) consider(chk.KVOTF(lc, j), RatioKind::span, j, lc);
    for (int j = 1; j <= n; ++j) consider(chk.KVOTD(lc, j), RatioKind::deflection, j, lc);
  }
  return best;
}

namespace {

// The self weight (kN/m2) of the profile's column of nominal thickness t; 0
// when the profile has no such column.
double self_weight(const ProfileRecord& prof, float t) {
  for (int c = 1; c <= prof.thickness_count; ++c)
    if (prof.per_thickness(no(Row::nominal_thickness), c) == t)
      return prof.per_thickness(no(Row::self_weight), c);
  return 0.0;
}

}  // namespace

float sheeting_mass(const InputCase& in, const ProfileRecord& prof, const CheckResults& chk) {
  const int n = in.nfack;
  if (n < 1) return 0.0f;
  double force =
      self_weight(prof, chk.plattj(1)) * in.konsv + self_weight(prof, chk.plattj(n)) * in.konsh;
  double length = static_cast<double>(in.konsv) + in.konsh;
  for (int j = 1; j <= n; ++j) {
    force += self_weight(prof, chk.plattj(j)) * in.spv(j);
    length += in.spv(j);
  }
  if (!(length > 0.0)) return 0.0f;
  return static_cast<float>(force / length * 1000.0 / kGravity);
}

ProfileOutcome profile_outcome(const InputCase& in, const ProfileRecord& prof,
                               const CheckResults& chk, const WalkResults* walk) {
  ProfileOutcome o;
  o.designation = prof.designation;
  o.spans = in.nfack;
  for (int j = 1; j <= in.nfack; ++j) o.plattj(j) = chk.plattj(j);
  o.weight_kg_m2 = sheeting_mass(in, prof, chk);
  const LargestRatio m = largest_ratio(in, chk);
  o.max_ratio = m.ratio;
  o.governs = m.place;
  if (walk) {
    o.walk_checked = !walk->fully_perforated;
    o.walk = *walk;
  }
  o.passes = !chk.failed && !chk.over;
  return o;
}

void rank_outcomes(Comparison& c) {
  std::stable_sort(c.begin(), c.end(), [](const ProfileOutcome& a, const ProfileOutcome& b) {
    if (a.passes != b.passes) return a.passes;
    return a.weight_kg_m2 < b.weight_kg_m2;
  });
}

}  // namespace kvop
