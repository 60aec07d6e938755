#include "driver/dimber.h"

#include "analysis/gabar.h"
#include "analysis/krdef.h"
#include "analysis/skrivs.h"
#include "checks/dimen.h"
#include "core/cp1252.h"
#include "profiles/profile_db.h"

namespace kvop {

int dimber(RunContext& ctx) {
  const InputCase& in = ctx.in;
  int status = 0;
  // The values the analysis and the checks use in place of the case's own.
  prepare_analysis(in, ctx.prep);
  for (int ip = 1; ip <= in.nprof; ++ip) {
    status = opdbas(ctx);
    if (status == 0) status = pdread(ctx, in.pnamn(ip), ProfileScaling::scaled, NotFound::reported);
    if (status != 0) {
      // The read-error line goes where the lookup's own messages go, the
      // console (the database channel holds a binary file), and closes the
      // report, so that the report alone tells a failed run from a finished
      // one.
      ctx.console.error(enc("    *******LÄSFEL"));
      ctx.channels.report.write_line(enc("    *******LÄSFEL"));
      return status;
    }
    clfile(ctx);

    // The first pass analyses with equal stiffness in all spans; the checks
    // of the first pass set the ratios of the chosen thicknesses.
    ctx.chk.styvkvot.fill(1.0f);
    krdef(ctx, 1);
    status = dimen(ctx, ip, 1);
    if (status != 0) return status;
    krdef(ctx, 2);
    // A failure of the second pass does not stop the summary and the
    // walkability check; it is returned unless the walkability check ran,
    // which ends the profile as a success.
    status = dimen(ctx, ip, 2);

    if (in.vagg == 0) {
      const bool own_range = ctx.prof.origin_code == 1;
      if (in.utskr == 1 && own_range) skrivs(ctx);
      if (own_range) {
        gabar(ctx);
        status = 0;
      }
    }
  }
  if (in.utskr == 1) ctx.channels.report.write_line("^");
  return status;
}

}  // namespace kvop
