#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
build/bin/zentrok-tablecheck --self-check
