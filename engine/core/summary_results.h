// What the closing sections of a roof profile's report show: the spans the
// walkability check found too long, and the values of the diaphragm and
// fastening-band summary.
#pragma once

#include "core/fixed_arrays.h"

namespace kvop {

// The walkability check (gabar) of the last profile.
struct WalkResults {
  int count = 0;              // spans too long to walk on
  Arr<int, 1, 20> spans;      // their numbers, ascending
  bool sheet_too_long = false;    // a sheet exceeds the maximum sheet length
  bool fully_perforated = false;  // walkability of a fully perforated profile is not judged
  bool checked = false;
};

// The values of the summary sections (skrivs) of the last profile.
struct SummaryResults {
  int lasfl = 0;           // top flange at the end supports locked, 0 or 1
  Arr<float, 1, 21> vus;   // permitted shear between support and sheet (kN/m)
  Arr<float, 1, 20> vuf;   // permitted diaphragm force of the roof panel (kN/m)
  float bandavst1 = 0, bandavst2 = 0;  // VEX band spacings with / without trimmer (m)
  bool computed = false;
};

}  // namespace kvop
