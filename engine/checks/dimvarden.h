#pragma once

#include "core/analysis_results.h"
#include "core/diaphragm_results.h"
#include "core/input_case.h"
#include "core/prepared_case.h"
#include "core/profile_record.h"
#include "core/run_context.h"

namespace kvop {

// What the section checks read, all of it unchanged by them: the case, the
// values prepared for the calculation, the profile, the analysis results and
// the sheet pieces.  The checks write only their own result record.
struct CheckInput {
  const InputCase& in;
  const PreparedCase& prep;
  const ProfileRecord& prof;
  const AnalysisResults& an;
  const DiaphragmResults& dia;
  CheckInput(const RunContext& ctx)  // NOLINT: a run's records are the checks' input
      : in(ctx.in), prep(ctx.prep), prof(ctx.prof), an(ctx.an), dia(ctx.dia) {}
};

// The design values of one check pass for profile ip: the working copy of the
// profile's thickness table after the side-lap and perforation adjustments,
// the resistances per thickness column divided by the partial factors of the
// market, the web crippling at every support, the force along the slope and
// the locked columns.  Rebuilt at every pass, so no scaling accumulates.
struct Dimvarden {
  int NT = 1;                        // thickness columns in use
  int t0 = 1;                        // first admissible column
  Arr2<float, 1, 30, 1, 10> arbtab;  // working copy of per_thickness
  float gammaM = 1, gammaW = 1;
  float sidfaktor = 1;  // side-lap factor on rows 5, 6, 9, 10, 13

  // Per column: group a serves the support checks, group b the other sign.
  Arr<float, 1, 10> mrda, mrdb;  // moment resistances / gammaM
  Arr<float, 1, 10> iyta, iytb;  // stiffnesses
  Arr<float, 1, 10> rw0;         // web crippling at the reference length / gammaW
  Arr<float, 1, 10> A, D;        // fastening capacities / gammaM
  Arr<float, 1, 10> C7, C8;      // interaction coefficients of group a
  Arr<float, 1, 10> P22, P24;    // seam shear and shear buckling terms / gammaM
  float g = 0;                   // interaction threshold
  bool steel = true;             // E above 1.0
  bool no_anchorage_b = false;   // R820M/R820P: the bearing anchorage term is 0

  Arr2<float, 1, 21, 1, 10> rwst;  // web crippling at support i, column t
  Arr2<float, 1, 4, 1, 21> fstod;  // force along the slope at support i
  bool locked = false;             // thicknesses locked by the user
  Arr<int, 1, 21> L;               // locked column of span j (0 = support nfack+1)
  Arr<int, 1, 20> flag;            // stiffness form of span j: 1 weighted, 2 plain
  int perfo = 0;                   // perforation code the checks work with
};

// Whether the designation holds `word` starting at its 1st to 4th character.
[[nodiscard]] bool designation_has(const Text<8>& designation, std::string_view word);

// The perforation code of profile ip as the checks and everything after them
// use it: a perforated profile too low for a partial perforation (50 mm of
// steel, 38 mm of aluminium) counts as fully perforated.
[[nodiscard]] int perforation_code(const InputCase& in, const ProfileRecord& prof, int ip);

// Steps 1 to 7 and 9 of a check pass.
[[nodiscard]] Dimvarden dimvarden(const CheckInput& ctx, int ip);

// Effective stiffness of column t in a span with stiffness form `flag`.
[[nodiscard]] float ieff(const Dimvarden& dv, int t, int flag);

}  // namespace kvop
