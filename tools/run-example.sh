#!/usr/bin/env bash
# Builds Tavrix, computes the bundled example programmes and shows their charts: in the viewer
# when there is a display, otherwise as PNG and CSV files.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset release
cmake --build --preset release

bin=build/release/bin
# The build put the examples beside the programs. Full paths: a relative name on the command line
# would be taken from the current folder first, and this one holds the sources' examples/.
examples="$PWD/$bin/examples"
"$bin/tavcalc" --run "$examples/case-hardening.tav" "$examples/plate.tav" \
    "$examples/cylinder.tav" "$examples/foil.tav"

if [ -n "${DISPLAY:-}" ]; then
    exec "$bin/tavrix" "$examples/case-hardening.tav"
fi
charts=build/release/example-charts
"$bin/tavrix" --export "$charts" "$examples/case-hardening.tav"
echo "No display: the charts of the case-hardening set are in $charts/"
