# Sourced by the scripts that run the Win32 build under Wine, so that all of
# them run it the same way: a scratch copy of one initialised prefix, a
# virtual display of their own, and Wine's output sent to files (wineserver
# outlives each call and would keep an inherited pipe open).

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
wine_env_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# copy_prefix TEMPLATE DEST: a scratch prefix copied from the shared one,
# which is initialised first if it is missing. Copying takes about a second,
# initialising about ten.
copy_prefix() {
    "$wine_env_scripts/wine-prefix.sh" "$1"
    rm -rf "$2"
    mkdir -p "$(dirname "$2")"
    cp -a "$1" "$2"
}

# stop_wine PREFIX: ends every Wine process of the prefix.
stop_wine() {
    [ -d "$1" ] && WINEPREFIX=$1 "$WINESERVER" -k >/dev/null 2>&1 </dev/null || true
}

# start_display LOG: an Xvfb on a free display number, waited for until it
# takes clients; exports DISPLAY and sets display_pid.
start_display() {
    local fifo number=
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >"$1" 2>&1 </dev/null &
    display_pid=$!
    read -r -t 30 number <"$fifo" || true
    rm -f "$fifo"
    if [ -z "$number" ]; then
        echo "Xvfb did not start; see $1" >&2
        return 1
    fi
    export DISPLAY=:$number
}

stop_display() {
    if [ -n "${display_pid:-}" ]; then
        kill "$display_pid" 2>/dev/null || true
        wait "$display_pid" 2>/dev/null || true
        display_pid=
    fi
}

# windows_path PATH: the path as Wine's programs see it, on drive Z:.
windows_path() {
    local path
    path=$(realpath -m "$1")
    printf 'Z:%s' "${path//\//\\}"
}

# bmp_to_png FOLDER: the driver's screenshots as PNG files.
bmp_to_png() {
    local bmp
    for bmp in "$1"/*.bmp; do
        [ -e "$bmp" ] || continue
        convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    done
}
