#include "output/page_control.h"

#include <algorithm>

namespace kvop::page {
namespace {

int spans(int nfack) { return std::clamp(nfack, 1, 20); }

}  // namespace

int echo_lines(const InputCase& in) {
  int n = in.utskr != 0 ? kEchoLinesPaged : kEchoLines;
  // The counts are compared as reals, so the additions apply from 1 on.
  if (in.trivlgd > 0.01f) n += kDriftLines;
  if (in.trihlgd > 0.01f) n += kDriftLines;
  if (static_cast<float>(in.fickfack) > 0.01f) n += kPocketLines;
  if (static_cast<float>(in.nlinj) > 0.01f) n += in.nlinj + kLineLoadHead;
  return n;
}

bool header_on_new_page(const PageCounters& pg, int nfack, int ip) {
  const int n = spans(nfack);
  const int r = n > kNarrowSpans ? kHeaderAndTableWide : kHeaderAndTable;
  return !(pg.radnr + r + kLinesPerSpan * n < pg.sidlangd && ip == 1);
}

bool count_table(PageCounters& pg, int nfack, int ip, int lc) {
  const int n = spans(nfack);
  const int lines = (n > kNarrowSpans ? kTableWide : kTable) + kLinesPerSpan * n;
  if (ip > 1 && lc == 1) pg.radnr = kLaterProfileStart;
  if (pg.radnr + lines < pg.sidlangd) {
    pg.radnr += lines;
    return false;
  }
  pg.radnr = lines;
  return true;
}

bool summary_on_new_page(const PageCounters& pg, int vextak) {
  return pg.radnr + (vextak == 1 ? kSummaryVex : kSummary) > pg.sidlangd;
}

}  // namespace kvop::page
