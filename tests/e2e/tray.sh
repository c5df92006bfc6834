#!/usr/bin/env bash
# The tray icon of the real plv.exe under Wine, connected to plv-service through Chromium (the
# attach engine), watched from outside: a left click turns translation off for the application
# in front (Notepad's registry value becomes "0", the icon blue, a drag in Notepad offers no icon)
# and another turns it on again ("-1", orange, the icon offered again); the right-click menu's
# first item toggles the same way; Reconnect turns the icon grey and then orange again; About
# shows the program's version; Exit ends the process and its icon leaves the notification area.
# Menu items are clicked at positions derived from the menu window's rectangle (under Wine the
# menu takes no keys from xdotool). On a failure it prints what the probe saw and keeps the
# screenshots in the work folder.
# usage: tests/e2e/tray.sh [BIN_FOLDER] [WORK_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/mingw-x64/bin}" && pwd)
work=${2:-$(mktemp -d /tmp/e2e-ftray.XXXXXX)}
source "$here/wine-env.sh"
source "$here/services.sh"
source "$here/scenario.sh"

GREY="#808080" ORANGE="#F0AA00" BLUE="#00A8FF"
service_pid=0
e2e_cleanup() {
    # A service still held would not end on its signal.
    [ "$service_pid" -gt 0 ] && kill -CONT "$service_pid" 2>/dev/null
}
e2e_begin tray
service_up "$work" || fail "plv-service did not start"
service_pid=${wine_pids[-1]:-0}
chromium_up "$work" || fail "Chromium did not start"
e2e_ini_engine
e2e_enable notepad.exe
# The About window shows the version as major.minor.revision of the project's four numbers.
version=$(sed -n 's/^project(Parlevo VERSION \([0-9]*\)\.\([0-9]*\)\.[0-9]*\.\([0-9]*\).*/\1.\2.\3/p' \
    "$e2e_root/CMakeLists.txt")

# stored: notepad.exe's value in the program's registry section, or "absent".
stored() {
    timeout 60 "$WINE64" reg query 'HKCU\Software\Parlevo\plv\Applications' /v notepad.exe 2>/dev/null |
        tr -d '\r' | sed -n 's/^ *notepad\.exe *REG_SZ *//p' | grep . || echo absent
}
tray_colour() { wine_pixel 1263 790; }
tray_click() { timeout 20 xdotool mousemove 1270 790 sleep 0.1 click "$1" >/dev/null 2>&1; }
visible_icon() {
    probe windows plv.exe | grep -E '^window .*class="ParlevoForm" title="" rect=[0-9]+,[0-9]+,[0-9-]+,[0-9-]+ visible=1'
}
# drag_offers_icon: a drag across Notepad's first line; whether the floating icon shows within
# 2 s (it shows within half a second when offered, and stays 3 s).
drag_offers_icon() {
    wine_press 500 400
    sleep 0.5
    wine_drag 12 52 200 52
    for _ in $(seq 1 20); do
        visible_icon >/dev/null && return 0
        sleep 0.1
    done
    return 1
}
# menu_open: a right click on the tray icon; sets menu_rect ("L T R B") once the menu shows.
menu_open() {
    local line
    menu_rect=
    tray_click 3
    for _ in $(seq 1 30); do
        line=$(probe windows plv.exe | grep -E '^window .*class="#32768".* visible=1' | head -n 1)
        if [ -n "$line" ]; then
            menu_rect=$(sed -n 's/.* rect=\([0-9-]*\),\([0-9-]*\),\([0-9-]*\),\([0-9-]*\) .*/\1 \2 \3 \4/p' <<<"$line")
            return 0
        fi
        sleep 0.1
    done
    return 1
}
# menu_choose N: clicks the Nth item of the open menu (0 the enable item, 1 Open, 2 Reconnect,
# 3 About, 4 Exit). As Wine draws it, the menu has a 3 px frame, five items of one height, and a
# 9 px separator after the first item and another before the last.
menu_choose() {
    local n=$1 l t r b h y
    read -r l t r b <<<"$menu_rect"
    h=$(((b - t - 24) / 5))
    y=$((t + 3 + n * h + h / 2))
    [ "$n" -ge 1 ] && y=$((y + 9))
    [ "$n" -ge 4 ] && y=$((y + 9))
    timeout 20 xdotool mousemove $(((l + r) / 2)) "$y" sleep 0.2 click 1 >/dev/null 2>&1
    menu_gone && return 0
    # An item that cannot be chosen leaves the menu open: a click on the desktop closes it, so
    # that the next step starts without it.
    wine_press 1000 300
    menu_gone
    return 1
}
menu_gone() {
    for _ in $(seq 1 30); do
        probe windows plv.exe 2>/dev/null | grep -qE '^window .*class="#32768".* visible=1' || return 0
        sleep 0.1
    done
    return 1
}

wine_notepad "Hello world, this is a test of the translator." >/dev/null || fail "Notepad did not open"
bare=$(tray_colour)
[ -n "$bare" ] || fail "the screen could not be read"
wine_bg "$work/plv.log" 'C:\Parlevo\plv.exe'
plv_pid=$!
probe wait-window plv.exe Parlevo 60 >/dev/null || fail "plv.exe made no main window"
wine_press 500 400
colour=$(wine_wait_pixel 1263 790 30 "$ORANGE")
wine_shot "$work/1-connected.png"
if [ "$colour" = "$ORANGE" ] && [ "$(stored)" = "-1" ]; then
    pass "connected with Notepad in front: the icon is orange"
