#!/usr/bin/env bash
# Builds the Debian package of a build folder, checks it as Debian's tools do, unpacks it into a
# temporary root and runs the programs from there as a user with an empty home folder would.
# Usage: package-test.sh BUILD_FOLDER CPACK
set -euo pipefail
build=$1
cpack=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

(cd "$build" && "$cpack" -G DEB -B "$work/cpack" >"$work/cpack.log") || {
    cat "$work/cpack.log"
    fail "cpack -G DEB"
}
package=$(ls "$work"/cpack/tavrix_*.deb)

lintian --fail-on error "$package" ||
    fail "lintian reports errors"

root=$work/root
dpkg-deb -x "$package" "$root"
desktop-file-validate "$root/usr/share/applications/tavrix.desktop" || fail "desktop entry"

# Each manual page renders without a warning and shows every mode and option that --help lists.
for program in tavcalc tavrix; do
    "$root/usr/bin/$program" --version | grep -q "^$program " || fail "$program --version"
    page=$root/usr/share/man/man1/$program.1.gz
    rendered=$(LC_ALL=C.UTF-8 MANWIDTH=200 man --warnings -l "$page" 2>"$work/man-warnings")
    [ ! -s "$work/man-warnings" ] || fail "$page: $(cat "$work/man-warnings")"
    "$root/usr/bin/$program" --help | sed -n 's/^  \([^ ].*[^ ]\)  .*$/\1/p' | sed 's/  *$//' |
        while IFS= read -r form; do
            grep -qF -- "$form" <<<"$rendered" || fail "$page lacks \"$form\""
        done
done
echo "debian package: all checks passed"
