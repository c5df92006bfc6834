#!/usr/bin/env bash
# plv on an X11 desktop, used as a user would and watched from outside: xdotool moves the mouse in
# steps of 100 ms or more; tests/x11/probe.py reads the windows (X server), their texts (the
# accessibility bus) and the selections. Run by tests/x11/run, which gives it Xvfb, openbox and
# trayer; this script starts a session bus, an xterm and a Qt text editor, and plv with the service
# it starts itself.
#   1. a selection in xterm: the icon beside the pointer, the popup below it with the translation,
#      the keyboard focus left where it was, PRIMARY read and the user's clipboard untouched;
#   2. the same in a Qt text editor;
#   3. two monitors (XRandR): the popup on the selection's monitor, above the tray's strut;
#   4. the service killed: plv starts it again and translates;
#   5. a bad settings file: one message box naming the file, the key and the value; exit code 2;
#   6. a StatusNotifierItem tray (a host on the session bus): the item, its tooltip and its menu.
# Then the speed: release -> icon and release -> translation, the drags made by the probe.
# usage: tests/x11/run tests/x11/e2e.sh BIN_DIR PLV_SERVICE
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:?usage: e2e.sh BIN_DIR PLV_SERVICE}" && pwd)
service=$(realpath "${2:?usage: e2e.sh BIN_DIR PLV_SERVICE}")
work=$(mktemp -d /tmp/plv-x11-e2e.XXXXXX)
probe() { timeout -k 5 120 /usr/bin/python3 "$here/probe.py" "$@"; }
passed=0 failed=0
pass() { echo "ok: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
pids=()
finish() {
    local i p
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
    done
    for p in "${pids[@]}"; do
        for _ in $(seq 50); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$p" 2>/dev/null
    done
    # What the session bus started for accessibility ends with it, by its pid.
    for p in $(pgrep -f 'at-spi'); do
        { tr '\0' '\n' </proc/"$p"/environ; } 2>/dev/null |
            grep -qxF "DBUS_SESSION_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS" && kill "$p" 2>/dev/null
    done
    echo "e2e (X11): $passed passed, $failed failed; screenshots and logs in $work"
}
trap finish EXIT
shot() { import -window root "$work/$1.png" 2>/dev/null; }
wait_for() {
    local n=0
    until eval "$1"; do
        n=$((n + 1))
        [ "$n" -ge "$2" ] && return 1
        sleep 0.1
    done
}

# A session bus of our own: Qt publishes its widgets on the accessibility bus it finds there.
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >"$work/dbus.log" 2>&1 &
pids+=($!)
wait_for '[ -s "$work/bus" ]' 100 || { fail "no session bus"; exit 1; }
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# plv as installed: its settings beside it, its service beside it; enabled in xterm and the editor.
app=$work/app
mkdir -p "$app" "$XDG_CONFIG_HOME/parlevo"
cp "$bin/plv" "$bin/libhash2.so" "$bin/plv.ini" "$app/"
ln -s "$service" "$app/plv-service"
printf '[Applications]\nxterm=1\nplv_text_editor=1\n' >"$XDG_CONFIG_HOME/parlevo/plv.user"

# The user's clipboard, held by xclip, must be the same at the end.
printf 'the user copied this' | xclip -quiet -selection clipboard >/dev/null 2>&1 &
pids+=($!)
wait_for '[ "$(probe selection clipboard)" = "the user copied this" ]' 50 || fail "xclip holds no clipboard"

# Two monitors side by side (XRandR), set before plv starts.
read -r sw sh < <(xdotool getdisplaygeometry)
half=$((sw / 2))
xrandr --setmonitor PlvLeft "$half/169x$sh/211+0+0" screen >/dev/null &&
    xrandr --setmonitor PlvRight "$((sw - half))/169x$sh/211+$half+0" none >/dev/null ||
    fail "xrandr could not make two monitors"

xterm -title PlvXterm -geometry 80x6+100+100 -fa 'Liberation Mono' -fs 11 \
    -e bash -c 'echo "The house is red and the dog sleeps in the garden."; exec sleep 3600' &
pids+=($!)
xterm_pid=$!
"$bin/plv_text_editor" "The dog sleeps in the garden." 100 400 &
pids+=($!)
editor_pid=$!

starts=0
start_plv() {
    starts=$((starts + 1))
    trace=$work/trace-$starts.txt
    PLV_TRACE=$trace "$app/plv" >"$work/plv-$starts.log" 2>&1 &
    plv_pid=$!
    pids+=($plv_pid)
}
start_plv
# listening PID: whether the process listens on a TCP port.
listening() { ss -ltnpH 2>/dev/null | grep -q "pid=$1,"; }
wait_for 'service_pid=$(pgrep -P "$plv_pid" -f plv-service | head -n 1); [ -n "$service_pid" ] && listening "$service_pid"' 600 ||
    fail "plv started no service that listens"

# client_at PID: the top-left of the client area of a window of PID.
client_at() {
    probe wait-window "$1" 'override=0' 30 | awk '{print $2, $3}'
}

# select X1 Y X2: a drag from X1 to X2 along the line Y, in steps of 100 ms.
select_line() {
    xdotool mousemove "$1" "$2" sleep 0.2 mousedown 1 sleep 0.1 mousemove $(($1 + 20)) "$2" sleep 0.1 \
        mousemove $((($1 + $3) / 2)) "$2" sleep 0.1 mousemove "$3" "$2" sleep 0.2 mouseup 1
}

# close_popups X Y: a press at X,Y (in the application) closes the icon and the popup if they show.
close_popups() {
    [ -z "$(probe windows "$plv_pid" | grep 'override=1')" ] && return 0
    xdotool mousemove "$1" "$2" sleep 0.2 click 1
    probe wait-gone "$plv_pid" 'override=1' 5 >/dev/null 2>&1
}

# translate NAME X1 Y X2 PATTERN [TRIES]: selects (the popups closed first), waits for the icon,
# presses it and reads the popup. While the program is still starting, a drag may go unseen, and
# while it is not connected yet (its page still loading) the popup says so: the selection is made
# again, up to TRIES times (1).
# Leaves the popup's window line in $popup and the icon's in $icon.
translate() {
    local name=$1 x1=$2 y=$3 x2=$4 pattern=$5 tries=${6:-1} text try
    # The icon: the plv window of at most 99x99 pixels that bypasses the window manager.
    local small='^0x[0-9a-f]+ -?[0-9]+ -?[0-9]+ [0-9]{1,2} [0-9]{1,2} name=.*override=1'
    for ((try = 1; try <= tries; try++)); do
        close_popups "$x1" $((y + 60))
        select_line "$x1" "$y" "$x2"
        if ! icon=$(probe wait-window "$plv_pid" "$small" 5 2>"$work/$name.icon.err"); then
            # A drag made while the program is still starting (its loop busy) is not seen.
            [ "$try" -lt "$tries" ] && continue
            fail "$name: no icon after the release"
            shot "$name-no-icon"
            return 1
        fi
        read -r _ ix iy iw ih _ <<<"$icon"
        shot "$name-icon"
        xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) sleep 0.2 click 1
        text=$(probe wait-text "$plv_pid" "^text\|\|.*($pattern|not connected)" 20 2>"$work/$name.text.err")
        [[ "$text" == *"not connected"* ]] && [ "$try" -lt "$tries" ] && sleep 1 && continue
        break
    done
    popup=$(probe windows "$plv_pid" | grep ' name=Form1 ' | head -n 1)
    shot "$name-popup"
    if [[ "$text" =~ $pattern ]]; then
        pass "$name: the popup shows \"$(cut -d'|' -f3 <<<"$text")\""
    else
        fail "$name: no translation matching $pattern in the popup: ${text:-$(tail -n 5 "$work/$name.text.err")}"
        return 1
    fi
}

