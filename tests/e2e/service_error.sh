#!/usr/bin/env bash
# A translation service that refuses the user's key, under Wine: plv.exe with its bundled service
# ("serviceurl=bundled"), the user's %APPDATA%\Parlevo\plv-service.conf sending en-es to DeepL
# with a key, and DeepL a stand-in on this machine that answers every request as DeepL answers a
# key it does not know (403 and its JSON error). A Notepad selection and a press on the icon: the
# popup shows the service's "refused the key" message long before "servertimeout", all of it in
# the "Gray" colour, with no attribution; the same selection again reaches the stand-in again
# (an error is never cached) and shows the message again.
# usage: tests/e2e/service_error.sh [BIN_FOLDER] [WORK_FOLDER] (BIN_FOLDER also holds
# plv-service.exe and engine\, as scripts/stage-windows puts them there)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/mingw-x64/bin}" && pwd)
work=${2:-$(mktemp -d /tmp/e2e-ferror.XXXXXX)}
source "$here/wine-env.sh"
source "$here/services.sh"
source "$here/scenario.sh"

e2e_begin "service error" plv-service.exe
cp -r "$bin/engine" "$app/" || fail "$bin/engine is missing"
chromium_up "$work" || fail "Chromium did not start"
# Far beyond the few seconds a refusal takes, so that the time-out text cannot be mistaken for it.
timeout_s=30
e2e_ini "s/^servertimeout=[^\r]*/servertimeout=$timeout_s/" "browser=$DEVTOOLS"
e2e_enable notepad.exe
gray_colour=$(printf '%s\n' "$ini_text" | tr -d '\r' | sed -n 's/^Gray=//p' | tr ',' ' ' |
    { read -r r g b && printf '#%02X%02X%02X' "$r" "$g" "$b"; })

# DeepL, which knows another key than the one the user set: it refuses it (403, in its own words).
e2e_deepl e2e-accepted-key
requests() { grep -c '^request /v2/translate DeepL-Auth-Key e2e-refused-key$' "$work/deepl.log"; }

# The user's own service settings, in the roaming profile of the prefix's user.
user_dir=$(ls -d "$WINEPREFIX"/drive_c/users/*/ | grep -v '/Public/$' | head -n 1)
mkdir -p "${user_dir}AppData/Roaming/Parlevo"
printf 'route.en-es = deepl\ndeepl_key = e2e-refused-key\ndeepl_url = http://127.0.0.1:%s\n' \
    "$DEEPL_PORT" >"${user_dir}AppData/Roaming/Parlevo/plv-service.conf"

wine_notepad "The house is big." >/dev/null || fail "Notepad did not open"
wine_bg "$work/plv.log" 'C:\Parlevo\plv.exe'
probe wait-window plv.exe Parlevo 60 >/dev/null || fail "plv.exe made no main window"
colour=$(wine_wait_pixel 1263 790 60 "#F0AA00" "#00A8FF") ||
    fail "not connected: the tray icon is $colour (the service's log: $(cat "${user_dir}"AppData/Local/Parlevo/plv-service.log 2>/dev/null | tail -n 5))"

# 1. The selection: the service's refusal, read by the probe, in a few seconds.
start=$SECONDS
text=$(e2e_translate 140 "$work/first.windows" "*refused the key*")
took=$((SECONDS - start))
e2e_popup_still "$work/first-still.windows"
wine_shot "$work/1-refused.png"
case "$text" in
*"DeepL refused the key"*)
    if [ "$took" -lt $((timeout_s / 2)) ]; then
        pass "the popup shows \"$text\", $took s after the selection (servertimeout $timeout_s s)"
    else
        fail "the refusal took $took s to show (servertimeout $timeout_s s)"
    fi
    ;;
*)
    fail "the popup shows \"$text\", not DeepL's refusal"
    cat "$work/first.windows"
    ;;
esac
[ "$(requests)" = 1 ] && pass "the stand-in was asked once, with the key" ||
    fail "the stand-in was asked $(requests) times: $(cat "$work/deepl.log")"

# 2. All of it in Gray, and no attribution under it.
probe rich-colors plv.exe >"$work/colours.txt"
got=$(grep '^run ' "$work/colours.txt" | sed 's/ auto=[01]$//')
if [ "$got" = "run start=0 length=${#text} color=$gray_colour" ] && grep -q '^restored .* ok=1$' "$work/colours.txt"; then
    pass "the message is drawn in Gray ($gray_colour)"
else
    fail "the message's colours are not Gray ($gray_colour) alone:"
    cat "$work/colours.txt"
fi
if grep -qE 'class="ParlevoPicture".* visible=1 .*text="Powered by' "$work/first-still.windows"; then
    fail "an attribution shows under the message"
else
    pass "no attribution shows under the message"
fi

# 3. The same selection again is not served from the cache: it reaches DeepL again.
wine_press 500 400
text=$(e2e_translate 140 "$work/again.windows" "*refused the key*")
case "$text" in
*"DeepL refused the key"*) [ "$(requests)" = 2 ] && pass "the same selection asks the service again and shows \"$text\"" ||
    fail "the same selection made $(requests) requests in all, not 2" ;;
*) fail "the second time the popup shows \"$text\"" ;;
esac
wine_press 500 400
