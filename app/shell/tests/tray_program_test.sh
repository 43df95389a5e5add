#!/bin/bash
# The program on a virtual X display: Ctrl+Insert with text selected in
# another client opens the popup "Lunaret" and hides the main window; a
# later "zentrok" brings the main window back, a later "zentrok 3" opens the
# popup again; Alt+F4 in the main window ends the program.
set -u
bin="$1"
[ -n "${DISPLAY:-}" ] || { echo "*** no X display: test skipped ***"; exit 77; }
for p in xdotool xclip; do
  command -v "$p" >/dev/null || { echo "*** $p missing: test skipped ***"; exit 77; }
done
dir=$(mktemp -d)
pid=""
sel=""
cleanup() {
  [ -n "$sel" ] && kill "$sel" 2>/dev/null
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
# The program in its own folder, so that its settings file stays there.
cp "$bin/zentrok" "$dir/"
for f in "$bin"/*; do
  name=$(basename "$f")
  [ "$name" = zentrok ] || [ "$name" = settings.dat ] || [ -d "$f" ] || ln -s "$f" "$dir/$name"
done
export XDG_RUNTIME_DIR="$dir"
export QT_QPA_PLATFORM=xcb

visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
# wait_until SECONDS COMMAND...: true once the command succeeds.
wait_until() {
  local limit=$(( $1 * 10 )); shift
  for _ in $(seq 1 "$limit"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
shown() { [ -n "$(visible "$1")" ]; }
hidden() { [ -z "$(visible "$1")" ]; }
ended() { ! kill -0 "$pid" 2>/dev/null; }
fail() { echo "FAIL: $*"; cat "$dir/err"; exit 1; }

"$dir/zentrok" 2>"$dir/err" &
pid=$!
wait_until 60 shown '^Zentrok$' || fail "the main window did not appear"

printf 'Мин китап укыйм.' | xclip -quiet -selection primary -i 2>/dev/null &
sel=$!
owned() { xclip -o -selection primary >/dev/null 2>&1; }
wait_until 10 owned || fail "xclip did not take the selection"
xdotool key ctrl+Insert
wait_until 15 shown '^Lunaret$' || fail "Ctrl+Insert did not open the popup"
wait_until 5 hidden '^Zentrok$' || fail "the main window stayed after Ctrl+Insert"

"$dir/zentrok" || fail "the second copy failed"
wait_until 10 shown '^Zentrok$' || fail "zentrok did not bring the main window back"
wait_until 5 hidden '^Lunaret$' || fail "the popup stayed with the main window"

"$dir/zentrok" 3 || fail "the second copy with 3 failed"
wait_until 15 shown '^Lunaret$' || fail "zentrok 3 did not open the popup"
grep -q "start command 1 1" "$dir/err" || fail "the start command was not received"

"$dir/zentrok"
wait_until 10 shown '^Zentrok$' || fail "the main window did not come back"
main=$(visible '^Zentrok$')
xdotool windowfocus --sync "$main" 2>/dev/null
sleep 0.3
xdotool key alt+F4
wait_until 10 ended || fail "Alt+F4 in the main window did not end the program"
wait "$pid"
rc=$?
pid=""
[ "$rc" -eq 0 ] || fail "exit status $rc"
echo "hot key, start commands and exit key work"
