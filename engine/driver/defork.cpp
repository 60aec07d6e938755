#include "driver/inledn.h"

namespace kvop {

void defork(RunContext& ctx) {
  InputCase& in = ctx.in;
  if (in.nedbkvot > 0.001f) return;
  if (in.vagg != 0)
    in.nedbkvot = 75;  // wall
  else if (in.taktyp != 0)
    in.nedbkvot = 150;  // insulated roof or VEX roof
  else
    in.nedbkvot = 90;  // non-insulated roof
}

}  // namespace kvop
