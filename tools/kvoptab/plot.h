// The load-span table as a chart: the load against the span, one curve per
// thickness, one panel per layout; the design load towards the sheet drawn
// solid and the characteristic load at the deflection limit dashed, on a
// logarithmic load axis.
#pragma once

#include <string>

#include "load_span.h"

namespace kvop::tab {

enum class PlotFormat { svg, pdf };

// The chart as the bytes of an SVG or PDF file; empty with `why` when the
// drawing library fails.
[[nodiscard]] std::string plot_chart(const Table& tab, PlotFormat format, std::string& why);

}  // namespace kvop::tab
