#!/usr/bin/env bash
# Parlevo as a Windows user gets it: plv.exe with the shipped settings ("serviceurl=bundled")
# starts plv-service.exe from its own folder with the offline engine beside it. A Notepad
# selection is translated ("The house is big." gives "La casa es grande.") by that service: the
# page's address has the port plv.exe asked the service for (the user's own), which answers with
# the page's key alone, and the page ends when the service is killed (other translation servers
# may run on this machine); its key is on no command line; a second plv.exe starts no second
# service; when the service is killed the tray icon greys at once and the next reconnect starts it
# again, translating; when the browser showing the page is killed and started again, the next
# selection says "not connected" at once and the next reconnect brings the page back; when plv.exe
# ends, the service ends with it; started again, with the user's own service settings sending
# en-es to DeepL (a stand-in here), its service has the same port and the popup shows DeepL's
# translation, credited to it; with another program listening on that port, the service runs on
# another one and plv.exe connects all the same.
# usage: tests/e2e/bundled.sh BIN_FOLDER WORK_FOLDER (BIN_FOLDER also holds plv-service.exe and
# engine\, as scripts/stage-windows puts them there)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/mingw-x64/bin}" && pwd)
work=${2:-$(mktemp -d /tmp/plv-bundled.XXXXXX)}
source "$here/wine-env.sh"
source "$here/services.sh"
source "$here/scenario.sh"

# A user name of this run's own: the port plv.exe asks for comes from the user's profile folder,
# which in another test's Wine prefix on this machine would have the same name.
export USER=plv-e2e-$$
e2e_begin bundled plv-service.exe
cp -r "$bin/engine" "$app/" || fail "$bin/engine is missing"
chromium_up "$work" || fail "Chromium did not start"
# The shipped settings as they are, with Chromium to show the page (Wine has no HTML engine).
e2e_ini "s/^CheckConnectionInterval=[^\r]*/CheckConnectionInterval=3/" "browser=$DEVTOOLS"
e2e_enable notepad.exe

# The Unix processes of this prefix whose command line matches a pattern: other tests, and other
# translation servers, may run theirs on this machine.
prefix_pids() {
    local p
    for p in $(pgrep -f "$1"); do
        tr '\0' '\n' 2>/dev/null </proc/"$p"/environ | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$p"
    done
}
# The Unix pids of the bundled service's processes (Wine names them by their Windows path).
service_pids() { prefix_pids 'Parlevo.plv-service\.exe'; }
wine_notepad "The house is big." >/dev/null || fail "Notepad did not open"
start=$(date +%s%N)
wine_bg "$work/plv.log" 'C:\Parlevo\plv.exe'
plv_pid=$!
probe wait-window plv.exe Parlevo 60 >/dev/null || fail "plv.exe made no main window"
colour=$(wine_wait_pixel 1263 790 60 "#F0AA00" "#00A8FF")
ms=$((($(date +%s%N) - start) / 1000000))
case "$colour" in
"#F0AA00" | "#00A8FF") pass "the tray icon turns to the connected colour $ms ms after plv.exe started" ;;
*) fail "the tray icon is $colour, not the connected colour (the service's log: $(cat "$WINEPREFIX"/drive_c/users/*/AppData/Local/Parlevo/plv-service.log 2>/dev/null | tail -n 5))" ;;
esac

# 1. What runs: one service, on a port it chose, with no key on its command line.
pids=$(service_pids)
if [ "$(wc -w <<<"$pids")" -ne 1 ]; then
    fail "not one plv-service.exe runs: ${pids:-none}"
else
    cmdline=$(tr '\0' ' ' </proc/"$pids"/cmdline)
    first_port=$(grep -oE -- '--port [0-9]+' <<<"$cmdline" | cut -d' ' -f2)
    if grep -qE '[0-9a-f]{32}' <<<"$cmdline"; then
        fail "the key is on the service's command line: $cmdline"
    else
        pass "plv-service.exe runs with no key on its command line ($cmdline)"
    fi
fi

# 2. A selection is translated by the bundled engine.
text=$(e2e_translate 140 "$work/first.windows" "La casa es grande.*")
e2e_popup_still "$work/first-still.windows"
wine_shot "$work/1-translated.png"
case "$text" in
"La casa es grande."*) pass "the popup shows \"$text\"" ;;
*)
    fail "no translation in the popup (\"$text\")"
    cat "$work/first.windows"
    ;;
