// gabar: walkability during erection and maintenance.  Each span is compared
// with the span a person may walk unsupported on, which depends on the
// thickness chosen for the span, the joints at its ends and the perforation.
#include "analysis/gabar.h"

#include "core/real32.h"

namespace kvop {
namespace {

// The thickness column of span j: that of the highest-numbered sheet covering
// support j; 0 when no sheet covers it (the checks have not run).
int column_of_span(const InputCase& in, const CheckResults& chk, int j) {
  int t = 0;
  for (int k = 1; k <= in.nfack; ++k)
    if (chk.tjix(k, j) != 0) t = chk.tjix(k, j);
  return t;
}

}  // namespace

WalkResults gabar(const InputCase& in, const PreparedCase& prep, const ProfileRecord& prof,
                  const CheckResults& chk) {
  WalkResults w;
  w.checked = true;
  const int n = in.nfack;
  if (n < 1 || n > 20) return w;

  // Walkable spans per thickness column: G1 for a span without a continuous
  // end, G2 for one with a continuous end.  A partly perforated sheet loses
  // 0.60 m against an unperforated one.
  const float d = prep.perfo(1) == 1 ? -0.59f : 0.01f;
  const int columns = prof.thickness_count;
  auto g1 = [&](int t) {
    return f32(10000.0 * prof.per_thickness(no(Row::walk_limit_single), t) + d);
  };
  auto g2 = [&](int t) {
    return f32(10000.0 * prof.per_thickness(no(Row::walk_limit_one_continuous), t) + d);
  };
  auto ov = [&](int j) { return f32(static_cast<double>(0.01f) * in.skarvprc(j) * in.spv(j)); };

  for (int j = 1; j <= n; ++j) {
    const int t = column_of_span(in, chk, j);
    if (t < 1 || t > columns || t > 10) continue;  // no thickness chosen: nothing to judge
    const float span = in.spv(j);
    bool over = false;
    if (n == 1) {
      over = g1(t) < span;
    } else if (j == 1) {
      over = (in.skarvtyp(2) == 0 ? g2(t) : g1(t)) < span;
    } else if (j == n) {
      const int J = in.skarvtyp(n);
      if (J == 0)
        over = g2(t) < span;
      else if (J == 1)
        over = g1(t) < span;
      else
        over = f32(static_cast<double>(ov(n)) + g1(t)) < span;
    } else {
      const int left = in.skarvtyp(j), right = in.skarvtyp(j + 1);
      float limit;
      if (left == 0)
        limit = right == 0 ? f32(static_cast<double>(1.1f) * g2(t)) : g2(t);
      else if (left == 1)
        limit = right == 0 ? g2(t) : g1(t);
      else
        limit = f32(static_cast<double>(ov(j)) + (right == 0 ? g2(t) : g1(t)));
      over = limit < span;
    }
    if (over) w.spans(++w.count) = j;
  }

  w.sheet_too_long = chk.maxlangdfl == 1;
  w.fully_perforated = prep.perfo(1) > 1;
  return w;
}

}  // namespace kvop
