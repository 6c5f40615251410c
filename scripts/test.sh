#!/usr/bin/env bash
# Builds Velcarin with its tests and runs every test; builds the Debian package (scripts/package.sh; on CI also
# installs and removes it, scripts/check-package.sh); then the whole suite once more under AddressSanitizer and
# UndefinedBehaviorSanitizer (scripts/sanitize.sh, build-asan/) and each fuzz target for a bounded time
# (scripts/fuzz.sh, build-fuzz/). CTest's summary line comes last.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh || exit 1
log=build/ctest.log
ctest --test-dir build --output-on-failure --parallel "$(nproc)" 2>&1 | tee "$log" | grep -vE '^[0-9]+% tests passed'
status=${PIPESTATUS[0]}
scripts/package.sh || status=1
if [ "${CI:-}" = true ]; then scripts/check-package.sh || status=1; fi
scripts/sanitize.sh || status=1
scripts/fuzz.sh || status=1
grep -E '^[0-9]+% tests passed' "$log"
exit "$status"
