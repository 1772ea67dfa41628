#!/bin/bash
# Opens the user guide and the highscore page, served by the real server from a database with
# one reported match, in headless Chromium at 1280 and 375 pixels wide; fails on any console
# error or warning, script error, failed resource or sideways overflow. Screenshots go to
# SHOTS_DIR for a look.
#
#   web_pages.sh SERVER_PROGRAM SHOTS_DIR
set -euo pipefail

server="$1"
shots="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$shots"

database="sqlite:$work/stats.sqlite"
"$server" account add 7 geheim --database "$database" >/dev/null
"$server" serve --listen 127.0.0.1:0 --database "$database" >"$work/log" 2>&1 &
pid=$!
port=""
for _ in $(seq 1 200); do
    port="$(sed -n 's/.*listening on .*:\([0-9]*\)$/\1/p' "$work/log")"
    [ -n "$port" ] && break
    sleep 0.05
done
[ -n "$port" ] || { cat "$work/log"; exit 1; }

digest="$(printf geheim | md5sum | cut -c1-32)"
answer="$(curl -fsS "http://127.0.0.1:$port/stats.php?mode=stats&id=7&pw=$digest&highscore=2500&win=1&GameType=2&level=3&ver=182")"
[ "$answer" = 1 ] || { echo "report refused: $answer"; exit 1; }

status=0
for page in userguide highscores; do
    for width in 1280 375; do
        "$here/page_check.py" "http://127.0.0.1:$port/index.php?page=$page" "$width" \
            "$shots/$page-$width.png" || status=1
    done
done
exit "$status"
