// The design load cases of a case: the safety-class factors of its market
// and class, the loads of each load case, and the values the analysis uses in
// place of the case's own (the self weight on the roof slope, the line loads
// located on the sheet).
#pragma once

#include "analysis/lastford.h"
#include "core/analysis_results.h"
#include "core/input_case.h"
#include "core/prepared_case.h"

namespace kvop {

// The slope factor c = cos(taklutn), rounded to a 32-bit real.
float slope_factor(const InputCase& in);

// The values the analysis uses in place of the case's own, once per run
// before the first analysis: the self weight times the slope factor, and
// every line load of a roof with its span and distance normalised so that
// the distance lies within its span (or on a cantilever).  Line loads of a
// wall and those beyond nlinj stay as read.
void prepare_analysis(const InputCase& in, PreparedCase& prep);

// The safety-class factors of the market and class into an: bandix, xired,
// gammad and gammad1.  A class outside 1..3 (the permissible-stress method)
// factors nothing: 1.0.
void sakerhetsfaktorer(const InputCase& in, AnalysisResults& an);

// Load case lc (1..4) of the case with the prepared self weight, the factors
// of an and the slope factor c.
Belastning belastning(const InputCase& in, const PreparedCase& prep, const AnalysisResults& an,
                      float c, int lc);

}  // namespace kvop
