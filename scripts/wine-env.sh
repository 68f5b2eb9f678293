# Sourced by the scripts that run the Win32 build under Wine, so that all of
# them run it the same way: a scratch copy of one initialised prefix, a
# virtual display of their own, and Wine's output sent to files (wineserver
# outlives each call and would keep an inherited pipe open).

WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
wine_env_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# The exit status by which a test tells ctest it was skipped.
WINE_TEST_SKIPPED=77

# wine_loader PROGRAM: the Wine loader for the program's architecture, read
# from its PE header (machine 014c is i386): the 32-bit one from wine32, or
# the 64-bit one. Both run in the same prefix.
wine_loader() {
    local header machine
    header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
    machine=$(od -An -tx2 -j$((header + 4)) -N2 "$1" | tr -d ' ')
    if [ "$machine" = 014c ]; then
        echo /usr/lib/wine/wine
    else
        echo /usr/lib/wine/wine64
    fi
}

# skip_unless_runnable PROGRAM: ends the script as skipped, saying why, when
# the program is 32-bit and the machine runs no 32-bit programs.
skip_unless_runnable() {
    if [ "$(wine_loader "$1")" = /usr/lib/wine/wine ] && ! "$wine_env_scripts/runs-32bit.sh"; then
        echo "skipped: $(basename "$1") is a 32-bit program, and this machine runs no 32-bit" \
            "programs (its kernel has no IA-32 emulation), so Wine's 32-bit half cannot start"
        exit "$WINE_TEST_SKIPPED"
    fi
}

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
