#!/bin/sh
# Creates a throwaway Wine prefix at $1 unless it is already there. Wine's
# output goes to a file: wineserver outlives this script and would keep an
# inherited pipe open.
set -eu
prefix=$1
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/system.reg" ]; then
    WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' \
        wineboot -i >"$prefix.log" 2>&1 </dev/null
    WINEPREFIX=$prefix wineserver -w >/dev/null 2>&1 </dev/null || true
fi
