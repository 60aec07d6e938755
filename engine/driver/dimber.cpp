#include "driver/dimber.h"

#include "analysis/gabar.h"
#include "analysis/krdef.h"
#include "analysis/summary.h"
#include "checks/comparison.h"
#include "driver/dimen.h"
#include "output/comparison_section.h"
#include "output/gabar_warnings.h"
#include "output/profile_section.h"
#include "output/skrivs.h"
#include "profiles/profile_db.h"

namespace kvop {

int dimber(RunContext& ctx) {
  const InputCase& in = ctx.in;
  int status = 0;
  // The values the analysis and the checks use in place of the case's own;
  // until the checks of a profile have judged it, its perforation is the
  // case's.
  prepare_analysis(in, ctx.prep);
  ctx.prep.perfo = in.perfo;
  for (int ip = 1; ip <= in.nprof; ++ip) {
    status = opdbas(ctx);
    if (status == 0)
      status = pdread(ctx, lookup_designation(ctx, ip), ProfileScaling::scaled, NotFound::reported);
    if (status != 0) {
      read_error(ctx);
      return status;
    }
    clfile(ctx);

    // Every profile is judged on its own: nothing the checks, the summary or
    // the walkability check found for an earlier profile of a comparison
    // stays behind (the first profile finds them as a run begins).
    ctx.chk = CheckResults{};
    ctx.sum = SummaryResults{};
    ctx.walk = WalkResults{};
    // The first pass analyses with equal stiffness in all spans; the checks
    // of the first pass set the ratios of the chosen thicknesses.
    ctx.chk.styvkvot.fill(1.0f);
    krdef(ctx, 1);
    dimen(ctx, ip, 1);
    krdef(ctx, 2);
    dimen(ctx, ip, 2);

    const bool walk_checked = in.vagg == 0 && ctx.prof.origin_code == 1;
    if (walk_checked) {
      if (in.utskr == 1) {
        ctx.sum = summary_values(in, ctx.chk);
        skrivs(ctx);
      }
      ctx.walk = gabar(in, ctx.prep, ctx.prof, ctx.chk);
      gabar_warnings(ctx);
    }
    if (!ctx.compared.empty())
      ctx.comparison.push_back(
          profile_outcome(in, ctx.prof, ctx.chk, walk_checked ? &ctx.walk : nullptr));
  }
  end_of_profiles(ctx);
  if (!ctx.compared.empty()) {
    rank_outcomes(ctx.comparison);
    comparison_section(ctx);
  }
  return status;
}

}  // namespace kvop
