#!/bin/bash
# Installs what the build needs, then builds and runs every test twice: a normal build in
# build/ and an AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=scripts/install-deps.sh
source "$root/scripts/install-deps.sh"

qb_install_dependencies "$root"
jobs="$(nproc)"

run_suite() {
    local dir="$1"
    shift
    cmake -S "$root" -B "$dir" -G Ninja -DQB_WERROR=ON "$@"
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

# Sound effects and music both go through OpenAL's silent driver: everything really decodes,
# mixes and plays, into no device.
export ALSOFT_DRIVERS=null
run_suite "$root/build"

# Leaks and string reads inside system libraries (fontconfig, libdbus, xkbcommon) are not ours;
# the suppressions name only those libraries, so a fault in our code still fails the run.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:suppressions=$root/scripts/asan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
run_suite "$root/build-asan" -DQB_SANITIZE=ON

# Every fuzz target briefly on its seed corpus, built with clang in its own build folder.
"$root/scripts/fuzz.sh" all 20
