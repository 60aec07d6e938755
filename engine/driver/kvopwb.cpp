#include "driver/kvopwb.h"

#include "core/cp1252.h"
#include "diaphragm/skiv.h"
#include "driver/dimber.h"
#include "driver/indaut.h"
#include "driver/inkvop.h"
#include "driver/inledn.h"

namespace kvop {
int echo_lines(const InputCase& in) {
  int n = in.utskr != 0 ? 25 : 22;
  // The counts are compared as reals, so the additions apply from 1 on.
  if (in.trivlgd > 0.01f) n += 1;
  if (in.trihlgd > 0.01f) n += 1;
  if (static_cast<float>(in.fickfack) > 0.01f) n += 3;
  if (static_cast<float>(in.nlinj) > 0.01f) n += in.nlinj + 2;
  return n;
}

int kvopwb(RunContext& ctx) {
  for (int k = 0; k < 14; ++k) ctx.console.empty_line();
  ctx.console.line(enc("                      BERÄKNING PÅGÅR ............. "));

  ctx.page.sidlangd = 68;

  if (inkvop(ctx) != 0) return kExitInput;
  ctx.page.radnr = echo_lines(ctx.in);

  inledn(ctx);
  defork(ctx);

  if (indaut(ctx) != 0) return kExitReport;

  if (dimber(ctx) != 0) return kExitDimensioning;

  if (ctx.in.iskiv == 0 || ctx.in.iskiv == 1) {
    if (skiv(ctx) != 0) return kExitDiaphragm;
    ctx.channels.exchange.close();
  }
  ctx.channels.input.close();
  ctx.channels.database.close();
  ctx.channels.report.close();
  return kExitOk;
}

}  // namespace kvop
