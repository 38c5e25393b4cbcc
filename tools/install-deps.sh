#!/usr/bin/env bash
# Installs what building, running and testing Tavrix needs on Debian, where it is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang-format
    qt6-base-dev qt6-charts-dev libgl-dev
    libgtest-dev libbenchmark-dev
    locales xvfb xauth imagemagick fonts-dejavu-core
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
