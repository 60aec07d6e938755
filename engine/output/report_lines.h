// Lines of the report: every writer of the output layer appends to the
// run's report file through these.
#pragma once

#include <initializer_list>

#include "core/run_context.h"
#include "core/format.h"

namespace kvop {

inline void report(RunContext& ctx, const notation::Layout& layout,
                   std::initializer_list<notation::Value> values = {}) {
  notation::write(ctx.channels.report, layout, values);
}

// The page mark: a line holding only "^".
inline void page_mark(RunContext& ctx) { ctx.channels.report.write_line("^"); }

}  // namespace kvop
