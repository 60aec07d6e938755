// Page control of the report.  When the case asks for a paged report (utskr
// not 0), a page holds sidlangd lines and radnr counts the lines used on the
// current page; a line holding only "^" begins a new page.  The counts are
// the fixed estimates below for each section, not the lines really written:
// the page marks fall where the estimates put them.
#pragma once

#include "core/input_case.h"
#include "core/run_context.h"

namespace kvop::page {

constexpr int kLinesPerPage = 68;  // sidlangd

// The heading and input echo on the first page.
constexpr int kEchoLines = 22;       // an unpaged report
constexpr int kEchoLinesPaged = 25;  // a paged report
constexpr int kDriftLines = 1;       // each triangular snow load
constexpr int kPocketLines = 3;      // a snow pocket
constexpr int kLineLoadHead = 2;     // the line-load table, besides one line per load

// A profile's header with the first result table; a table; each span adds
// two lines to both.  Cases of more spans than kNarrowSpans take the wider
// estimates, their rows of percentages taking a second line.
constexpr int kNarrowSpans = 7;
constexpr int kHeaderAndTable = 24, kHeaderAndTableWide = 27;
constexpr int kTable = 22, kTableWide = 25;
constexpr int kLinesPerSpan = 2;
// The lines counted after a profile header that began a new page.
constexpr int kHeaderOnNewPage = 7;
// The lines counted before the first table of a later profile.
constexpr int kLaterProfileStart = 3;
// The summary sections after the tables, without and with the VEX band section.
constexpr int kSummary = 16, kSummaryVex = 23;

// The lines of the heading and input echo: radnr when the echo is written.
[[nodiscard]] int echo_lines(const InputCase& in);

// Whether the header of profile ip (with its first table) begins a new page.
[[nodiscard]] bool header_on_new_page(const PageCounters& pg, int nfack, int ip);

// Counts the result table of load case lc of profile ip; true when the table
// begins a new page.
[[nodiscard]] bool count_table(PageCounters& pg, int nfack, int ip, int lc);

// Whether the summary sections after the tables begin a new page.
[[nodiscard]] bool summary_on_new_page(const PageCounters& pg, int vextak);

}  // namespace kvop::page
