#!/bin/bash
# Builds the libFuzzer targets with clang (in build-fuzz/) and runs each one
# for SECONDS (default 60), starting from the seed corpus in fuzz/corpus/ and
# the shipped examples, with the record dictionary fuzz/kvop.dict.  The
# growing corpus is kept in build-fuzz/corpus/ between runs; a crashing input
# is written to build-fuzz/artifacts/ and the script fails.
#   scripts/fuzz.sh [SECONDS] [TARGET...]   (targets: inkvop pdread run)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(inkvop pdread run)

build=build-fuzz
# Only the fuzz targets to run are built (with the profile database).
KVOP_BUILD_TARGETS="${targets[*]/#/fuzz_} profile_database" CXX=${CXX:-clang++} \
  scripts/setup.sh "$build" -DKVOP_FUZZ=ON -DKVOP_TESTS=OFF -DKVOP_BENCH=OFF -DKVOP_EDITOR=OFF \
  -DCMAKE_CXX_COMPILER="${CXX:-clang++}"
mkdir -p "$build/artifacts"

status=0
for t in "${targets[@]}"; do
  corpus=$build/corpus/$t
  mkdir -p "$corpus"
  case $t in
    inkvop|run) cp fuzz/corpus/case/* examples/*.IND "$corpus/" ;;
    pdread)
      # The delivered database, its first record alone and a record cut short.
      db=$build/bin/PROFILKV.BIN
      cp "$db" "$corpus/profilkv.bin"
      len=$(od -An -tu4 -N4 "$db" | tr -d ' ')
      head -c $((len + 8)) "$db" > "$corpus/one-record.bin"
      head -c 1200 "$db" > "$corpus/cut-short.bin" ;;
    *) echo "unknown fuzz target $t" >&2; exit 64 ;;
  esac
  log=$build/fuzz_$t.log
  echo "fuzz_$t: $seconds s"
  rc=0
  "$build/bin/fuzz_$t" "$corpus" -dict=fuzz/kvop.dict -max_total_time="$seconds" \
    -timeout=20 -rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$t-" > "$log" 2>&1 || rc=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  echo "fuzz_$t: ${execs:-?} execs, ${rate:-?} execs/s, ${cov:-?} coverage edges"
  if [ $rc -ne 0 ]; then
    echo "fuzz_$t FAILED (exit $rc); log $log:" >&2
    grep -A30 -E 'ERROR|kvop fuzz check failed|SUMMARY' "$log" | head -60 >&2 || tail -40 "$log" >&2
    status=1
  fi
done
exit $status
