#!/usr/bin/env bash
# plv.exe under Wine with bad input: a settings file with a missing key, a bad colour, a service
# address that is not http(s), or locked by another program gives one message box naming the file, the key and the value, and exit code
# 2 once it is pressed; a missing checksum library, or one without its export, changes nothing a
# user sees (the program runs and offers its icon). Watched from outside by the probe.
# usage: tests/e2e/bad_input.sh [BIN_FOLDER] [WORK_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/mingw-x64/bin}" && pwd)
work=${2:-$(mktemp -d /tmp/plv-bad.XXXXXX)}
source "$here/wine-env.sh"
source "$here/scenario.sh"

e2e_begin "bad input"

install() {
    cp "$bin/plv.exe" "$bin/hash2.dll" "$app/"
    rm -f "$app/plv.ini"
}

# expect_box NAME TEXT_PART...: plv.exe shows one message box holding every part; pressing OK
# ends it with code 2.
expect_box() {
    local name=$1
    shift
    wine_bg "$work/$name.log" 'C:\Parlevo\plv.exe'
    local pid=$!
    if ! probe wait-window plv.exe '#32770' 30 visible >/dev/null; then
        fail "$name: no message box"
        probe windows plv.exe
        return
    fi
    local box
    box=$(probe msgbox plv.exe)
    wine_shot "$work/$name.png"
    local ok=1 part
    grep -q 'title="Parlevo"' <<<"$box" || ok=0
    for part in "$@"; do
        grep -qF -- "$part" <<<"$box" || { ok=0; echo "missing: $part"; }
    done
    probe click plv.exe 1 >/dev/null
    wine_wait_gone "$pid" 20
    wait "$pid"
    local code=$?
    if [ $ok -eq 1 ] && [ $code -eq 2 ]; then
        pass "$name: one message box naming what is wrong, exit code 2"
    else
        fail "$name: exit code $code; the box: $box"
    fi
}

install
e2e_ini '/^Color=/d'
expect_box "missing key" 'C:\\Parlevo\\plv.ini' 'no line for the key \"Color\"'

install
e2e_ini 's/^TextColor=[^\r]*/TextColor=12,x,4/'
expect_box "bad colour" 'C:\\Parlevo\\plv.ini' 'the key \"TextColor\" has the value \"12,x,4\"'

install
e2e_ini 's/^servertimeout=[^\r]*/servertimeout=1e30/'
expect_box "huge number" 'the key \"servertimeout\" has the value \"1e30\"'

install
e2e_ini 's|^serviceurl=[^\r]*|serviceurl=file:///C:/windows/win.ini|'
expect_box "file address" 'the key \"serviceurl\" has the value \"file:///C:/windows/win.ini\"'

install
e2e_ini
probe lock 'C:\Parlevo\plv.ini' 30 >"$work/lock.out" &
locker=$!
wine_wait_file "$work/lock.out" 30
expect_box "locked settings file" 'C:\\Parlevo\\plv.ini' 'is missing or cannot be read'
kill "$locker" 2>/dev/null
wait "$locker" 2>/dev/null

# The checksum library missing, or a DLL of that name without its export: the program runs.
for variant in missing no-export; do
    install
    e2e_ini
    if [ $variant = missing ]; then
        rm -f "$app/hash2.dll"
    else
        cp "$WINEPREFIX/drive_c/windows/system32/version.dll" "$app/hash2.dll"
    fi
    wine_bg "$work/$variant.log" 'C:\Parlevo\plv.exe'
    pid=$!
    sleep 3
    if wine_alive "$pid" && ! probe msgbox plv.exe >/dev/null 2>&1 &&
        probe windows plv.exe | grep -q 'title="Parlevo"'; then
        pass "checksum library $variant: the program runs, nothing shown"
    else
        fail "checksum library $variant"
    fi
    kill "$pid" 2>/dev/null
    timeout 20 "$WINESERVER" -k 2>/dev/null
    wait "$pid" 2>/dev/null
done
