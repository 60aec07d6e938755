#!/bin/bash
# Builds everything and runs the whole test suite.  With --sanitize the build
# (in build-asan/) uses AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--sanitize" ]; then
  scripts/setup.sh build-asan -DKVOP_SANITIZE=ON -DKVOP_BENCH=OFF
  ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
else
  scripts/setup.sh build
  ctest --test-dir build --output-on-failure -j "$(nproc)"
fi
