# Shared by the scripts that run Windows programs under Wine: a private prefix with a virtual
# desktop (taskbar and notification area included) on a private Xvfb display. Source it, then
# call wine_up; wine_down ends everything that was started, by process id.
# Every wait here is bounded.
#
# What was seen with Wine 8.0 (64-bit prefix, virtual desktop "shell" 1280x800, Xvfb, UTF-8 locale):
# - The desktop fills the display from its origin, so desktop and X pixels are the same. Notepad
#   opens inside it at 0,0,760,570 with a taskbar button; its first text line lies at y 52 from
#   x 11. `xdotool mousemove 12 52 mousedown 1 mousemove 110 52 mouseup 1` selects text even with
#   no pauses (probe notepad-text: sel=0,14), and `xdotool key ctrl+c` then reaches Notepad.
# - The taskbar is Shell_TrayWnd at 0,780,1280,800 (work area 0,0,1280,780); its task buttons
#   are Button children. A notification icon has no window: the taskbar paints it (the first one
#   over about x 1262-1278, y 782-798), so only a screenshot or a click at 1270,790 reaches it.
# - plv-probe clipboard-set gives back every format it put byte for byte (the digests of its
#   "set" lines equal those of the "format" lines, the metafile's bits too), and Wine adds, listed
#   after the formats put, in this order:
#     text=            -> CF_UNICODETEXT, CF_LOCALE (0x409), CF_TEXT, CF_OEMTEXT
#     ansi=            -> CF_TEXT, CF_LOCALE, CF_OEMTEXT, CF_UNICODETEXT
#     dib=             -> CF_DIB, CF_BITMAP (a 32-bit bitmap), CF_DIBV5 (124-byte header)
#     emf              -> CF_ENHMETAFILE, CF_METAFILEPICT
#     format=NAME:HEX  -> nothing added (registered formats and CF_HDROP alike)
#   Text put both ways keeps both and only gains CF_LOCALE and CF_OEMTEXT. The added formats are
#   made when first read; reading them leaves GetClipboardSequenceNumber as it was, while one
#   clipboard-set of one item moves it on by four: compare it, never count it.
#   The GlobalSize of a CF_METAFILEPICT changes between reads, so the probe says size=gdi for it.
#   A CF_BITMAP given as a memory block is refused, as on Windows. The data outlives the probe
#   (its owner window is gone, owner=0x0); an untouched clipboard belongs to explorer.exe's
#   __wine_clipboard_manager, the bridge to the X selection. Notepad's Ctrl+C puts
#   CF_UNICODETEXT, CF_LOCALE, CF_TEXT and CF_OEMTEXT, owned by its Edit control.
# - The probe reads the windows of other processes, their children's texts through WM_GETTEXT,
#   and the selection through EM_GETSEL. A MessageBox is a #32770 whose icon is Static id 1088,
#   whose text is Static id 65535 and whose buttons have ids 1 (OK), 6 (&Yes), 7 (&No); BM_CLICK
#   closes it. A RICHEDIT50W control reports its class as "RichEdit50W" and its text with \r\n.
#   A layered window reports the alpha given to SetLayeredWindowAttributes; one drawn through
#   UpdateLayeredWindow has none to read (alpha=ulw).
# - With a UTF-8 locale, arguments with spaces, quotes, backslashes, new lines and Cyrillic reach
#   wmain intact (with LC_ALL=C they arrive garbled). Running the probe leaves the foreground
#   window as it was. One probe run takes about 0.1 s once the prefix is up; a new prefix about 7 s.
# - A tray icon's pop-up menu (#32768, owned by the program's thread) takes no keys from xdotool,
#   but mouse clicks on its items work. It has a 3 px frame, items 16 px tall and separators 9 px
#   tall. When the program ends, the notification area drops its icon within a fraction of a
#   second. Notepad's font is about 7 px a character.
# - The probe reads a rich edit box's character colours (rich-colors) through memory it allocates
#   in the other process (VirtualAllocEx): Wine copies no data across processes for those messages.

