#!/bin/bash
# Times whole runs of the engine against the cost of starting a process:
# hyperfine runs kvopwb on examples/TAK1.IND and on examples/TAK20.IND (20
# spans, drifts, pocket, edge zone, line loads) and /bin/true in the same
# invocation, with warm-up, and prints the median of each and its ratio to
# /bin/true.  Further programs given after the first are timed beside it on
# the same cases (for instance the build of an earlier commit).
#
# Usage: bench/whole_run.sh [KVOPWB [OTHER_KVOPWB ...]]
#   KVOPWB defaults to build/bin/kvopwb; the database is the one beside it.
#   RUNS (default 300) and WARMUP (default 30) set the repetitions.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
programs=("${@:-$root/build/bin/kvopwb}")
runs=${RUNS:-300}
warmup=${WARMUP:-30}
command -v hyperfine > /dev/null || { echo "hyperfine is missing (scripts/setup.sh installs it)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmds=("env -C $work /bin/true")
names=(true)
for p in "${programs[@]}"; do
  p=$(realpath "$p")
  [ -x "$p" ] || { echo "not a program: $p" >&2; exit 2; }
  tag=$(basename "$p")
  for c in TAK1 TAK20; do
    dir="$work/$tag/$c"
    mkdir -p "$dir"
    cp "$root/examples/$c.IND" "$dir/~INDATA~.TMP"
    dirname "$p" > "$dir/BRASKO.INI"
    # One run first: the case must go through, or the timing means nothing.
    (cd "$dir" && "$p" > /dev/null) || { echo "$p fails on $c" >&2; exit 1; }
    cmds+=("env -C $dir $p")
    names+=("$tag $c")
  done
  (cd "$dir" && "$p" --profiles all > /dev/null) || { echo "$p fails on TAK20 --profiles all" >&2; exit 1; }
  cmds+=("env -C $dir $p --profiles all")
  names+=("$tag TAK20 all")
done

# Every command starts through env -C, which changes into the case
# directory and replaces itself by the program, so the engine runs as it does
# for the editor; /bin/true starts the same way.  No shell is involved (-N).
args=()
for i in "${!cmds[@]}"; do
  args+=(-n "${names[$i]}" "${cmds[$i]}")
done
echo "load: $(uptime | sed 's/.*load average/load average/')"
hyperfine -N --warmup "$warmup" --runs "$runs" --output=null --style basic \
  --export-json "$work/times.json" "${args[@]}" > "$work/hyperfine.out"
python3 - "$work/times.json" <<'PY'
import json, sys
res = json.load(open(sys.argv[1]))["results"]
base = res[0]["median"]
cpu = lambda r: r["user"] + r["system"]
print("%-24s %12s %8s %14s %8s" % ("command", "median", "x true", "cpu (mean)", "x true"))
for r in res:
    print("%-24s %9.3f ms %8.2f %11.3f ms %8.2f" % (r["command"], r["median"] * 1e3,
          r["median"] / base, cpu(r) * 1e3, cpu(r) / cpu(res[0])))
single = {r["command"][:-len(" all")]: r for r in res if r["command"].endswith(" TAK20 all")}
for r in res:
    if r["command"] in single:
        a = single[r["command"]]
        print("%s: --profiles all takes %.2f x the single-profile run (median)" %
              (r["command"], a["median"] / r["median"]))
PY
