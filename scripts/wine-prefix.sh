#!/bin/sh
# Creates a throwaway Wine prefix at $1 unless it is already there. Wine's
# output goes to a file: wineserver outlives this script and would keep an
# inherited pipe open.
set -eu
prefix=$(realpath -m "$1")  # Wine takes only an absolute WINEPREFIX
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/system.reg" ]; then
    export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
    wineboot -i >"$prefix.log" 2>&1 </dev/null
    # The virtual displays run no window manager: without this, every closing
    # window waits two seconds for one to confirm it.
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
        >>"$prefix.log" 2>&1 </dev/null
    wineserver -w >/dev/null 2>&1 </dev/null || true
fi
