#pragma once

#include "analysis/lastford.h"
#include "core/run_context.h"

namespace kvop {

// The design load cases of the case, each analysed on the continuous sheet by
// the three-moment method; results into ctx.an.  `pass` 1 analyses with equal
// span stiffness, pass 2 with the stiffness ratios the checks left.  `ip` is
// the profile's place in the profile list: the self weight is brought to the
// roof slope in the first pass of the first profile only.
void krdef(RunContext& ctx, int ip, int pass);

// The safety-class factors of the market and class into an: bandix, xired,
// gammad and gammad1.  A class outside 1..3 (the permissible-stress method)
// factors nothing: 1.0.
void sakerhetsfaktorer(const InputCase& in, AnalysisResults& an);

// One design load case: the distributed loads and the line-load intensities.
struct Belastning {
  Lastfall lf;
  Arr<float, 1, 5> P;
};

// Load case lc (1..4) of the case with the factors of an and the slope
// factor c = cos(taklutn).
Belastning belastning(const InputCase& in, const AnalysisResults& an, float c, int lc);

// A cantilever of length a fixed at its support, in closed form: the uniform
// load q, an edge-zone load qe over the length E from the free end, then a
// drift of peak p at the free end falling to 0 at the length l from it.
// Support moment M, tip deflection t (times the bending stiffness) and
// support force F.
CantileverTerms konsol_sluten(float a, float q, float qe, float E, float p, float l);

}  // namespace kvop
