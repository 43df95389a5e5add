#!/usr/bin/env bash
# Configures and builds the project into build/ (the program folder is
# build/bin). Extra arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja "$@" >/dev/null
cmake --build build -j"$(nproc)"
