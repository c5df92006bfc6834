#!/usr/bin/env bash
# The Debian package on this machine, as root: builds it (scripts/package), installs it with apt,
# checks where its files went, runs the installed service the way its systemd unit does, asks it
# for /languages and a translation on loopback, stops it, and removes the package.
#
# This machine need not run systemd (a container, CI), so the unit is not started by systemctl:
# its ExecStart, User and Group are read from the installed unit file and run with setpriv,
# without privileges, with the clean environment systemd gives a service.
#
# usage: server/tests/package_test.sh OUT_DIR   (the package and its build tree go there)
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
server_dir="$(dirname "$here")"
out="${1:?usage: package_test.sh OUT_DIR}"
export DEBIAN_FRONTEND=noninteractive
# Other builds on the machine may hold apt's lock for a while.
apt=(apt-get -y -q -o DPkg::Lock::Timeout=300)

fail() {
    echo "package test: FAIL: $*" >&2
    exit 1
}

pid=
log=$(mktemp)
cleanup() {
    if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then
        kill -KILL -- "-$pid" 2>/dev/null || kill -KILL "$pid" 2>/dev/null || true
    fi
    if dpkg -s plv-service >/dev/null 2>&1; then
        "${apt[@]}" purge plv-service >/dev/null </dev/null || true
    fi
    rm -f "$log"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

version=$(sed -n 's/^version *= *\([0-9.]*\) *$/\1/p' "$server_dir/plv-service.conf")
echo "== building plv-service $version"
"$server_dir/scripts/package" "$out" >/dev/null
deb=$(ls "$out"/plv-service_"$version"_*.deb)
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version is not $version"

# A package left by an interrupted run would make apt see nothing to do.
if dpkg -s plv-service >/dev/null 2>&1; then "${apt[@]}" purge plv-service </dev/null >/dev/null; fi
echo "== installing $deb"
"${apt[@]}" install --no-install-recommends "$deb" </dev/null >/dev/null

unit=/lib/systemd/system/plv-service.service
conf=/etc/plv-service/plv-service.conf
files=$(dpkg -L plv-service)
for f in /usr/bin/plv-service "$conf" "$unit" /usr/share/doc/plv-service/README.md; do
    grep -qx "$f" <<<"$files" || fail "dpkg -L does not list $f"
    [[ -f $f ]] || fail "$f is missing"
done
dpkg-query -W -f='${Conffiles}' plv-service | grep -q " $conf " || fail "$conf is not a conffile"
depends=$(dpkg-query -W -f='${Depends}' plv-service)
for d in apertium-eng-spa libcpp-httplib libstdc++6; do
    grep -q "$d" <<<"$depends" || fail "Depends lacks $d: $depends"
done
recommends=$(dpkg-query -W -f='${Recommends}' plv-service)
for d in apertium-fra-cat apertium-afr-nld; do
    grep -q "$d" <<<"$recommends" || fail "Recommends lacks $d: $recommends"
done
cmp -s "$conf" "$server_dir/plv-service.conf" || fail "$conf is not the shipped configuration"
[[ $(stat -c '%U:%G %a' "$conf") == "root:plv-service 640" ]] ||
    fail "$conf is $(stat -c '%U:%G %a' "$conf"), not root:plv-service 640"
[[ -L /etc/systemd/system/multi-user.target.wants/plv-service.service ]] || fail "the unit was not enabled"
if command -v systemd-analyze >/dev/null; then
    # It only warns about a setting it cannot parse, so any word from it is a failure.
    verify=$(systemd-analyze verify "$unit" 2>&1) || fail "systemd-analyze verify: $verify"
    [[ -z $verify ]] || fail "systemd-analyze verify: $verify"
fi

exec_start=$(sed -n 's/^ExecStart=//p' "$unit")
user=$(sed -n 's/^User=//p' "$unit")
group=$(sed -n 's/^Group=//p' "$unit")
[[ -n $exec_start && -n $user && -n $group ]] || fail "the unit lacks ExecStart, User or Group"
read -ra command <<<"$exec_start"  # the unit's line has no quoting
# Everything comes from the installed configuration but the port: on a shared machine 8723 may
# be taken, and the command line's port wins over the file's.
echo "== running as $user: $exec_start"
setsid setpriv --reuid="$user" --regid="$group" --clear-groups --no-new-privs --inh-caps=-all \
    --bounding-set=-all -- env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/nonexistent USER="$user" LOGNAME="$user" "${command[@]}" --port 0 >"$log" 2>&1 &
pid=$!
url=
for _ in $(seq 100); do
    url=$(sed -n 's|^plv-service: listening on \(http://[^ ]*\)$|\1|p' "$log")
    [[ -n $url ]] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
[[ -n $url ]] || fail "the service did not start: $(cat "$log")"
[[ $url == http://127.0.0.1:* ]] || fail "listening on $url, not on the configured 127.0.0.1"
[[ $(stat -c %U "/proc/$pid") == "$user" ]] || fail "the service runs as $(stat -c %U "/proc/$pid")"

languages=$(curl -sS --max-time 10 "$url/languages")
grep -q '{"code":"en","engines":{[^}]*"es":"Apertium"[^}]*},"name":"English","targets":\[[^]]*"es"' <<<"$languages" ||
    fail "GET /languages: $languages"
translation=$(curl -sS --max-time 20 -X POST "$url/translate" --data 'q=the house&source=en&target=es')
[[ $translation == '{"credit":"Powered by Apertium","engine":"Apertium","link":"https://www.apertium.org/","translatedText":"La casa"}' ]] ||
    fail "POST /translate: $translation"
echo "ok: /languages and en->es (\"the house\" -> $translation) from the installed service"

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=
((status == 0)) || fail "the service ended with status $status on SIGTERM: $(cat "$log")"

echo "== removing"
"${apt[@]}" remove plv-service </dev/null >/dev/null
[[ ! -e /usr/bin/plv-service ]] || fail "/usr/bin/plv-service is still there after removal"
[[ -f $conf ]] || fail "removal (not purge) took the administrator's configuration"
"${apt[@]}" purge plv-service </dev/null >/dev/null
[[ ! -e $conf ]] || fail "$conf is still there after purge"
! dpkg-statoverride --list "$conf" >/dev/null || fail "purge left the override of $conf"
[[ ! -e /etc/systemd/system/multi-user.target.wants/plv-service.service ]] || fail "purge left the unit enabled"
echo "ok: the package installs, runs as $user and removes cleanly"
