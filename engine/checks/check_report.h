// Report output of the section checks: lines go to the run's report file.
#pragma once

#include <initializer_list>

#include "driver/run_context.h"
#include "report/format.h"

namespace kvop {

inline constexpr int kReportUnit = 7;

inline void report(RunContext& ctx, const fmt::Layout& layout,
                   std::initializer_list<fmt::Value> values = {}) {
  fmt::write(ctx.units, kReportUnit, layout, values);
}

// The page mark: a line holding only "^".
inline void page_mark(RunContext& ctx) { ctx.units.write_line(kReportUnit, "^"); }

}  // namespace kvop
