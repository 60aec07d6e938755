#pragma once

#include "core/check_results.h"
#include "core/input_case.h"
#include "core/prepared_case.h"
#include "core/profile_record.h"
#include "core/summary_results.h"

namespace kvop {

// Walkability check of a roof of the own profile range: the spans longer
// than a person may walk on with the thicknesses the checks chose, and the
// notices that go with them.
[[nodiscard]] WalkResults gabar(const InputCase& in, const PreparedCase& prep,
                                const ProfileRecord& prof, const CheckResults& chk);

}  // namespace kvop
