# Shared by the scripts that run Windows programs under Wine: a private prefix with a virtual
# desktop (taskbar and notification area included) on a private Xvfb display. Source it, then
# call wine_up; wine_down ends everything that was started, by process id.
# Every wait here is bounded.

WINE64=${WINE64:-/usr/lib/wine/wine64}
WINESERVER=${WINESERVER:-/usr/lib/wine/wineserver64}
export WINEDEBUG=-all
# No Mono or Gecko installers: Wine asks for them otherwise, and no network is there.
export WINEDLLOVERRIDES="mscoree,mshtml="

wine_pids=()

# wine_up DIR [DISPLAY_NUMBER]: Xvfb on :N (a free one is picked when absent) and a prefix in DIR.
wine_up() {
    local dir=$1 n=${2:-}
    mkdir -p "$dir"
    if [ -z "$n" ]; then
        for n in $(seq 90 140); do
            [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
        done
    fi
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
    wine_pids+=($!)
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
    done
    export WINEPREFIX="$dir/prefix"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        timeout 120 "$WINE64" wineboot -i >"$dir/wineboot.log" 2>&1 || true
    fi
    # Every program opens inside one virtual desktop with a taskbar and a notification area.
    timeout 60 "$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
    timeout 60 "$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x800 /f >/dev/null 2>&1
}

# wine_bg LOG PROGRAM [ARGS...]: starts a Windows program in the background; its pid is in $!.
wine_bg() {
    local log=$1
    shift
    "$WINE64" "$@" >"$log" 2>&1 &
    wine_pids+=($!)
}

# wine_down: ends the programs, the wine server of the prefix and Xvfb.
wine_down() {
    local p
    for p in "${wine_pids[@]}"; do
        kill "$p" 2>/dev/null || true
    done
    [ -n "${WINEPREFIX:-}" ] && timeout 20 "$WINESERVER" -k 2>/dev/null || true
    for p in "${wine_pids[@]}"; do
        wait "$p" 2>/dev/null || true
    done
    wine_pids=()
}
