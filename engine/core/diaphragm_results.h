// The sheet pieces of the sheeting: how far each sheet reaches beyond the
// supports where it begins and ends, and the length of every sheet (m).
#pragma once

#include "core/fixed_arrays.h"

namespace kvop {

struct DiaphragmResults {
  Arr<float, 1, 21> vansk;   // reach of span j's sheet to the left of its first support
  Arr<float, 1, 20> hosk;    // reach beyond support j+1 to the right
  Arr<float, 1, 20> plangd;  // length of the sheet that ends in span j
  bool computed = false;
};

}  // namespace kvop
