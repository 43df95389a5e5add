#!/usr/bin/env bash
# Scores one direction of the dev set with the built engines.
#   run.sh BIN_DIR tt-ru|ru-tt|DIRECTION-NAME
# A set named DIRECTION-NAME (tt-ru-drill, ru-tt-story) is read from
# DIRECTION-NAME.tsv and scored in that direction.
# Sentences go through zentrok-evaltr, which loads the engine library and
# the generated data from BIN_DIR. Exit 77 (skipped) while the engine of
# that direction is not built.
set -u
bin=$1
set_name=$2
case "$set_name" in
  tt-ru|tt-ru-?*) dir=tt-ru ;;
  ru-tt|ru-tt-?*) dir=ru-tt ;;
  *) echo "run.sh: set name must be tt-ru, ru-tt or DIRECTION-NAME, not '$set_name'" >&2
     exit 2 ;;
esac
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -f "$here/$set_name.tsv" ]; then
  echo "run.sh: no evaluation set $here/$set_name.tsv" >&2
  exit 2
fi
lib="$bin/libtatengine.so"
[ "$dir" = ru-tt ] && lib="$bin/librusengine.so"
if [ ! -f "$lib" ] || [ ! -x "$bin/zentrok-evaltr" ]; then
  echo "*** SKIPPED: $lib or zentrok-evaltr is not built; the $dir evaluation did not run ***"
  exit 77
fi
exec python3 "$here/score.py" "$here/$set_name.tsv" --cmd "\"$bin/zentrok-evaltr\" --dir \"$bin\" --direction $dir" \
  --floors "$here/floors" --name "$set_name"
