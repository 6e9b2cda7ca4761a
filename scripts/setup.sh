#!/usr/bin/env bash
# Installs the Debian packages Zelpo needs to build, run and test; with
# --fuzz, those the fuzz targets need instead (clang, libFuzzer).
# Runs apt only when something is missing; uses sudo when not root.
#   scripts/setup.sh [--screenshots]   (also what scripts/screenshots.sh needs)
#   scripts/setup.sh --fuzz            (only what make fuzz adds)
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libsqlite3-dev libgl-dev libxkbcommon-dev
    fonts-ipafont-gothic fonts-noto-cjk qt6-translations-l10n
    libgtest-dev libbenchmark-dev
    xvfb xauth xdotool x11-utils
    sqlite3
    desktop-file-utils appstream dpkg-dev
)
if [ "${1:-}" = "--screenshots" ]; then
    packages+=(imagemagick sqlite3)
elif [ "${1:-}" = "--fuzz" ]; then
    packages=(clang libfuzzer-14-dev libclang-rt-14-dev cmake pkg-config)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
