#!/usr/bin/env bash
# The real editor under a real window manager (openbox in Xvfb), started with a level file:
# it is a normal, fixed-size application window that the window manager lists, it shows the
# level with its path in the title, the window manager's close runs the editor's close
# routine with its "Save Changes?" prompt, and that prompt is transient for the editor and
# stays above it.
#   window_manager.sh EDITOR
set -euo pipefail
editor=$1
work=$(mktemp -d /tmp/zm.XXXXXX)
xvfb_pid=""
wm_pid=""
editor_pid=""
cleanup() {
    [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
poll() { # poll COMMAND...: true once the command succeeds, within five seconds
    for _ in $(seq 100); do "$@" && return 0; sleep 0.05; done
    return 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
poll test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
poll wm_running || fail "openbox did not start"

mkdir "$work/start"
{
    printf '***************\r\n*-------------*\r\n'
    for _ in $(seq 10); do printf '*             *\r\n'; done
    printf '***************\r\n'
} >"$work/L3.txt"
(cd "$work/start" && exec "$editor" ../L3.txt) &
editor_pid=$!

find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
# The title shortens the path: the last three characters of its folder become dots.
title="^Zapmaze Level Editor v1\\.02 - ${work%???}\\.\\.\\./L3\\.txt\$"
wid=""
for _ in $(seq 100); do
    wid=$(find_window "$title" || true)
    [ -n "$wid" ] && break
    sleep 0.05
done
[ -n "$wid" ] || fail "no window titled with the level's path; windows: $(xdotool search --name . getwindowname %@ 2>/dev/null | tr '\n' '|')"
hex=$(printf '0x%x' "$wid")

listed() { xprop -root _NET_CLIENT_LIST | grep -q "$hex"; }
poll listed || fail "_NET_CLIENT_LIST does not hold the editor $hex"
props=$(xprop -id "$wid" _NET_WM_WINDOW_TYPE _NET_WM_STATE WM_TRANSIENT_FOR WM_NORMAL_HINTS)
grep -q '_NET_WM_WINDOW_TYPE(ATOM) = _NET_WM_WINDOW_TYPE_NORMAL$' <<<"$props" ||
    fail "not a normal window: $props"
! grep -q '_NET_WM_STATE_MODAL' <<<"$props" || fail "the editor is modal: $props"
grep -q 'WM_TRANSIENT_FOR:  not found' <<<"$props" || fail "the editor is transient: $props"
grep -q 'minimum size: 519 by 297' <<<"$props" && grep -q 'maximum size: 519 by 297' <<<"$props" ||
    fail "the size is not fixed at 519 x 297: $props"
! xprop -id "$wid" _NET_WM_ALLOWED_ACTIONS | grep -q 'MAXIMIZE\|RESIZE' ||
    fail "the window manager offers to resize or maximise the editor"

pixel() { # pixel X Y: the editor's colour there as #RRGGBB
    import -window "$wid" "png:$work/shot.png"
    convert "$work/shot.png" -crop "1x1+$1+$2" txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1
}
shows() { [ "$(pixel "$1" "$2")" = "$3" ]; }
poll shows 49 28 '#A0A0A4' || fail "the level's bricks are not shown: $(pixel 49 28) at (49,28)"

# A change makes the window manager's close ask first; cancelling keeps the editor open.
xdotool mousemove --window "$wid" 155 135 click 1
poll eval '! shows 155 135 "#008000"' || fail "the click did not change the level"
close_and_find_prompt() {
    wmctrl -i -c "$wid"
    box=""
    for _ in $(seq 100); do
        box=$(find_window '^Save Changes\?$' || true)
        [ -n "$box" ] && return 0
        sleep 0.05
    done
    fail "the window manager's close showed no 'Save Changes?' prompt"
}
close_and_find_prompt
xprop -id "$box" WM_TRANSIENT_FOR | grep -q "$hex" || fail "the prompt is not transient for the editor"
above() { xprop -root _NET_CLIENT_LIST_STACKING | grep -q "$hex.*$(printf '0x%x' "$box")"; }
poll above || fail "the prompt is not above the editor"
wmctrl -i -a "$wid"
sleep 0.3 # give the window manager the chance to raise the editor, which it must not
above || fail "activating the editor raised it above its prompt"
xdotool windowfocus --sync "$box" key Escape
poll eval '[ -z "$(find_window "^Save Changes\?\$")" ]' || fail "Escape left the prompt open"
kill -0 "$editor_pid" 2>/dev/null || fail "the editor closed although the prompt was cancelled"
[ ! -e "$work/start/settings.dat" ] || fail "settings.dat written by a cancelled close"

# Answering No closes the editor, which leaves its settings in the folder it was started in.
close_and_find_prompt
xdotool windowfocus --sync "$box" key n
poll eval '! kill -0 "$editor_pid" 2>/dev/null' || fail "the editor stayed open after answering No"
wait "$editor_pid" || fail "the editor exited with an error"
editor_pid=""
[ "$(stat -c %s "$work/start/settings.dat" 2>/dev/null)" = 268 ] || fail "no 268-byte settings.dat"
echo "1 passed, 0 failed"
