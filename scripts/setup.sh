#!/bin/bash
# Installs what the build needs (Debian packages) and builds the engine, the
# tools and the delivered profile database into build/.  Usage:
#   scripts/setup.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
          nlohmann-json3-dev libcli11-dev hyperfine qt6-base-dev fonts-dejavu-core
          qt6-l10n-tools qt6-translations-l10n poppler-utils)
# The fuzz build (scripts/fuzz.sh) compiles with clang and its libFuzzer runtime.
case " $* " in *" -DKVOP_FUZZ=ON "*) packages+=(clang libclang-rt-dev) ;; esac
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi

build=${1:-build}
shift || true
cmake -S . -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
