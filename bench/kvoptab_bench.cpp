// The load-span table of kvoptab: the full default table of the R820U (ten
// thicknesses, 45 spans from 1.0 to 12.0 m, one, two and three equal spans,
// three values per cell), and one span of it (ten cells).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>

#include "load_span.h"
#include "profiles/profile_db.h"

namespace {

kvop::ProfileRecord r820u() {
  kvop::RunContext ctx;
  if (!ctx.channels.database.open_read(std::filesystem::path(KVOP_BINARY_DIR) / "bin" /
                                       "PROFILKV.BIN"))
    throw std::runtime_error("the built profile database cannot be opened");
  const int status = kvop::pdread(ctx, kvop::Text<8>("R820U"), kvop::ProfileScaling::scaled,
                                  kvop::NotFound::silent);
  kvop::clfile(ctx);
  if (status != 0) throw std::runtime_error("R820U not found in the built profile database");
  return ctx.prof;
}

void full_table(benchmark::State& state) {
  const kvop::ProfileRecord prof = r820u();
  const kvop::tab::Options opt;
  int runs = 0;
  for (auto _ : state) {
    const kvop::tab::Table t = kvop::tab::load_span_table(prof, opt);
    runs = t.evaluations;
    benchmark::DoNotOptimize(t.cells.data());
  }
  state.counters["cells"] = 10 * 45 * 3;
  state.counters["analyses"] = runs;
}
BENCHMARK(full_table)->Unit(benchmark::kMillisecond);

void one_span(benchmark::State& state) {
  const kvop::ProfileRecord prof = r820u();
  kvop::tab::Options opt;
  opt.from = opt.to = 6.0;
  opt.layouts = {3};
  for (auto _ : state) {
    const kvop::tab::Table t = kvop::tab::load_span_table(prof, opt);
    benchmark::DoNotOptimize(t.cells.data());
  }
}
BENCHMARK(one_span)->Unit(benchmark::kMicrosecond);

}  // namespace
