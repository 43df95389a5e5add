#!/usr/bin/env bash
# Russian inflection check against an independent dictionary. Installs the
# npm package "az" into a temporary folder (never into the tree), dumps our
# generated forms and compares them. Exit 77 (skipped) when node or npm is
# missing or the package cannot be installed.
#   az_check.sh ZENTROK_MKDATA LEXICON_DIR [MIN_RATE]
set -u
mkdata=$1
lexicon=$2
min=${3:-0.9}
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  echo "*** SKIPPED: node/npm are not installed; the Russian inflection check did not run ***"
  exit 77
fi
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if ! (cd "$tmp" && npm install --silent --no-audit --no-fund --no-save az >/dev/null 2>&1); then
  echo "*** SKIPPED: npm could not install the \"az\" package; the Russian inflection check did not run ***"
  exit 77
fi
"$mkdata" --lexicon "$lexicon" --dump russian > "$tmp/russian.tsv" || exit 1
NODE_PATH="$tmp/node_modules" node "$here/az_check.js" "$tmp/russian.tsv" "$tmp/node_modules/az/dicts" "$min"