esac
wine_press 500 400
# The page Parlevo drives, as the browser names it: http://127.0.0.1:PORT/key/KEY/?dir=en-es.
page=$(curl -s --max-time 10 "$DEVTOOLS/json/list" | grep -o 'http://127\.0\.0\.1:[0-9]*/key/[^/"]*/' | head -n 1)
page_port=$(sed -n 's|http://127\.0\.0\.1:\([0-9]*\)/.*|\1|p' <<<"$page")
keyed=$(curl -s --max-time 20 -XPOST "${page}translate" --data-urlencode 'q=The house is big.' -d 'source=en&target=es')
if [ -n "$page_port" ] && [ "$page_port" = "$first_port" ] && [ "$page_port" != 0 ] &&
    grep -q '"translatedText":"La casa es grande."' <<<"$keyed" &&
    [ "$(curl -s -o /dev/null -w '%{http_code}' --max-time 20 -XPOST "http://127.0.0.1:$page_port/translate" \
        -d 'q=house&source=en&target=es')" = 403 ]; then
    pass "the page's service, on the port it was asked for ($page_port), translates with the page's key and refuses others"
else
    fail "the page's service (\"$page\", asked for port ${first_port:-?}) is not a keyed plv-service: $keyed"
fi

# 3. A second plv.exe ends at once and starts no second service.
timeout 60 "$WINE64" 'C:\Parlevo\plv.exe' >"$work/second.log" 2>&1
sleep 1
[ "$(service_pids | wc -w)" -eq 1 ] && pass "a second plv.exe starts no second service" ||
    fail "a second plv.exe left $(service_pids | wc -w) services running"

# 4. The service is killed: the icon greys at once; the next reconnect starts a new one.
kill -9 $(service_pids) 2>/dev/null
gone=
for _ in $(seq 1 25); do
    colour=$(wine_pixel 1263 790)
    case "$colour" in
    "#F0AA00" | "#00A8FF") sleep 0.2 ;;
    *) gone=$colour && break ;;
    esac
done
[ -n "$gone" ] && pass "the tray icon leaves the connected colour when the service ends ($gone)" ||
    fail "the tray icon stays $colour after the service ended"
# The popup's translation came from the killed service: its page no longer translates (the next
# service takes the same port, with another key).
keyed_status() {
    curl -s -o /dev/null -w '%{http_code}' --max-time 5 -XPOST "${page}translate" -d 'q=house&source=en&target=es'
}
for _ in $(seq 1 50); do
    [ "$(keyed_status)" = 200 ] || break
    sleep 0.1
done
if [ -n "$page_port" ] && [ "$(keyed_status)" != 200 ]; then
    pass "the page under port $page_port and its key ended with the bundled service: the page was its"
else
    fail "the page ${page:-?} still translates after the bundled service was killed"
fi
wine_shot "$work/2-service-gone.png"
colour=$(wine_wait_pixel 1263 790 40 "#F0AA00" "#00A8FF")
case "$colour" in
"#F0AA00" | "#00A8FF") pass "a new service is started and connected ($(service_pids | wc -w) running)" ;;
*) fail "no reconnection after the service ended: the tray icon is $colour" ;;
esac
text=$(e2e_translate 140 "$work/again.windows" "La casa es grande.*")
case "$text" in
"La casa es grande."*) pass "the new service translates: \"$text\"" ;;
*) fail "no translation from the new service (\"$text\")" ;;
esac
wine_press 500 400

# 5. The browser that shows the page is killed and started again on its port: the next selection
#    finds the page gone, the tray icon leaves the connected colour at once (not after the
#    time-out), the popup says so, and the next reconnect brings the page back.
port=${DEVTOOLS##*:}
kill -9 "$CHROMIUM_PID" 2>/dev/null
wine_wait_gone "$CHROMIUM_PID" 10
chromium_up "$work" "$port" || fail "Chromium did not start again on $port"
case "$(wine_pixel 1263 790)" in
"#F0AA00" | "#00A8FF") ;;
*) fail "the tray icon is not the connected colour before the selection" ;;
esac
note=$(printf '%s\n' "$ini_text" | tr -d '\r' | sed -n 's/^NotConnectedStr=//p')
# The tray icon is read all along the selection: on a busy machine the popup can take longer to
# read than the reconnect timer (3 s here) takes to bring the page back and the colour with it.
(while :; do wine_pixel 1263 790; done) >"$work/engine-gone.colours" 2>/dev/null &
sampler=$!
# A part of the line, so that the translation is not in the program's cache.
text=$(e2e_translate 100 "$work/engine-gone.windows" "$note")
kill "$sampler" 2>/dev/null
wait "$sampler" 2>/dev/null
colour=$(grep -m 1 -vE '^(#F0AA00|#00A8FF)?$' "$work/engine-gone.colours")
if [ "$text" = "$note" ] && [ -n "$colour" ]; then
    pass "a page whose browser died is noticed: \"$text\", the tray icon $colour"
else
    fail "after the browser died: the popup shows \"$text\", the tray icon $(sort -u "$work/engine-gone.colours" | tr '\n' ' ')"
fi
wine_press 500 400
colour=$(wine_wait_pixel 1263 790 40 "#F0AA00" "#00A8FF")
text=$(e2e_translate 100 "$work/engine-back.windows" "*[Cc]asa*")
case "$colour $text" in
"#F0AA00 "*[Cc]asa* | "#00A8FF "*[Cc]asa*) pass "reconnected to the new browser, which translates: \"$text\"" ;;
*) fail "after the browser came back: the tray icon is $colour, the popup shows \"$text\"" ;;
esac
wine_press 500 400

