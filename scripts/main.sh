#!/usr/bin/env bash
# Sets up a fresh machine, builds everything and translates a Tatar and a
# Russian sample sentence with zentrok-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
cli=build/bin/zentrok-cli
if [ ! -x "$cli" ]; then
  echo "main: $cli was not built (it needs both engine libraries)" >&2
  exit 1
fi
echo "Мин яңа китап укыйм." | tee /dev/stderr | "$cli" -d tt-ru --mark
echo "Я читаю новую книгу." | tee /dev/stderr | "$cli" -d ru-tt --mark
