#!/bin/bash
# The program started beside its engines but without their data shows a
# message box with the load error and ends with status 2 once it is closed.
# Run under a virtual X display (xvfb-run); xdotool answers the box.
set -u
bin="$1"
[ -n "${DISPLAY:-}" ] || { echo "*** no X display: test skipped ***"; exit 77; }
command -v xdotool >/dev/null || { echo "*** xdotool missing: test skipped ***"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cp "$bin/zentrok" "$dir/"
ln -s "$bin/libtatengine.so" "$bin/librusengine.so" "$dir/"
export XDG_RUNTIME_DIR="$dir"
# A real window on the virtual display, whatever platform the test run set.
export QT_QPA_PLATFORM=xcb
"$dir/zentrok" &
pid=$!
box=""
for _ in $(seq 1 100); do
  box=$(xdotool search --name '^Zentrok$' 2>/dev/null | head -1)
  [ -n "$box" ] && break
  sleep 0.1
done
if [ -z "$box" ]; then
  echo "no message box appeared"
  kill "$pid" 2>/dev/null
  exit 1
fi
kill -0 "$pid" || { echo "the program ended before the box was answered"; exit 1; }
xdotool windowactivate --sync "$box" 2>/dev/null
xdotool key --window "$box" Return
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "the program did not end after the box"
  kill "$pid"
  exit 1
fi
wait "$pid"
rc=$?
[ "$rc" -eq 2 ] || { echo "exit status $rc, expected 2"; exit 1; }
echo "load error shown, exit status 2"