WINE64=${WINE64:-/usr/lib/wine/wine64}
WINESERVER=${WINESERVER:-/usr/lib/wine/wineserver64}
export WINEDEBUG=-all
# No Mono or Gecko installers: Wine asks for them otherwise, and no network is there.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine turns a Unix command line into UTF-16 by the locale's character set: without UTF-8 here a
# non-ASCII argument (plv-probe clipboard-set text=...) would arrive garbled.
case "${LC_ALL:-${LC_CTYPE:-${LANG:-}}}" in
*UTF-8* | *utf8* | *UTF8* | *utf-8*) ;;
*) export LC_ALL=C.UTF-8 ;;
esac

# The probe that looks at Windows programs from outside (tests/e2e/probe.cpp).
PLV_PROBE=${PLV_PROBE:-}

wine_pids=()
wine_dir=
wine_xvfb_pid=

# wine_up DIR [DISPLAY_NUMBER|current]: Xvfb on :N (a free one is picked when absent; "current"
# uses $DISPLAY as it is) and a prefix in DIR.
wine_up() {
    local dir=$1 n=${2:-}
    if [ "$n" = current ]; then
        # The display that is already there (a person's, to try the program on): no Xvfb.
        mkdir -p "$dir"
        wine_dir=$(cd "$dir" && pwd)
        : >"$wine_dir/pids"
        wine_prefix_up
        return
    fi
    if [ -z "$n" ]; then
        for n in $(seq 90 140); do
            [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
        done
    elif [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then
        # Never borrow someone else's display: its windows would mix with ours.
        echo "wine_up: display :$n is taken" >&2
        return 1
    fi
    mkdir -p "$dir"
    wine_dir=$(cd "$dir" && pwd)
    # Programs started in a subshell ($(wine_notepad ...)) add their pids here too.
    : >"$wine_dir/pids"
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >"$wine_dir/xvfb.log" 2>&1 &
    wine_xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
    done
    # Another script may have taken the same free display a moment before: then our Xvfb ends.
    if [ ! -e "/tmp/.X11-unix/X$n" ] || ! kill -0 "$wine_xvfb_pid" 2>/dev/null; then
        echo "wine_up: Xvfb did not start on :$n" >&2
        return 1
    fi
    wine_prefix_up
}

# A new prefix is a copy of one that wineboot made once, kept in PLV_WINE_TEMPLATE (the build
# folder's wine-template by default; empty: every prefix made by wineboot). wineboot takes some
# 12 s a prefix, more on a busy machine, and a run of the tests makes about fifteen; a copy takes
# well under a second. The prefix holds no path of its own, so a copy works where it lands. A
# template made by another Wine is made again.
wine_template=${PLV_WINE_TEMPLATE-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/wine-template}

# wine_template_up: the template is there, made by this Wine (made now if not); fails when
# wineboot fails.
wine_template_up() {
    local version tmp
    version=$("$WINE64" --version 2>/dev/null) || return 1
    if [ -f "$wine_template/prefix/system.reg" ] &&
        [ "$(cat "$wine_template/wine-version" 2>/dev/null)" = "$version" ]; then
        return 0
    fi
    tmp="$wine_template.new.$$"
    rm -rf "$tmp"
    mkdir -p "$tmp"
    # wineboot returns before its wine server has written the registry: wait for that server.
    if ! WINEPREFIX="$tmp/prefix" timeout 180 "$WINE64" wineboot -i >"$tmp/wineboot.log" 2>&1 ||
        ! WINEPREFIX="$tmp/prefix" timeout 60 "$WINESERVER" -w || [ ! -f "$tmp/prefix/system.reg" ]; then
        WINEPREFIX="$tmp/prefix" timeout 20 "$WINESERVER" -k 2>/dev/null
        rm -rf "$tmp"
        return 1
    fi
    echo "$version" >"$tmp/wine-version"
    rm -rf "$wine_template"
    # Another run may have put its own there meanwhile: either one does.
    mv -T "$tmp" "$wine_template" 2>/dev/null || rm -rf "$tmp"
    [ -f "$wine_template/prefix/system.reg" ]
}

# wine_prefix_up: the prefix in $wine_dir, with the virtual desktop.
wine_prefix_up() {
    export WINEPREFIX="$wine_dir/prefix"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        if [ -n "$wine_template" ] && wine_template_up; then
            rm -rf "$WINEPREFIX"
            cp -a "$wine_template/prefix" "$WINEPREFIX"
        else
            timeout 180 "$WINE64" wineboot -i >"$wine_dir/wineboot.log" 2>&1 || true
        fi
    fi
    # Every program opens inside one virtual desktop with a taskbar and a notification area.
    timeout 60 "$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
    timeout 60 "$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x800 /f >/dev/null 2>&1
}

# wine_free_display [FROM]: prints the first display number from FROM (100 by default) upward
# that nobody uses now.
wine_free_display() {
    local n
    for n in $(seq "${1:-100}" 199); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            echo "$n"
            return 0
        fi
    done
    return 1
}

# wine_bg LOG PROGRAM [ARGS...]: starts a Windows program in the background; its pid is in $!.
wine_bg() {
    local log=$1
    shift
    "$WINE64" "$@" >"$log" 2>&1 &
    wine_pids+=($!)
    if [ -n "$wine_dir" ]; then
        echo "$!" >>"$wine_dir/pids"
    fi
}

# wine_probe ARGS...: runs plv-probe.exe (PLV_PROBE) and passes on its output and exit code
# (0 done, 1 not found, 2 bad usage; 124 when it overran its bound).
wine_probe() {
    if [ -z "$PLV_PROBE" ] || [ ! -f "$PLV_PROBE" ]; then
        echo "wine_probe: set PLV_PROBE to plv-probe.exe" >&2
        return 2
    fi
    local rc tries=1
    for (( ; ; tries++)); do
        timeout "${WINE_PROBE_TIMEOUT:-90}" "$WINE64" "$PLV_PROBE" "$@"
        rc=$?
        case $rc in 0 | 1 | 2 | 124) return $rc ;; esac
        # The probe never ends so by itself: Wine failed to start it, or it crashed. Say so, and
        # ask a question again (twice at most); an action is not repeated, as it may have been
        # half done.
        echo "wine_probe: plv-probe.exe $1 ended with code $rc (try $tries)" >&2
        case $1 in
        wait-window | windows | foreground | monitor | msgbox | notepad-text | clipboard | clipboard-text | rich-colors) ;;
        *) return $rc ;;
        esac
        [ "$tries" -lt 3 ] || return $rc
    done
}

