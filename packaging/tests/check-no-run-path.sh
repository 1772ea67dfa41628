#!/bin/sh
# No program or library of an installed program folder carries a run path: they find their
# libraries on the system and the game's own files beside themselves, never in the build tree.
# usage: check-no-run-path.sh <program folder>
set -eu
status=0
found=0
for binary in "$1"/*; do
    file -L "$binary" | grep -q ELF || continue
    found=$((found + 1))
    if readelf -d "$binary" | grep -E 'R(UN)?PATH'; then
        echo "$binary carries a run path" >&2
        status=1
    fi
done
if [ "$found" -lt 2 ]; then
    echo "$1 holds $found programs or libraries; the game and its support library belong there" >&2
    status=1
fi
exit $status
