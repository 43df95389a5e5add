#!/usr/bin/env bash
# Sets up a fresh machine, builds everything, runs the fuzz targets for a
# bounded time and then the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
bash scripts/fuzz.sh "${FUZZ_SECONDS:-30}"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 600
