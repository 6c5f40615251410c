#!/usr/bin/env bash
# Configures and builds Velcarin in build/ (the program folder is build/bin).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" -- "$@"