# 1. xterm.
read -r xx xy < <(client_at "$xterm_pid")
if translate xterm $((xx + 4)) $((xy + 8)) $((xx + 250)) 'La casa es roja' 20; then
    read -r _ px py pw _ _ <<<"$popup"
    if [ -n "$popup" ] && [ "$py" -ge "$iy" ] && [ "$px" -le $((ix + iw)) ] && [ $((px + pw)) -ge "$ix" ]; then
        pass "xterm: the popup opens below the icon (icon $ix,$iy; popup $px,$py)"
    else
        fail "xterm: the popup ($popup) is not below the icon ($icon)"
    fi
fi
# The drag gave xterm the focus; the icon and the popup never take it.
active=$(probe active)
[ "${active##*pid=}" = "$xterm_pid" ] && pass "xterm: the keyboard focus stays in xterm with the popup open" ||
    fail "xterm: the active window is $active, not xterm's (process $xterm_pid)"
xdotool mousemove $((xx + 600)) $((xy + 70)) sleep 0.3 click 1
probe wait-gone "$plv_pid" 'override=1' 5 >/dev/null 2>&1 && pass "xterm: a press elsewhere in xterm closes the popup" ||
    fail "xterm: the popup stays after a press elsewhere: $(probe windows "$plv_pid" | tr '\n' ' ')"
