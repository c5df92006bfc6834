# Sourced by the benchmarks (after tests/e2e/wine-env.sh and services.sh, with wine_up and
# chromium_up done): plv.exe's start to its first translation with the service it starts itself.
#
# startup_to_translation APP_DIR BIN_DIR WORK: APP_DIR (under the Wine prefix, C:\Parlevo) gets
# BIN_DIR's plv.exe with plv-service.exe and engine\ beside it and the shipped settings (Chromium
# as the engine: Wine has no HTML engine). Notepad shows "The house is big."; plv.exe starts;
# once the tray icon shows the connection a selection is made and the icon pressed at once, and
# the time to the translation in the popup is printed with the time to the icon connected.
startup_to_translation() {
    local app=$1 bin=$2 work=$3 start colour connected text translated
    cp "$bin/plv.exe" "$bin/hash2.dll" "$bin/plv-service.exe" "$app/" || return 1
    rm -rf "$app/engine" && cp -r "$bin/engine" "$app/" || return 1
    iconv -f UTF-16LE -t UTF-8 "$bin/plv.ini" | { cat; printf 'browser=%s\r\n' "$DEVTOOLS"; } |
        iconv -f UTF-8 -t UTF-16LE >"$app/plv.ini"
    timeout 60 "$WINE64" reg add 'HKCU\Software\Parlevo\plv\Applications' /v notepad.exe /d -1 /f >/dev/null 2>&1
    wine_notepad "The house is big." >/dev/null || return 1
    wine_press 300 300
    sleep 1
    start=$(date +%s%N)
    wine_bg "$work/plv-startup.log" 'C:\Parlevo\plv.exe'
    startup_pid=$!
    colour=$(wine_wait_pixel 1263 790 60 "#F0AA00" "#00A8FF")
    connected=$((($(date +%s%N) - start) / 1000000))
    wine_drag 12 52 140 52
    for _ in $(seq 1 100); do
        wine_probe windows plv.exe | grep -qE '^window .*title="" rect=150,47,166,63 visible=1' && break
        sleep 0.02
    done
    wine_press 158 55
    text=
    for _ in $(seq 1 300); do
        text=$(wine_probe windows plv.exe | grep -A1 -E '^window .*title="Form1".* visible=1' |
            sed -n 's/.*class="RichEdit50W".* text="\(.*\)"$/\1/p')
        case "$text" in "La casa es grande."*) break ;; esac
        sleep 0.02
    done
    translated=$((($(date +%s%N) - start) / 1000000))
    echo "== plv.exe's start to the first translation (the service started by plv.exe)"
    echo "tray icon connected ($colour): $connected ms after the start"
    echo "first translation in the popup (\"$text\"): $translated ms after the start"
}
