#!/bin/bash
# Checks the generated profile catalogue against its source.
#   scripts/check_profile_data.sh reproduce   data/derive_profiles.py writes
#       data/*.cat byte for byte as committed (nobody edited them by hand and
#       the script still computes the same values);
#   scripts/check_profile_data.sh declared    a supplier-declared value takes
#       the place of the computed one and its source is named.
# Exit 77 (skipped) without python3.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v python3 > /dev/null || { echo "python3 not found: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
case "${1:-reproduce}" in
  reproduce)
    python3 data/derive_profiles.py --out "$work" > /dev/null
    status=0
    for f in data/*.cat; do
      if ! cmp -s "$f" "$work/$(basename "$f")"; then
        echo "$f differs from what data/derive_profiles.py writes:"
        diff "$f" "$work/$(basename "$f")" | head -20
        status=1
      fi
    done
    exit $status
    ;;
  declared)
    printf 'TR70\trow\t6\t0.80\t9.99\tTEST SUPPLIER, DATA SHEET TR70, 2026\n' > "$work/declared.tsv"
    printf 'TR70\tgeneral\t8\t-\t0.00123\tTEST SUPPLIER, DATA SHEET TR70, 2026\n' >> "$work/declared.tsv"
    python3 data/derive_profiles.py --out "$work" --declared "$work/declared.tsv" > /dev/null
    block=$(sed -n '/^# TR70:/,/^end/p' "$work/suppliers.cat")
    grep -q '^# Values declared by the supplier: TEST SUPPLIER, DATA SHEET TR70, 2026$' <<< "$block"
    # row 1 of TR70 is 0.60 0.70 0.80 1.00 1.20: the third column is replaced
    grep -Eq '^  row 6 +[0-9.]+ +[0-9.]+ +9\.99 +[0-9.]+ +[0-9.]+ ' <<< "$block"
    grep -Eq '^  general 8  0\.00123 ' <<< "$block"
    # the other profiles stay as computed
    mkdir "$work/plain"
    python3 data/derive_profiles.py --out "$work/plain" > /dev/null
    diff <(sed '/^# TR70:/,/^end/d' "$work/suppliers.cat") \
         <(sed '/^# TR70:/,/^end/d' "$work/plain/suppliers.cat")
    ;;
esac
