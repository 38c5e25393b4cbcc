#!/usr/bin/env bash
# Builds everything twice (Debug with warnings as errors; AddressSanitizer + UBSan) and runs
# every test in both. GUI tests run headless.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
bash tools/check-format.sh

for preset in dev asan; do
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
