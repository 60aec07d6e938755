#pragma once

#include "core/analysis_results.h"
#include "core/diaphragm_results.h"
#include "core/input_case.h"

namespace kvop {

// The sheet pieces vansk, hosk and plangd of every span from the span and
// joint layout and the joint sections of the analysis.  The thickness search
// weighs sheets by these lengths; the diaphragm exchange file carries them.
void platbitar(const InputCase& in, const AnalysisResults& an, DiaphragmResults& dia);

// The length of the sheet that covers span j: plangd at the sheet's last span.
[[nodiscard]] float sheet_length(const InputCase& in, const DiaphragmResults& dia, int j);

}  // namespace kvop
