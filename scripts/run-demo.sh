#!/usr/bin/env bash
# Builds setup.exe and runs it on a sample Velk King game in a scratch Wine
# prefix: the game's registry keys under Software\Kordanex, its folder with
# Velk.exe and curlanguage.txt, and an empty pictures folder.
#
# With a display, the setup window opens on it for you. Without one (or with
# --headless) it runs on a virtual display, presses Install itself and leaves
# screenshots before, during and after the installation and the list of the
# files written in build/demo/LANGUAGE.
#
# usage: scripts/run-demo.sh [english|russian|esperanto|ukrainian|belarusian] [--headless]
set -euo pipefail
cd "$(dirname "$0")/.."

language=english
headless=
for arg in "$@"; do
    case $arg in
        english | russian | esperanto | ukrainian | belarusian) language=$arg ;;
        --headless) headless=1 ;;
        *)
            sed -n 's/^# usage: //p' "$0" >&2
            exit 2
            ;;
    esac
done
# A display that names a local server which is not there counts as none.
if [[ -z ${DISPLAY:-} || (${DISPLAY} =~ ^:([0-9]+) && ! -S /tmp/.X11-unix/X${BASH_REMATCH[1]}) ]]; then
    headless=1
fi

scripts/install-deps.sh
preset=windows
if ! scripts/runs-32bit.sh; then
    preset=windows-x64
    echo "this machine runs no 32-bit programs: the demo runs the 64-bit variant of setup.exe"
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target setup e2e_driver

source scripts/wine-env.sh
bin=build/$preset/bin
output=build/demo/$language
prefix=$PWD/build/$preset/wine/demo-$language  # Wine takes only an absolute WINEPREFIX
cleanup() {
    stop_wine "$prefix"
    stop_display
    rm -rf "$prefix"
}
trap cleanup EXIT

echo "preparing a scratch Wine prefix (the first time takes a few seconds more)"
copy_prefix "build/$preset/wine/template" "$prefix"
rm -rf "$output"
mkdir -p "$output"
mode=interactive
if [ -n "$headless" ]; then
    start_display "$output/xvfb.log"
    mode=headless
    echo "no display: running on a virtual one and pressing Install"
else
    echo "the setup window is open on $DISPLAY; the demo ends when you close it"
fi
status=0
WINEPREFIX=$prefix "$(wine_loader "$bin/e2e_driver.exe")" "$bin/e2e_driver.exe" demo "$language" \
    "$(windows_path "$bin/setup.exe")" "$(windows_path "$output")" "$mode" \
    >"$output/driver.log" 2>"$output/wine.log" </dev/null || status=$?
bmp_to_png "$output"
cat "$output/driver.log"
echo
echo "setup.exe ($language) on the sample game: results in $output"
for file in "$output"/*.png "$output/files.txt"; do
    [ -e "$file" ] && echo "  $file"
done
[ -e "$output/files.txt" ] && echo "  $(wc -l <"$output/files.txt") files in the pictures folder after the run"
exit "$status"
