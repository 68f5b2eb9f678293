#!/usr/bin/env bash
# Runs a Win32 console program under Wine in a scratch copy of the shared
# prefix and prints what it wrote. Wine's output goes to files, not to the
# caller's pipes: wineserver outlives the program and would hold them open.
# usage: run-under-wine.sh TEMPLATE_PREFIX PROGRAM [ARGUMENTS...]
set -euo pipefail
template=$1 program=$2
shift 2
source "$(dirname "$0")/../../scripts/wine-env.sh"
skip_unless_runnable "$program"

mkdir -p "$(dirname "$template")"
work=$(mktemp -d "$(dirname "$template")/run.XXXXXX")
cleanup() {
    stop_wine "$work/prefix"
    rm -rf "$work"
}
trap cleanup EXIT

copy_prefix "$template" "$work/prefix"
status=0
WINEPREFIX=$work/prefix timeout -k 10 240 "$(wine_loader "$program")" "$program" "$@" \
    >"$work/output.log" 2>"$work/wine.log" </dev/null || status=$?
cat "$work/output.log"
if [ "$status" -ne 0 ]; then
    echo "exit status $status; Wine said:"
    tail -n 20 "$work/wine.log"
fi
exit "$status"
