#!/usr/bin/env bash
# Brings translations/tavrix_en.ts up to the texts in the code: new texts come in unfinished,
# texts gone from the code go. Translate the new ones (Qt Linguist, or by hand in the file) and
# commit the file; the build compiles it into the programs and translation_test checks it.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=lupdate
"$lupdate" -no-obsolete -locations none -source-language pl_PL -target-language en_US \
    calc common viewer -ts translations/tavrix_en.ts
