# What every end-to-end scenario shares: its count of checks and its closing line, plv.exe and
# its probe installed in a fresh Wine prefix, and the settings file written for the run. Source
# after wine-env.sh (and services.sh when needed), set bin and work, then call e2e_begin; a script
# may define e2e_cleanup, which runs first when the script ends.

failures=0
passed=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() {
    echo "ok: $*"
    passed=$((passed + 1))
}
probe() { wine_probe "$@"; }

e2e_finish() {
    if declare -F e2e_cleanup >/dev/null; then
        e2e_cleanup
    fi
    wine_down
    [ $failures -eq 0 ] || echo "$e2e_name: screenshots and logs kept in $work"
    echo "$e2e_name: $passed passed, $failures failed"
    # The verdict is the count, whatever the script's last command returned.
    if [ $failures -eq 0 ]; then
        exit 0
    fi
    exit 1
}

# e2e_begin NAME [PROGRAM...]: NAME opens the closing line; a prefix on a free display; plv.exe,
# hash2.dll, the probe and the other PROGRAMs of the build folder in C:\Parlevo ($app).
e2e_begin() {
    e2e_name=$1
    shift
    trap e2e_finish EXIT
    wine_up "$work" "$(wine_free_display 100)" || exit 1
    app="$WINEPREFIX/drive_c/Parlevo"
    mkdir -p "$app"
    local f
    for f in plv.exe hash2.dll plv-probe.exe "$@"; do
        cp "$bin/$f" "$app/" || fail "$bin/$f is missing"
    done
    PLV_PROBE="$app/plv-probe.exe"
    ini_text=$(iconv -f UTF-16LE -t UTF-8 "$bin/plv.ini")
}

# e2e_ini [SED_SCRIPT [LINES]]: plv.ini from the shipped settings, changed by SED_SCRIPT (which
# must keep the CR of each CR LF: match values with [^\r]*) and with LINES (one a line) added.
e2e_ini() {
    local script=${1:-} lines=${2:-}
    {
        printf '%s\n' "$ini_text" | sed -e "$script"
        [ -z "$lines" ] || printf '%s\n' "$lines" | sed 's/$/\r/'
    } | iconv -f UTF-8 -t UTF-16LE >"$app/plv.ini"
}

# e2e_ini_engine [SED_SCRIPT]: the same, with the service page of service_up shown by the
# Chromium of chromium_up.
e2e_ini_engine() {
    e2e_ini "s|^serviceurl=[^\r]*|serviceurl=${SERVICE_URL:-}|;${1:-}" "browser=${DEVTOOLS:-}"
}

# e2e_enable EXE: translation on for that application, as the tray would store it.
e2e_enable() {
    timeout 60 "$WINE64" reg add 'HKCU\Software\Parlevo\plv\Applications' /v "$1" /d -1 /f >/dev/null 2>&1
}

# e2e_popup_text FILE: what the probe sees of plv.exe goes to FILE; prints the text of the open
# popup's text box (nothing while the popup is hidden).
e2e_popup_text() {
    probe windows plv.exe >"$1"
    grep -A1 -E '^window .*title="Form1".* visible=1' "$1" | sed -n 's/.*class="RichEdit50W".* text="\(.*\)"$/\1/p'
}

# e2e_wait_popup FILE PATTERN: waits (10 s at most) until the popup's text matches the shell
# PATTERN and prints the text it had last; FILE keeps what the probe saw.
e2e_wait_popup() {
    local text=
    for _ in $(seq 1 100); do
        text=$(e2e_popup_text "$1")
        # shellcheck disable=SC2254
        case "$text" in
        $2) break ;;
        esac
        sleep 0.1
    done
    printf '%s' "$text"
}

# e2e_popup_still FILE: waits (10 s at most) until the popup has glided to its size; FILE keeps
# what the probe saw last.
e2e_popup_still() {
    local last= now
    for _ in $(seq 1 50); do
        probe windows plv.exe >"$1"
        now=$(grep -E '^window .*title="Form1".* visible=1' "$1" | grep -o ' rect=[0-9,-]*')
        [ -n "$now" ] && [ "$now" = "$last" ] && return 0
        last=$now
        sleep 0.2
    done
    return 1
}

# e2e_translate X2 FILE PATTERN: a drag across Notepad's first line from its start to X2, a press
# on the floating icon that appears (10 right of the release), and a wait (10 s at most) for a
# popup whose text matches PATTERN; prints the text it had last, FILE keeps what the probe saw.
e2e_translate() {
    local x2=$1
    wine_press 300 300
    sleep 1
    wine_drag 12 52 "$x2" 52
    for _ in $(seq 1 30); do
        probe windows plv.exe | grep -qE "^window .*title=\"\" rect=$((x2 + 10)),47,$((x2 + 26)),63 visible=1" && break
        sleep 0.1
    done
    wine_press $((x2 + 18)) 55
    e2e_wait_popup "$2" "$3"
}

# e2e_deepl KEY [SOURCE-TARGET]: starts deepl_standin.py (this folder) for the script's run; its
# port in DEEPL_PORT, its process in DEEPL_PID, its requests in $work/deepl.log.
e2e_deepl() {
    python3 "$here/deepl_standin.py" "$@" >"$work/deepl.port" 2>"$work/deepl.log" &
    DEEPL_PID=$!
    wine_pids+=("$DEEPL_PID")
    echo "$DEEPL_PID" >>"$wine_dir/pids"
    wine_wait_file "$work/deepl.port" 10 || fail "the DeepL stand-in did not start"
    DEEPL_PORT=$(cat "$work/deepl.port")
}

# e2e_deepl_popup SHOT: a selection translated, and the popup showing the DeepL stand-in's
# translation credited to DeepL (screenshot SHOT); what it showed is in DEEPL_TEXT.
e2e_deepl_popup() {
    DEEPL_TEXT=$(e2e_translate 140 "$work/deepl.windows" "DeepL: *")
    wine_shot "$1"
    [ "$DEEPL_TEXT" = "DeepL: The house is big." ] &&
        grep -qE 'class="ParlevoPicture".* visible=1 .*text="Powered by DeepL"' "$work/deepl.windows"
}
