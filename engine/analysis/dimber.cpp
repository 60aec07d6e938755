#include "analysis/dimber.h"

#include "analysis/gabar.h"
#include "analysis/krdef.h"
#include "analysis/skrivs.h"
#include "checks/dimen.h"
#include "profiles/profile_db.h"
#include "report/cp1252.h"

namespace kvop {

void dimber(RunContext& ctx, int& dbunit, int& unit, int& istat) {
  istat = 0;
  InputCase& in = ctx.in;
  for (int ip = 1; ip <= in.nprof; ++ip) {
    opdbas(ctx, dbunit, istat);
    if (istat == 0) pdread(ctx, in.pnamn(ip), dbunit, 1, 1, istat);
    if (istat != 0) {
      // The read-error line goes where the lookup's own messages go: the
      // console, since the database unit is a binary file.
      ctx.console.error(enc("    *******LÄSFEL"));
      return;
    }
    clfile(ctx, dbunit);

    int pass = 1;
    krdef(ctx, ip, unit, istat, pass);
    if (istat != 0) return;
    istat = dimen(ctx, ip, pass);
    if (istat != 0) return;
    pass = 2;
    krdef(ctx, ip, unit, istat, pass);
    istat = dimen(ctx, ip, pass);

    if (in.vagg == 0) {
      const bool own_range = ctx.prof.origin_code == 1;
      if (in.utskr == 1 && own_range) skrivs(ctx, unit);
      if (own_range) gabar(ctx, dbunit, unit, istat, ip, ip);
    }
  }
  if (in.utskr == 1) ctx.units.write_line(unit, "^");
}

}  // namespace kvop
