#!/bin/bash
# Takes the README's screenshots of the menu and of a match at the table: the game from the build
# tree under a private X server with a compositor (for the windows' translucency), driven through
# its accessibility tree as a player would.
# usage: packaging/screenshots/take-screenshots.sh <build folder> [<output folder>]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "$1" && pwd)"
out="$(cd "${2:-$here}" && pwd)"

work="$(mktemp -d)"
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp &
pids+=($!)
export DISPLAY="$display"
sleep 1
xcompmgr &
pids+=($!)

mkdir -p "$work/data" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export ALSOFT_DRIVERS=null QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 &
    bus=$!
    sleep 1
    "$1/bin/QueltaBrovel" &
    game=$!
    /usr/bin/python3 "$2/drive-to-table.py" "$3"
    status=$?
    kill $game $bus 2>/dev/null
    exit $status
' take "$build" "$here" "$out"
