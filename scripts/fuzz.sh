#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/CMakeLists.txt in build-fuzz/ (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each on its saved corpus fuzz/corpus/TARGET/.
# Without an argument (the test command) each target runs a fixed number of inputs from a fixed seed, so that
# a run fails or passes the same way every time; with SECONDS each searches that long from a new seed, to
# look for faults.
# Fails on any crash, hang, leak or sanitizer report; what the fuzzer reports stands in build-fuzz/TARGET.log
# and the input that found it in build-fuzz/TARGET-crash-* (or -timeout-, -leak-...).
# Usage: scripts/fuzz.sh [SECONDS_PER_TARGET]
set -uo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then
    budget=(-max_total_time="$1")
    done_text="no fault in $1s"
else
    budget=(-seed=1 -runs=25000 -max_total_time=600)
    done_text="no fault from seed 1"
fi
scripts/install-deps.sh || exit 1
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVELCARIN_FUZZ=ON >/dev/null || exit 1
cmake --build build-fuzz --target velcarin-fuzz-targets --parallel "$(nproc)" >build-fuzz/build.log 2>&1 ||
    { tail -40 build-fuzz/build.log; exit 1; }

status=0
for corpus in fuzz/corpus/*/; do
    target=$(basename "$corpus")
    found=$(mktemp -d) # new inputs go here: the saved corpus changes only by hand
    if build-fuzz/fuzz/"$target" "${budget[@]}" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix=build-fuzz/"$target"- "$found" "$corpus" >build-fuzz/"$target".log 2>&1; then
        echo "fuzz: $target: $done_text ($(grep -o 'stat::number_of_executed_units: *[0-9]*' \
            build-fuzz/"$target".log | grep -o '[0-9]*$' || echo '?') runs)"
    else
        echo "fuzz: $target FAILED; the report:"
        grep -A30 -E '^==[0-9]+==|ERROR: libFuzzer|runtime error' build-fuzz/"$target".log | head -60 ||
            tail -20 build-fuzz/"$target".log
        status=1
    fi
    rm -rf "$found"
done
exit "$status"
