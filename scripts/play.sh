#!/bin/bash
# Installs what the game needs, builds it into build/ and starts it.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=scripts/install-deps.sh
source "$root/scripts/install-deps.sh"

qb_install_dependencies "$root"
cmake -S "$root" -B "$root/build" -G Ninja
cmake --build "$root/build" -j "$(nproc)"

# The game finds its language files, font and music in its own folder.
cd "$root/build/bin"
exec ./QueltaBrovel
