#include "profiles/profile_db.h"

namespace kvop {

// Placeholder until the database access lands.
void opdbas(RunContext&, int&, int& istat) { istat = 0; }
void pdread(RunContext&, const Text<8>&, int&, int, int, int& istat) { istat = 0; }
void clfile(RunContext& ctx, int& unit) { ctx.units.close(unit); }

}  // namespace kvop
