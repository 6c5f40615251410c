#!/usr/bin/env bash
# Every test program starts through VELCARIN_TEST_MAIN or VELCARIN_TEST_GUILESS_MAIN (tests/support/TestMain.h),
# which put QStandardPaths in its test mode first; Qt's own QTEST_*MAIN would let a test reach the folders of
# the user who runs it.
# Usage: check-test-mains.sh SOURCE_DIR
set -u
cd "$1" || exit 2
if grep -rnE '^QTEST_(APPLESS_|GUILESS_)?MAIN\(' tests fuzz --include='*.cpp' --include='*.h'; then
    echo "a test starts through QTEST_*MAIN: use VELCARIN_TEST_MAIN or VELCARIN_TEST_GUILESS_MAIN"
    exit 1
fi
echo "every test starts in the test mode"
