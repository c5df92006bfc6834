#!/usr/bin/env bash
# The per-user installer under Wine: plv-<version>-x64.msi installs plv.exe, hash2.dll, plv.ini,
# the translation service and its engine into %LOCALAPPDATA%\Programs\Parlevo with a Start menu
# shortcut and a Run value; the installed plv.exe runs and translates with its own service (the
# page's port is the installed plv-service.exe's); a newer installer, run while that plv.exe
# runs, ends it (and no other program called plv.exe), replaces the program, keeps the plv.ini
# the user changed and starts the new one, which outlives the installer; the newer version no
# longer brings one of the files, and it is gone; uninstalling ends it, removes the files, their
# folder, the shortcut, the Run value and the browser profile, and keeps the choices of where
# Parlevo is enabled. The installer's helper says what it did in %TEMP%\Parlevo-setup.log.
# usage: tests/e2e/installer.sh BIN_FOLDER WORK_FOLDER (the packages are made here with
# scripts/package from BIN_FOLDER, a build's bin folder for x64, and from the same folder for x86,
# x64 read x86 in its path, when that one exists; the service's build folders can be given in
# PLV_SERVER_BUILD_x64 and PLV_SERVER_BUILD_x86)
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
IFS=. read -r major minor patch tweak <<<"$version"
newer=$major.$minor.$patch.$((tweak + 1))
export PLV_BUILD_x64=$bin
arches=(--arch x64)
if [ -f "${bin//x64/x86}/plv.exe" ]; then
    export PLV_BUILD_x86=${bin//x64/x86}
    arches=()
fi
# A file the newer version no longer brings; the rest of its folder stays.
dropped=engine/licenses/cpp-httplib-LICENSE.txt
"$root/scripts/package" "${arches[@]}" --no-packs "$work/old" >"$work/package.log" 2>&1 || { cat "$work/package.log"; exit 1; }
"$root/scripts/package" "${arches[@]}" --no-packs --version "$newer" --without "$dropped" "$work/new" >>"$work/package.log" 2>&1 ||
    { cat "$work/package.log"; exit 1; }

e2e_begin installer
# The 32-bit installer cannot run on this machine; it is checked for what makes it one.
x86="$work/old/plv-$version-x86.msi"
if [ ${#arches[@]} -ne 0 ]; then
    echo "(no x86 build at ${bin//x64/x86}: the x86 installer is not made)"
elif msiinfo suminfo "$x86" | grep -q 'Template: Intel;' &&
    msiinfo export "$x86" InstallExecuteSequence | grep -q EndParlevo &&
    [ -f "$work/old/plv-$version-x64.zip" ] && [ -f "$work/old/plv-$version-x86.zip" ]; then
    pass "plv-$version-x86.msi is a 32-bit installer like the x64 one; both zips are made"
else
    fail "the x86 installer or a zip is not as it should be"
fi
# Wine's profile folder carries the Unix user's name.
profile="$WINEPREFIX/drive_c/users/$(id -un)"
local_dir="$profile/AppData/Local/Programs/Parlevo"
menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Parlevo.lnk"
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
choices='HKCU\Software\Parlevo\plv\Applications'

msiexec() {
    local what=$1 msi=$2 log=$3
    timeout 180 "$WINE64" msiexec "$what" "$(winepath_w "$msi")" /qn /l*v "$(winepath_w "$log")" >/dev/null 2>&1
}
winepath_w() { echo "Z:${1//\//\\}"; }
run_value() { timeout 60 "$WINE64" reg query "$run_key" /v Parlevo 2>/dev/null | sed -n 's/.*REG_SZ *//p' | tr -d '\r'; }
ini_has() { iconv -f UTF-16LE -t UTF-8 "$local_dir/plv.ini" 2>/dev/null | grep -q "$1"; }
setup_log="$profile/Temp/Parlevo-setup.log"
# The Unix processes of this prefix's Windows programs whose command line matches a pattern.
prefix_pids() {
    local p
    for p in $(pgrep -f "$1"); do
        tr '\0' '\n' 2>/dev/null </proc/"$p"/environ | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$p"
    done
}
# The processes of this prefix that have FILE mapped (Wine maps the executable it runs).
holders() {
    local p
    for p in $(prefix_pids .); do
        grep -qF "$1" /proc/"$p"/maps 2>/dev/null && echo "$p: $(tr '\0' ' ' 2>/dev/null </proc/"$p"/cmdline)"
    done
}

# 1. Install.
if msiexec /i "$work/old/plv-$version-x64.msi" "$work/install.log"; then
    pass "plv-$version-x64.msi installs without elevation (msiexec /qn)"
else
    fail "msiexec /i ended with $?"
fi
for f in plv.exe hash2.dll plv.ini readme.txt LICENSE.txt plv-service.exe engine/plv-engine.exe \
    engine/modes/eng-spa.mode engine/modes/spa-eng.mode engine/apertium-eng-spa/eng-spa.automorf.bin; do
    [ -f "$local_dir/$f" ] || fail "$f is not in %LOCALAPPDATA%\\Programs\\Parlevo"
done
[ -f "$local_dir/plv.exe" ] && pass "the program's files are in %LOCALAPPDATA%\\Programs\\Parlevo, \
$(du -sk "$local_dir" | cut -f1) KiB in all"
licences=$(ls "$local_dir/engine/licenses" 2>/dev/null | tr '\n' ' ')
if grep -qs "GNU GENERAL PUBLIC LICENSE" "$local_dir"/engine/licenses/*COPYING* &&
    [ -s "$local_dir/engine/licenses/README.txt" ]; then
    pass "the engine's licences are installed: $licences"
else
    fail "no GPL texts or no README.txt in engine\\licenses: $licences"
fi
[ -f "$menu" ] && pass "the Start menu has Parlevo" || fail "no Start menu shortcut at $menu"
value=$(run_value)
if [ "$value" = "\"C:\\users\\$(id -un)\\AppData\\Local\\Programs\\Parlevo\\plv.exe\"" ]; then
    pass "Parlevo starts at logon: $value"
else
    fail "the Run value is \"$value\""
fi

# 2. The installed program runs with the shipped settings and its own service, and translates
#    (Chromium shows the page: Wine has no HTML engine); the user changes a setting and enables
#    an application.
PLV_PROBE="$app/plv-probe.exe"
chromium_up "$work" || fail "Chromium did not start"
printf 'browser=%s\r\n' "$DEVTOOLS" | iconv -f UTF-8 -t UTF-16LE >>"$local_dir/plv.ini"
e2e_enable notepad.exe
wine_notepad "The house is big." >/dev/null || fail "Notepad did not open"
wine_bg "$work/plv.log" "$(winepath_w "$local_dir")\\plv.exe"
plv_pid=$!
if probe wait-window plv.exe Parlevo 60 >/dev/null; then
    pass "the installed plv.exe runs"
else
    fail "the installed plv.exe made no main window"
fi
wine_wait_pixel 1263 790 60 "#F0AA00" "#00A8FF" >/dev/null
text=$(e2e_translate 140 "$work/installed.windows" "La casa es grande.*")
case "$text" in
"La casa es grande."*) pass "the installed program translates with its own service: \"$text\"" ;;
*) fail "the installed program did not translate (\"$text\")" ;;
esac
# Other translation servers may run on this machine: the page's port must be the installed
# service's, which ends when Parlevo is asked to end below.
# The upgraded Parlevo starts its service again on the same port, so the old one is told apart by
# its key: each start draws a new one.
page_url=$(curl -s --max-time 10 "$DEVTOOLS/json/list" | sed -n 's|.*"http://127\.0\.0\.1:\([0-9]*\)/key/\([0-9a-f]*\)/.*|\1 \2|p' | head -n 1)
page_port=${page_url% *}
page_key=${page_url#* }
installed_service=$(prefix_pids 'Parlevo.plv-service\.exe' | head -n 1)
wine_press 500 400
printf '# changed by the user\r\nhideiconinterval=4\r\n' | iconv -f UTF-8 -t UTF-16LE >>"$local_dir/plv.ini"

# 3. A newer installer while Parlevo runs: the running copy is asked to end, the program is
#    replaced, the changed settings stay, and the new one is started. Another program that is
#    also called plv.exe (a window of its own, elsewhere) is left alone, and so is the profile.
mkdir -p "$WINEPREFIX/drive_c/Other" "$profile/AppData/Local/Parlevo/browser/Default/Cache"
echo x >"$profile/AppData/Local/Parlevo/browser/Default/Cache/data_0"
cp "$bin/fake_terminal.exe" "$WINEPREFIX/drive_c/Other/plv.exe"
wine_bg "$work/other.out" 'C:\Other\plv.exe' 'C:\Other\other.log' OtherPlv
other_pid=$!
wine_wait_file "$WINEPREFIX/drive_c/Other/other.log" 30 || fail "the other plv.exe did not start"
if msiexec /i "$work/new/plv-$newer-x64.msi" "$work/upgrade.log"; then
    pass "plv-$newer-x64.msi installs over plv-$version while plv.exe runs"
else
    fail "the upgrade ended with $?"
fi
if wine_wait_gone "$plv_pid" 20; then
    pass "the running plv.exe was asked to end"
else
    fail "the running plv.exe still runs after the upgrade"
fi
if grep -qE 'end: asked Parlevo \(process [0-9]+\) to end; it ended after' "$setup_log" 2>/dev/null &&
    grep -q 'end: its service and engine were over' "$setup_log"; then
    pass "the installer's helper says that Parlevo, its service and engine ended"
else
    fail "the helper's log does not say that Parlevo ended: $(cat "$setup_log" 2>/dev/null)"
fi
# Under Wine the Unix process can last a moment longer than the Windows one the helper waited for
# (and a zombie nobody reaps still counts for kill -0).
service_runs() { [ -n "$(sed -n 's/^State:\s*\([^Z]\).*/\1/p' /proc/"$installed_service"/status 2>/dev/null)" ]; }
port_answers() {
    [ "$(curl -s -o /dev/null -w '%{http_code}' --max-time 2 "http://127.0.0.1:$page_port/key/$page_key/languages")" = 200 ]
}
for _ in $(seq 1 100); do
    service_runs || port_answers || break
    sleep 0.1
done
if [ -z "$page_port" ] || [ -z "$page_key" ] || [ -z "$installed_service" ]; then
    fail "no page's port and key (${page_url:-none}) or no installed service (${installed_service:-none}) was found"
elif service_runs || port_answers; then
    fail "outlived Parlevo by 10 s: $(service_runs && echo "the service ($installed_service)") \
$(port_answers && echo "the page's port $page_port with the old key")"
else
    pass "the installed service no longer answers on the page's port $page_port (its key is refused or the port closed)"
fi
if [ ! -e "$local_dir/$dropped" ] && [ -f "$local_dir/engine/licenses/README.txt" ]; then
    pass "$dropped, which the newer version no longer brings, is gone (the rest of its folder stays)"
else
    fail "after the upgrade: $dropped $([ -e "$local_dir/$dropped" ] && echo is still there || echo 'is gone, and so is README.txt')"
fi
grep -q "Parlevo $newer" "$local_dir/readme.txt" 2>/dev/null && pass "the program is the newer one" ||
    fail "the installed readme is not $newer's: $(head -n 1 "$local_dir/readme.txt" 2>/dev/null)"
ini_has 'hideiconinterval=4' && pass "the plv.ini the user changed is kept" || fail "the user's plv.ini was replaced"
[ -f "$menu" ] && [ -n "$(run_value)" ] || fail "the shortcut or the Run value went with the upgrade"
count=$(timeout 60 "$WINE64" reg query 'HKCU\Software\Microsoft\Installer\Products' 2>/dev/null | grep -c 'Products\\')
[ "$count" -le 1 ] || fail "$count products are registered after the upgrade"
restarted=$(probe wait-window plv.exe Parlevo 60 | sed -n 's/.* pid=\([0-9]*\) .*/\1/p' | head -n 1)
if [ -n "$restarted" ]; then
    pass "the upgraded Parlevo is started again"
else
    fail "no Parlevo runs after the upgrade"
fi
# The restarted Parlevo is the user's: it lives on once every process of the installer is over.
for _ in $(seq 1 300); do
    [ -z "$(prefix_pids msiexec)" ] && break
    sleep 0.1
done
if [ -n "$(prefix_pids msiexec)" ]; then
    fail "the installer still runs 30 s after msiexec /i returned: $(prefix_pids msiexec)"
elif [ -n "$restarted" ] && probe windows "pid=$restarted" | grep -q 'class="ParlevoForm"'; then
    pass "the restarted Parlevo (process $restarted) outlives the installer"
else
    fail "the restarted Parlevo (process $restarted) ended with the installer"
fi
kill -0 "$other_pid" 2>/dev/null && pass "another program called plv.exe is left running" ||
    fail "the upgrade ended another program called plv.exe"
[ -f "$profile/AppData/Local/Parlevo/browser/Default/Cache/data_0" ] || fail "the upgrade removed the browser profile"

# 4. Uninstall.
if msiexec /x "$work/new/plv-$newer-x64.msi" "$work/uninstall.log"; then
    pass "msiexec /x uninstalls"
else
    fail "msiexec /x ended with $?"
fi
probe windows plv.exe | grep -q 'class="ParlevoForm"' && fail "Parlevo still runs (or was started again) after the uninstall"
[ ! -e "$profile/AppData/Local/Parlevo" ] && pass "the browser profile is gone" ||
    fail "left of the browser profile: $(find "$profile/AppData/Local/Parlevo" | head -5)"
kill "$other_pid" 2>/dev/null
wine_wait_gone "$other_pid" 10
if [ ! -e "$local_dir" ]; then
    pass "the program's files and their folder are gone"
else
    fail "left of the program's folder: $(cd "$local_dir" && find . | head -n 10 | tr '\n' ' ')"
    while IFS= read -r f; do
        echo "    $f is held by: $(holders "$f" | tr '\n' ';')"
    done < <(find "$local_dir" -type f)
    echo "    the helper's log: $(tail -n 8 "$setup_log" 2>/dev/null)"
fi
[ ! -e "$menu" ] || fail "the Start menu shortcut is still there"
[ -z "$(run_value)" ] && pass "the Run value is gone" || fail "the Run value is still there"
if timeout 60 "$WINE64" reg query "$choices" /v notepad.exe 2>/dev/null | grep -q 'notepad.exe'; then
    pass "the choices of where Parlevo is enabled are kept"
else
    fail "the per-application choices were removed"
fi
# What the helper did, for whoever reads this run (the prefix goes when the script passes).
sed 's/^/    helper: /' "$setup_log" 2>/dev/null
