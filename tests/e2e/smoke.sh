#!/usr/bin/env bash
# The real plv.exe under Wine, watched from outside: it starts silently with its tray icon; a
# second copy ends at once; a drag across Notepad's text shows the 16 x 16 floating icon beside
# the pointer; a press on it opens the popup with the not-connected text (no engine); a press
# elsewhere closes both; the user's clipboard (text, a registered format, a DIB, an enhanced
# metafile) is exactly as it was. Then, with plv-service and Chromium as the engine, the icon
# turns to the connected colour, the popup shows the translation and "copy" copies it. On a
# failure it prints what the probe saw and keeps the screenshots in the work folder.
# usage: tests/e2e/smoke.sh [BIN_FOLDER] [WORK_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/mingw-x64/bin}" && pwd)
work=${2:-$(mktemp -d /tmp/plv-smoke.XXXXXX)}
source "$here/wine-env.sh"
source "$here/services.sh"
source "$here/scenario.sh"

e2e_begin smoke
# The shipped settings without an engine: the page never loads, the popup says so.
e2e_ini "" "browser=none"
e2e_enable notepad.exe

# Notepad in front, with a known text, and the user's clipboard: Unicode text, a registered
# format, a DIB and an enhanced metafile (and what Windows makes from them).
wine_notepad "Hello world, this is a test of the translator." >/dev/null || fail "Notepad did not open"
probe clipboard-set "text=my own text Мой 😀" "format=Parlevo.Smoke:0102030405" dib=5x3 emf >/dev/null ||
    fail "clipboard-set"
# Every format and its contents, by format: the text format that Windows made is put back rather
# than made again, so it may move in the list.
clipboard_now() { probe clipboard | grep -v '^clipboard seq=' | sort; }
clip_before=$(clipboard_now)
# What the capture gives back is marked so that clipboard history does not record it again.
history_mark='name="ExcludeClipboardContentFromMonitorProcessing" size=4 '
unmarked() { grep -v -F "$history_mark" <<<"$1"; }

# 1. Start-up: nothing shown (every window hidden), then a second copy ends at once, silently.
wine_bg "$work/plv.log" 'C:\Parlevo\plv.exe'
plv_pid=$!
probe wait-window plv.exe Parlevo 60 >/dev/null || fail "plv.exe made no main window"
sleep 1
probe windows plv.exe >"$work/start.windows"
if grep -E '^window .*class="ParlevoForm".* visible=1' "$work/start.windows"; then
    fail "plv.exe showed a window at start"
else
    pass "starts with nothing shown"
fi
wine_shot "$work/1-start.png"
start=$(date +%s%N)
timeout 60 "$WINE64" 'C:\Parlevo\plv.exe' >"$work/second.log" 2>&1
code=$?
ms=$((($(date +%s%N) - start) / 1000000))
if [ $code -ne 0 ]; then
    fail "a second copy ended with $code"
elif probe msgbox plv.exe >/dev/null 2>&1; then
    fail "a second copy showed a message box"
else
    pass "a second copy ends at once with code 0 (${ms} ms)"
fi
[ "$(probe windows plv.exe | grep -c '^process ')" -eq 1 ] || fail "more than one plv.exe runs"

# 2. A drag across Notepad's text: the floating icon beside the pointer (10 right, 5 up).
wine_press 300 300  # Notepad in front, nothing selected
sleep 1
wine_drag 12 52 200 52
icon=
for _ in $(seq 1 30); do
    icon=$(probe windows plv.exe | grep -E '^window .*class="ParlevoForm" title="" rect=[0-9-]+,[0-9-]+,[0-9-]+,[0-9-]+ visible=1' || true)
    [ -n "$icon" ] && break
    sleep 0.1
done
wine_shot "$work/2-icon.png"
if [ -z "$icon" ]; then
    fail "no floating icon after the drag"
    probe windows plv.exe
    probe notepad-text
elif ! grep -q 'rect=210,47,226,63 ' <<<"$icon"; then
    fail "the icon is not 16 x 16 at 210,47: $icon"
else
    pass "the floating icon shows beside the pointer: ${icon%% alpha*}"
fi
grep -q 'noactivate=1' <<<"$icon" || fail "the icon may take the activation"
probe foreground | grep -q 'exe="notepad.exe"' || fail "Notepad lost the foreground: $(probe foreground)"
clip_after=$(clipboard_now)
if [ "$(unmarked "$clip_after")" != "$clip_before" ]; then
    fail "the clipboard changed"
    echo "before:"; echo "$clip_before"; echo "after:"; echo "$clip_after"
elif ! grep -q -F "$history_mark" <<<"$clip_after"; then
    fail "the clipboard given back is not marked for clipboard history"
