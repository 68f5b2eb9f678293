#!/usr/bin/env bash
# Installs what the builds and tests need on Debian 12, skipping what is there.
set -euo pipefail

packages=(
    cmake ninja-build g++ clang-format
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    g++-mingw-w64-i686 binutils-mingw-w64-i686
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    wine wine64 xvfb xauth imagemagick locales
)
# The 32-bit setup.exe runs on Wine's 32-bit half, where the machine runs
# 32-bit programs at all; elsewhere its tests under Wine are skipped.
if "$(dirname "$0")/runs-32bit.sh"; then
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    packages+=(wine32:i386)
else
    echo "this machine does not run 32-bit programs: no wine32; the 32-bit build's" \
        "tests under Wine are skipped" >&2
fi
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

# Wine takes the system's ANSI code page from the locale: en_US for 1252,
# ru_RU for 1251, the Russian system.
for locale in en_US ru_RU; do
    locale -a | grep -qx "$locale.utf8" || localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
done
