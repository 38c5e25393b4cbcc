#!/usr/bin/env bash
# Builds the Debian package of a build folder, checks it as Debian's tools do, unpacks it into a
# temporary root and runs the programs from there as a user with an empty home folder would.
# Usage: package-test.sh BUILD_FOLDER CPACK CMAKE
set -euo pipefail
build=$1
cpack=$2
cmake=$3

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
# An open-source licence, named and given whole, and a maintainer who answers for the package.
copyright=$root/usr/share/doc/tavrix/copyright
grep -q "under the MIT License" "$copyright" && grep -q "Permission is hereby granted" "$copyright" ||
    fail "the copyright file does not give the MIT License"
! grep -qi "all rights reserved" "$copyright" || fail "the copyright file reserves all rights"
maintainer=$(dpkg-deb -f "$package" Maintainer)
[ -n "$maintainer" ] || fail "the package names no maintainer"
[ "$maintainer" = "$(sed -n 's/^TAVRIX_MAINTAINER:[A-Z]*=//p' "$build/CMakeCache.txt")" ] ||
    fail "the package's maintainer \"$maintainer\" is not the build's TAVRIX_MAINTAINER"
zcat "$root/usr/share/doc/tavrix/changelog.gz" | grep -qF -- " -- $maintainer  " ||
    fail "the changelog names another maintainer than the control file"
# Whoever builds the package for others names themselves: the setting reaches the control file
# and the changelog at configure time, before anything is built.
builder="A Builder <builder@test.invalid>"
"$cmake" -S "$(dirname "$0")/../.." -B "$work/rebuilt" -DTAVRIX_MAINTAINER="$builder" \
    -DTAVRIX_PYTHON=OFF >"$work/configure.log" 2>&1 || {
    cat "$work/configure.log"
    fail "configure with -DTAVRIX_MAINTAINER"
}
grep -qF "set(CPACK_DEBIAN_PACKAGE_MAINTAINER \"$builder\")" "$work/rebuilt/CPackConfig.cmake" ||
    fail "-DTAVRIX_MAINTAINER does not reach the control file"
grep -qF -- " -- $builder  " "$work/rebuilt/package/changelog" ||
    fail "-DTAVRIX_MAINTAINER does not reach the changelog"
desktop-file-validate "$root/usr/share/applications/tavrix.desktop" || fail "desktop entry"
# Both languages: the English interface is in the programs, its help pages beside the Polish.
for page in prog.html prochelp.html calchelp.html designhelp.html; do
    [ -f "$root/usr/share/tavrix/help/$page" ] && [ -f "$root/usr/share/tavrix/help/en/$page" ] ||
        fail "help page $page in both languages"
done

# The Python module, where the build made one, loads in Debian's Python and runs an example.
modules=$root/usr/lib/python3/dist-packages
if [ -d "$modules" ]; then
    PYTHONPATH=$modules /usr/bin/python3 -c "import tavrix
print(tavrix.run(tavrix.Process.read('$root/usr/share/tavrix/examples/case-hardening.tav')).depth(0.35))" \
        >/dev/null || fail "import tavrix from the package"
fi

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
# An installed copy keeps what the user makes in the user's data folder, never beside itself.
snapshot() { find "$root" -printf '%P %s %T@\n' | sort; }
before=$(snapshot)
home=$work/home
mkdir "$home" "$work/elsewhere"
data=$home/.local/share/Tavrix/
as_user() { (cd "$work/elsewhere" && env -u XDG_DATA_HOME HOME="$home" "$@"); }

for program in tavcalc tavrix; do
    as_user "$root/usr/bin/$program" --help | grep -qF "Data folder of this user (" ||
        fail "$program --help does not name the data folder"
    as_user "$root/usr/bin/$program" --help | grep -qF "): $data" ||
        fail "$program --help names another data folder than $data"
done
as_user "$root/usr/bin/tavcalc" --run examples/case-hardening.tav >"$work/run.log" 2>&1 || {
    cat "$work/run.log"
    fail "tavcalc --run of an example by its relative name"
}
for extension in tav pow mas gru twa; do
    [ -s "$data/examples/case-hardening.$extension" ] ||
        fail "case-hardening.$extension is not in the data folder"
done
[ -f "$data/examples/plate.tav" ] || fail "the other examples were not copied"
[ -f "$data/pliki.lst" ] || fail "pliki.lst is not in the data folder"

as_user "$root/usr/bin/tavrix" --export "$work/charts" examples/case-hardening.tav >"$work/export.log" 2>&1 || {
    cat "$work/export.log"
    fail "tavrix --export of the computed set"
}
[ "$(ls "$work"/charts/*.png | wc -l)" -eq 7 ] || fail "the export did not draw seven charts"

[ "$before" = "$(snapshot)" ] || fail "something was written under the unpacked root"

# A portable copy keeps everything beside its programs.
portable=$work/portable
"$cmake" --install "$build" --prefix "$portable" >/dev/null
before_home=$(find "$home" | sort)
as_user "$portable/tavcalc" --run examples/plate.tav >"$work/run.log" 2>&1 || {
    cat "$work/run.log"
    fail "tavcalc --run in a portable copy"
}
[ -s "$portable/examples/plate.pow" ] || fail "the portable copy did not compute beside itself"
[ -f "$portable/pliki.lst" ] || fail "the portable copy has no pliki.lst beside itself"
[ "$before_home" = "$(find "$home" | sort)" ] || fail "the portable copy wrote into the home folder"

echo "debian package: all checks passed"
