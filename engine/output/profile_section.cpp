#include "output/profile_section.h"

#include "checks/dimvarden.h"
#include "core/cp1252.h"
#include "core/format.h"
#include "output/page_control.h"
#include "output/report_lines.h"
#include "output/skriva.h"
#include "output/skrivp.h"

namespace kvop {

void profile_header(RunContext& ctx, int ip) {
  const InputCase& in = ctx.in;
  if (in.utskr == 0 || !page::header_on_new_page(ctx.page, in.nfack, ip)) {
    skrivp(ctx, ip);
    return;
  }
  page_mark(ctx);
  skrivp(ctx, ip);
  ctx.page.radnr = page::kHeaderOnNewPage;
}

void result_section(RunContext& ctx, int ip) {
  static const notation::Layout kMicro1("(1X)");
  static const notation::Layout kMicro2("(4X,'OBS! DET INNEBÄR VISSA SVÅRIGHETER ATT MONTERA')");
  static const notation::Layout kMicro3("(9X,'MIKROBAND OCH EXTRA SIDÖVERLAPP !!')");
  static const notation::Layout kTwoEmpty("(/)");
  const InputCase& in = ctx.in;
  if (in.utskr == 0) {
    skriva(ctx, 1);
  } else {
    for (int lc = 1; lc <= 4; ++lc) {
      if (page::count_table(ctx.page, in.nfack, ip, lc)) page_mark(ctx);
      skriva(ctx, lc);
    }
    if (page::summary_on_new_page(ctx.page, in.vextak)) page_mark(ctx);
  }
  if (in.sidoverl(profile_fields(ctx, ip)) > 0.1f && (designation_has(ctx.prof.designation, "R820M") ||
                                 designation_has(ctx.prof.designation, "R820P"))) {
    report(ctx, kMicro1);
    report(ctx, kMicro2);
    report(ctx, kMicro3);
  }
  if (ctx.chk.failed || ctx.chk.over) {
    report(ctx, kTwoEmpty);
    ctx.channels.report.write_line(
        notation::list_directed(enc("   OBS!! PROFILEN KLARAR SIG EJ !")));
  }
  if (in.utskr == 0) page_mark(ctx);
}

void read_error(RunContext& ctx) {
  // The line goes where the lookup's own messages go, the console (the
  // database channel holds a binary file), and closes the report, so that
  // the report alone tells a failed run from a finished one.
  ctx.console.error(enc("    *******LÄSFEL"));
  ctx.channels.report.write_line(enc("    *******LÄSFEL"));
}

void end_of_profiles(RunContext& ctx) {
  if (ctx.in.utskr == 1) page_mark(ctx);
}

}  // namespace kvop
