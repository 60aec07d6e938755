// One analysis call (all four load cases) on a small and on a full sheet.
// A first pass computes every term of the load cases; a second pass on the
// same input case takes over the terms that do not depend on the span
// stiffnesses.
#include <benchmark/benchmark.h>

#include "analysis/krdef.h"
#include "bench_cases.h"

namespace {

// The first pass: equal stiffness.  Every call computes the load cases from
// the start.
void first_pass(benchmark::State& state, kvop::RunContext ctx) {
  kvop::prepare_analysis(ctx.in, ctx.prep);
  for (auto _ : state) {
    ctx.an_cache.valid = false;
    kvop::krdef(ctx, 1);
    benchmark::DoNotOptimize(ctx.an.mstod(1, 2));
  }
}

// The second pass after the checks of the first: stiffness ratios of the
// chosen thicknesses.
void second_pass(benchmark::State& state, kvop::RunContext ctx) {
  kvop::prepare_analysis(ctx.in, ctx.prep);
  kvop::krdef(ctx, 1);
  for (int j = 1; j <= ctx.in.nfack; ++j) ctx.chk.styvkvot(j) = j % 3 == 0 ? 1.4f : 1.0f;
  for (auto _ : state) {
    kvop::krdef(ctx, 2);
    benchmark::DoNotOptimize(ctx.an.mstod(1, 2));
  }
}

void BM_krdef_3_spans(benchmark::State& state) { first_pass(state, kvop::bench::small_roof()); }
void BM_krdef_20_spans_all_loads(benchmark::State& state) {
  first_pass(state, kvop::bench::full_roof());
}
void BM_krdef_3_spans_pass2(benchmark::State& state) {
  second_pass(state, kvop::bench::small_roof());
}
void BM_krdef_20_spans_all_loads_pass2(benchmark::State& state) {
  second_pass(state, kvop::bench::full_roof());
}

BENCHMARK(BM_krdef_3_spans);
BENCHMARK(BM_krdef_20_spans_all_loads);
BENCHMARK(BM_krdef_3_spans_pass2);
BENCHMARK(BM_krdef_20_spans_all_loads_pass2);

}  // namespace
