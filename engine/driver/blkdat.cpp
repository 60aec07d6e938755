// blkdat: the defaults of the input case record.  A case overwrites them with
// the records it reads; fields of branches it does not read keep them.
#include "driver/inkvop.h"

#include "core/markets.h"

namespace kvop {

void blkdat(InputCase& in) {
  // The case name and the file names come from record 1, read before the
  // defaults are stored; they have no defaults and are kept.
  const InputCase named = in;
  in = InputCase{};
  in.indatafil = named.indatafil;
  in.rednamn = named.rednamn;
  in.indnamn = named.indnamn;
  in.skivnamn = named.skivnamn;
  in.spv.fill(6.0f);
  in.tjlk.fill(0.0f);
  in.skarvtyp.fill(0);
  in.skarvprc.fill(10.1f);
  in.upplbredd.fill(0.1f);
  in.linjfack.fill(1);
  in.linjlast.fill(Linjlast{});
  in.vind.fill(0.0f);
  in.vind(1) = 0.6f;
  in.vind(2) = 1.0f;
  in.vind(3) = 0.2f;
  in.sidoverl.fill(0.0f);
  in.perfo.fill(0);
  in.vandr.fill(1);

  // partkf(f, m): the six load factors of each market.
  for (const MarketRules& m : markets())
    for (int f = 1; f <= 6; ++f) in.partkf(f, m.code) = m.partkf[static_cast<std::size_t>(f - 1)];
}

}  // namespace kvop