else
    fail "the icon is $colour with Notepad in front (stored \"$(stored)\"), not orange"
    probe foreground
fi

# toggle_by_click NAME COLOUR VALUE OFFERED SHOT: a left click on the tray icon; then the icon has
# COLOUR, notepad.exe's stored value is VALUE and a drag in Notepad offers the icon (yes/no).
toggle_by_click() {
    local name=$1 want_colour=$2 want_value=$3 want_offered=$4 colour value offered=no
    tray_click 1
    colour=$(wine_wait_pixel 1263 790 5 "$want_colour")
    value=$(stored)
    drag_offers_icon && offered=yes
    wine_shot "$work/$5"
    if [ "$colour" = "$want_colour" ] && [ "$value" = "$want_value" ] && [ $offered = "$want_offered" ]; then
        pass "$name: stored \"$value\", the icon $colour, a drag offers the icon: $offered"
    else
        fail "$name: the icon $colour, stored \"$value\", icon offered: $offered"
        probe notepad-text
        probe windows plv.exe | grep -E '^window .*visible=1'
    fi
}

# 1. A left click turns translation off for notepad.exe: stored "0", blue, no icon on a drag.
toggle_by_click "a left click turns it off" "$BLUE" 0 no 2-off.png
# 2. Another left click (well apart from the first: two within 0.3 s open the main window) turns
# it on again, and a drag offers the icon.
sleep 0.5
toggle_by_click "another left click turns it on" "$ORANGE" -1 yes 3-on.png
wine_press 500 400

# 3. The menu's first item ("Disable in notepad.exe") toggles the same way; a left click puts it
# back.
if menu_open; then
    wine_shot "$work/4-menu.png"
    menu_choose 0 || fail "the menu stayed open after its first item was chosen"
    colour=$(wine_wait_pixel 1263 790 5 "$BLUE")
    value=$(stored)
    if [ "$colour" = "$BLUE" ] && [ "$value" = "0" ]; then
        pass "the menu's first item turns it off: stored \"0\", the icon blue"
    else
        fail "after the menu's first item: the icon $colour, stored \"$value\""
    fi
    sleep 0.5
    tray_click 1
    wine_wait_pixel 1263 790 5 "$ORANGE" >/dev/null || fail "a left click did not turn it on again"
else
    fail "a right click on the tray icon opened no menu"
    probe windows plv.exe
fi

# 4. Reconnect: the icon goes grey while the page loads again, then orange. The page would load
# again within a fraction of a second, too fast to be seen for sure on a busy machine, so
# plv-service is held (SIGSTOP) while the reconnect starts and let go once the grey is seen.
seen=
if menu_open; then
    kill -STOP "$service_pid"
    if menu_choose 2; then
        wine_wait_pixel 1263 790 10 "$GREY" >/dev/null && seen="$GREY"
        kill -CONT "$service_pid"
        wine_wait_pixel 1263 790 15 "$ORANGE" >/dev/null && seen="$seen $ORANGE"
        if [ "$seen" = "$GREY $ORANGE" ]; then
            pass "Reconnect: the icon goes grey, then orange again"
        else
            fail "Reconnect: the tray slot showed ${seen:-neither grey nor orange}, now $(tray_colour)"
        fi
    else
        kill -CONT "$service_pid"
        fail "Reconnect could not be chosen from the menu"
    fi
fi

# 5. About: a window with the version among its labels; its Close button closes it.
about=
if menu_open && menu_choose 3; then
    for _ in $(seq 1 30); do
        probe windows plv.exe >"$work/about.windows"
        about=$(grep -F "text=\"Version $version\"" "$work/about.windows" | grep 'visible=1' || true)
        [ -n "$about" ] && break
        sleep 0.1
    done
fi
wine_shot "$work/5-about.png"
if [ -n "$about" ]; then
    pass "About shows \"Version $version\""
    close=$(grep -E 'class="Button".* visible=1 .*text="Close"' "$work/about.windows" |
        sed -n 's/.* rect=\([0-9-]*\),\([0-9-]*\),\([0-9-]*\),\([0-9-]*\) .*/\1 \2 \3 \4/p')
    if [ -n "$close" ]; then
        read -r l t r b <<<"$close"
        wine_press $(((l + r) / 2)) $(((t + b) / 2))
    fi
    gone=no
    for _ in $(seq 1 30); do
        probe windows plv.exe | grep -F "text=\"Version $version\"" | grep -q 'visible=1' || { gone=yes && break; }
        sleep 0.1
    done
    [ $gone = yes ] || fail "the About window's Close button left it open"
else
    fail "no About window with \"Version $version\""
    probe windows plv.exe
fi

# 6. Exit: the process ends and the notification area drops its icon.
if menu_open && menu_choose 4; then
    if wine_wait_gone "$plv_pid" 10; then
        colour=$(wine_wait_pixel 1263 790 5 "$bare")
        wine_shot "$work/6-exit.png"
        if [ "$colour" = "$bare" ]; then
            pass "Exit ends plv.exe and its tray slot is bare again ($bare)"
        else
            fail "after Exit the tray slot is $colour, not the bare taskbar's $bare"
        fi
    else
        fail "plv.exe still runs after Exit"
        probe windows plv.exe
    fi
else
    fail "Exit could not be chosen from the menu"
fi
