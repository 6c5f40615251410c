#!/usr/bin/env bash
# Builds Velcarin and starts it on the sample data shipped in its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh velcarin velcarin-program-folder
exec build/bin/velcarin "$@"
