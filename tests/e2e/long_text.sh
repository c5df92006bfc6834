#!/usr/bin/env bash
# A selection longer than "maxtranslen" under Wine: plv.exe (maxtranslen=20, plv-service through
# Chromium) sends only its beginning, cut at the last blank or punctuation mark within 20
# characters, and the popup shows the translation of that beginning, then " ... " and the rest
# of the selection untranslated. The rest is drawn in the "Gray" colour and the translation in
# "TextColor": the probe reads each character's colour from the popup's rich edit box (and puts
# the box's selection back). On a failure it prints what the probe saw and keeps the screenshots.
# usage: tests/e2e/long_text.sh [BIN_FOLDER] [WORK_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/mingw-x64/bin}" && pwd)
work=${2:-$(mktemp -d /tmp/e2e-flong.XXXXXX)}
source "$here/wine-env.sh"
source "$here/services.sh"
source "$here/scenario.sh"

# The line, its beginning as the program cuts it (blanks at 6, 13 and 18, a comma at 12: the
# last separator within 20 characters is the blank at 18), and the rest.
line="Hello world, this is a test of the translator."
head_text="Hello world, this "
rest="is a test of the translator."

e2e_begin "long text"
service_up "$work" || fail "plv-service did not start"
chromium_up "$work" || fail "Chromium did not start"
e2e_ini_engine 's/^maxtranslen=[^\r]*/maxtranslen=20/'
# The colours the popup should use, as #RRGGBB.
hex_colour() {
    printf '%s\n' "$ini_text" | tr -d '\r' | sed -n "s/^$1=//p" | tr ',' ' ' |
        { read -r r g b && printf '#%02X%02X%02X' "$r" "$g" "$b"; }
}
text_colour=$(hex_colour TextColor)
gray_colour=$(hex_colour Gray)
e2e_enable notepad.exe
# What the service makes of the beginning, asked directly.
translated=$(curl -s --max-time 20 -XPOST "${SERVICE_URL:-}translate" --data-urlencode "q=$head_text" \
    -d source=en -d target=es | python3 -c 'import json,sys; print(json.load(sys.stdin).get("translatedText", ""))')
translated=${translated%"${translated##*[! ]}"}
[ -n "$translated" ] || fail "plv-service gave no translation of \"$head_text\""

wine_notepad "$line" >/dev/null || fail "Notepad did not open"
wine_bg "$work/plv.log" 'C:\Parlevo\plv.exe'
probe wait-window plv.exe Parlevo 60 >/dev/null || fail "plv.exe made no main window"
wine_press 500 400
colour=$(wine_wait_pixel 1263 790 30 "#F0AA00")
[ "$colour" = "#F0AA00" ] || fail "not connected: the tray icon is $colour"

# The whole line, dragged past its end; the icon shows 10 right of and 5 above the release.
wine_drag 12 52 420 52
icon=
for _ in $(seq 1 30); do
    icon=$(probe windows plv.exe | grep -E '^window .*class="ParlevoForm" title="" rect=430,47,446,63 visible=1' || true)
    [ -n "$icon" ] && break
    sleep 0.1
done
if [ -z "$icon" ]; then
    fail "no floating icon after the drag"
    probe notepad-text
    probe windows plv.exe | grep -E '^window .*visible=1'
fi
wine_press 438 55
popup=$(e2e_wait_popup "$work/popup.windows" '*" ... "*')
e2e_popup_still "$work/still.windows"
wine_shot "$work/popup.png"

# 1. The text: the translation of the beginning, " ... ", the rest as it was selected.
expected="$translated ... $rest"
if [ "$popup" = "$expected" ]; then
    pass "the popup shows \"$popup\""
else
    fail "the popup shows \"$popup\", not \"$expected\""
    cat "$work/popup.windows"
fi

# 2. The colours: the translation in TextColor, then from " ... " to the end in Gray.
probe rich-colors plv.exe >"$work/colours.txt"
cat "$work/colours.txt"
gray_start=${#translated}
length=${#expected}
want="run start=0 length=$gray_start color=$text_colour
run start=$gray_start length=$((length - gray_start)) color=$gray_colour"
got=$(grep '^run ' "$work/colours.txt" | sed 's/ auto=[01]$//')
if [ "$got" = "$want" ] && grep -q '^restored .* ok=1$' "$work/colours.txt"; then
    pass "the translation is drawn in $text_colour and \" ... $rest\" in $gray_colour"
else
    fail "the colours of the popup's text are not the translation's then Gray's; wanted:"
    echo "$want"
fi
