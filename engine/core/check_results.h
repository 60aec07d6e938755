// Results of the section checks: utilisation ratios (1.0 = fully used),
// deflections (m), chosen thicknesses, the span stiffness ratios that the
// second analysis pass uses, and the diaphragm reserves left for the
// diaphragm program.
#pragma once

#include "core/fixed_arrays.h"

namespace kvop {

struct CheckResults {
  Arr2<float, 1, 4, 1, 21> KVOTS;      // support utilisation
  Arr2<float, 1, 4, 1, 20> KVOTF;      // span (field-moment) utilisation
  Arr2<float, 1, 4, 1, 20> KVOTD;      // deflection utilisation
  Arr2<float, 1, 4, 1, 20> nedbfalt;   // span deflection
  Arr2<float, 1, 4, 1, 2> nedbkons;    // cantilever tip deflection, left/right
  Arr<float, 1, 20> plattj;            // chosen nominal thickness per span
  Arr<float, 1, 20> styvkvot;          // span stiffness relative to span 1
  Arr2<int, 1, 20, 1, 21> tjix;        // thickness column of sheet k at support i
  Arr2<float, 1, 4, 1, 21> skivstod;   // diaphragm reserve of a support (kN/m)
  Arr2<float, 1, 4, 1, 20> skivfalt;   // diaphragm reserve of a span (kN/m)
  int lasfl = 0;                       // top flange at the end supports locked
  int maxlangdfl = 0;                  // a sheet exceeds the maximum sheet length
  Arr<int, 1, 20> gabfl;               // 1: the span is longer than its walkable length
  bool gabar_run = false;              // the walkability check has judged the spans
  float bandavst1 = 0, bandavst2 = 0;  // VEX band spacings (m)
  bool failed = false;                 // a check failed at the thickest column in the search
  bool over = false;                   // a ratio of the final sweep exceeds 1.0
  bool checked = false;                // the checks have run at least once in this run
};

}  // namespace kvop
