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
    # Made by the 64-bit loader, the prefix holds both halves of Wine: the
    # 32-bit and the 64-bit programs run in it.
    /usr/lib/wine/wine64 wineboot -i >"$prefix.log" 2>&1 </dev/null
    # The virtual displays run no window manager: without this, every closing
    # window waits two seconds for one to confirm it.
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
        >>"$prefix.log" 2>&1 </dev/null
    /usr/lib/wine/wineserver -w >/dev/null 2>&1 </dev/null || true
    # The user's Desktop, Documents and the like link to the home folder: real
    # folders instead keep all of drive C inside the prefix, where a test sees
    # everything a program wrote there.
    find "$prefix/drive_c/users" -mindepth 2 -maxdepth 2 -type l -exec sh -c \
        'rm "$1" && mkdir "$1"' link {} \;
fi
