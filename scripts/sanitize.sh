#!/usr/bin/env bash
# Builds Velcarin with its tests once more, with AddressSanitizer and UndefinedBehaviorSanitizer, in
# build-asan/, and runs every test there; any report of either fails the test it comes from. clang, whose
# UndefinedBehaviorSanitizer also checks the arguments of C library calls (memcpy from a null pointer).
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh || exit 1
flags="-O1 -gline-tables-only -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null \
    || exit 1
cmake --build build-asan --parallel "$(nproc)" || exit 1
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" 2>&1 | tee build-asan/ctest.log |
    grep -vE '^[0-9]+% tests passed'
status=${PIPESTATUS[0]}
grep -E '^[0-9]+% tests passed' build-asan/ctest.log | sed 's/^/sanitizers: /'
exit "$status"