# 6. plv.exe ends: its job takes the service with it, and the service's jobs its engine.
engine_pids() { prefix_pids '^(lt-proc|lrx-proc|apertium-[a-z-]+) '; }
[ -n "$(engine_pids)" ] || fail "no engine process ran before the end"
kill "$plv_pid" 2>/dev/null
wine_wait_gone "$plv_pid" 20
for _ in $(seq 1 100); do
    [ -z "$(service_pids)$(engine_pids)" ] && break
    sleep 0.1
done
if [ -z "$(service_pids)$(engine_pids)" ]; then
    pass "the service and its engine's processes end with plv.exe"
else
    fail "outlived plv.exe: service $(service_pids), engine $(engine_pids)"
fi

# 7. The user's own service settings, %APPDATA%\Parlevo\plv-service.conf, send en-es to DeepL (a
#    stand-in on this machine that takes only DeepL's request with the key): plv.exe started
#    again shows its translation, credited to DeepL.
e2e_deepl e2e-key:fx EN-ES
roaming=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming | grep -v /Public/ | head -n 1)
mkdir -p "$roaming/Parlevo"
printf 'route.en-es = deepl\ndeepl_key = e2e-key:fx\ndeepl_url = http://127.0.0.1:%s\n' \
    "$DEEPL_PORT" >"$roaming/Parlevo/plv-service.conf"
wine_bg "$work/plv3.log" 'C:\Parlevo\plv.exe'
plv_pid=$!
colour=$(wine_wait_pixel 1263 790 60 "#F0AA00" "#00A8FF")
# Started again, plv.exe asks for the same port, and the service listens there.
cmdline=$(tr '\0' ' ' </proc/"$(service_pids | head -n 1)"/cmdline 2>/dev/null)
again_port=$(grep -oE -- '--port [0-9]+' <<<"$cmdline" | cut -d' ' -f2)
if [ -n "$again_port" ] && [ "$again_port" = "$page_port" ] &&
    [ "$(curl -s -o /dev/null -w '%{http_code}' --max-time 5 "http://127.0.0.1:$again_port/")" = 403 ]; then
    pass "plv.exe started again has its service on the same port, $again_port"
else
    fail "plv.exe started again runs \"$cmdline\", not on port ${page_port:-?}"
fi
if e2e_deepl_popup "$work/3-deepl.png"; then
    pass "with the user's service settings the popup shows \"$DEEPL_TEXT\", powered by DeepL"
else
    fail "with DeepL routed: the tray icon is $colour, the popup shows \"$DEEPL_TEXT\""
    grep ParlevoPicture "$work/deepl.windows"
fi
kill "$plv_pid" 2>/dev/null
wine_wait_gone "$plv_pid" 20
kill "$DEEPL_PID" 2>/dev/null
rm -f "$roaming/Parlevo/plv-service.conf"

# 8. Another program listens on the user's port: plv.exe's service cannot, and is started again on
#    a port it picks, which the page then uses.
#    The last service may still be ending, and its closed connections linger a while: the other
#    program tries for 20 s.
python3 -c 'import socket, sys, time
s = socket.socket()
s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
for _ in range(200):
    try:
        s.bind(("127.0.0.1", int(sys.argv[1])))
        break
    except OSError:
        time.sleep(0.1)
else:
    sys.exit("port in use")
s.listen()
print("listening", flush=True)
time.sleep(300)' "$page_port" >"$work/squatter.log" 2>&1 &
wine_pids+=($!)
squatter=$!
wine_wait_file "$work/squatter.log" 25 && grep -qx listening "$work/squatter.log" ||
    fail "nothing could listen on port $page_port: $(cat "$work/squatter.log")"
wine_bg "$work/plv4.log" 'C:\Parlevo\plv.exe'
plv_pid=$!
colour=$(wine_wait_pixel 1263 790 60 "#F0AA00" "#00A8FF")
cmdline=$(tr '\0' ' ' </proc/"$(service_pids | head -n 1)"/cmdline 2>/dev/null)
other=$(curl -s --max-time 10 "$DEVTOOLS/json/list" | grep -o 'http://127\.0\.0\.1:[0-9]*/key/' |
    sed 's|http://127\.0\.0\.1:\([0-9]*\)/.*|\1|' | grep -vx "$page_port" | head -n 1)
case "$colour" in "#F0AA00" | "#00A8FF") connected=yes ;; *) connected=no ;; esac
if [ "$connected" = yes ] && grep -q -- '--port 0 ' <<<"$cmdline" && [ -n "$other" ]; then
    pass "with port $page_port taken, the service runs on port $other and plv.exe connects"
else
    fail "with port $page_port taken: the tray icon is $colour, the service runs \"$cmdline\", page ports: ${other:-none}"
fi
kill "$plv_pid" "$squatter" 2>/dev/null
wine_wait_gone "$plv_pid" 20
