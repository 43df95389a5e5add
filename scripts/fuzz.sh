#!/usr/bin/env bash
# Builds the libFuzzer targets with AddressSanitizer into build-fuzz/ and
# runs each for a bounded time (seconds, default 30). Fails on any crash.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DZENTROK_FUZZ=ON \
  -DZENTROK_TESTS=OFF -DZENTROK_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
shopt -s nullglob
targets=(build-fuzz/fuzz/*)
if ((${#targets[@]} == 0)); then
  echo "fuzz: no fuzz targets were built" >&2
  exit 1
fi
for t in "${targets[@]}"; do
  name=$(basename "$t")
  corpus=$(mktemp -d)
  # Seeds live next to the target's source: <module>/fuzz/corpus/<name>/.
  for seeds in */fuzz/corpus/"$name" */*/fuzz/corpus/"$name"; do
    cp -r "$seeds"/. "$corpus"/ 2>/dev/null || true
  done
  echo "fuzz: $name for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=1 "$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=0 "$corpus" 2>"$corpus.log" || { tail -60 "$corpus.log"; echo "fuzz: $name FAILED"; exit 1; }
  grep -E '^(#[0-9]+ *DONE|Done)' "$corpus.log" | tail -1 || true
  rm -rf "$corpus" "$corpus.log"
done
echo "fuzz: all ${#targets[@]} targets ran without a crash"
