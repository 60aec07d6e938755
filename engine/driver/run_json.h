// The machine-readable account of a run (--json): the final status, the input
// case after reading and preparation, and what the later steps computed (each
// subsystem writes its own part: profile_json.h, analysis_json.h,
// checks_json.h,
// diaphragm_json.h).
#pragma once

#include <nlohmann/json.hpp>

#include "core/run_context.h"

namespace kvop {

nlohmann::json case_to_json(const InputCase& in);

nlohmann::json run_to_json(const RunContext& ctx, int status);

}  // namespace kvop
