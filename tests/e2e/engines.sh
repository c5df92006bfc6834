#!/usr/bin/env bash
# The Engines panel of the service Parlevo brings: plv.exe with the shipped settings
# ("serviceurl=bundled") starts plv-service.exe, whose page Debian's Chromium shows. In that page,
# driven over DevTools as a hand would, the panel checks a DeepL key (DeepL is a stand-in on this
# machine, reached through deepl_url in the user's settings) and saves it with the direction en-es.
# Without a restart of anything, a Notepad selection then comes back in the popup as DeepL's
# translation, credited to DeepL. %APPDATA%\Parlevo\plv-service.keys holds the key sealed for the
# user (neither its text nor its UTF-16 is in the file), plv-service.conf the route and no key, and
# the settings the page reads back never carry the key. plv.exe started again (a new service)
# opens the sealed key and translates through DeepL again.
# usage: tests/e2e/engines.sh BIN_FOLDER WORK_FOLDER (BIN_FOLDER also holds plv-service.exe and
# engine\, as scripts/stage-windows puts them there; server/node_modules has ws: npm ci in server/)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "${1:-$here/../../build/mingw-x64/bin}" && pwd)
work=${2:-$(mktemp -d /tmp/plv-engines.XXXXXX)}
source "$here/wine-env.sh"
source "$here/services.sh"
source "$here/scenario.sh"

key='e2e-panel-key-1234:fx'
e2e_begin engines plv-service.exe
cp -r "$bin/engine" "$app/" || fail "$bin/engine is missing"
chromium_up "$work" || fail "Chromium did not start"
e2e_ini "s/^CheckConnectionInterval=[^\r]*/CheckConnectionInterval=3/" "browser=$DEVTOOLS"
e2e_enable notepad.exe

# DeepL as its API answers: the translation for the key saved in the panel, 403 for another.
e2e_deepl "$key"
# The user's own settings: only DeepL's address, which the panel does not edit.
roaming=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Roaming | grep -v /Public/ | head -n 1)
mkdir -p "$roaming/Parlevo"
printf '# mine\r\ndeepl_url = http://127.0.0.1:%s\r\n' "$DEEPL_PORT" >"$roaming/Parlevo/plv-service.conf"

prefix_pids() {
    local p
    for p in $(pgrep -f "$1"); do
        tr '\0' '\n' 2>/dev/null </proc/"$p"/environ | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$p"
    done
}
service_pids() { prefix_pids 'Parlevo.plv-service\.exe'; }
wine_notepad "The house is big." >/dev/null || fail "Notepad did not open"
wine_bg "$work/plv.log" 'C:\Parlevo\plv.exe'
plv_pid=$!
colour=$(wine_wait_pixel 1263 790 60 "#F0AA00" "#00A8FF")
case "$colour" in
"#F0AA00" | "#00A8FF") pass "plv.exe connected to its service" ;;
*) fail "the tray icon is $colour, not the connected colour" ;;
esac
service=$(service_pids)

# 1. The panel, in the page Parlevo shows: a check, then a save.
panel() {  # panel STEP: runs one of the steps below in the page, prints what the panel said
    timeout 60 node "$here/devtools.js" "$DEVTOOLS" /key/ "(async function () {
        var \$ = function (id) { return document.getElementById(id); };
        var wait = async function (f) {
            for (var end = Date.now() + 30000; Date.now() < end; await new Promise(function (r) { setTimeout(r, 100); })) {
                var v = f();
                if (v) return v;
            }
            throw new Error('the panel did not answer');
        };
        if (\$('engines-toggle').getAttribute('aria-expanded') !== 'true') \$('engines-toggle').click();
        await wait(function () { return \$('engine-deepl-key'); });
        \$('engine-deepl-key').value = '$key';
        \$('engine-deepl-routes').value = 'en-es';
        \$('engine-deepl-message').textContent = '';
        \$('engine-deepl-$1').click();
        return await wait(function () {
            var t = \$('engine-deepl-message').textContent;
            return /\u2026$/.test(t) ? '' : \$('engine-deepl-message').className + ': ' + t;
        });
    })()"
}
said=$(panel check)
case "$said" in
*plv-eng-ok*accepted*) pass "the panel's check: $said" ;;
*) fail "the panel's check said: $said" ;;
esac
said=$(panel save)
case "$said" in
*plv-eng-ok*Saved*) pass "the panel saved: $said" ;;
*) fail "the panel's save said: $said" ;;
esac

