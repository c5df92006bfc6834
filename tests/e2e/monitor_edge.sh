#!/usr/bin/env bash
# The popup on the edge of the work area under Wine: Notepad is moved into the bottom right
# corner of the virtual desktop, its one line of text just above the taskbar, and a selection
# is dragged to the right end of that line. The floating icon and the popup stay inside the
# monitor's work area (above the taskbar and left of the desktop's right edge), the popup moved
# up and left to fit and the icon sitting on it. No engine is needed (browser=none): the popup
# shows the "NotConnectedStr" text.
# usage: tests/e2e/monitor_edge.sh [BIN_FOLDER] [WORK_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/mingw-x64/bin}" && pwd)
work=${2:-$(mktemp -d /tmp/e2e-fmon.XXXXXX)}
source "$here/wine-env.sh"
source "$here/scenario.sh"

e2e_begin "monitor edge"
e2e_ini "s/^PopupIfNotConnected=[^\r]*/PopupIfNotConnected=1/" "browser=none"
e2e_enable notepad.exe

# The work area of the desktop's monitor, as Windows (Wine) gives it.
monitor=$(probe monitor 1270 790)
work_area=$(sed -n 's/.* work=\([0-9,-]*\) .*/\1/p' <<<"$monitor")
IFS=, read -r work_left work_top work_right work_bottom <<<"$work_area"
if [ -n "$work_area" ] && [ "$work_bottom" -lt 800 ]; then
    pass "the desktop's work area $work_area leaves out the taskbar"
else
    fail "no work area without the taskbar: $monitor"
fi

wine_notepad "The quick brown fox jumps over the lazy dog." >/dev/null || fail "Notepad did not open"
# Into the corner, partly under the taskbar; its text line then lies at y 760, just above it.
probe move-window notepad.exe Notepad 860,708,1280,828 >"$work/notepad.window" || fail "Notepad could not be moved"
wine_bg "$work/plv.log" 'C:\Parlevo\plv.exe'
probe wait-window plv.exe Parlevo 60 >/dev/null || fail "plv.exe made no main window"
sleep 1
wine_press 1000 700
wine_shot "$work/before.png"

inside() {
    local what=$1 rect=$2 l t r b
    IFS=, read -r l t r b <<<"$rect"
    if [ -n "$rect" ] && [ "$l" -ge "$work_left" ] && [ "$t" -ge "$work_top" ] &&
        [ "$r" -le "$work_right" ] && [ "$b" -le "$work_bottom" ]; then
        pass "the $what ($rect) lies inside the work area $work_area"
    else
        fail "the $what ($rect) is not inside the work area $work_area"
    fi
}

# To the end of the line and past it: the icon would be 10 right of the release, past the edge.
wine_drag 1000 760 1276 760
icon=
for _ in $(seq 1 30); do
    icon=$(probe windows plv.exe | grep -E '^window .*class="ParlevoForm" title="" rect=[0-9,-]* visible=1' |
        grep -o ' rect=[0-9,-]*' | cut -d= -f2 || true)
    [ -n "$icon" ] && break
    sleep 0.1
done
if [ -z "$icon" ]; then
    fail "no floating icon after the drag"
    probe notepad-text
else
    inside "floating icon" "$icon"
    IFS=, read -r il it _ _ <<<"$icon"
    wine_press $((il + 8)) $((it + 8))
    popup=$(e2e_wait_popup "$work/popup.windows" "*not connected*")
    [ -n "$popup" ] || fail "no popup after a press on the icon"
    e2e_popup_still "$work/still.windows" || fail "the popup did not come to rest"
    wine_shot "$work/popup.png"
    rect=$(grep -E '^window .*title="Form1".* visible=1' "$work/still.windows" | grep -o ' rect=[0-9,-]*' | cut -d= -f2)
    inside popup "$rect"
    icon=$(grep -E '^window .*class="ParlevoForm" title="" rect=[0-9,-]* visible=1' "$work/still.windows" |
        grep -o ' rect=[0-9,-]*' | cut -d= -f2)
    inside "icon beside the open popup" "$icon"
    # Moved up to end at the work area's bottom, the icon sitting on its top edge.
    IFS=, read -r _ pt _ pb <<<"$rect"
    IFS=, read -r _ _ _ ib <<<"$icon"
    if [ "$pb" = "$work_bottom" ] && [ "$ib" = "$pt" ]; then
        pass "the popup ends at the work area's bottom and the icon sits on it"
    else
        fail "popup $rect and icon $icon: not ending at $work_bottom with the icon on top"
    fi
fi
