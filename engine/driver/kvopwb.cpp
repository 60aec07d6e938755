#include "driver/kvopwb.h"

#include "analysis/dimber.h"
#include "diaphragm/skiv.h"
#include "driver/indaut.h"
#include "driver/inkvop.h"
#include "driver/inledn.h"
#include "report/cp1252.h"

namespace kvop {
namespace {

// Lines of the input echo on the first report page, by what the case holds.
int echo_lines(const InputCase& in) {
  int n = in.utskr != 0 ? 25 : 22;
  // The counts are compared as reals, so the additions apply from 1 on.
  if (in.trivlgd > 0.01f) n += 1;
  if (in.trihlgd > 0.01f) n += 1;
  if (static_cast<float>(in.fickfack) > 0.01f) n += 3;
  if (static_cast<float>(in.nlinj) > 0.01f) n += in.nlinj + 2;
  return n;
}

}  // namespace

int kvopwb(RunContext& ctx, int& istat) {
  for (int k = 0; k < 14; ++k) ctx.console.empty_line();
  ctx.console.line(enc("                      BERÄKNING PÅGÅR ............. "));

  ctx.page.sidlangd = 68;
  int inunit = 1, dbunit = 2, repunit = 7, skivunit = 8;
  istat = 0;

  inkvop(ctx, inunit, istat);
  if (istat != 0) return kExitInput;
  ctx.page.radnr = echo_lines(ctx.in);

  inledn(ctx, repunit, istat);
  if (istat != 0) return kExitInput;
  defork(ctx);

  indaut(ctx, repunit, istat);
  if (istat != 0) return kExitReport;

  dimber(ctx, dbunit, repunit, istat);
  if (istat != 0) return kExitDimensioning;

  if (ctx.in.iskiv == 0 || ctx.in.iskiv == 1) {
    skiv(ctx, skivunit, istat);
    if (istat != 0) return kExitDiaphragm;
    ctx.units.close(skivunit);
  }
  ctx.units.close(inunit);
  ctx.units.close(2);
  ctx.units.close(repunit);
  return kExitOk;
}

}  // namespace kvop