primary=$(probe selection primary)
case "$primary" in
"The house is red"*) pass "xterm: PRIMARY holds the selection \"$primary\"" ;;
*) fail "xterm: PRIMARY is \"$primary\"" ;;
esac
clip=$(probe selection clipboard)
[ "$clip" = "the user copied this" ] && pass "xterm: the user's clipboard is untouched" ||
    fail "xterm: the clipboard became \"$clip\""

# 2. The Qt text editor.
read -r ex ey < <(client_at "$editor_pid")
translate editor $((ex + 6)) $((ey + 12)) $((ex + 260)) 'perro'
clip=$(probe selection clipboard)
[ "$clip" = "the user copied this" ] && pass "editor: the user's clipboard is untouched" ||
    fail "editor: the clipboard became \"$clip\""

# 3. The second monitor: a second editor on the right one, its text so near the bottom that a
#    popup below the icon would cover trayer's strut: the popup stays on that monitor, above it.
"$bin/plv_text_editor" "The dog sleeps in the garden." $((half + 20)) $((sh - 90)) &
pids+=($!)
editor_pid=$!
read -r ex ey < <(client_at "$editor_pid")
tray_top=$(for w in $(xdotool search --class trayer); do xdotool getwindowgeometry "$w"; done 2>/dev/null |
    sed -n 's/.*Position: [0-9]*,\([0-9]*\).*/\1/p' | sort -n | tail -n 1)
if translate monitor $((ex + 6)) $((ey + 12)) $((ex + 62)) 'perro'; then
    read -r _ px py pw ph _ <<<"$popup"
    if [ "$px" -ge "$half" ] && [ $((px + pw)) -le "$sw" ] && [ $((py + ph)) -le "${tray_top:-$sh}" ]; then
        pass "monitor: the popup ($px,$py ${pw}x$ph) is on the right monitor, above the tray at y=${tray_top:-?}"
    else
        fail "monitor: the popup ($popup) leaves the right monitor ($half..$sw) or covers the tray (y=${tray_top:-?})"
    fi
fi

# 4. The service is killed: plv starts another and translates with it.
if [ -n "$service_pid" ]; then
    kill -9 "$service_pid"
    if wait_for 'new=$(pgrep -P "$plv_pid" -f plv-service | head -n 1); [ -n "$new" ] && [ "$new" != "$service_pid" ]' 300; then
        pass "service: plv started its service again (process $service_pid killed, $new now)"
    else
        fail "service: no new service 30 s after the old one was killed"
    fi
    wait_for 'listening "$new"' 300 || fail "service: the new service does not listen"
    read -r xx xy < <(client_at "$xterm_pid")
    translate service-back $((xx + 4)) $((xy + 8)) $((xx + 250)) 'La casa es roja' 20
else
    fail "service: plv started no plv-service"
fi