# wine_shot FILE: a PNG screenshot of the whole display.
wine_shot() {
    local file=$1
    if command -v xwd >/dev/null 2>&1; then
        timeout 30 xwd -root -silent -display "$DISPLAY" | timeout 30 convert xwd:- "$file"
    else
        timeout 30 import -display "$DISPLAY" -window root "$file"
    fi
}

# wine_pixel X Y: the colour of one pixel of the display, as #RRGGBB (a tray icon is told from the
# bare taskbar this way: the notification area draws icons, it has no window for them).
wine_pixel() {
    local x=$1 y=$2 colour='' _
    # xwd now and then fails with BadDrawable when a window goes away while it reads the screen:
    # a second try reads it.
    for _ in 1 2 3; do
        colour=$(if command -v xwd >/dev/null 2>&1; then
            timeout 30 xwd -root -silent -display "$DISPLAY" 2>/dev/null |
                timeout 30 convert xwd:- -crop "1x1+$x+$y" -depth 8 txt:- 2>/dev/null
        else
            timeout 30 import -display "$DISPLAY" -window root -crop "1x1+$x+$y" -depth 8 txt:- 2>/dev/null
        fi | grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1)
        [ -n "$colour" ] && break
    done
    echo "$colour"
}

# wine_wait_pixel X Y SECONDS COLOUR...: waits (whole seconds) until the pixel has one of the
# colours (#RRGGBB, upper case as wine_pixel prints them); prints the colour it saw last.
wine_wait_pixel() {
    local x=$1 y=$2 seconds=$3 colour='' c end
    shift 3
    end=$((SECONDS + seconds))
    while :; do
        colour=$(wine_pixel "$x" "$y")
        for c in "$@"; do
            if [ "$colour" = "$c" ]; then
                echo "$colour"
                return 0
            fi
        done
        [ $SECONDS -ge $end ] && break
        sleep 0.1
    done
    echo "$colour"
    return 1
}

