#!/usr/bin/env bash
# A language pack under Wine, added to a running Parlevo: plv-pack-fr-es-<version>.msi refuses
# to install while Parlevo is not installed, and says why in a box; Parlevo's own MSI is installed and
# plv.exe started from it with the shipped "serviceurl=bundled" and "language=auto-es" (the
# service finds each selection's language); the pack is installed while it runs (no
# administrator, Parlevo not ended or restarted) into Parlevo's engine folder; a French selection
# in Notepad is then translated into Spanish by the bundled service, the popup naming the
# direction found ("French » Spanish"), and a Spanish one into English; uninstalling the pack
# removes its files and folders, and leaves Parlevo's own and Parlevo running.
# usage: tests/e2e/pack.sh BIN_FOLDER WORK_FOLDER (the packages are made here with
# scripts/package from BIN_FOLDER, a build's bin folder for x64; the service's build folder can be
# given in PLV_SERVER_BUILD_x64)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
bin=$(cd "$1" && pwd)
work=$(mkdir -p "$2" && cd "$2" && pwd)
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"
# shellcheck source=services.sh
. "$here/services.sh"
# shellcheck source=scenario.sh
. "$here/scenario.sh"

version=$(sed -n 's/^project(Parlevo VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
export PLV_BUILD_x64=$bin
{ "$root/scripts/package" --arch x64 --no-packs "$work/packages" &&
    "$root/scripts/package" --packs-only --pack fr-es "$work/packages"; } >"$work/package.log" 2>&1 ||
    { cat "$work/package.log"; exit 1; }
main_msi=$work/packages/plv-$version-x64.msi
pack_msi=$work/packages/plv-pack-fr-es-$version.msi

e2e_begin pack
profile="$WINEPREFIX/drive_c/users/$(id -un)"
local_dir="$profile/AppData/Local/Programs/Parlevo"
winepath_w() { echo "Z:${1//\//\\}"; }
msiexec() {
    timeout 180 "$WINE64" msiexec "$1" "$(winepath_w "$2")" /qn /l*v "$(winepath_w "$3")" >/dev/null 2>&1
}
pack_files=(engine/modes/fr-es.mode engine/modes/es-fr.mode engine/apertium-fr-es/fr-es.automorf.bin
    engine/apertium-fr-es/es-fr.autogen.bin engine/licenses/apertium-fr-es-copyright.txt)
own_files=(plv.exe plv.ini plv-service.exe engine/plv-engine.exe engine/modes/eng-spa.mode
    engine/apertium-eng-spa/eng-spa.automorf.bin engine/licenses/README.txt)
missing() {
    local f out=
    for f in "$@"; do [ -f "$local_dir/$f" ] || out+=" $f"; done
    echo "$out"
}

# 0. One pack serves the 64-bit and the 32-bit Parlevo: a 32-bit package without 64-bit components.
components=$(msiinfo export "$pack_msi" Component | tail -n +4)
if msiinfo suminfo "$pack_msi" | grep -q 'Template: Intel;' && [ -n "$components" ] &&
    ! awk -F'\t' '($4 + 0) % 512 >= 256 { found = 1 } END { exit !found }' <<<"$components"; then
    pass "$(basename "$pack_msi") is a 32-bit package with no 64-bit component ($(wc -l <<<"$components") components)"
else
    fail "$(basename "$pack_msi") is not an architecture-free package: $(msiinfo suminfo "$pack_msi" | grep Template)"
fi

# 1. Without Parlevo the pack refuses, and says why in a box (with the basic interface, /qb).
timeout 180 "$WINE64" msiexec /i "$(winepath_w "$pack_msi")" /qb >/dev/null 2>&1 &
refused_pid=$!
wine_pids+=("$refused_pid")
if probe wait-window msiexec.exe "Install Failed" 60 visible >/dev/null; then
    box=$(probe msgbox msiexec.exe)
    probe click msiexec.exe 1 >/dev/null
fi
wine_wait_gone "$refused_pid" 30
wait "$refused_pid"
code=$?
message=$(grep -o 'text="Parlevo is not installed for this user[^"]*"' <<<"${box:-}" | head -n 1)
if [ "$code" -ne 0 ] && [ -n "$message" ]; then
    pass "without Parlevo the pack refuses (exit code $code): $message"
else
    fail "without Parlevo: exit code $code, the box: ${box:-none}"
fi
[ ! -e "$local_dir" ] || fail "the refused pack left $(cd "$local_dir" && find . -type f | head -n 5 | tr '\n' ' ')"

# 2. Parlevo installed, and started from there with language=auto-es: the service finds each
#    selection's language, and French is one its engine does not have yet.
msiexec /i "$main_msi" "$work/install.log" || fail "msiexec /i $(basename "$main_msi") ended with $?"
[ -z "$(missing "${own_files[@]}")" ] || fail "Parlevo's installer did not install:$(missing "${own_files[@]}")"
chromium_up "$work" || fail "Chromium did not start"
{
    # A direction's first request starts its engine (13 processes under Wine): more time than
    # the shipped 10 s on a busy machine.
    iconv -f UTF-16LE -t UTF-8 "$local_dir/plv.ini" |
        sed -e 's/^language=[^\r]*/language=auto-es/' -e 's/^servertimeout=[^\r]*/servertimeout=40/'
    printf 'browser=%s\r\n' "$DEVTOOLS"
} | iconv -f UTF-8 -t UTF-16LE >"$work/plv.ini" && cp "$work/plv.ini" "$local_dir/plv.ini"
iconv -f UTF-16LE -t UTF-8 "$local_dir/plv.ini" | grep -q '^serviceurl=bundled' || fail "the shipped plv.ini is not serviceurl=bundled"
e2e_enable notepad.exe
wine_notepad "Le chat mange une pomme." >/dev/null || fail "Notepad did not open"
wine_bg "$work/plv.log" "$(winepath_w "$local_dir")\\plv.exe"
plv_pid=$!
probe wait-window plv.exe Parlevo 60 >/dev/null || fail "the installed plv.exe made no main window"
colour=$(wine_wait_pixel 1263 790 60 "#F0AA00" "#00A8FF") || fail "the tray icon is $colour, not connected"

# 3. The pack while Parlevo runs.
if msiexec /i "$pack_msi" "$work/pack.log"; then
    pass "$(basename "$pack_msi") installs beside the running Parlevo (msiexec /qn, no elevation)"
else
    fail "msiexec /i $(basename "$pack_msi") ended with $?"
fi
if [ -z "$(missing "${pack_files[@]}")" ]; then
    pass "the pack's modes, data and copyright are in Parlevo's engine folder"
else
    fail "missing after the pack's install:$(missing "${pack_files[@]}")"
fi
wine_alive "$plv_pid" && pass "Parlevo runs on, not restarted" || fail "the pack's install ended Parlevo"

# 4. A French selection, translated by the bundled service with the pack's data.
text=$(e2e_translate 200 "$work/translated.windows" "El gato come una manzana.*")
[[ $text == "El gato come una manzana."* ]] || text=$(e2e_wait_popup "$work/translated.windows" "El gato come una manzana.*")
wine_shot "$work/1-translated.png"
label=$(grep -A8 -E '^window .*title="Form1".* visible=1' "$work/translated.windows" | grep -o 'text="French [^"]* Spanish"' | head -n 1)
if [[ $text == "El gato come una manzana."* ]] && [ -n "$label" ]; then
    pass "the popup shows \"$text\" under $label"
else
    fail "the popup shows \"$text\", direction ${label:-none} (the service's log: $(tail -n 3 "$profile"/AppData/Local/Parlevo/plv-service.log 2>/dev/null))"
    cat "$work/translated.windows"
fi
wine_press 500 400

# 4b. The same setting with a selection already in Spanish: into the other language, English.
wine_press 300 300
timeout 20 xdotool key ctrl+a type --delay 5 "El perro negro duerme en la cocina de la casa." >/dev/null 2>&1
text=$(e2e_translate 200 "$work/translated-es.windows" "The black dog*")
label=$(grep -A8 -E '^window .*title="Form1".* visible=1' "$work/translated-es.windows" | grep -o 'text="Spanish [^"]* English"' | head -n 1)
if [[ $text == "The black dog"* ]] && [ -n "$label" ]; then
    pass "a Spanish selection with auto-es shows \"$text\" under $label"
else
    fail "a Spanish selection with auto-es: the popup shows \"$text\", direction ${label:-none}"
fi
wine_press 500 400

# 5. The pack uninstalled: its files and folders go, Parlevo's stay, and Parlevo runs on.
if msiexec /x "$pack_msi" "$work/uninstall.log"; then
    pass "msiexec /x uninstalls the pack"
else
    fail "msiexec /x ended with $?"
fi
left=$(for f in "${pack_files[@]}"; do [ -e "$local_dir/$f" ] && echo -n " $f"; done)
[ -e "$local_dir/engine/apertium-fr-es" ] && left+=" engine/apertium-fr-es/"
if [ -z "$left" ] && [ -z "$(missing "${own_files[@]}")" ]; then
    pass "the pack's files and folder are gone, Parlevo's own remain"
else
    fail "after the pack's uninstall: left$left; Parlevo's own missing:$(missing "${own_files[@]}")"
    # A file still open in a running process cannot be removed on Windows (nor under Wine).
    for p in $(pgrep -f .); do
        held=$(ls -l /proc/"$p"/fd 2>/dev/null | grep -o 'apertium-fr-es/[^ ]*' | tr '\n' ' ')
        [ -z "$held" ] || echo "    held open by $p ($(tr '\0' ' ' </proc/"$p"/cmdline 2>/dev/null | cut -c1-60)): $held"
    done
fi
if timeout 60 "$WINE64" reg query 'HKCU\Software\Parlevo\Packs' 2>/dev/null | grep -q 'fr-es'; then
    fail "the pack's registry values are still there"
fi
wine_alive "$plv_pid" || fail "the pack's uninstall ended Parlevo"
kill "$plv_pid" 2>/dev/null
wine_wait_gone "$plv_pid" 20
