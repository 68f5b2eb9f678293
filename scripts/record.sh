#!/usr/bin/env bash
# Regenerates the published record: the README's screenshots, taken by the
# end-to-end scenarios, and the measured figures of both Windows builds,
# printed as Markdown rows.
# usage: scripts/record.sh [ROUNDS]   (installations timed, default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-10}

scripts/install-deps.sh >&2
for preset in native windows windows-x64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" >&2
done
source scripts/wine-env.sh

# The screenshots show the product, or the 64-bit variant where the machine
# runs no 32-bit programs.
shots_preset=windows shots=build/e2e
if ! scripts/runs-32bit.sh; then
    shots_preset=windows-x64 shots=build/e2e-x64
fi
ctest --preset "$shots_preset" -L e2e -j2 >&2
mkdir -p docs/screenshots
for shot in english/before english/during english/after russian/before russian/during \
    russian/after no-game/no-game held-file/after cp1251-cyrillic-folders/before \
    cp1252-cyrillic-pictures/after; do
    cp "$shots/$shot.png" "docs/screenshots/${shot/\//-}.png"
done

# measure PRESET: the driver's timings of Install and of plain writes, in a
# scratch prefix of that build.
measure() {
    local bin=build/$1/bin prefix=$PWD/build/$1/wine/record
    copy_prefix "build/$1/wine/template" "$prefix"
    start_display "$prefix.xvfb.log"
    WINEPREFIX=$prefix "$(wine_loader "$bin/e2e_driver.exe")" "$bin/e2e_driver.exe" measure \
        "$(windows_path "$bin/setup.exe")" "$(windows_path res/pictures)" "$rounds" \
        >"$prefix.log" 2>/dev/null </dev/null
    stop_wine "$prefix"
    stop_display
    rm -rf "$prefix"
    cat "$prefix.log"
}
trap stop_display EXIT

for build in windows:i686 windows-x64:x86_64; do
    preset=${build%%:*} arch=${build##*:}
    exe=build/$preset/bin/setup.exe
    if [ "$arch" = i686 ] && ! scripts/runs-32bit.sh; then
        install="not measured: this machine runs no 32-bit programs"
        writes=$install
    else
        measured=$(measure "$preset")
        install=$(sed -n 's/^install, Install to finished layout: //p' <<<"$measured")
        writes=$(sed -n 's/^plain writes of the same 96 files: //p' <<<"$measured")
    fi
    dlls=$("$arch-w64-mingw32-objdump" -p "$exe" | sed -n 's/^\tDLL Name: //p' | sort | paste -sd ' ')
    echo "| $arch: install under Wine, Install pressed to finished layout | $install |"
    echo "| $arch: plain writes of the same 96 files under Wine | $writes |"
    echo "| $arch: size of setup.exe | $(stat -c %s "$exe") bytes |"
    echo "| $arch: DLLs setup.exe imports | $dlls |"
done
bench=$(build/native/bin/install_bench --benchmark_color=false 2>/dev/null)
ratio_empty=$(sed -n 's/^install\/floor ratio: //p' <<<"$bench")
ratio_earlier=$(sed -n 's/^install\/floor ratio over earlier files: //p' <<<"$bench")
echo "| benchmark, installation core against plain writes, into an empty folder | $ratio_empty |"
echo "| the same over the files of an earlier run | $ratio_earlier |"
