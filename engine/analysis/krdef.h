// The multi-span analysis: the design load cases of the case, each analysed
// on the continuous sheet by the three-moment method.
#pragma once

#include "analysis/load_cases.h"
#include "analysis/span_terms.h"
#include "core/analysis_cache.h"
#include "core/analysis_results.h"
#include "core/input_case.h"
#include "core/prepared_case.h"
#include "core/profile_record.h"
#include "core/run_context.h"

namespace kvop {

// Relative bending stiffness of each span (span stiffness / that of span 1).
using Styvkvot = Arr<float, 1, 20>;

// Analyses every load case of the case (1..4 for a roof, 1 and 3 for a wall)
// with the prepared self weight and line-load positions; results into an.
// `pass` 1 analyses with equal stiffness in all spans, pass 2 with the
// stiffness ratios styvkvot.  The flexibility of single overlaps comes from
// general values 8 and 9 of the profile.  The terms that do not depend on
// the stiffnesses are taken from the cache when it holds them for the same
// input, and kept there otherwise.  A wall leaves load cases 2 and 4 of an as
// they were.
void krdef(const InputCase& in, const PreparedCase& prep, const ProfileRecord& prof,
           const Styvkvot& styvkvot, int pass, AnalysisResults& an, AnalysisCache& cache);

// The same analysis of the loads laster(lc) given directly for each load case
// of the case, in place of those its loads and factors build (the safety-
// class factors are still those of its market and class, for the checks).
// The terms are computed anew at every call.
void krdef(const InputCase& in, const PreparedCase& prep, const ProfileRecord& prof,
           const Styvkvot& styvkvot, int pass, const Arr<Belastning, 1, 4>& laster,
           AnalysisResults& an);

// The analysis of the run's case with the stiffness ratios the checks left.
inline void krdef(RunContext& ctx, int pass) {
  krdef(ctx.in, ctx.prep, ctx.prof, ctx.chk.styvkvot, pass, ctx.an, ctx.an_cache);
}

}  // namespace kvop
