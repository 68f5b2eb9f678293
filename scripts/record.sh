#!/usr/bin/env bash
# Regenerates the published record: the README's screenshots, taken by the
# end-to-end scenarios, and the measured figures, printed as Markdown rows.
# usage: scripts/record.sh [ROUNDS]   (installations timed, default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-10}

scripts/install-deps.sh >&2
for preset in native windows; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" >&2
done

ctest --preset windows -L e2e -j2 >&2
mkdir -p docs/screenshots
for shot in english/before english/during english/after russian/before russian/during \
    russian/after no-game/no-game held-file/after; do
    cp "build/e2e/$shot.png" "docs/screenshots/${shot/\//-}.png"
done

source scripts/wine-env.sh
bin=build/windows/bin
prefix=$PWD/build/windows/wine/record  # Wine takes only an absolute WINEPREFIX
cleanup() {
    stop_wine "$prefix"
    stop_display
    rm -rf "$prefix"
}
trap cleanup EXIT
copy_prefix build/windows/wine/template "$prefix"
start_display "$prefix.xvfb.log"
WINEPREFIX=$prefix "$(wine_loader "$bin/e2e_driver.exe")" "$bin/e2e_driver.exe" measure "$(windows_path "$bin/setup.exe")" \
    "$(windows_path res/pictures)" "$rounds" >"$prefix.log" 2>/dev/null </dev/null
install=$(sed -n 's/^install, Install to finished layout: //p' "$prefix.log")
writes=$(sed -n 's/^plain writes of the same 96 files: //p' "$prefix.log")
bench=$(build/native/bin/install_bench --benchmark_color=false 2>/dev/null)
ratio_empty=$(sed -n 's/^install\/floor ratio: //p' <<<"$bench")
ratio_earlier=$(sed -n 's/^install\/floor ratio over earlier files: //p' <<<"$bench")
dlls=$(x86_64-w64-mingw32-objdump -p "$bin/setup.exe" | sed -n 's/^\tDLL Name: //p' | sort | paste -sd ' ')

echo "| install under Wine, Install pressed to finished layout | $install |"
echo "| plain writes of the same 96 files under Wine | $writes |"
echo "| benchmark, installation core against plain writes, into an empty folder | $ratio_empty |"
echo "| the same over the files of an earlier run | $ratio_earlier |"
echo "| size of setup.exe | $(stat -c %s "$bin/setup.exe") bytes |"
echo "| DLLs setup.exe imports | $dlls |"
