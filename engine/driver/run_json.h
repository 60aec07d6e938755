// The machine-readable account of a run (--json): the final status, the input
// case after reading and preparation, and what the later steps computed.
#pragma once

#include <nlohmann/json.hpp>

#include "driver/run_context.h"

namespace kvop {

// A 32-bit real as a JSON number that reads back as the same 32-bit value.
nlohmann::json json_real(float v);
// A Windows-1252 text as JSON text, without its trailing blanks.
nlohmann::json json_text(std::string_view cp1252_text);

nlohmann::json case_to_json(const InputCase& in);
nlohmann::json profile_to_json(const RunContext& ctx);   // empty until a lookup succeeded
nlohmann::json analysis_to_json(const RunContext& ctx);  // empty until the analysis ran
nlohmann::json checks_to_json(const RunContext& ctx);    // empty until the checks ran
nlohmann::json diaphragm_to_json(const RunContext& ctx); // empty until the sheet pieces exist

nlohmann::json run_to_json(const RunContext& ctx, int status);

}  // namespace kvop
