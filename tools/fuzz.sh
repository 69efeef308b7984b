#!/bin/sh
# Fuzzes every harness of tests/fuzz for SECONDS each (default 60), in the clang
# sanitizer build (folder build-asan, or $HOPSCOPE_FUZZ_BUILD), configured and built
# here when needed. The committed seed corpora are read, never changed: new inputs
# and anything found go to a scratch folder that is printed at the end. A crash found
# is committed to tests/fuzz/corpus/<name>/ together with its fix.
# Usage: tools/fuzz.sh [SECONDS]
set -e
seconds=${1:-60}
cd "$(dirname "$0")/.."
build=${HOPSCOPE_FUZZ_BUILD:-build-asan}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ \
        "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
fi
targets=$(for f in tests/fuzz/fuzz_*.cpp; do basename "$f" .cpp; done)
# shellcheck disable=SC2086
cmake --build "$build" --target $targets

work=$(mktemp -d "${TMPDIR:-/tmp}/hopscope-fuzz-XXXXXX")
status=0
for target in $targets; do
    name=${target#fuzz_}
    mkdir -p "$work/$name"
    log="$work/$name.log"
    if "$build/tests/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/$name-" "$work/$name" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
        result="nothing found"
    else
        result="FOUND A FAULT (see $log)"
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: ${runs:-?} inputs in ${seconds} s, $result"
done
echo "logs, new inputs and any crash files: $work"
exit $status
