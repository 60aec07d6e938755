// The section checks of one pass (search and final sweep) on a small and on
// a full sheet, with the R820 of the delivered profile database.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "analysis/krdef.h"
#include "bench_cases.h"
#include "driver/dimen.h"
#include "profiles/profile_db.h"

namespace {

// The case set up in a working directory whose BRASKO.INI names the built
// profile database, with R820 looked up and the first analysis pass done.
struct Prepared {
  std::filesystem::path dir;
  kvop::RunContext ctx;
  explicit Prepared(kvop::RunContext c) : ctx(std::move(c)) {
    dir = std::filesystem::temp_directory_path() / "kvop-bench-dimen";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "BRASKO.INI") << KVOP_BINARY_DIR << "/bin\n";
    ctx.dir = dir;
    ctx.in.nprof = 1;
    ctx.in.pnamn(1).set("R820");
    ctx.in.pnamn(2).set("R820");
    int status = kvop::opdbas(ctx);
    if (status == 0)
      status = kvop::pdread(ctx, ctx.in.pnamn(1), kvop::ProfileScaling::scaled,
                            kvop::NotFound::reported);
    kvop::clfile(ctx);
    if (status != 0) throw std::runtime_error("R820 not found in the built profile database");
    kvop::prepare_analysis(ctx.in, ctx.prep);
    kvop::krdef(ctx, 1);
  }
  ~Prepared() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
};

void checks(benchmark::State& state, kvop::RunContext c) {
  Prepared p(std::move(c));
  for (auto _ : state) {
    kvop::dimen(p.ctx, 1, 1);
    benchmark::DoNotOptimize(p.ctx.chk.KVOTS(1, 2));
  }
}

void BM_dimen_3_spans(benchmark::State& state) { checks(state, kvop::bench::small_roof()); }
void BM_dimen_20_spans(benchmark::State& state) { checks(state, kvop::bench::full_roof()); }

}  // namespace

BENCHMARK(BM_dimen_3_spans);
BENCHMARK(BM_dimen_20_spans);
