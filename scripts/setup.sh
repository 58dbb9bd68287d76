#!/usr/bin/env bash
# Installs the packages the build needs (only those missing, so a prepared machine is left
# alone), then configures and builds the default preset.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build g++
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev libpng-dev libjpeg-dev zlib1g-dev
    fonts-liberation tzdata unicode-cldr-core clang-format clang libclang-rt-14-dev
    dpkg-dev file binutils
    poppler-utils
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg -s "$package" 2>/dev/null | grep -q '^Status: install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    as_root=()
    if [[ $(id -u) -ne 0 ]]; then
        as_root=(sudo)
    fi
    echo "Installing missing packages: ${missing[*]}"
    "${as_root[@]}" apt-get update
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset default
cmake --build --preset default
