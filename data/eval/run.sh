#!/usr/bin/env bash
# Scores one direction of the dev set with the built translator.
#   run.sh BIN_DIR tt-ru|ru-tt
# The translator is "zentrok-cli --direction DIR" reading sentences on
# stdin, one per line. Exit 77 (skipped) while it is not built.
set -u
bin=$1
dir=$2
here=$(cd "$(dirname "$0")" && pwd)
cli="$bin/zentrok-cli"
if [ ! -x "$cli" ]; then
  echo "*** SKIPPED: $cli is not built; the $dir evaluation did not run ***"
  exit 77
fi
if ! "$cli" --help 2>&1 | grep -q -- "--direction"; then
  echo "*** SKIPPED: $cli has no --direction option; the $dir evaluation did not run ***"
  exit 77
fi
exec python3 "$here/score.py" "$here/$dir.tsv" --cmd "\"$cli\" --direction $dir" \
  --floors "$here/floors" --name "$dir"
