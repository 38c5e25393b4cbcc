#!/usr/bin/env bash
# Installs what building, running and testing Tavrix needs on Debian 12 (bookworm), where it is
# missing, and generates the Polish locale that the locale test runs under.
set -euo pipefail

packages=(
    # git: the format check asks it which files are the project's.
    git cmake ninja-build g++ clang-format
    # Qt 6.4's Charts package asks for Qt6OpenGL's CMake files, which only libqt6opengl6-dev ships.
    qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev
    libgtest-dev libbenchmark-dev
    # The English interface: lrelease compiles translations/*.ts at every build (CMake's
    # Qt6::LinguistTools comes with qt6-tools-dev), lupdate checks them in a test, and Qt's own
    # translations of its standard dialogs are loaded beside them.
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    # The Python module: built with pybind11 for Debian's own Python 3, tested with its pytest.
    pybind11-dev python3-dev python3-numpy python3-pytest
    # The Debian package: its dependencies (dpkg-shlibdeps), and the checks its test makes.
    dpkg-dev lintian desktop-file-utils man-db
    # A locale to test a decimal-comma desktop with; fonts for charts drawn without a display.
    locales fonts-dejavu-core
    # The load record's test reads the PDF back: its text (pdftotext) and pages (pdfinfo).
    poppler-utils
    # The chart-mouse test runs an X server of its own and moves and clicks through XTest.
    xvfb xauth xdotool
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qix 'pl_PL\.utf-\?8'; then
    echo "Generating the pl_PL.UTF-8 locale"
    $sudo localedef -i pl_PL -f UTF-8 pl_PL.UTF-8
fi
