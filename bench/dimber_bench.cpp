// One whole dimensioning of one profile on the full 20-span sheet: profile
// lookup in the delivered database, analysis pass 1, checks pass 1, analysis
// pass 2, checks pass 2 and the walkability and summary steps, as a run
// without the report (utskr 0) performs them.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "bench_cases.h"
#include "driver/dimber.h"

namespace {

namespace fs = std::filesystem;

// A working directory whose BRASKO.INI names the build's program directory.
struct WorkDir {
  fs::path path;
  WorkDir() {
    path = fs::temp_directory_path() / ("kvop_bench_" + std::to_string(::getpid()));
    fs::create_directories(path);
    std::ofstream(path / "BRASKO.INI") << KVOP_BINARY_DIR "/bin\r\n";
  }
  ~WorkDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

void BM_dimber_20_spans(benchmark::State& state) {
  WorkDir dir;
  kvop::RunContext ctx = kvop::bench::full_roof();
  ctx.dir = dir.path;
  ctx.in.nprof = 1;
  ctx.in.pnamn(1).set("R820");
  if (!ctx.channels.report.open_write(dir.path / "BENCH.RED")) {
    state.SkipWithError("report file not created");
    return;
  }
  const kvop::InputCase case_as_read = ctx.in;
  for (auto _ : state) {
    // Each run starts from the case as read, as a fresh process would.
    ctx.in = case_as_read;
    ctx.an_cache.valid = false;
    if (kvop::dimber(ctx) != 0) {
      state.SkipWithError("dimensioning failed");
      break;
    }
    benchmark::DoNotOptimize(ctx.an.mstod(1, 2));
  }
}

BENCHMARK(BM_dimber_20_spans);

}  // namespace
