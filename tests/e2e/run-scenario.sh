#!/usr/bin/env bash
# One end-to-end scenario: setup.exe and the driver in a scratch copy of the
# shared Wine prefix, on a virtual display of their own. The driver's report
# is printed; screenshots and logs stay in OUTPUT.
# usage: run-scenario.sh SCENARIO SETUP_EXE DRIVER_EXE BITMAP_FOLDER TEMPLATE_PREFIX OUTPUT
set -euo pipefail
scenario=$1 setup_exe=$2 driver_exe=$3 bitmaps=$4 output=$6
template=$(realpath -m "$5")  # Wine takes only an absolute WINEPREFIX
source "$(dirname "$0")/../../scripts/wine-env.sh"
skip_unless_runnable "$driver_exe"
# Wine takes the system's ANSI code page from the locale: a Western system
# (1252) unless the scenario's name starts with another code page.
case $scenario in
    cp1251-*) export LC_ALL=ru_RU.UTF-8 ;;
    *) export LC_ALL=en_US.UTF-8 ;;
esac

mkdir -p "$(dirname "$template")"
work=$(mktemp -d "$(dirname "$template")/$scenario.XXXXXX")
cleanup() {
    stop_wine "$work/prefix"
    stop_display
    rm -rf "$work"
}
trap cleanup EXIT

copy_prefix "$template" "$work/prefix"
# A runner may bring a folder of its own as drive D: (run-small-disk.sh).
if [ -n "${E2E_DRIVE_D:-}" ]; then ln -sfn "$E2E_DRIVE_D" "$work/prefix/dosdevices/d:"; fi
start_display "$work/xvfb.log"
rm -rf "$output"
mkdir -p "$output"
status=0
WINEPREFIX=$work/prefix timeout -k 10 240 "$(wine_loader "$driver_exe")" "$driver_exe" scenario "$scenario" \
    "$(windows_path "$setup_exe")" "$(windows_path "$bitmaps")" "$(windows_path "$output")" \
    >"$output/driver.log" 2>"$output/wine.log" </dev/null || status=$?
bmp_to_png "$output"
cat "$output/driver.log"
if [ "$status" -ne 0 ]; then
    echo "driver exit status $status; Wine's messages are in $output/wine.log"
fi
exit "$status"