# wine_press X Y: a left press and release as a hand makes it (programs that poll the buttons
# every 50 ms see it).
wine_press() {
    timeout 20 xdotool mousemove "$1" "$2" sleep 0.1 mousedown 1 sleep 0.15 mouseup 1 >/dev/null 2>&1
}

# wine_wait_file FILE [SECONDS]: waits (whole seconds, 10 by default) until FILE exists and is not empty.
wine_wait_file() {
    local file=$1 seconds=${2:-10}
    for _ in $(seq 1 $((seconds * 10))); do
        [ -s "$file" ] && return 0
        sleep 0.1
    done
    [ -s "$file" ]
}

# wine_alive PID: whether the process still runs (an ended child of this shell that nobody has
# waited for yet is a zombie, which kill -0 still finds).
wine_alive() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [ "${stat%% *}" != Z ]
}

# wine_wait_gone PID [SECONDS]: waits (whole seconds, 10 by default) until the process has ended.
wine_wait_gone() {
    local pid=$1 seconds=${2:-10}
    for _ in $(seq 1 $((seconds * 10))); do
        wine_alive "$pid" || return 0
        sleep 0.1
    done
    ! wine_alive "$pid"
}

# wine_drag X1 Y1 X2 Y2: presses the left button at one point of the virtual desktop and lets it
# go at another, moving in steps as a hand would (the desktop's pixels are the display's pixels).
wine_drag() {
    local x1=$1 y1=$2 x2=$3 y2=$4
    timeout 20 xdotool mousemove "$x1" "$y1" sleep 0.2 mousedown 1 sleep 0.1 \
        mousemove $(((x1 * 2 + x2) / 3)) $(((y1 * 2 + y2) / 3)) sleep 0.1 \
        mousemove $(((x1 + x2 * 2) / 3)) $(((y1 + y2 * 2) / 3)) sleep 0.1 \
        mousemove "$x2" "$y2" sleep 0.2 mouseup 1
}

# wine_notepad TEXT: opens Wine's Notepad on a file holding TEXT (UTF-16 with a byte order mark)
# and waits until its window is visible. Prints Notepad's Unix pid (the one to end it by) and sets
# wine_notepad_pid; the window's line from the probe is in $wine_dir/notepad-N.window.
wine_notepad() {
    local text=$1 n=$RANDOM dir="$WINEPREFIX/drive_c/e2e"
    mkdir -p "$dir"
    { printf '\377\376' && printf '%s' "$text" | iconv -f UTF-8 -t UTF-16LE; } >"$dir/note$n.txt"
    wine_bg "$wine_dir/notepad-$n.log" notepad "C:\\e2e\\note$n.txt"
    wine_notepad_pid=$!
    if ! wine_probe wait-window notepad.exe "note$n.txt" 30 visible >"$wine_dir/notepad-$n.window"; then
        echo "wine_notepad: no Notepad window in time" >&2
        return 1
    fi
    echo "$wine_notepad_pid"
}

# wine_down: ends the programs, the wine server of the prefix and Xvfb.
wine_down() {
    local p all=("${wine_pids[@]}")
    if [ -n "$wine_dir" ] && [ -f "$wine_dir/pids" ]; then
        while read -r p; do
            [ -n "$p" ] && all+=("$p")
        done <"$wine_dir/pids"
    fi
    for p in "${all[@]}"; do
        kill "$p" 2>/dev/null || true
    done
    if [ -n "${WINEPREFIX:-}" ]; then
        timeout 20 "$WINESERVER" -k 2>/dev/null || true
    fi
    for p in "${all[@]}"; do
        wine_wait_gone "$p" 10 || kill -9 "$p" 2>/dev/null || true
        wait "$p" 2>/dev/null || true
    done
    if [ -n "$wine_xvfb_pid" ]; then
        kill "$wine_xvfb_pid" 2>/dev/null || true
        wine_wait_gone "$wine_xvfb_pid" 10 || kill -9 "$wine_xvfb_pid" 2>/dev/null || true
        wait "$wine_xvfb_pid" 2>/dev/null || true
    fi
    wine_pids=()
    wine_xvfb_pid=
    if [ -n "$wine_dir" ]; then
        : >"$wine_dir/pids"
    fi
}
