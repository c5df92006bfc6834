# The Linux-side peers of plv.exe under Wine: the translation server with its service page, and
# Debian's Chromium with a DevTools endpoint on the loopback interface (the "attach" engine).
# Source after wine-env.sh; both are ended by wine_down with the rest (their pids are recorded).
# Every wait here is bounded.

e2e_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# free_port: prints a loopback TCP port that nothing listens on now, below the range the system
# hands out to outgoing connections (so that none of them holds it when a server binds it later).
free_port() {
    local port
    for _ in $(seq 1 50); do
        port=$((20000 + RANDOM % 12000))
        # A refused connection means nobody listens there.
        if ! timeout 2 bash -c "exec 3<>/dev/tcp/127.0.0.1/$port" 2>/dev/null; then
            echo "$port"
            return 0
        fi
    done
    return 1
}

# service_up DIR [PORT]: plv-service on PORT, or on a port the system picks; sets SERVICE_URL
# (http://127.0.0.1:PORT/).
service_up() {
    local dir=$1 port=${2:-0} exe=${PLV_SERVICE:-$e2e_root/build/server/plv-service}
    if [ ! -x "$exe" ]; then
        echo "service_up: $exe is missing (server/scripts/test builds it)" >&2
        return 1
    fi
    "$exe" --config "$e2e_root/server/plv-service.conf" --port "$port" --preload true >"$dir/service.log" 2>&1 &
    wine_pids+=($!)
    [ -n "${wine_dir:-}" ] && echo "$!" >>"$wine_dir/pids"
    local line
    for _ in $(seq 1 300); do
        line=$(grep -o 'http://127.0.0.1:[0-9]*' "$dir/service.log" 2>/dev/null | head -n 1 || true)
        [ -n "$line" ] && break
        sleep 0.1
    done
    if [ -z "$line" ]; then
        echo "service_up: plv-service did not start" >&2
        cat "$dir/service.log" >&2
        return 1
    fi
    SERVICE_URL="$line/"
    for _ in $(seq 1 100); do
        curl -s -o /dev/null "${SERVICE_URL}languages" && return 0
        sleep 0.1
    done
    echo "service_up: $SERVICE_URL does not answer" >&2
    return 1
}

# chromium_up DIR [PORT]: headless Chromium with its DevTools endpoint on a loopback port it picks
# (or on PORT); sets DEVTOOLS (http://127.0.0.1:PORT) and CHROMIUM_PID.
chromium_up() {
    local dir=$1 profile="$1/chromium-profile" want=${2:-0}
    rm -rf "$profile"
    mkdir -p "$profile"
    chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$profile" --remote-debugging-address=127.0.0.1 --remote-debugging-port="$want" \
        about:blank >"$dir/chromium.log" 2>&1 &
    CHROMIUM_PID=$!
    wine_pids+=($!)
    [ -n "${wine_dir:-}" ] && echo "$!" >>"$wine_dir/pids"
    local port=
    for _ in $(seq 1 300); do
        if [ "$want" != 0 ]; then
            curl -s -o /dev/null "http://127.0.0.1:$want/json/version" && port=$want && break
        else
            port=$(head -n 1 "$profile/DevToolsActivePort" 2>/dev/null || true)
            [ -n "$port" ] && break
        fi
        sleep 0.1
    done
    if [ -z "$port" ]; then
        echo "chromium_up: Chromium did not open its DevTools endpoint" >&2
        tail -n 20 "$dir/chromium.log" >&2
        return 1
    fi
    DEVTOOLS="http://127.0.0.1:$port"
    for _ in $(seq 1 100); do
        curl -s -o /dev/null "$DEVTOOLS/json/version" && return 0
        sleep 0.1
    done
    echo "chromium_up: $DEVTOOLS does not answer" >&2
    return 1
}
