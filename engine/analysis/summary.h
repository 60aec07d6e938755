#pragma once

#include "core/check_results.h"
#include "core/input_case.h"
#include "core/summary_results.h"

namespace kvop {

// The values of a roof profile's summary sections: the end-support locking
// (a flag above 1 counts as locked), the permitted forces of load case 4 per
// support and span, and the fastening-band spacings.
[[nodiscard]] SummaryResults summary_values(const InputCase& in, const CheckResults& chk);

}  // namespace kvop
