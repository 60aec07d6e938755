#include "profiles/profile_db.h"

namespace kvop {

// The database is only read, so closing keeps the file as it is.
void clfile(RunContext& ctx) { ctx.channels.database.close(); }

}  // namespace kvop
