#!/usr/bin/env bash
# Remakes the README's pictures in docs/: builds Velcarin, copies the sample databases into a folder of
# their own (the status bar shows its path, the same on every machine) and takes each picture under a
# virtual display of 1366 x 768, the screen of a ship's office computer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh take-screenshots velcarin-program-folder
data=/tmp/velcarin-screenshots/ship
rm -rf /tmp/velcarin-screenshots
mkdir -p "$data" docs
cp build/bin/*.mdb build/bin/*.hlp build/bin/GLOBE*.BMP "$data"/
xvfb-run -a -s "-screen 0 1366x768x24" build/tools/take-screenshots "$data" docs
rm -rf /tmp/velcarin-screenshots
echo "pictures in docs/: $(cd docs && ls ./*.png | tr '\n' ' ')"
