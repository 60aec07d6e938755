// Values the calculation uses in place of fields of the input case: the case
// as read stays as it was read, and every step that needs a prepared value
// reads it here.  The driver fills and hands on this record.
#pragma once

#include "core/fixed_arrays.h"

namespace kvop {

struct PreparedCase {
  // Self weight on the roof slope (kN/m2): the case's self weight times the
  // cosine of the slope, converted once per run before the first analysis.
  float egentyngd = 0;
  // Line loads k = 1..nlinj with their span and distance normalised so that
  // the distance lies within its span (or on a cantilever).
  Arr<int, 1, 5> linjfack;
  Arr<float, 1, 5> linjavst;
  // Perforation code per profile as the checks use it: a perforated profile
  // too low for its partial perforation is treated as fully perforated.
  Arr<int, 1, 5> perfo;
};

}  // namespace kvop
