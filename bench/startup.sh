# Sourced by the benchmarks (after tests/e2e/wine-env.sh and services.sh, with wine_up and
# chromium_up done): plv.exe's start to its first translation with the service it starts itself.
#
# startup_to_translation APP_DIR BIN_DIR WORK: APP_DIR (under the Wine prefix, C:\Parlevo) gets
# BIN_DIR's plv.exe with plv-service.exe and engine\ beside it and the shipped settings (Chromium
# as the engine: Wine has no HTML engine). Notepad shows "The house is big."; plv.exe starts;
# once the tray icon shows the connection a selection is made at once. Printed: the times to the
# icon connected, to the release, to the translation in the (still hidden) popup and to the popup
# shown after a press on the icon; and start-up to the first translation without the time the
# test's drag takes (the connection plus the release to the translation).
startup_to_translation() {
    local app=$1 bin=$2 work=$3 start colour connected released text translated shown
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
    released=$((($(date +%s%N) - start) / 1000000))
    # The translation is laid out in the popup as soon as it comes, while the popup waits hidden
    # for a press on the icon.
    text=
    for _ in $(seq 1 300); do
        text=$(wine_probe windows plv.exe | grep -A1 -E '^window .*title="Form1"' |
            sed -n 's/.*class="RichEdit50W".* text="\(.*\)"$/\1/p')
        case "$text" in "La casa es grande."*) break ;; esac
        sleep 0.02
    done
    translated=$((($(date +%s%N) - start) / 1000000))
    wine_press 158 55
    for _ in $(seq 1 300); do
        wine_probe windows plv.exe | grep -qE '^window .*title="Form1".* visible=1' && break
        sleep 0.02
    done
    shown=$((($(date +%s%N) - start) / 1000000))
    echo "== plv.exe's start to the first translation (the service started by plv.exe)"
    echo "tray icon connected ($colour): $connected ms after the start"
    echo "a selection made at once (the drag takes the test $((released - connected)) ms): released at $released ms"
    echo "its translation (\"$text\") in the popup: $translated ms after the start, $((translated - released)) ms after the release"
    echo "start-up to the first translation, the user's drag left out: $((connected + translated - released)) ms"
    echo "the popup shown after a press on the icon: $shown ms after the start"
}
