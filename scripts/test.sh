#!/bin/bash
# Builds everything and runs the whole test suite.
#   scripts/test.sh              the default build (build/, optimised, with line tables)
#   scripts/test.sh --sanitize   a Debug build (build-asan/) with AddressSanitizer
#                                and UndefinedBehaviorSanitizer, compiled by clang
#   scripts/test.sh --release    the Release build (build-release/, -O3) of the
#                                engine, tools and their tests; the editor is
#                                tested in the other two builds
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
  --sanitize)
    build=build-asan
    # clang: the sanitizers' own compiler, a third faster than GCC on this
    # unoptimised build, and a second compiler over the whole code.
    scripts/setup.sh "$build" -DCMAKE_BUILD_TYPE=Debug -DKVOP_SANITIZE=ON -DKVOP_BENCH=OFF \
      -DCMAKE_CXX_COMPILER="${CXX:-clang++}" ;;
  --release)
    build=build-release
    scripts/setup.sh "$build" -DCMAKE_BUILD_TYPE=Release -DKVOP_BENCH=OFF -DKVOP_EDITOR=OFF ;;
  "")
    build=build
    scripts/setup.sh "$build" ;;
  *)
    echo "usage: scripts/test.sh [--sanitize | --release]" >&2
    exit 64 ;;
esac
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
