#include "driver/kvopwb.h"

#include "core/cp1252.h"
#include "diaphragm/platbitar.h"
#include "driver/dimber.h"
#include "driver/inkvop.h"
#include "driver/inledn.h"
#include "output/indaut.h"
#include "output/page_control.h"
#include "output/skiv.h"

namespace kvop {

namespace {

// The steps in their order; the first that fails ends the run.
int run_steps(RunContext& ctx) {
  for (int k = 0; k < 14; ++k) ctx.console.empty_line();
  ctx.console.line(enc("                      BERÄKNING PÅGÅR ............. "));
  // The banner says the case is being computed: it is shown now, not with
  // the rest when the run ends (written to a file or a pipe the console is
  // held back in whole blocks).
  ctx.console.flush();

  ctx.page.sidlangd = page::kLinesPerPage;

  if (inkvop(ctx) != 0) return kExitInput;
  // A comparison dimensions the case once for every profile of its list.
  if (!ctx.compared.empty()) ctx.in.nprof = static_cast<int>(ctx.compared.size());
  ctx.page.radnr = page::echo_lines(ctx.in);

  inledn(ctx);
  defork(ctx);

  if (indaut(ctx) != 0) return kExitReport;

  if (dimber(ctx) != 0) return kExitDimensioning;

  // The exchange file describes the case's own profile: a comparison, which
  // ends with another profile's results, writes none.
  if (ctx.compared.empty() && (ctx.in.iskiv == 0 || ctx.in.iskiv == 1)) {
    platbitar(ctx.in, ctx.an, ctx.dia);
    if (skiv(ctx) != 0) return kExitDiaphragm;
  }
  return kExitOk;
}

}  // namespace

int kvopwb(RunContext& ctx) {
  int rc = run_steps(ctx);
  // Every path closes the files, the exchange file first, so that a write
  // that failed - a full disk, a file-size limit - is found and told: a file
  // cut off is never left behind as a finished one.
  Channels& ch = ctx.channels;
  ch.exchange.close();
  ch.input.close();
  ch.database.close();
  ch.report.close();
  for (const Channel* out : {&ch.report, &ch.exchange}) {
    if (!out->write_failed()) continue;
    ctx.console.error(out->failure_message() + "; the file is incomplete");
    if (rc == kExitOk) rc = kExitWrite;
  }
  return rc;
}

}  // namespace kvop
