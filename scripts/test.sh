#!/usr/bin/env bash
# Builds every configuration and runs every test:
#   linux          the engine, the window logic, the command line, the Qt program under Xvfb
#   sanitize       the same engine, window logic and command line under ASan and UBSan
#   windows        the MinGW-w64 build, its command line and window tested under Wine
#   windows-i686   the same for 32-bit Windows, under Wine's 32-bit half
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test

jobs=$(nproc)
for preset in linux sanitize windows windows-i686; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --test-dir "build/$preset" --output-on-failure -j "$jobs"
done
