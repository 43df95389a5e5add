#!/usr/bin/env bash
# Scores one direction of the dev set with the built engines.
#   run.sh BIN_DIR tt-ru|ru-tt|tt-ru-drill
# A set named DIRECTION-NAME (tt-ru-drill) is scored in that direction.
# Sentences go through zentrok-evaltr, which loads the engine library and
# the generated data from BIN_DIR. Exit 77 (skipped) while the engine of
# that direction is not built.
set -u
bin=$1
set_name=$2
dir=${set_name%%-drill}
here=$(cd "$(dirname "$0")" && pwd)
lib="$bin/libtatengine.so"
[ "$dir" = ru-tt ] && lib="$bin/librusengine.so"
if [ ! -f "$lib" ] || [ ! -x "$bin/zentrok-evaltr" ]; then
  echo "*** SKIPPED: $lib or zentrok-evaltr is not built; the $dir evaluation did not run ***"
  exit 77
fi
exec python3 "$here/score.py" "$here/$set_name.tsv" --cmd "\"$bin/zentrok-evaltr\" --dir \"$bin\" --direction $dir" \
  --floors "$here/floors" --name "$set_name"
