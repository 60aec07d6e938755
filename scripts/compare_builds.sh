#!/bin/bash
# Compares two builds of the engine on generated cases: every case runs with
# both programs in its own working directory against the same profile
# database.  The exit status, the console text, the report (its date and time
# lines masked) and the exchange file must agree byte for byte; the --json
# account of the new program may hold fields the old one lacks, but every
# value the old account holds must stand unchanged in the new one.
#
# Usage: scripts/compare_builds.sh OLD_KVOPWB NEW_KVOPWB [COUNT] [SEED] [PROFILKV.BIN]
#   COUNT cases (default 300) from the case generator kvop_gencases with SEED
#   (default 1), written once and run by both programs; the generator is
#   build/bin/kvop_gencases unless KVOP_GENCASES names another.  The database
#   defaults to build/bin/PROFILKV.BIN.  Also every example of examples/ and
#   every golden case of tests/golden/ is compared.  Prints one line per
#   differing case and a summary; the exit status is 1 when any case
#   differs.  KEEP=1 keeps the work area.
#   NEW_RUNNER=wine runs the new program through that command (a Windows
#   build under wine); the run account is then left out, as it names the
#   files by the paths of the other system.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
old=$(realpath "$1")
new=$(realpath "$2")
count=${3:-300}
seed=${4:-1}
db=$(realpath "${5:-$root/build/bin/PROFILKV.BIN}")

work=$(mktemp -d)
[ "${KEEP:-0}" = 1 ] || trap 'rm -rf "$work"' EXIT
mkdir -p "$work/db" "$work/cases"
cp "$db" "$work/db/PROFILKV.BIN"
gencases=${KVOP_GENCASES:-$root/build/bin/kvop_gencases}
[ -x "$gencases" ] || { echo "compare_builds: no case generator $gencases (build kvop_gencases)" >&2; exit 2; }
"$gencases" "$work/cases" "$count" "$seed"
for ex in "$root"/examples/*.IND "$root"/tests/golden/*.IND; do
  name=$(basename "$ex" .IND)
  mkdir -p "$work/cases/EX_$name"
  cp "$ex" "$work/cases/EX_$name/~INDATA~.TMP"
done
runner=${NEW_RUNNER:-}
account=(--json run.json)
[ -z "$runner" ] || account=()

# Runs one program on one case in a fresh directory; prints nothing.
run() {  # program case_dir out_dir [runner]
  mkdir -p "$3"
  cp "$2/~INDATA~.TMP" "$3/"
  echo "$work/db" > "$3/BRASKO.INI"
  local rc=0
  # shellcheck disable=SC2086  # the runner may be a command with arguments
  (cd "$3" && ${4:-} "$1" "${account[@]}" > console.out 2> console.err < /dev/null) || rc=$?
  echo "$rc" > "$3/status"
  # The heading's date and time lines are the only text that may differ.
  for red in "$3"/*.RED; do
    [ -e "$red" ] || continue
    sed -e '2s/.*/DATUM/' -e '3s/.*/TID/' "$red" > "$red.masked"
    rm "$red"
  done
}

total=0 differ=0 retried=0
declare -A by_status=()
# The accounts of the cases whose files agree are compared afterwards, all
# in one Python process (a process per case would take most of the time).
pairs="$work/accounts.tsv"
: > "$pairs"
for c in "$work"/cases/*/; do
  c=${c%/}
  name=$(basename "$c")
  run "$old" "$c" "$work/old/$name"
  run "$new" "$c" "$work/new/$name" "$runner"
  # The engine passes its banner on to the console before it reads anything.
  # Under an emulator a run that printed nothing at all, where the old
  # program printed, never started: the emulator failed.  That run is tried
  # once more and the first attempt shown; a program that fails before its
  # banner fails the second time too.
  if [ -n "$runner" ] && [ ! -s "$work/new/$name/console.out" ] && [ -s "$work/old/$name/console.out" ]; then
    echo "STARTED AGAIN: $name under $runner: exit $(cat "$work/new/$name/status"), no output; its error output:"
    head -5 "$work/new/$name/console.err" || true
    rm -rf "$work/new/$name"
    retried=$((retried + 1))
    run "$new" "$c" "$work/new/$name" "$runner"
  fi
  total=$((total + 1))
  st=$(cat "$work/old/$name/status")
  by_status[$st]=$((${by_status[$st]:-0} + 1))
  if ! diff -r -q -x run.json "$work/old/$name" "$work/new/$name" > /dev/null; then
    differ=$((differ + 1))
    echo "DIFFERS: $name (exit $st, new exit $(cat "$work/new/$name/status"))"
    diff -r -x run.json "$work/old/$name" "$work/new/$name" | head -20 || true
  elif [ -z "$runner" ]; then
    printf '%s\t%s\t%s\n' "$name" "$work/old/$name/run.json" "$work/new/$name/run.json" >> "$pairs"
  fi
done
arc=0
accounts=$(python3 "$root/scripts/account_gains.py" --pairs "$pairs") || arc=$?
[ -z "$accounts" ] || echo "$accounts"
found=$(grep -c '^DIFFERS: ' <<< "$accounts" || true)
differ=$((differ + found))
# A comparison that failed without naming a case counts as a difference.
if [ "$arc" -ne 0 ] && [ "$found" -eq 0 ]; then
  echo "DIFFERS: the account comparison failed (exit $arc)"
  differ=$((differ + 1))
fi
summary=""
for st in "${!by_status[@]}"; do summary+=" exit $st: ${by_status[$st]};"; done
[ "$retried" -eq 0 ] || summary+=" started again under $runner: $retried;"
echo "compared $total cases ($count generated with seed $seed + examples):$summary differing: $differ"
[ "$differ" -eq 0 ]
