#!/bin/bash
# Load benchmark of the master server on loopback: statistics reports per second with SQLite
# and with PostgreSQL (durable commits), each report checked against its account and stored,
# each beside a bare handler that only inserts (the ratio holds however busy the machine is);
# then two server processes taking reports into one PostgreSQL at once. Every run must end
# with no refused answer and no transport error, and the rows counted afterwards must be
# every report that was answered "1" (plus at most the few still in flight when wrk stopped).
#
#   bench/server/run-load.sh [BUILD_DIR] [SECONDS]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
seconds="${2:-10}"
server="$build/bin/queltabrovel-server"
bare="$build/bin/bench_bare_insert_server"
connections=16
accounts=10
work="$(mktemp -d)"
pids=()

cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    "$root/tests/server/postgres.sh" stop "$work/pg" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
[ "$(id -u)" -eq 0 ] && chmod 755 "$work"

export QB_ACCOUNTS="$accounts"
QB_DIGEST="$(printf '%s' benchpass | md5sum | cut -c1-32)"
export QB_DIGEST

add_accounts() {
    for id in $(seq 1 "$accounts"); do
        "$server" account add "$id" benchpass --database "$1" >/dev/null
    done
}

# Starts a program that prints "listening on HOST:PORT" and sets port to that port.
start_process() {
    local log="$work/server-${#pids[@]}.log"
    "$@" >"$log" 2>&1 &
    pids+=($!)
    port=""
    for _ in $(seq 1 200); do
        port="$(sed -n 's/.*listening on .*:\([0-9]*\)$/\1/p' "$log")"
        [ -n "$port" ] && break
        sleep 0.05
    done
    [ -n "$port" ] || { echo "did not start: $(cat "$log")" >&2; exit 1; }
}

stop_last() {
    kill "${pids[-1]}"
    wait "${pids[-1]}" 2>/dev/null || true
}

# The real server; every account is checked once first, as each player's game does when the
# account is entered, so the runs measure the steady state.
start_server() {
    start_process "$server" serve --listen 127.0.0.1:0 --database "$1"
    for id in $(seq 1 "$accounts"); do
        curl -fsS "http://127.0.0.1:$port/stats.php?mode=check&id=$id&pw=$QB_DIGEST" >/dev/null
    done
}

# Runs wrk against one port and prints "stored refused errors requests rate".
load() {
    local out
    out="$(wrk -t1 -c"$2" -d"${seconds}s" -s "$root/bench/server/report.lua" "http://127.0.0.1:$1/")"
    local rate stats
    rate="$(sed -n 's/^Requests\/sec: *\([0-9.]*\)/\1/p' <<<"$out")"
    stats="$(sed -n 's/^QB stored=\([0-9]*\) refused=\([0-9]*\) errors=\([0-9]*\) requests=\([0-9]*\)/\1 \2 \3 \4/p' <<<"$out")"
    echo "$stats $rate"
}

check() {
    local name="$1" rows="$2" stored="$3" refused="$4" errors="$5" rate="$6" inflight="$7"
    local verdict=ok
    if [ "$refused" -ne 0 ] || [ "$errors" -ne 0 ] || [ "$rows" -lt "$stored" ] ||
        [ "$rows" -gt $((stored + inflight)) ]; then
        verdict=FAILED
        failed=1
    fi
    printf '%-34s %9.0f reports/s  stored %8d  rows %8d  refused %d  errors %d  %s\n' \
        "$name" "$rate" "$stored" "$rows" "$refused" "$errors" "$verdict"
}

failed=0
echo "Load: ${seconds}s per run, $connections connections, $accounts accounts, loopback"

ratio() {
    printf '%-34s %9.0f %%  of the bare insert handler beside it\n' "$1" \
        "$(echo "100 * $2 / $3" | bc -l)"
}

# A bare handler with one prepared insert per request, then the real server, on one engine.
measure() {
    local name="$1" url="$2" count="$3"
    start_process "$bare" "$url"
    read -r stored refused errors _ bare_rate <<<"$(load "$port" "$connections")"
    stop_last
    check "$name, bare insert" "$($count)" "$stored" "$refused" "$errors" "$bare_rate" \
        "$connections"
    $4
    add_accounts "$url"
    start_server "$url"
    read -r stored refused errors _ rate <<<"$(load "$port" "$connections")"
    stop_last
    check "$name, server" "$($count)" "$stored" "$refused" "$errors" "$rate" "$connections"
    ratio "$name, server" "$rate" "$bare_rate"
}

sqlite="sqlite:$work/stats.sqlite"
count_sqlite() { sqlite3 "$work/stats.sqlite" 'SELECT COUNT(*) FROM reports'; }
clear_sqlite() { sqlite3 "$work/stats.sqlite" 'DELETE FROM reports'; }
measure "SQLite (WAL)" "$sqlite" count_sqlite clear_sqlite

QB_PG_DURABLE=1 "$root/tests/server/postgres.sh" start "$work/pg"
pg="postgresql:///postgres?host=$work/pg&user=qbtest"
count_pg() { psql -qtA "$pg" -c 'SELECT COUNT(*) FROM reports'; }
clear_pg() { psql -qtA "$pg" -c 'TRUNCATE reports' >/dev/null; }
measure "PostgreSQL (durable)" "$pg" count_pg clear_pg

clear_pg
start_server "$pg"
first="$port"
start_server "$pg"
second="$port"
load "$first" $((connections / 2)) >"$work/first" &
other=$!
load "$second" $((connections / 2)) >"$work/second"
wait "$other"
read -r s1 r1 e1 _ rate1 <"$work/first"
read -r s2 r2 e2 _ rate2 <"$work/second"
check "PostgreSQL, two servers at once" "$(count_pg)" $((s1 + s2)) $((r1 + r2)) $((e1 + e2)) \
    "$(echo "$rate1 + $rate2" | bc)" "$connections"
exit "$failed"
