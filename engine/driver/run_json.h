// The machine-readable account of a run (--json): the final status, the input
// case as read and prepared by the reader, the values the calculation used in
// place of the case's own (prepared_json.h), and what the later steps
// computed, one part per subsystem (profile_json.h, analysis_json.h,
// checks_json.h, diaphragm_json.h).
#pragma once

#include <nlohmann/json.hpp>

#include "core/run_context.h"

namespace kvop {

nlohmann::json case_to_json(const InputCase& in);

nlohmann::json run_to_json(const RunContext& ctx, int status);

}  // namespace kvop
