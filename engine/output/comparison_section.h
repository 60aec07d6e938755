// The comparison section that closes the report of a comparison of
// profiles: one row per profile, lightest passing profile first.
#pragma once

#include "core/run_context.h"

namespace kvop {

// The Swedish text of where a ratio stands: "STÖD", "FÄLT" or "DEF."
// (Windows-1252), as the result tables name their rows.
std::string ratio_kind_text(RatioKind kind);

void comparison_section(RunContext& ctx);

}  // namespace kvop
