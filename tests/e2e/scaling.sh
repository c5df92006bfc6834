#!/usr/bin/env bash
# plv.exe at 100 % and at 150 % scaling (the system DPI 96, then 144, set as LogPixels in the
# prefix) under Wine, translating a Notepad line through plv-service and Chromium: at 144 DPI
# the floating icon is 24 x 24 pixels, 15 right of and 8 above the release; the popup of a
# wrapped translation is about 1.5 times as wide and as tall as at 96 DPI; and "copy", the
# direction and the attribution lie inside it at both; and the developer's trace (PLV_TRACE, at
# 96 DPI) has the steps of a translated selection in order, after one line saying that the engine
# attaches to a browser the user runs. Screenshots of both popups stay in the work folder
# (popup-96.png, popup-144.png, and side by side in popups.png).
# usage: tests/e2e/scaling.sh [BIN_FOLDER] [WORK_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/mingw-x64/bin}" && pwd)
work=${2:-$(mktemp -d /tmp/e2e-fscaling.XXXXXX)}
source "$here/wine-env.sh"
source "$here/services.sh"
source "$here/scenario.sh"

line="The house is big and the garden is very beautiful in summer."
e2e_begin scaling
service_up "$work" || fail "plv-service did not start"
chromium_up "$work" || fail "Chromium did not start"
e2e_ini_engine
e2e_enable notepad.exe
note=$(printf '%s\n' "$ini_text" | tr -d '\r' | sed -n 's/^NotConnectedStr=//p')

# scaled DPI N: N pixels at 96 DPI in the pixels of DPI, rounded half to even as plv.exe does.
scaled() { awk -v d="$1" -v n="$2" 'BEGIN { v = n * d / 96; r = int(v + 0.5); if (r - v == 0.5 && r % 2) r--; print r }'; }
# rect_of LINE: the four numbers of the rect= field, blank-separated.
rect_of() { sed -n 's/.* rect=\([0-9-]*\),\([0-9-]*\),\([0-9-]*\),\([0-9-]*\) .*/\1 \2 \3 \4/p' <<<"$1" | head -n 1; }

# at DPI: the whole run at one DPI, in a Wine restarted to take it. Sets popup_w and popup_h.
at() {
    local dpi=$1 text= popup= edit el et er eb y x1 x2=700 icon want tries
    timeout 60 "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1
    timeout 30 "$WINESERVER" -k 2>/dev/null
    timeout 30 "$WINESERVER" -w 2>/dev/null
    wine_notepad "$line" >/dev/null || fail "Notepad did not open at $dpi DPI"
    # The first line of Notepad's text, half a line (13 pixels at 96 DPI) below the edit box's top.
    edit=$(grep -m 1 'class="Edit"' "$wine_dir"/notepad-*.window 2>/dev/null)
    [ -n "$edit" ] || edit=$(probe windows notepad.exe | grep -m 1 'class="Edit"')
    read -r el et er eb <<<"$(rect_of "$edit")"
    y=$((et + $(scaled "$dpi" 6)))
    x1=$((el + $(scaled "$dpi" 7)))
    # The 96-DPI run also writes the developer's trace.
    if [ "$dpi" = 96 ]; then
        PLV_TRACE='C:\trace.txt' wine_bg "$work/plv-$dpi.log" 'C:\Parlevo\plv.exe'
    else
        wine_bg "$work/plv-$dpi.log" 'C:\Parlevo\plv.exe'
    fi
    probe wait-window plv.exe Parlevo 60 >/dev/null || fail "plv.exe made no main window at $dpi DPI"
    # Until the page has loaded the popup says "not connected": try again, a few times.
    for tries in 1 2 3 4 5 6 7 8 9 10; do
        wine_press 300 300
        sleep 1
        wine_drag "$x1" "$y" "$x2" "$y"
        want="$((x2 + $(scaled "$dpi" 10))),$((y - $(scaled "$dpi" 5))),"
        want+="$((x2 + $(scaled "$dpi" 26))),$((y + $(scaled "$dpi" 11)))"
        icon=
        for _ in $(seq 1 30); do
            icon=$(probe windows plv.exe | grep -E "^window .*title=\"\" rect=$want visible=1" || true)
            [ -n "$icon" ] && break
            sleep 0.1
        done
        [ -n "$icon" ] || break
        wine_press $((x2 + $(scaled "$dpi" 18))) $((y + $(scaled "$dpi" 3)))
        text=$(e2e_wait_popup "$work/popup-$dpi.windows" "*[Cc]asa*")
        case "$text" in
        *[Cc]asa*) break ;;
        "$note") sleep 2 ;;
        *) break ;;
        esac
    done
    if [ -z "$icon" ]; then
        fail "no icon of $(($(scaled "$dpi" 16))) pixels at $want after the drag at $dpi DPI"
        probe windows plv.exe | grep -E '^window .*visible=1'
        return
    fi
    pass "at $dpi DPI the floating icon is $(scaled "$dpi" 16) x $(scaled "$dpi" 16) at ${want%%,*},$((y - $(scaled "$dpi" 5)))"
    e2e_popup_still "$work/popup-$dpi.windows"
    wine_shot "$work/screen-$dpi.png"
    popup=$(grep -E '^window .*title="Form1".* visible=1' "$work/popup-$dpi.windows")
    local pl pt pr pb inside=0 outside=0 copy=no
    read -r pl pt pr pb <<<"$(rect_of "$popup")"
    popup_w=$((pr - pl))
    popup_h=$((pb - pt))
    case "$text" in
    *[Cc]asa*) pass "at $dpi DPI the popup shows \"$text\" in $popup_w x $popup_h pixels" ;;
    *) fail "at $dpi DPI the popup shows \"$text\"" ;;
    esac
    # The popup's labels (its visible children other than the text box) lie inside it.
    local child l t r b
    while IFS= read -r child; do
        read -r l t r b <<<"$(rect_of "$child")"
        if [ "$l" -ge "$pl" ] && [ "$t" -ge "$pt" ] && [ "$r" -le "$pr" ] && [ "$b" -le "$pb" ]; then
            inside=$((inside + 1))
        else
            outside=$((outside + 1))
            echo "outside the popup at $dpi DPI: $child"
        fi
        case "$child" in *'text="copy"'*) copy=yes ;; esac
    done < <(sed -n '/^window .*title="Form1".* visible=1/,/^window /p' "$work/popup-$dpi.windows" |
        grep -E '^  child .*class="ParlevoPicture".* visible=1 ')
    if [ "$copy" = yes ] && [ "$inside" -ge 3 ] && [ "$outside" -eq 0 ]; then
        pass "at $dpi DPI \"copy\", the direction and the attribution lie inside the popup"
    else
        fail "at $dpi DPI: $inside labels inside the popup, $outside outside, \"copy\" seen: $copy"
    fi
    convert "$work/screen-$dpi.png" -crop "$((popup_w + 40))x$((popup_h + 60))+$((pl - 20))+$((pt - 50))" +repage \
        "$work/popup-$dpi.png" 2>/dev/null
    wine_press 300 300
}

