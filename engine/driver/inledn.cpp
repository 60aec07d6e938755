#include "driver/inledn.h"

#include <algorithm>

namespace kvop {

void inledn(RunContext& ctx) {
  InputCase& in = ctx.in;
  const int last = in.nfack + 1;
  in.skarvtyp(1) = std::min(in.skarvtyp(1), 1);
  in.skarvtyp(last) = std::min(in.skarvtyp(last), 1);
  if (!(in.konsv > 0)) {
    in.skarvtyp(1) = 1;
    in.konsv = in.upplbredd(1) / 2;
  }
  if (!(in.konsh > 0)) {
    in.skarvtyp(last) = 1;
    in.konsh = in.upplbredd(last) / 2;
  }
}

}  // namespace kvop