else
    pass "the clipboard is exactly as it was (text, a registered format, a DIB, a metafile), marked for history"
fi

# 3. A press on the icon opens the popup below it with the not-connected text.
wine_press 218 55
expected=$(printf '%s\n' "$ini_text" | tr -d '\r' | sed -n 's/^NotConnectedStr=//p')
popup=$(e2e_wait_popup "$work/popup.windows" "$expected")
e2e_popup_still "$work/popup.windows"
wine_shot "$work/3-popup.png"
if [ "$popup" = "$expected" ]; then
    pass "the popup is open with \"$expected\""
else
    fail "no popup with the not-connected text"
    cat "$work/popup.windows"
fi
probe foreground | grep -q 'exe="notepad.exe"' || fail "Notepad lost the foreground to the popup"

# 4. A press elsewhere in Notepad closes both.
wine_press 500 400
sleep 1
if probe windows plv.exe | grep -E '^window .*class="ParlevoForm".* visible=1'; then
    fail "the icon or the popup stayed open"
else
    pass "a press elsewhere closes the icon and the popup"
fi
wine_shot "$work/4-closed.png"
clip_end=$(clipboard_now)
[ "$(unmarked "$clip_end")" == "$clip_before" ] || fail "the clipboard changed by the end"

# 5. With a real service page: plv-service and Chromium (the attach engine). The tray icon turns
# from grey to the connected colour, the popup shows Apertium's translation, and "copy" puts it
# on the clipboard.
if [ "${PLV_SMOKE_TRANSLATE:-1}" = 1 ]; then
    kill "$plv_pid" 2>/dev/null
    wine_wait_gone "$plv_pid" 20
    service_up "$work" || fail "plv-service did not start"
    chromium_up "$work" || fail "Chromium did not start"
    # The settings' attribution differs from the page's credit, which must win.
    e2e_ini_engine "s|^googlelabel=[^\r]*|googlelabel=Credit from the settings|"
    wine_bg "$work/plv2.log" 'C:\Parlevo\plv.exe'
    probe wait-window plv.exe Parlevo 60 >/dev/null || fail "plv.exe did not start again"
    # Orange when Notepad is the watched application, blue when nothing is watched yet.
    colour=$(wine_wait_pixel 1263 790 20 "#F0AA00" "#00A8FF")
    wine_shot "$work/5-connected.png"
    case "$colour" in
    "#F0AA00" | "#00A8FF") pass "the tray icon turns from grey to $colour once the page is up" ;;
    *) fail "the tray icon is $colour, not the connected colour" ;;
    esac
    wine_press 300 300
    sleep 1
    start=$(date +%s%N)
    # The whole line this time: a popup wide enough for its row of links.
    wine_drag 12 52 336 52
    for _ in $(seq 1 30); do
        probe windows plv.exe | grep -qE '^window .*title="" rect=346,47,362,63 visible=1' && break
        sleep 0.1
    done
    wine_press 354 55
    translation=$(e2e_wait_popup "$work/translated.windows" '*[Mm]undo*')
    ms=$((($(date +%s%N) - start) / 1000000))
    # The popup glides to the size of the translation: wait until it stands still.
    e2e_popup_still "$work/translated.windows"
    wine_shot "$work/6-translated.png"
    case "$translation" in
    *[Mm]undo*) pass "the popup shows the translation \"$translation\" (${ms} ms from the drag)" ;;
    *)
        fail "no translation in the popup (\"$translation\")"
        cat "$work/translated.windows"
        ;;
    esac
    if grep -qE 'class="ParlevoPicture".* visible=1 .*text="Powered by Apertium"' "$work/translated.windows"; then
        pass "the popup credits the engine the page names: \"Powered by Apertium\""
    else
        fail "the popup does not credit the page's engine"
        grep ParlevoPicture "$work/translated.windows"
    fi
    copy=$(grep -E 'class="ParlevoPicture".* visible=1 .*text="copy"' "$work/translated.windows" |
        sed -n 's/.* rect=\([0-9-]*\),\([0-9-]*\),\([0-9-]*\),\([0-9-]*\) .*/\1 \2 \3 \4/p')
    if [ -n "$copy" ]; then
        read -r l t r b <<<"$copy"
        wine_press $(((l + r) / 2)) $(((t + b) / 2))
        sleep 1
        copied=$(probe clipboard-text)
        if [ "$copied" = "$translation" ]; then
            pass "\"copy\" puts the translation on the clipboard"
        else
            fail "\"copy\" left \"$copied\" on the clipboard"
        fi
    else
        fail "no visible \"copy\" label in the popup"
    fi
fi
