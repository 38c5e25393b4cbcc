#!/usr/bin/env bash
# Fails when a C++ file is not as clang-format 14 would write it: another version formats some
# constructs otherwise, so the check names the binary of the version tools/install-deps.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run -Werror
