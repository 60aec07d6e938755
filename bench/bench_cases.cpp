#include "bench_cases.h"

#include "driver/inkvop.h"

namespace kvop::bench {

RunContext small_roof() {
  RunContext ctx;
  blkdat(ctx.in);
  ctx.in.nfack = 3;
  ctx.in.konsv = ctx.in.konsh = 0.3f;
  return ctx;
}

RunContext full_roof() {
  RunContext ctx;
  InputCase& in = ctx.in;
  blkdat(in);
  in.nfack = 20;
  in.sakkl = 2;
  in.taktyp = 0;
  for (int j = 1; j <= 20; ++j) in.spv(j) = 4.0f + 0.25f * static_cast<float>(j % 5);
  in.konsv = 0.6f;
  in.konsh = 0.4f;
  for (int i = 2; i <= 20; ++i) in.skarvtyp(i) = i % 6 == 0 ? 2 : i % 7 == 0 ? 3 : i == 11 ? 4 : 0;
  in.skarvprc(11) = 20.0f;
  in.trivform = 2.4f;
  in.trivlgd = 6.0f;
  in.trihform = 1.8f;
  in.trihlgd = 4.0f;
  in.fickfack = 9;
  in.fickform = 2.4f;
  in.fickavst = 1.5f;
  in.ficklgd = 2.0f;
  in.fickmaxlgd = 1.0f;
  in.vind(4) = 1.8f;
  in.vind(5) = 3.0f;
  in.psi0sno = 0.7f;
  in.psi1sno = 0.4f;
  in.psi0vind = 0.3f;
  in.nlinj = 5;
  for (int k = 1; k <= 5; ++k) {
    in.linjfack(k) = 4 * k - 2;
    in.linjlast(k) = {1.0f, 1.35f, 0.9f, 1.0f + 0.5f * static_cast<float>(k)};
  }
  ctx.prof.general(no(General::overlap_c8)) = 0.002f;
  ctx.prof.general(no(General::overlap_c9)) = 0.001f;
  return ctx;
}

}  // namespace kvop::bench
