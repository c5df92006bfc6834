#!/usr/bin/env bash
# A terminal under Wine: fake_terminal.exe has a main window of class ConsoleWindowClass and
# logs every key message and WM_COPY it receives, and copies nothing. A drag across it makes
# plv.exe try to copy the selection: the log shows the copy message and Ctrl+Insert, and never
# Ctrl+C, which would interrupt the program running in a terminal. The same program with a
# window class of an ordinary editor does get Ctrl+C, which shows that the log would catch it.
# The same program under a terminal's executable name (alacritty.exe) with a class of its own gets no
# Ctrl+C either. Every key carries its own scan code (Insert 0x52, extended; Ctrl 0x1D; C 0x2E).
# No engine is needed (browser=none): the capture comes before any translation.
# usage: tests/e2e/terminal.sh [BIN_FOLDER] [WORK_FOLDER]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/mingw-x64/bin}" && pwd)
work=${2:-$(mktemp -d /tmp/e2e-fterm.XXXXXX)}
source "$here/wine-env.sh"
source "$here/scenario.sh"

if [ ! -f "$bin/fake_terminal.exe" ]; then
    echo "terminal: $bin/fake_terminal.exe is missing (build the fake_terminal target)"
    echo "terminal: 0 passed, 1 failed"
    exit 1
fi
e2e_begin terminal fake_terminal.exe
e2e_ini "" "browser=none"
e2e_enable fake_terminal.exe
e2e_enable alacritty.exe
cp "$app/fake_terminal.exe" "$app/alacritty.exe"
wine_bg "$work/plv.log" 'C:\Parlevo\plv.exe'
probe wait-window plv.exe Parlevo 60 >/dev/null || fail "plv.exe made no main window"

# capture NAME CLASS [EXE]: starts the fake terminal (or its copy EXE) with that window class, brings it to the front
# (the program sends its keystrokes to the window in front), drags across its line of text and
# waits until the program has made all its attempts; the log is $app/NAME.log.
capture() {
    local name=$1 class=$2 exe=${3:-fake_terminal.exe} pid
    local attempt
    # Now and then Wine never gets a new process going; a second start tells that from a fault.
    for attempt in 1 2; do
        wine_bg "$work/$name.out" "C:\\Parlevo\\$exe" "C:\\Parlevo\\$name.log" "$class"
        pid=$!
        wine_wait_file "$app/$name.log" 30 && break
        echo "$name: start $attempt of $exe made no log in 30 s" >>"$work/starts.log"
        kill "$pid" 2>/dev/null
        wine_wait_gone "$pid" 10
    done
    if [ ! -s "$app/$name.log" ]; then
        fail "$name: fake_terminal.exe did not start"
        return 1
    fi
    wine_press 400 200
    for _ in $(seq 1 30); do
        probe foreground | grep -q "class=\"$class\"" && break
        sleep 0.1
    done
    probe foreground | grep -q "class=\"$class\"" || fail "$name: the fake terminal is not in front"
    wine_drag 20 60 300 60
    # The copy message, Ctrl+Insert, then (for a window that may have it) Ctrl+C 60 ms after
    # Ctrl+Insert's keys went up: a second after them every attempt has been made.
    for _ in $(seq 1 50); do
        grep -q '^keyup vk=0x2d ' "$app/$name.log" && break
        sleep 0.1
    done
    sleep 1
    wine_shot "$work/$name.png"
    kill "$pid" 2>/dev/null
    wine_wait_gone "$pid" 10
}

# 1. The terminal: the copy message and Ctrl+Insert arrive, Ctrl+C never does.
capture terminal ConsoleWindowClass
log="$app/terminal.log"
if grep -q '^copy$' "$log" && grep -q '^keydown vk=0x2d ctrl=1 scan=0x52 ext=1$' "$log" && ! grep -q '^keydown vk=0x43 ctrl=1 ' "$log"; then
    pass "a terminal gets the copy message and Ctrl+Insert, and no Ctrl+C"
else
    fail "what the terminal received:"
    cat "$log"
fi

# 2. The same program as an ordinary window: after Ctrl+Insert comes Ctrl+C.
capture editor FakeEditor
log="$app/editor.log"
if grep -q '^keydown vk=0x2d ctrl=1 scan=0x52 ext=1$' "$log" && grep -q '^keydown vk=0x43 ctrl=1 scan=0x2e ext=0$' "$log"; then
    pass "an ordinary window gets Ctrl+Insert and then Ctrl+C"
else
    fail "what the ordinary window received:"
    cat "$log"
fi

# 3. A terminal known by its executable, whatever its window class: no Ctrl+C.
capture alacritty AlacrittyWindow alacritty.exe
log="$app/alacritty.log"
if grep -q '^keydown vk=0x2d ctrl=1 ' "$log" && ! grep -q '^keydown vk=0x43 ctrl=1 ' "$log"; then
    pass "alacritty.exe gets Ctrl+Insert and no Ctrl+C"
else
    fail "what alacritty.exe received:"
    cat "$log"
fi
if grep -q '^keydown vk=0x11 ctrl=1 scan=0x1d ext=0$' "$app/editor.log"; then
    pass "Ctrl, Insert and C carry their own scan codes"
else
    fail "the scan codes the keys arrived with:"
    grep '^key' "$app/editor.log"
fi
