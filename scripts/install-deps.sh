#!/usr/bin/env bash
# Installs what the builds and tests need on Debian 12, skipping what is there.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang-format
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    wine wine64 xvfb xauth imagemagick
)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}" >/dev/null
fi
