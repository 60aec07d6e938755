#include "report/skriva.h"

namespace kvop {

// The result tables are not built yet: nothing is written.
void skriva(RunContext& /*ctx*/, int /*lc*/) {}

}  // namespace kvop
