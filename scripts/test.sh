#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh, in build-package/, which builds no tests; on CI also installs
# and removes it, scripts/check-package.sh); builds Velcarin with its tests under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test (scripts/sanitize.sh, build-asan/); then runs each fuzz
# target for a bounded time (scripts/fuzz.sh, build-fuzz/). CTest's summary line comes last.
# Each test runs once, with the sanitizers: a build without them (scripts/build.sh, build/) is for working
# on the program; `ctest --test-dir build` runs the suite there.
set -uo pipefail
cd "$(dirname "$0")/.."
status=0
scripts/package.sh || status=1
if [ "${CI:-}" = true ]; then scripts/check-package.sh || status=1; fi
scripts/sanitize.sh || status=1
scripts/fuzz.sh || status=1
grep -E '^[0-9]+% tests passed' build-asan/ctest.log
exit "$status"
