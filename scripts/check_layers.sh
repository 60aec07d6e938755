#!/bin/bash
# Checks that every include of the engine and the tools points down the
# layers (core at the bottom, driver at the top), and that no computing
# folder writes output:
#   core <- profiles <- analysis <- diaphragm <- checks <- output <- driver
# A file may include its own folder and every folder below it; the programs
# (engine/kvopwb_main.cpp, tools/) may include any folder.  Prints each
# include that points upwards and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
layers=(core profiles analysis diaphragm checks output driver)
rank() {
  local i
  for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }; done
  echo -1
}
bad=0
for layer in "${layers[@]}"; do
  own=$(rank "$layer")
  for file in engine/"$layer"/*.h engine/"$layer"/*.cpp; do
    [ -e "$file" ] || continue
    while IFS= read -r inc; do
      target=${inc%%/*}
      r=$(rank "$target")
      [ "$r" -lt 0 ] && continue  # not an engine folder (a library header)
      if [ "$r" -gt "$own" ]; then
        echo "$file includes $inc: $target is above $layer"
        bad=1
      fi
    done < <(sed -n 's/^#include "\([a-z_]*\/[^"]*\)".*/\1/p' "$file")
  done
done
# The computing folders fill records and write nothing: the report, the
# exchange file and the account are written by the output folder.
if grep -rnE 'channels\.(report|exchange)|notation::write|write_line|Channels' \
    engine/profiles engine/analysis engine/diaphragm engine/checks; then
  echo "a computing folder writes output: move the writing to engine/output"
  bad=1
fi
# The engine folders know nothing of the tools.
if grep -rn '#include "catalogue.h"' engine/; then bad=1; fi
exit $bad
