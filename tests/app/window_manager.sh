#!/usr/bin/env bash
# The real editor under a window manager (openbox in Xvfb), started with a relative level file
# name, which opens as Load opens a chosen file: a normal, fixed-size application window that the window manager lists, showing the
# level with its path in the title; the window manager's close runs the editor's close routine,
# whose "Save Changes?" prompt is transient for the editor and stays above it.
#   window_manager.sh EDITOR
set -euo pipefail
editor=$1
work=$(mktemp -d /tmp/zm.XXXXXX)
pids=()
# Waits for Xvfb to end: a server still dying could remove the socket of the next test's server
# on the same display.
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
poll() { for _ in $(seq 300); do "$@" && return 0; sleep 0.05; done; return 1; }
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
found() { [ -n "$(window "$1")" ]; }

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
poll test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
poll wm_running || fail "openbox did not start"

# The level's folder name holds a byte that is no UTF-8, which the file name must keep; the
# title shows the folder as "x...", its last three characters becoming dots.
levels="$work/s/x"$'\xe9'"yz"
mkdir -p "$levels"
{
    printf '***************\r\n*-------------*\r\n'
    for _ in $(seq 10); do printf '*             *\r\n'; done
    printf '***************\r\n'
} >"$levels/L3.txt"
(cd "$work/s" && exec "$editor" "${levels##*/}/L3.txt") &
editor_pid=$!
pids+=($editor_pid)
title="^Zapmaze Level Editor v1\\.02 - $work/s/x\\.\\.\\./L3\\.txt\$"
poll found "$title" || fail "no window titled with the level's path"
wid=$(window "$title")
hex=$(printf '0x%x' "$wid")

listed() { xprop -root _NET_CLIENT_LIST | grep -q "$hex"; }
poll listed || fail "_NET_CLIENT_LIST does not hold the editor"
props=$(xprop -id "$wid" _NET_WM_WINDOW_TYPE _NET_WM_STATE WM_TRANSIENT_FOR WM_NORMAL_HINTS \
    _NET_WM_ALLOWED_ACTIONS)
for expected in '_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_NORMAL$' \
    'WM_TRANSIENT_FOR:  not found' 'minimum size: 519 by 297' 'maximum size: 519 by 297'; do
    grep -q "$expected" <<<"$props" || fail "expected '$expected' in: $props"
done
! grep -q 'MODAL\|MAXIMIZE\|RESIZE' <<<"$props" || fail "modal, resizable or maximisable: $props"

pixel() {
    import -window "$wid" "png:$work/shot.png"
    convert "$work/shot.png" -crop "1x1+$1+$2" txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1
}
shows() { [ "$(pixel "$1" "$2")" = "$3" ]; }
poll shows 49 28 '#A0A0A4' || fail "the level's bricks are not shown"
[ "$(readlink "/proc/$editor_pid/cwd")" = "$levels" ] || fail "the level's folder is not current"

# A change makes the window manager's close ask first; answering No closes the editor, which
# then writes its settings into its start folder.
xdotool mousemove --window "$wid" 155 135 click 1
changed() { ! shows 155 135 '#008000'; }
poll changed || fail "the click did not change the level"
prompt='^Save Changes\?$'
wmctrl -i -c "$wid"
poll found "$prompt" || fail "the window manager's close showed no 'Save Changes?' prompt"
box=$(window "$prompt")
xprop -id "$box" WM_TRANSIENT_FOR | grep -q "$hex" || fail "the prompt is not transient for the editor"
above() { xprop -root _NET_CLIENT_LIST_STACKING | grep -q "$hex.*$(printf '0x%x' "$box")"; }
poll above || fail "the prompt is not above the editor"
wmctrl -i -a "$wid"
sleep 0.3 # time for the window manager to raise the editor, which it must not do
above || fail "activating the editor raised it above its prompt"
xdotool windowfocus --sync "$box" key n
ended() { ! kill -0 "$editor_pid" 2>/dev/null; }
poll ended || fail "the editor stayed open after answering No"
wait "$editor_pid" || fail "the editor exited with an error"
[ "$(stat -c %s "$work/s/settings.dat")" = 268 ] || fail "no 268-byte settings.dat"
echo "1 passed, 0 failed"
