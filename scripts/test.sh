#!/usr/bin/env bash
# Builds Velcarin with its tests and runs every test, builds the Debian package (scripts/package.sh; on CI also
# installs and removes it, scripts/check-package.sh), then runs the fuzz targets for a minute each
# (scripts/fuzz.sh); CTest's summary line comes last.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh || exit 1
log=build/ctest.log
ctest --test-dir build --output-on-failure --parallel "$(nproc)" 2>&1 | tee "$log" | grep -vE '^[0-9]+% tests passed'
status=${PIPESTATUS[0]}
scripts/package.sh || status=1
if [ "${CI:-}" = true ]; then scripts/check-package.sh || status=1; fi
scripts/fuzz.sh || status=1
grep -E '^[0-9]+% tests passed' "$log"
exit "$status"
