#include "profiles/profile_db.h"

namespace kvop {

// The database is only read, so closing keeps the file as it is.
void clfile(RunContext& ctx, int& unit) { ctx.units.close(unit); }

}  // namespace kvop
