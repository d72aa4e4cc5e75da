#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang into build-fuzz/ and runs each for a
# bounded time (FUZZ_SECONDS, 30 by default) from its seed corpus. Fails on any finding: a crash,
# a memory error, undefined behaviour, a leak, a failed property or an input that hangs. A
# finding's input is kept in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-30}"
generator=()
[ -f build-fuzz/CMakeCache.txt ] || generator=(-G Ninja)
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B build-fuzz "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMORA_FUZZ=ON -DBUILD_TESTING=OFF -DVELMORA_BUILD_BENCHMARKS=OFF "${launcher[@]}"
cmake --build build-fuzz -j2

# The settings targets write their file on every run: a memory file system keeps them fast.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
mkdir -p build-fuzz/findings
failed=()
for seeds in tests/fuzz/corpus/*/; do
    target="$(basename "$seeds")"
    # New inputs go to the build folder; the committed seeds stay as they are.
    work="build-fuzz/corpus/$target"
    mkdir -p "$work"
    echo "Fuzzing $target for ${seconds}s"
    if ! "build-fuzz/tests/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/${target}-" "$work" "$seeds"; then
        failed+=("$target")
    fi
done
if [ "${#failed[@]}" -ne 0 ]; then
    echo "Fuzzing found faults in: ${failed[*]} (inputs in build-fuzz/findings/)" >&2
    exit 1
fi
