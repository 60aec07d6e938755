#include "checks/dimen.h"

#include <algorithm>

#include "checks/check_report.h"
#include "checks/dim1.h"
#include "checks/skrivp.h"

namespace kvop {

int dimen(RunContext& ctx, int ip, int pass) {
  const InputCase& in = ctx.in;
  PageCounters& pg = ctx.page;
  if (in.utskr != 0) {
    // The header and the first table must fit on the page.
    const int n = std::clamp(in.nfack, 1, 20);
    const int r = n > 7 ? 27 : 24;
    if (pg.radnr + r + 2 * n < pg.sidlangd && ip == 1 && pass == 2) {
      skrivp(ctx, ip);
    } else if (pass == 2) {
      page_mark(ctx);
      skrivp(ctx, ip);
      pg.radnr = 7;
    }
  } else if (pass == 2) {
    skrivp(ctx, ip);
  }
  dim1(ctx, ip, pass);
  return 0;
}

}  // namespace kvop
