#include "analysis/summary.h"

#include <algorithm>

namespace kvop {

SummaryResults summary_values(const InputCase& in, const CheckResults& chk) {
  SummaryResults s;
  const int n = std::clamp(in.nfack, 1, 20);
  s.lasfl = std::min(chk.lasfl, 1);
  // The permitted forces are those of load case 4, the case with wind
  // leading, in which the sheeting may also act as a diaphragm.
  for (int i = 1; i <= n + 1; ++i) s.vus(i) = chk.skivstod(4, i);
  for (int j = 1; j <= n; ++j) s.vuf(j) = chk.skivfalt(4, j);
  s.bandavst1 = chk.bandavst1;
  s.bandavst2 = chk.bandavst2;
  s.computed = true;
  return s;
}

}  // namespace kvop
