#!/usr/bin/env bash
# Times zentrok-cli on this machine: start-up (loading one direction's
# tables, empty input), words per second on a large text in each direction,
# and peak resident memory. Runs on one core (taskset) when available.
#
#   bench/cli/cli_bench.sh [PROGRAM_FOLDER] [MEGABYTES]
#
# The texts are the evaluation sets under data/ when present, else a few
# built-in sentences, repeated up to the requested size.
set -euo pipefail
cd "$(dirname "$0")/../.."
bin=${1:-build/bin}
mb=${2:-20}
cli="$bin/zentrok-cli"
[ -x "$cli" ] || { echo "cli_bench: no $cli (build the engines and zentrok-cli first)" >&2; exit 1; }
one_core=()
command -v taskset >/dev/null && one_core=(taskset -c 0)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

sample() {  # sample DIRECTION: source sentences, one a line
  local lang=$1 found=""
  for f in data/eval/*"$lang"* data/dev/*"$lang"*; do
    [ -f "$f" ] && { cut -f1 "$f"; found=1; }
  done
  [ -n "$found" ] && return
  if [ "$lang" = tt ]; then
    cat <<'TXT'
Мин китап укыйм.
Без бүген мәктәпкә бардык, ә алар өйдә калдылар.
Әнием миңа яңа күлмәк алып кайтты!
Кышын урамда бик салкын була.
Син кайчан кайтасың?
Балалар бакчада уйныйлар, ә әти-әниләре эшлиләр.
TXT
  else
    cat <<'TXT'
Я читаю книгу.
Сегодня мы ходили в школу, а они остались дома.
Мама купила мне новое платье!
Зимой на улице очень холодно.
Когда ты вернёшься?
Дети играют в саду, а их родители работают.
TXT
  fi
}

make_text() {  # make_text LANG FILE: the sample doubled up to the size
  sample "$1" > "$2"
  [ -s "$2" ] || { echo "cli_bench: no sample text" >&2; exit 1; }
  while [ "$(stat -c %s "$2")" -lt $((mb * 1024 * 1024)) ]; do
    cat "$2" "$2" > "$tmp/twice"
    mv "$tmp/twice" "$2"
  done
}

ms_now() { date +%s%N | cut -c1-13; }

# words/s by wall-clock time, and by the CPU time the run used (the fair
# figure on a shared machine).
printf '%-6s %10s %8s %10s %8s %12s %10s %8s\n' direction words wall-s words/s cpu-s cpu-words/s startup-ms peak-MB
for dir in tt-ru ru-tt; do
  lang=${dir%%-*}
  make_text "$lang" "$tmp/$lang.txt"
  words=$(wc -w < "$tmp/$lang.txt")
  # Start-up: best of five runs on empty input.
  best=999999
  for _ in 1 2 3 4 5; do
    t0=$(ms_now)
    "${one_core[@]}" "$cli" -d "$dir" < /dev/null > /dev/null
    t=$(( $(ms_now) - t0 ))
    [ "$t" -lt "$best" ] && best=$t
  done
  /usr/bin/time -f '%e %U %S %M' -o "$tmp/time" "${one_core[@]}" "$cli" -d "$dir" "$tmp/$lang.txt" > /dev/null
  read -r secs user sys kb < "$tmp/time"
  cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.2f", u + s }')
  rate=$(awk -v w="$words" -v s="$secs" 'BEGIN { printf "%d", (s > 0 ? w / s : 0) }')
  cpurate=$(awk -v w="$words" -v s="$cpu" 'BEGIN { printf "%d", (s > 0 ? w / s : 0) }')
  printf '%-6s %10d %8s %10s %8s %12s %10d %8d\n' "$dir" "$words" "$secs" "$rate" "$cpu" "$cpurate" "$best" $((kb / 1024))
done
