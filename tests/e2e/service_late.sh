#!/usr/bin/env bash
# The real plv.exe under Wine started while its translation service is down: Chromium (the
# attach engine) runs, but nothing listens where "serviceurl" points, so the tray icon stays grey
# through several reconnect attempts (CheckConnectionInterval=2); once plv-service starts on that
# port, the next attempt finds the page and the icon turns orange within a few seconds. Watched
# from outside through the tray icon's colour; on a failure the screenshots stay in the work folder.
# usage: tests/e2e/service_late.sh [BIN_FOLDER] [WORK_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/mingw-x64/bin}" && pwd)
work=${2:-$(mktemp -d /tmp/e2e-flate.XXXXXX)}
source "$here/wine-env.sh"
source "$here/services.sh"
source "$here/scenario.sh"

GREY="#808080" ORANGE="#F0AA00" BLUE="#00A8FF"
e2e_begin "service late"
chromium_up "$work" || fail "Chromium did not start"
port=$(free_port) || fail "no free port found"
e2e_ini "s|^serviceurl=[^\r]*|serviceurl=http://127.0.0.1:$port/|;s/^CheckConnectionInterval=[^\r]*/CheckConnectionInterval=2/" \
    "browser=${DEVTOOLS:-}"
e2e_enable notepad.exe

# Notepad in front and enabled, so that "connected" shows as orange.
wine_notepad "Hello world." >/dev/null || fail "Notepad did not open"
wine_bg "$work/plv.log" 'C:\Parlevo\plv.exe'
probe wait-window plv.exe Parlevo 60 >/dev/null || fail "plv.exe made no main window"
wine_press 300 300

# 1. Nothing on the port: grey for 6 s, three reconnect intervals (sampled every ~0.3 s).
wine_wait_pixel 1263 790 10 "$GREY" "$ORANGE" "$BLUE" >/dev/null
colours=
end=$((SECONDS + 6))
while [ $SECONDS -lt $end ]; do
    colours+="$(wine_pixel 1263 790) "
    sleep 0.2
done
wine_shot "$work/1-down.png"
seen=$(tr ' ' '\n' <<<"$colours" | grep . | sort -u | tr '\n' ' ')
if [ "$seen" = "$GREY " ]; then
    pass "the icon stays grey for 6 s while nothing listens on port $port"
else
    fail "with the service down the tray slot showed: $seen"
fi

# 2. plv-service starts on that port: orange within a few seconds (one interval, plus the page).
start=$(date +%s%N)
service_up "$work" "$port" || fail "plv-service did not start on port $port"
up_ms=$((($(date +%s%N) - start) / 1000000))
colour=$(wine_wait_pixel 1263 790 15 "$ORANGE")
ms=$((($(date +%s%N) - start) / 1000000))
wine_shot "$work/2-up.png"
if [ "$colour" = "$ORANGE" ] && [ $ms -le 10000 ]; then
    pass "the icon turns orange ${ms} ms after plv-service was started (it answered after ${up_ms} ms)"
else
    fail "the icon is $colour ${ms} ms after plv-service was started (it answered after ${up_ms} ms)"
    probe foreground
fi
