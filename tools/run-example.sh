#!/usr/bin/env bash
# Builds Tavrix, computes the bundled example programmes and shows their charts: in the viewer
# when there is a display, otherwise as PNG and CSV files.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset release
cmake --build --preset release

bin=build/release/bin
# Names that are not absolute are taken from the program folder, where the build put examples/.
"$bin/tavcalc" --run examples/case-hardening.tav examples/plate.tav examples/cylinder.tav \
    examples/foil.tav

if [ -n "${DISPLAY:-}" ]; then
    echo "Opening the viewer: choose \"&Plik\" > \"&Otwórz wyniki...\" and $bin/examples/case-hardening.tav"
    exec "$bin/tavrix"
fi
charts=build/release/example-charts
"$bin/tavrix" --export "$charts" "$PWD/$bin/examples/case-hardening.tav"
echo "No display: the charts of the case-hardening set are in $charts/"
