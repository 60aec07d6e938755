#!/bin/bash
# Installs what the build needs (Debian packages) and builds the engine, the
# tools and the delivered profile database into build/.  Usage:
#   scripts/setup.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
          nlohmann-json3-dev libcli11-dev hyperfine qt6-base-dev fonts-dejavu-core
          qt6-l10n-tools qt6-translations-l10n poppler-utils pkg-config libcairo2-dev)
# The fuzz and the sanitizer builds (scripts/fuzz.sh, scripts/test.sh
# --sanitize) compile with clang and its sanitizer and libFuzzer runtimes.
case " $* " in *" -DKVOP_FUZZ=ON "* | *" -DKVOP_SANITIZE=ON "*) packages+=(clang libclang-rt-dev) ;; esac
bash scripts/install_packages.sh "${packages[@]}"

build=${1:-build}
shift || true
cmake -S . -B "$build" -G Ninja "$@" >/dev/null
# KVOP_BUILD_TARGETS, when set, names the only targets to build.
# shellcheck disable=SC2086  # a list of target names
cmake --build "$build" -j "$(nproc)" ${KVOP_BUILD_TARGETS:+--target $KVOP_BUILD_TARGETS}