# 2. The files, and what the page can read back.
keys_file="$roaming/Parlevo/plv-service.keys"
if [ -s "$keys_file" ] && python3 - "$keys_file" "$key" <<'PY'; then
import sys
data, key = open(sys.argv[1], 'rb').read(), sys.argv[2]
sys.exit(1 if key.encode() in data or key.encode('utf-16-le') in data else 0)
PY
    pass "plv-service.keys ($(stat -c %s "$keys_file") bytes) holds the key sealed, neither as text nor as UTF-16"
else
    fail "plv-service.keys is missing or holds the key as it is: $(od -c "$keys_file" 2>/dev/null | head -n 3)"
fi
conf=$(tr -d '\r' <"$roaming/Parlevo/plv-service.conf")
if grep -qx 'route.en-es = deepl' <<<"$conf" && grep -qx '# mine' <<<"$conf" && ! grep -q "$key" <<<"$conf"; then
    pass "plv-service.conf keeps its lines and has the route, not the key"
else
    fail "plv-service.conf: $conf"
fi
page=$(curl -s --max-time 10 "$DEVTOOLS/json/list" | grep -o 'http://127\.0\.0\.1:[0-9]*/key/[^/"]*/' | head -n 1)
settings=$(curl -s --max-time 10 "${page}settings")
if grep -q '"key_end":"4:fx"' <<<"$settings" && ! grep -q "$key" <<<"$settings"; then
    pass "the settings the page reads say the key ends in 4:fx, and never give it"
else
    fail "the settings the page reads: $settings"
fi

# 3. Without a restart, the selection goes to DeepL.
if e2e_deepl_popup "$work/1-deepl.png"; then
    pass "the popup shows \"$DEEPL_TEXT\", powered by DeepL"
else
    fail "after the save, the popup shows \"$DEEPL_TEXT\""
fi
# No service process is new: Wine may show a short-lived second process under the service's name
# while it starts, so the check is that nothing was started since, not that the lists are equal.
now=$(service_pids)
[ -n "$service" ] && [ -n "$now" ] && [ -z "$(comm -13 <(sort <<<"$service") <(sort <<<"$now"))" ] &&
    pass "the same service process ($now) translated" ||
    fail "the service is not the one that was running: before '$service', now '$(service_pids)'"
wine_press 500 400

# 4. plv.exe started again: its new service opens the sealed key.
kill "$plv_pid" 2>/dev/null
wine_wait_gone "$plv_pid" 20
for _ in $(seq 1 100); do
    [ -z "$(service_pids)" ] && break
    sleep 0.1
done
wine_bg "$work/plv2.log" 'C:\Parlevo\plv.exe'
plv_pid=$!
colour=$(wine_wait_pixel 1263 790 60 "#F0AA00" "#00A8FF")
text=$(e2e_translate 140 "$work/again.windows" "DeepL: *")
if [ "$text" = "DeepL: The house is big." ]; then
    pass "plv.exe started again translates through DeepL with the sealed key"
else
    fail "plv.exe started again: the tray icon is $colour, the popup shows \"$text\" (log: $(tail -n 3 \
        "$WINEPREFIX"/drive_c/users/*/AppData/Local/Parlevo/plv-service.log 2>/dev/null))"
fi
kill "$plv_pid" 2>/dev/null
wine_wait_gone "$plv_pid" 20
