#include "diaphragm/skiv.h"

namespace kvop {

// The diaphragm step is not built yet: it succeeds and writes no file.
void skiv(RunContext& /*ctx*/, int& /*unit*/, int& istat) { istat = 0; }

}  // namespace kvop
