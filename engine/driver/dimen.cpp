#include "driver/dimen.h"

#include "checks/dim1.h"
#include "diaphragm/platbitar.h"
#include "output/profile_section.h"

namespace kvop {

void dimen(RunContext& ctx, int ip, int pass) {
  if (pass == 2) profile_header(ctx, ip);
  const int f = profile_fields(ctx, ip);
  ctx.prep.perfo(f) = perforation_code(ctx.in, ctx.prof, f);
  platbitar(ctx.in, ctx.an, ctx.dia);
  dim1(ctx, f, ctx.chk);
  if (pass == 2) result_section(ctx, ip);
}

}  // namespace kvop
