#!/usr/bin/env bash
# The Linux desktop package on this machine, as root: builds plv_VERSION.deb (scripts/package-linux),
# installs it with plv-service's package (built by server/scripts/package), and checks the
# installed program: it refuses to start without an X display, and on one (Xvfb) it starts its own
# translation service through /usr/lib/parlevo and Debian's Chromium, both ended with it. Then
# removes both packages. Everything started here is ended by process id.
#
# usage: tests/x11/package_test.sh SERVICE_DEB_DIR OUT_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
service_dir=${1:?usage: package_test.sh SERVICE_DEB_DIR OUT_DIR}
out=${2:?usage: package_test.sh SERVICE_DEB_DIR OUT_DIR}
export DEBIAN_FRONTEND=noninteractive
apt=(apt-get -y -q -o DPkg::Lock::Timeout=300)
fail() {
    echo "plv package test: FAIL: $*" >&2
    exit 1
}

service_deb=$(realpath "$(ls "$service_dir"/plv-service_*.deb 2>/dev/null | head -n 1)" 2>/dev/null || true)
[ -n "$service_deb" ] || fail "no plv-service package in $service_dir"
plv_deb=$(realpath "$("$root/scripts/package-linux" "$out" | tail -n 1)")

pids=()
work=$(mktemp -d)
cleanup() {
    local p
    for p in "${pids[@]}"; do
        kill "$p" 2>/dev/null && wait "$p" 2>/dev/null || true
    done
    for p in plv plv-service; do
        dpkg -s "$p" >/dev/null 2>&1 && "${apt[@]}" purge "$p" >/dev/null </dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

"${apt[@]}" install "$service_deb" "$plv_deb" >"$work/apt.log" 2>&1 </dev/null ||
    { tail -n 20 "$work/apt.log" >&2; fail "the packages did not install"; }
for f in /usr/bin/plv /usr/lib/parlevo/libhash2.so /usr/share/parlevo/plv.ini \
    /usr/share/applications/parlevo.desktop /etc/xdg/autostart/parlevo.desktop; do
    [ -e "$f" ] || fail "$f is not installed"
done

# Without an X display: a plain refusal, exit code 1.
set +e
said=$(env -u DISPLAY -u WAYLAND_DISPLAY plv 2>&1)
code=$?
set -e
[ $code -eq 1 ] && grep -q "X11" <<<"$said" || fail "without X, plv exited with $code and said: $said"

# On a display of its own: plv, its service (the system's plv-service, run for this user) and
# Chromium; all end with plv.
display=
for n in $(seq 150 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=:$n; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do
    DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
DISPLAY=$display XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime HOME=$work \
    setsid plv >"$work/plv.log" 2>&1 &
plv=$!
pids+=("$plv")
children() { pgrep -P "$1" 2>/dev/null || true; }
service= browser=
for _ in $(seq 1 300); do
    for c in $(children "$plv"); do
        args=$(tr '\0' ' ' </proc/"$c"/cmdline 2>/dev/null || true)
        case "$args" in
            *plv-service*--api-key-stdin*) service=$c ;;
            *chromium*) browser=$c ;;
        esac
    done
    [ -n "$service" ] && [ -n "$browser" ] && break
    sleep 0.1
done
[ -n "$service" ] || fail "the installed plv started no service of its own ($(cat "$work/plv.log"))"
[ -n "$browser" ] || fail "the installed plv started no Chromium ($(cat "$work/plv.log"))"
kill "$plv"
for _ in $(seq 1 100); do
    kill -0 "$service" 2>/dev/null || kill -0 "$browser" 2>/dev/null || break
    sleep 0.1
done
! kill -0 "$service" 2>/dev/null || fail "plv-service ($service) outlived plv"
! kill -0 "$browser" 2>/dev/null || fail "Chromium ($browser) outlived plv"
echo "plv package test: $(basename "$plv_deb") installs, refuses a session without X, starts its service and Chromium and ends them"
