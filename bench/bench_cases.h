// The cases of the benchmarks: a small roof and a full sheet with every kind
// of load.
#pragma once

#include "core/run_context.h"

namespace kvop::bench {

// Three spans of the defaults with 0.3 m cantilevers.
RunContext small_roof();

// Twenty spans with drifts at both ends, a snow pocket, an edge zone, five
// line loads and a mix of joints.
RunContext full_roof();

}  // namespace kvop::bench
