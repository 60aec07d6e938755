// The terms of the design load cases that do not depend on the span
// stiffnesses: the cantilevers in closed form and under their slot and line
// loads, and every span simply supported under its lumped loads and line
// loads (end rotations, end shears, moments and deflections at the sections).
#pragma once

#include "analysis/load_cases.h"
#include "core/analysis_cache.h"

namespace kvop {

// A cantilever of length a fixed at its support, in closed form: the uniform
// load q, an edge-zone load qe over the length E from the free end, then a
// drift of peak p at the free end falling to 0 at the length l from it.
// Support moment M, tip deflection t (times the bending stiffness) and
// support force F.
CantileverTerms cantilever_closed_form(float a, float q, float qe, float E, float p, float l);

// The terms of every load case of the case (1..4 for a roof, 1 and 3 for a
// wall) into terms(lc - 1), from the prepared self weight and line-load
// positions, the factors and section positions of an and the slope factor c.
// The entries of the load cases a wall does not have are left as they are.
void span_terms(const InputCase& in, const PreparedCase& prep, const AnalysisResults& an,
                float c, std::array<LoadCaseTerms, 4>& terms);

// The same terms for the loads laster(lc) given for each load case in place
// of those the case's loads and factors build.
void span_terms(const InputCase& in, const PreparedCase& prep, const AnalysisResults& an,
                const Arr<Belastning, 1, 4>& laster, std::array<LoadCaseTerms, 4>& terms);

}  // namespace kvop
