#!/usr/bin/env bash
# The real editor under Xvfb: its window maps with a 519 x 297 client area and its caption,
# and Escape closes it, leaving a 268-byte "settings.dat" in the folder it was started in.
set -euo pipefail
editor=$1
work=$(mktemp -d)
xvfb_pid=""
editor_pid=""
cleanup() {
    [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
    # Waiting for Xvfb to end keeps it from removing the socket of a server started after it.
    [ -n "$xvfb_pid" ] && { kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; } || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM

mkdir "$work/start"
(cd "$work/start" && exec "$editor") &
editor_pid=$!

wid=""
for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^Zapmaze Level Editor v1\.02$' 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && break
    sleep 0.05
done
[ -n "$wid" ] || fail "no window captioned 'Zapmaze Level Editor v1.02' mapped"

size=$(xwininfo -id "$wid" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
[ "$size" = "519x297" ] || fail "client area is $size, expected 519x297"
[ ! -e "$work/start/settings.dat" ] || fail "settings.dat written before closing"

xdotool windowfocus --sync "$wid"
xdotool key Escape
for _ in $(seq 100); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$editor_pid" 2>/dev/null; then fail "Escape did not close the editor"; fi
wait "$editor_pid" || fail "the editor exited with an error"
editor_pid=""

bytes=$(stat -c %s "$work/start/settings.dat" 2>/dev/null || echo missing)
[ "$bytes" = "268" ] || fail "settings.dat is $bytes bytes, expected 268"
echo "1 passed, 0 failed"
