#!/usr/bin/env bash
# Brings translations/tavrix_en.ts and tavrix_pl.ts up to the texts in the code: new texts come
# in unfinished, texts gone from the code go. The texts in the code are the Polish interface,
# except those that the files and the command line share with the windows (chart captions,
# sample shapes, summary titles, messages of the Qt-free layers), which are English. Each file
# gives every text its form in its language: tavrix_pl.ts takes a Polish source as it is (this
# script fills that in) and gives an English one its Polish. Translate the new ones (Qt
# Linguist, or by hand in the files) and commit them; the build compiles them into the programs
# and translation_test checks them.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || lupdate=lupdate
"$lupdate" -no-obsolete -locations none -source-language pl_PL -target-language en_US \
    calc common viewer -ts translations/tavrix_en.ts
"$lupdate" -no-obsolete -locations none -source-language pl_PL -target-language pl_PL \
    calc common viewer -ts translations/tavrix_pl.ts
python3 tools/keep-polish-sources.py translations/tavrix_en.ts translations/tavrix_pl.ts
# Once more, so that the file is laid out as lupdate lays it out.
"$lupdate" -silent -no-obsolete -locations none -source-language pl_PL -target-language pl_PL \
    calc common viewer -ts translations/tavrix_pl.ts
