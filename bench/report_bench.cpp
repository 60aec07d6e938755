// Report lines: the rows of the result table of a 20-span sheet composed
// into one buffer, as the report channel composes them - span numbers,
// utilisation percentages, the drawing of a page and one line per span with
// its reals.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/format.h"

namespace {

using kvop::notation::Layout;
using kvop::notation::Value;

void BM_report_rows_20_spans(benchmark::State& state) {
  static const Layout kSpanNumbers("(4X,'FACK  NR',3X,8(I4,2X),(/,4X,15X,8(I4,2X)))");
  static const Layout kSupports("(4X,'STÖD    ',1X,9(I3,3X),(/,4X,15X,9(I3,3X)))");
  static const Layout kDrawing("(/,4X,8X,A3,8(A3,A3),A3)");
  static const Layout kSpan("(4X,I3,F7.2,15X,F6.2,F7.2,23X,F6.1)");
  const std::string start = "==+", end = "---";
  std::vector<Value> numbers, percents, drawing;
  for (int j = 1; j <= 20; ++j) numbers.emplace_back(j);
  for (int i = 1; i <= 21; ++i) percents.emplace_back(37 * i % 113);
  for (int k = 0; k < 18; ++k) drawing.emplace_back(k % 2 ? end : start);
  std::string out;
  for (auto _ : state) {
    out.clear();
    kSpanNumbers.append_lines(out, numbers);
    kSupports.append_lines(out, percents);
    kDrawing.append_lines(out, drawing);
    for (int j = 1; j <= 20; ++j) {
      const Value span[] = {j, 0.25f * j, 0.7f, -1.5f * j, 0.125f * j};
      kSpan.append_lines(out, span);
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<long long>(state.iterations() * out.size()));
}

BENCHMARK(BM_report_rows_20_spans);

}  // namespace
