#!/usr/bin/env bash
# The per-user installer under Wine: plv-<version>-x64.msi installs plv.exe, hash2.dll, plv.ini,
# the translation service and its engine into %LOCALAPPDATA%\Programs\Parlevo with a Start menu
# shortcut and a Run value; the installed plv.exe runs and translates with its own service (no
# Linux plv-service runs); a newer installer, run while that plv.exe runs, ends it (and no other
# program called plv.exe), replaces the program, keeps the plv.ini the user changed and starts the
# new one; uninstalling ends it, removes the files, the shortcut, the Run value and the browser
# profile, and keeps the choices of where Parlevo is enabled.
# usage: tests/e2e/installer.sh BIN_FOLDER WORK_FOLDER (the packages are made here with
# scripts/package from the build of BIN_FOLDER's preset)
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
"$root/scripts/package" "$work/old" >"$work/package.log" 2>&1 || { cat "$work/package.log"; exit 1; }
"$root/scripts/package" --version "$newer" "$work/new" >>"$work/package.log" 2>&1 || { cat "$work/package.log"; exit 1; }

e2e_begin installer
# The 32-bit installer cannot run on this machine; it is checked for what makes it one.
x86="$work/old/plv-$version-x86.msi"
if msiinfo suminfo "$x86" | grep -q 'Template: Intel;' &&
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
pgrep -x plv-service >/dev/null && fail "a Linux plv-service runs: the installed program must do without"
wine_notepad "The house is big." >/dev/null || fail "Notepad did not open"
wine_bg "$work/plv.log" "$(winepath_w "$local_dir")\\plv.exe"
plv_pid=$!
if probe wait-window plv.exe Parlevo 30 >/dev/null; then
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
grep -q "Parlevo $newer" "$local_dir/readme.txt" 2>/dev/null && pass "the program is the newer one" ||
    fail "the installed readme is not $newer's: $(head -n 1 "$local_dir/readme.txt" 2>/dev/null)"
ini_has 'hideiconinterval=4' && pass "the plv.ini the user changed is kept" || fail "the user's plv.ini was replaced"
[ -f "$menu" ] && [ -n "$(run_value)" ] || fail "the shortcut or the Run value went with the upgrade"
count=$(timeout 60 "$WINE64" reg query 'HKCU\Software\Microsoft\Installer\Products' 2>/dev/null | grep -c 'Products\\')
[ "$count" -le 1 ] || fail "$count products are registered after the upgrade"
if probe wait-window plv.exe Parlevo 30 >/dev/null; then
    pass "the upgraded Parlevo is started again"
else
    fail "no Parlevo runs after the upgrade"
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
left=$(ls "$local_dir" 2>/dev/null)
[ -z "$left" ] && pass "the program's files are gone" || fail "left in the program's folder: $left"
[ ! -e "$menu" ] || fail "the Start menu shortcut is still there"
[ -z "$(run_value)" ] && pass "the Run value is gone" || fail "the Run value is still there"
if timeout 60 "$WINE64" reg query "$choices" /v notepad.exe 2>/dev/null | grep -q 'notepad.exe'; then
    pass "the choices of where Parlevo is enabled are kept"
else
    fail "the per-application choices were removed"
fi
