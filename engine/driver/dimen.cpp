#include "driver/dimen.h"

#include "checks/dim1.h"
#include "diaphragm/platbitar.h"
#include "output/profile_section.h"

namespace kvop {

void dimen(RunContext& ctx, int ip, int pass) {
  if (pass == 2) profile_header(ctx, ip);
  ctx.prep.perfo(ip) = perforation_code(ctx.in, ctx.prof, ip);
  platbitar(ctx.in, ctx.an, ctx.dia);
  dim1(ctx, ip, ctx.chk);
  if (pass == 2) result_section(ctx, ip);
}

}  // namespace kvop
