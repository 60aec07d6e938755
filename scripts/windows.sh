#!/bin/bash
# The engine on Windows: cross-builds kvopwb.exe and profilkv.exe with
# MinGW-w64 (statically linked, cmake/mingw-w64-x86_64.cmake) into
# build-windows/ and runs them under wine:
#   - profilkv.exe compiles the profile database byte for byte as on Linux;
#   - the Windows forms of the file layer: BRASKO.INI naming a drive-letter
#     path, names matched without regard to letter case, an old report in
#     another letter case replaced, a directory under the report's name
#     refused (exit 3);
#   - the golden cases, the examples and COUNT generated cases computed by
#     the Linux program and by kvopwb.exe agree in exit status, console,
#     report (date and time masked) and exchange file, byte for byte
#     (scripts/compare_builds.sh with NEW_RUNNER=wine).
# Usage: scripts/windows.sh [COUNT] [SEED]   (default 250 cases, seed 15)
# Needs the Linux build in build/ (scripts/test.sh); installs
# g++-mingw-w64-x86-64 and wine64 when they are missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
count=${1:-250}
seed=${2:-15}
fail() { echo "windows: $*" >&2; exit 1; }

bash scripts/install_packages.sh g++-mingw-w64-x86-64 wine64 wine
[ -x build/bin/kvopwb ] && [ -x build/bin/kvop_gencases ] || fail "build the Linux programs first (scripts/test.sh)"

# One wine prefix of our own, its server kept running for the whole check.
build=build-windows
export WINEPREFIX=$root/$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
# The prefix's services start here, on no terminal or pipe: started by the
# build, they would hold its output open and the build would never end.
wineboot -i > /dev/null 2>&1 < /dev/null

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DKVOP_TESTS=OFF -DKVOP_BENCH=OFF -DKVOP_EDITOR=OFF > /dev/null
cmake --build "$build" -j "$(nproc)" --target kvopwb profilkv profile_database > /dev/null
exe=$root/$build/bin/kvopwb.exe
cmp -s "$build/bin/PROFILKV.BIN" build/bin/PROFILKV.BIN ||
  fail "profilkv.exe compiled another profile database than the Linux build"
echo "windows: profilkv.exe compiled PROFILKV.BIN as on Linux"

# The file layer's Windows forms.
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
run() {  # dir: runs kvopwb.exe there, prints its exit status
  local rc=0
  (cd "$1" && wine "$exe" > console.out 2> console.err < /dev/null) || rc=$?
  echo "$rc"
}
mkdir "$work/drive"
cp examples/TAK1.IND "$work/drive/~indata~.tmp"
db_dir=$(winepath -w "$root/$build/bin")
printf '%s\r\n' "$db_dir" > "$work/drive/brasko.ini"
echo "old report" > "$work/drive/tak1.red"
rc=$(run "$work/drive")
[ "$rc" = 0 ] || fail "BRASKO.INI naming $db_dir: exit $rc: $(cat "$work/drive/console.err")"
[ "$(cd "$work/drive" && ls | grep -ci '^tak1\.red$')" = 1 ] && [ -s "$work/drive/TAK1.RED" ] ||
  fail "the old report tak1.red was not replaced by TAK1.RED"
grep -q "INDATAFIL : TAK1" "$work/drive/TAK1.RED" || fail "no report"
mkdir -p "$work/dir/TAK1.RED"
cp examples/TAK1.IND "$work/dir/~INDATA~.TMP"
rc=$(run "$work/dir")
[ "$rc" = 3 ] || fail "a directory under the report's name gave exit $rc, not 3"
echo "windows: BRASKO.INI with a drive letter ($db_dir), names in any letter case, no writing through a directory"

NEW_RUNNER=wine bash scripts/compare_builds.sh build/bin/kvopwb "$exe" "$count" "$seed" build/bin/PROFILKV.BIN
