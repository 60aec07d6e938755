#!/bin/bash
# Installs the build into a temporary prefix with "cmake --install" and checks
# the installed tree: every delivered file in its place and nothing else in
# bin/, the engine run from the installed bin/ computing a case with the
# database of share/kvop (named by BRASKO.INI), the report equal to the golden
# one but for its date and time, and the editor answering --version.
#
# Usage: tests/install_check.sh BUILD_DIR WITH_EDITOR(0|1) VERSION
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "$1")
editor=$2
version_wanted=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "install check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log" ||
  { cat "$work/install.log" >&2; fail "cmake --install failed"; }

programs=(kvopwb profilkv kvoptab)
files=(share/kvop/PROFILKV.BIN share/doc/kvop/copyright share/doc/kvop/changelog.gz)
if [ "$editor" = 1 ]; then
  programs+=(KVOPW kvoprapport)
  files+=(share/kvop/kvop.def share/kvop/kvop.ver
          share/kvop/translations/kvopw_en.qm share/kvop/translations/kvopw_qt_sv.qm
          share/applications/kvopw.desktop share/icons/hicolor/scalable/apps/kvopw.svg
          share/mime/packages/kvop.xml)
fi
for p in "${programs[@]}"; do
  [ -x "$prefix/bin/$p" ] || fail "program bin/$p missing"
  files+=("share/man/man1/$p.1.gz")
done
for f in "${files[@]}"; do
  [ -s "$prefix/$f" ] || fail "$f missing or empty"
done
# bin/ holds the programs and nothing else (no test programs, no data).
extra=$(cd "$prefix/bin" && ls -A | grep -vxF -f <(printf '%s\n' "${programs[@]}") || true)
[ -z "$extra" ] || fail "bin/ holds more than the programs: $extra"

# Each manual page formats without a warning.
for p in "${programs[@]}"; do
  warnings=$(gzip -dc "$prefix/share/man/man1/$p.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
  [ -z "$warnings" ] || fail "manual page $p.1: $warnings"
done

# The installed engine in a fresh folder, the case as ~INDATA~.TMP and a
# BRASKO.INI naming the installed data directory.
mkdir "$work/case"
cp "$root/examples/TAK1.IND" "$work/case/~INDATA~.TMP"
# A blank ends the directory, so a path of up to 67 characters is read whole.
echo "$prefix/share/kvop " > "$work/case/BRASKO.INI"
rc=0
(cd "$work/case" && "$prefix/bin/kvopwb" --json run.json > console.out 2>&1 < /dev/null) || rc=$?
[ "$rc" = 0 ] || { cat "$work/case/console.out" >&2; fail "installed kvopwb exited with $rc"; }
[ -s "$work/case/TAK1.RED" ] || fail "installed kvopwb wrote no report"
want=$(realpath "$prefix/share/kvop/PROFILKV.BIN")
grep -qF "\"database\": \"$want\"" "$work/case/run.json" ||
  fail "the run did not use the installed database $want: $(grep '"database"' "$work/case/run.json")"
mask() { sed -e '2s/.*/DATUM/' -e '3s/.*/TID/' "$1"; }
cmp -s <(mask "$work/case/TAK1.RED") <(mask "$root/tests/golden/TAK1.RED") ||
  fail "the installed engine's report differs from tests/golden/TAK1.RED"

if [ "$editor" = 1 ]; then
  version=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/KVOPW" --version)
  [ "$version" = "KVOPW $version_wanted" ] || fail "KVOPW --version said: $version"
fi
echo "install check: ${#programs[@]} programs and ${#files[@]} files installed under $prefix; TAK1 computed"
