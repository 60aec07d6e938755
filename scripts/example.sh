#!/bin/bash
# Builds the system and computes the shipped example roof case: the case is
# copied into a fresh working directory as ~INDATA~.TMP beside a BRASKO.INI
# that names the program directory, the engine runs there, and the report is
# printed.  Usage: scripts/example.sh [CASE.IND]   (default examples/TAK1.IND)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build

case_file=${1:-examples/TAK1.IND}
work=$(pwd)/build/example-run
rm -rf "$work"
mkdir -p "$work"
cp "$case_file" "$work/~indata~.tmp"
echo "$(pwd)/build/bin" > "$work/brasko.ini"

status=0
(cd "$work" && ../bin/kvopwb --json run.json) || status=$?
report=$(ls "$work"/*.RED 2>/dev/null | head -1 || true)
if [ -n "$report" ]; then
  iconv -f WINDOWS-1252 -t UTF-8 "$report"
  echo
  echo "Report file: $report (Windows-1252)"
fi
echo "Engine exit status: $status; run account: $work/run.json"
exit $status
