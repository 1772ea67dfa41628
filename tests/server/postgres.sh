#!/bin/bash
# A private PostgreSQL 15 for the server tests: "start DIR" makes a fresh cluster in DIR that
# listens only on a Unix socket in DIR (no TCP) and trusts local connections; "stop DIR" ends
# it by the PID it wrote. PostgreSQL refuses to run as root, so as root it runs as the
# postgres user, which then owns DIR. The tests run without forced disk writes; the load
# benchmark sets QB_PG_DURABLE=1 to measure with the durable commits of a real deployment.
set -euo pipefail

pgbin=/usr/lib/postgresql/15/bin
action="$1"
dir="$2"

as_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

start() {
    stop_running
    rm -rf "$dir"
    mkdir -p "$dir"
    [ "$(id -u)" -eq 0 ] && chown postgres: "$dir"
    as_owner "$pgbin/initdb" -D "$dir/data" -U qbtest --auth=trust -E UTF8 --no-sync \
        >"$dir/initdb.log"
    local durability="-c fsync=off"
    [ "${QB_PG_DURABLE:-0}" = 1 ] && durability=""
    as_owner "$pgbin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
        -o "-k $dir -c listen_addresses='' $durability -c max_connections=200" start \
        >/dev/null
    head -1 "$dir/data/postmaster.pid" >"$dir/pid"
}

stop_running() {
    [ -f "$dir/pid" ] || return 0
    local pid
    pid="$(cat "$dir/pid")"
    rm -f "$dir/pid"
    kill -INT "$pid" 2>/dev/null || return 0
    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
}

case "$action" in
start) start ;;
stop) stop_running ;;
*) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
