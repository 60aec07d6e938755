#!/bin/bash
# Builds the Debian package kvop_<version>_<arch>.deb and tries it as a user
# would: lintian finds no error in it, "apt-get install" installs it with its
# dependencies, the installed kvopwb computes examples/TAK1.IND in a fresh
# folder, the installed KVOPW answers --version, "man kvopwb" shows the
# manual page, and "apt-get purge" removes it without a file left behind.
#
# Usage: scripts/package.sh [BUILD_DIR] [OUT_DIR]
#   BUILD_DIR  a configured build with the editor (default build/, the one
#              scripts/test.sh builds and tests; the package strips it)
#   OUT_DIR    where the package is kept (default BUILD_DIR/package)
# Runs as root (apt-get, dpkg); installs lintian when it is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
out=$(realpath -m "${2:-$build/package}")
fail() { echo "package: $*" >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive

[ -f "$build/CPackConfig.cmake" ] || fail "$build is not a configured build (run scripts/test.sh)"
grep -q '^KVOP_EDITOR:BOOL=ON' "$build/CMakeCache.txt" || fail "$build is built without the editor"
cmake --build "$build" -j "$(nproc)" > /dev/null

rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" > "$out/cpack.log") || { cat "$out/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$out"/kvop_*.deb)
[ "$(echo "$deb" | wc -l)" = 1 ] || fail "expected one package in $out"
echo "package: $(basename "$deb")"
dpkg-deb --field "$deb" Package Version Architecture Maintainer Depends

bash "$root/scripts/install_packages.sh" lintian
# lintian as an ordinary user, as it asks to be run.
chmod a+rx "$out" && chmod a+r "$deb"
runuser -u nobody -- lintian --fail-on error --tag-display-limit 0 --info "$deb" |
  tee "$out/lintian.txt" || fail "lintian reports errors"

apt-get install -y -qq "$deb" > "$out/install.log" 2>&1 || { cat "$out/install.log" >&2; fail "apt-get install failed"; }
installed=$(dpkg -L kvop)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The installed engine in a case folder: the case as ~INDATA~.TMP and a
# BRASKO.INI naming the installed data directory, as the README tells.
cp "$root/examples/TAK1.IND" "$work/~INDATA~.TMP"
echo /usr/share/kvop > "$work/BRASKO.INI"
rc=0
(cd "$work" && kvopwb > console.out 2>&1 < /dev/null) || rc=$?
[ "$rc" = 0 ] || { cat "$work/console.out" >&2; fail "installed kvopwb exited with $rc"; }
grep -q "INDATAFIL : TAK1" "$work/TAK1.RED" || fail "installed kvopwb wrote no report"
[ "$(command -v kvopwb)" = /usr/bin/kvopwb ] || fail "kvopwb is not the installed one"
echo "package: installed kvopwb computed TAK1 ($(wc -l < "$work/TAK1.RED") report lines)"

# The installed document program on a copy of the case.
cp "$root/examples/TAK1.IND" "$work/TAK1.IND"
/usr/bin/kvoprapport "$work/TAK1.IND" > "$work/rapport.out" 2>&1 ||
  { cat "$work/rapport.out" >&2; fail "installed kvoprapport failed"; }
pages=$(pdfinfo "$work/TAK1.pdf" | sed -n 's/^Pages: *//p')
[ "${pages:-0}" -ge 8 ] || fail "installed kvoprapport wrote ${pages:-no} pages"
echo "package: installed kvoprapport wrote TAK1.pdf ($pages pages)"

# The installed load-span tables, with the installed database found from
# the program's own place, and a chart.
(cd "$work" && rm -f BRASKO.INI && /usr/bin/kvoptab R820U --layouts 1 --to 3 --plot tab.pdf \
  > tab.txt 2> tab.err) || { cat "$work/tab.err" >&2; fail "installed kvoptab failed"; }
grep -q "PROFIL R820U" "$work/tab.txt" || fail "installed kvoptab printed no table"
echo "package: installed kvoptab printed $(grep -c '^ *[0-9]' "$work/tab.txt") table rows, tab.pdf $(pdfinfo "$work/tab.pdf" | sed -n 's/^Pages: *//p') page"

version=$(QT_QPA_PLATFORM=offscreen /usr/bin/KVOPW --version)
[ "$version" = "KVOPW $(dpkg-deb --field "$deb" Version)" ] || fail "KVOPW --version said: $version"
echo "package: $version"
man -P cat kvopwb 2>/dev/null | grep -q "kvopwb - dimensioning" || fail "man kvopwb shows no manual page"
echo "package: man kvopwb shows its page"

apt-get purge -y -qq kvop > "$out/remove.log" 2>&1 || { cat "$out/remove.log" >&2; fail "apt-get purge failed"; }
left=""
while IFS= read -r f; do
  [ -e "$f" ] && [ ! -d "$f" ] && left+=" $f"
done <<< "$installed"
[ -d /usr/share/kvop ] && left+=" /usr/share/kvop/"
[ -d /usr/share/doc/kvop ] && left+=" /usr/share/doc/kvop/"
[ -z "$left" ] || fail "left after purge:$left"
echo "package: removed again, nothing left under /usr"
