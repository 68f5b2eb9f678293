#!/usr/bin/env bash
# Builds both presets and runs every test: native unit tests, then the Win32
# tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
for preset in native windows; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
ctest --preset native -j2
ctest --preset windows
