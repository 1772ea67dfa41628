#!/bin/sh
# Starts an installed game through its launcher from an empty folder, offscreen, and checks what
# it found: its font, language texts and music in its program folder (where the executable really
# lives, not where the launcher is), its user data in the XDG data folder, nothing written where
# it was started. The game reports what it found on its start-up logging category.
# usage: check-game-starts.sh <launcher> <program folder>
set -eu
launcher=$1
program=$(cd "$2" && pwd -P)

work=$(mktemp -d)
pid=
finish() {
    if [ -n "$pid" ] && kill "$pid" 2>/dev/null; then
        wait "$pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT
mkdir "$work/start" "$work/home" "$work/data" "$work/config" "$work/cache"
log=$work/log

cd "$work/start"
env HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
    XDG_CACHE_HOME="$work/cache" QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null \
    QT_LOGGING_RULES="queltabrovel.startup.debug=true" \
    QT_MESSAGE_PATTERN="%{category}: %{message}" "$launcher" >"$log" 2>&1 &
pid=$!

deadline=$(($(date +%s) + 60))
until grep -q "startup: menu shown" "$log" && grep -q "startup: music" "$log"; do
    if ! kill -0 "$pid" 2>/dev/null || [ "$(date +%s)" -ge "$deadline" ]; then
        echo "the game did not show its menu; its output:" >&2
        cat "$log" >&2
        exit 1
    fi
    sleep 0.1
done

status=0
expect() {
    if ! grep -qF "$1" "$log"; then
        echo "missing from the game's output: $1" >&2
        status=1
    fi
}
expect "queltabrovel.startup: font $program/kvfont.ttf gives Jura"
expect "queltabrovel.startup: menu shown in Jura with Single Game | Campaign | Multiplayer"
expect "| Quit"
expect "queltabrovel.startup: music brov1.mp3 found at $program/brov1.mp3"

record=$work/data/QueltaBrovel/User.dat
if [ "$(wc -c <"$record" 2>/dev/null || echo 0)" -ne 868 ]; then
    echo "no 868-byte user data file at $record" >&2
    status=1
fi
if [ -n "$(ls -A "$work/start")" ]; then
    echo "the game wrote into the folder it was started from:" >&2
    ls -A "$work/start" >&2
    status=1
fi
echo "the game's output:"
cat "$log"
exit $status
