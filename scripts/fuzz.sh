#!/bin/bash
# scripts/fuzz.sh TARGET SECONDS: builds the fuzz targets with clang (in build-fuzz/, once) and
# runs one of them for that many seconds on its seed corpus in fuzz/corpus/TARGET/. New inputs
# go to build-fuzz/fuzz/corpus/TARGET/ and crashes to build-fuzz/fuzz/crashes/TARGET/; the
# committed corpus is only read. scripts/fuzz.sh all SECONDS runs every target in turn.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QB_FUZZ_BUILD:-$root/build-fuzz}"
targets=(fuzz_user_data fuzz_language_file fuzz_riff_wave fuzz_elf_section fuzz_game_definition
    fuzz_registry_export fuzz_server_request fuzz_online_answers fuzz_protocol_receiver)

if [ $# -ne 2 ] || ! [[ "$2" =~ ^[0-9]+$ ]]; then
    echo "usage: $0 TARGET|all SECONDS   (targets: ${targets[*]})" >&2
    exit 2
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
    -DCMAKE_C_COMPILER_LAUNCHER=ccache)
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DQB_WERROR=ON -DQB_FUZZ=ON \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target qb_fuzzers

run_one() {
    local target="$1" seconds="$2"
    local seeds="$root/fuzz/corpus/$target" found="$build/fuzz/corpus/$target"
    local crashes="$build/fuzz/crashes/$target"
    mkdir -p "$found" "$crashes"
    echo "== $target, $seconds s"
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:symbolize=1" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$crashes/" "$found" "$seeds"
}

if [ "$1" = all ]; then
    for target in "${targets[@]}"; do
        run_one "$target" "$2"
    done
elif [[ " ${targets[*]} " == *" $1 "* ]]; then
    run_one "$1" "$2"
else
    echo "unknown target $1 (targets: ${targets[*]})" >&2
    exit 2
fi
