// One analysis call (all four load cases) on a small and on a full sheet.
#include <benchmark/benchmark.h>

#include "analysis/krdef.h"
#include "bench_cases.h"

namespace {

void run(benchmark::State& state, kvop::RunContext ctx) {
  // A later profile of the list: equal stiffness, self weight already converted.
  for (auto _ : state) {
    kvop::krdef(ctx, 2, 1);
    benchmark::DoNotOptimize(ctx.an.mstod(1, 2));
  }
}

void BM_krdef_3_spans(benchmark::State& state) { run(state, bench::small_roof()); }
void BM_krdef_20_spans_all_loads(benchmark::State& state) { run(state, bench::full_roof()); }

}  // namespace

BENCHMARK(BM_krdef_3_spans);
BENCHMARK(BM_krdef_20_spans_all_loads);
