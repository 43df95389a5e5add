#!/usr/bin/env bash
# Scores one direction of the dev set with the built engines.
#   run.sh BIN_DIR tt-ru|ru-tt
# Sentences go through zentrok-evaltr, which loads the engine library and
# the generated data from BIN_DIR. Exit 77 (skipped) while the engine of
# that direction is not built.
set -u
bin=$1
dir=$2
here=$(cd "$(dirname "$0")" && pwd)
lib="$bin/libtatengine.so"
[ "$dir" = ru-tt ] && lib="$bin/librusengine.so"
if [ ! -f "$lib" ] || [ ! -x "$bin/zentrok-evaltr" ]; then
  echo "*** SKIPPED: $lib or zentrok-evaltr is not built; the $dir evaluation did not run ***"
  exit 77
fi
exec python3 "$here/score.py" "$here/$dir.tsv" --cmd "\"$bin/zentrok-evaltr\" --dir \"$bin\" --direction $dir" \
  --floors "$here/floors" --name "$dir"