# The speed, with the probe's own drags in xterm.
read -r xx xy < <(client_at "$xterm_pid")
xdotool mousemove $((xx + 600)) $((xy + 70)) sleep 0.3 click 1
probe wait-gone "$plv_pid" 'override=1' 5 >/dev/null 2>&1
if probe bench "$plv_pid" $((xx + 4)) $((xy + 8)) 246 "${PLV_BENCH_ROUNDS:-10}" 'La casa es roja' >"$work/bench.txt" 2>&1; then
    sed 's/^/speed: /' "$work/bench.txt"
else
    fail "speed: $(tail -n 3 "$work/bench.txt")"
fi

# plv ends, and its service and browser with it.
children=$(pgrep -P "$plv_pid" | tr '\n' ' ')
kill "$plv_pid"
if wait_for '! kill -0 "$plv_pid" 2>/dev/null && ! kill -0 ${children:-0} 2>/dev/null' 100; then
    pass "plv ends on SIGTERM, and its service and browser (${children% }) with it"
else
    fail "after plv ended: $(ps -o pid=,comm= -p ${children:-0} | tr '\n' ' ')"
fi

# 5. A bad settings file in the user's configuration: one message box naming it, then exit code 2.
iconv -f UTF-16LE -t UTF-8 "$app/plv.ini" | sed 's/^TextColor=[^\r]*/TextColor=12,x,4/' |
    iconv -f UTF-8 -t UTF-16LE >"$XDG_CONFIG_HOME/parlevo/plv.ini"
start_plv
box=$(probe wait-text "$plv_pid" 'TextColor' 30 2>&1)
shot bad-settings
case "$box" in
*"$XDG_CONFIG_HOME/parlevo/plv.ini"*'"12,x,4"'*) pass "bad settings: the message box says \"$(cut -d'|' -f2,3 <<<"$box")\"" ;;
*) fail "bad settings: the box says \"$box\"" ;;
esac
xdotool key --clearmodifiers Return
wait_for '! kill -0 "$plv_pid" 2>/dev/null' 100
wait "$plv_pid"
code=$?
[ "$code" -eq 2 ] && pass "bad settings: plv ends with exit code 2 once the box is closed" ||
    fail "bad settings: exit code $code"
rm -f "$XDG_CONFIG_HOME/parlevo/plv.ini"

# 6. A desktop whose tray is a StatusNotifierItem host rather than an XEmbed one: plv's icon is an
#    item there, with its tooltip, and the host's request for the menu opens the same menu.
/usr/bin/python3 "$here/sni_host.py" 120 >"$work/sni.txt" 2>&1 &
pids+=($!)
wait_for 'grep -q "watcher ready" "$work/sni.txt"' 100 || fail "tray: the StatusNotifierItem host did not start"
start_plv
if wait_for 'grep -q "^item .*tooltip=Parlevo" "$work/sni.txt"' 300; then
    pass "tray: $(grep '^item ' "$work/sni.txt" | head -n 1)"
    read -r _ item_bus item_path _ < <(grep '^item ' "$work/sni.txt" | head -n 1)
    # The item answers only once its menu closes, as a tray's own right click would.
    dbus-send --session --print-reply --reply-timeout=30000 --dest="$item_bus" "$item_path" \
        org.kde.StatusNotifierItem.ContextMenu int32:600 int32:400 >"$work/sni-menu.txt" 2>&1 &
    pids+=($!)
    menu=$(probe wait-window "$plv_pid" '^0x[0-9a-f]+ -?[0-9]+ -?[0-9]+ [0-9]+ [0-9]{3,} .*override=1' 10 2>/dev/null)
    shot sni-menu
    [ -n "$menu" ] && pass "tray: the host's ContextMenu opens the tray menu ($menu)" ||
        fail "tray: no menu after the host's ContextMenu: $(probe windows "$plv_pid" | tr '\n' ' ')"
    xdotool key --clearmodifiers Escape
else
    fail "tray: no StatusNotifierItem with Parlevo's tooltip: $(cat "$work/sni.txt")"
fi

[ "$failed" -eq 0 ]
