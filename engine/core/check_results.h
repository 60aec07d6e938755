// Results of the section checks: utilisation ratios (1.0 = fully used),
// deflections (m), chosen thicknesses and the span stiffness ratios that the
// second analysis pass uses.
#pragma once

#include "core/fixed_arrays.h"

namespace kvop {

struct CheckResults {
  Arr2<float, 1, 4, 1, 21> KVOTS;     // support utilisation
  Arr2<float, 1, 4, 1, 20> KVOTF;     // span (field-moment) utilisation
  Arr2<float, 1, 4, 1, 20> KVOTD;     // deflection utilisation
  Arr2<float, 1, 4, 1, 20> nedbfalt;  // span deflection
  Arr2<float, 1, 4, 1, 2> nedbkons;   // cantilever tip deflection, left/right
  Arr<float, 1, 20> plattj;           // chosen nominal thickness per span
  Arr<float, 1, 20> styvkvot;         // span stiffness relative to span 1
  Arr2<int, 1, 20, 1, 21> tjix;       // thickness column of sheet k at support i
  int lasfl = 0;                      // top flange at the end supports locked
  int maxlangdfl = 0;                 // a sheet exceeds the maximum sheet length
  float bandavst1 = 0, bandavst2 = 0; // VEX band spacings
};

}  // namespace kvop
