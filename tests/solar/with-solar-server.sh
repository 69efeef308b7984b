#!/bin/sh
# with-solar-server.sh COMMAND [ARG...]
# Runs COMMAND with a local solar data server (solar-server.py, serving data/) on
# 127.0.0.1 and stops the server afterwards. The command finds it through
# HOPSCOPE_SOLAR_TEST_BASE (http://127.0.0.1:PORT) and a port where nothing listens
# through HOPSCOPE_SOLAR_DEAD_URL. The server and the command are bounded in time.
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d) || exit 1
server=""
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT INT TERM
timeout 300 python3 "$here/solar-server.py" "$here/data" "$work/port" &
server=$!
tries=0
while [ ! -s "$work/port" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
        echo "the local solar data server did not start"
        exit 1
    fi
    sleep 0.1
done
dead=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1]); s.close()')
HOPSCOPE_SOLAR_TEST_BASE="http://127.0.0.1:$(cat "$work/port")"
HOPSCOPE_SOLAR_DEAD_URL="http://127.0.0.1:$dead"
export HOPSCOPE_SOLAR_TEST_BASE HOPSCOPE_SOLAR_DEAD_URL
timeout 240 "$@"
