#include "driver/inkvop.h"

namespace kvop {

// Placeholder until the reader lands.
void inkvop(RunContext& ctx, int& unit, int& istat) {
  unit = 3;
  istat = 0;
  blkdat(ctx.in);
}

}  // namespace kvop