at 96
w96=$popup_w h96=$popup_h
# The trace has each step of the translated selection, in order, each line with its time.
steps=$(grep -v -e 'poll: no translation yet' -e '^[0-9]*\.[0-9]* +[0-9.]* tick ' "$WINEPREFIX/drive_c/trace.txt" 2>/dev/null |
    sed -n 's/^[0-9]\{10\}\.[0-9]\{6\} +[0-9]*\.[0-9]\{3\} \([a-z]*\):.*/\1/p' | uniq | tr '\n' ' ')
case "$steps" in
*"watcher capture cache engine page layout icon "*"poll engine layout "*) pass "the trace has the selection's steps: $steps" ;;
*) fail "the trace's steps: \"$steps\"" ;;
esac
# Attach mode is said once at the start, with the endpoint and what it exposes.
attach=$(grep -c "engine: attach mode: the browser whose DevTools endpoint is $DEVTOOLS .*any program on this computer can use that endpoint.*stays in that browser's history" \
    "$WINEPREFIX/drive_c/trace.txt" 2>/dev/null)
if [ "$attach" = 1 ]; then
    pass "the trace says once that the engine attaches to $DEVTOOLS and what that exposes"
else
    fail "the trace has ${attach:-no} attach-mode lines for $DEVTOOLS"
fi
at 144
# In proportion: 1.5 times the 96-DPI popup, give or take what the fonts' own hinting adds.
if [ -n "${w96:-}" ] && [ -n "${popup_w:-}" ] &&
    awk -v a="$w96" -v b="$popup_w" -v c="$h96" -v d="$popup_h" \
        'BEGIN { exit !(b / a > 1.4 && b / a < 1.6 && d / c > 1.4 && d / c < 1.6) }'; then
    pass "the 144-DPI popup is the 96-DPI one in proportion: $w96 x $h96, then $popup_w x $popup_h"
else
    fail "the popup is ${w96:-?} x ${h96:-?} at 96 DPI and ${popup_w:-?} x ${popup_h:-?} at 144"
fi
convert "$work/popup-96.png" "$work/popup-144.png" -background white -gravity north +append "$work/popups.png" \
    2>/dev/null
