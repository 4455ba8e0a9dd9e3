#!/usr/bin/env bash
# Unsaved work outlives the editor under Xvfb: an editor killed with SIGKILL or ended by SIGTERM
# leaves its level, and the next start offers it in "Recover Level?" and shows it again, pixel
# for pixel; an editor started beside a running one is not offered that one's level, and a
# normal close leaves nothing behind. Escape on the offer keeps the level for a later start.
#   recovery.sh EDITOR
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
editor=$1
work=$(mktemp -d)
export XDG_STATE_HOME="$work/state"
recovery="$XDG_STATE_HOME/zapmaze-editor/recovery"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null || true; done
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

start_editor() { # start_editor: starts an editor in $work; its pid goes to $pid
    (cd "$work" && exec "$editor") 2>>"$work/editor.log" &
    pid=$!
    pids+=("$pid")
}
main_window() { wait_window "Zapmaze Level Editor v1\\.02"; }
second_window() { xdotool search --onlyvisible --name "^Zapmaze Level Editor v1\\.02\$" | grep -vx "$wid" | head -n 1; }
has_second_window() { [ -n "$(second_window)" ]; }
recovery_files() { ls "$recovery"/*.recovery 2>/dev/null | wc -l; }
has_recovery_files() { [ "$(recovery_files)" = "$1" ]; }
kept() { grep -qaF -- "$1" "$recovery"/*.recovery 2>/dev/null; } # kept TEXT: a file holds TEXT
# paint WINDOW ROW: bricks along cells 1..3 of the row in one stroke, each cell awaited.
paint() {
    xdotool mousemove --window "$1" 437 34 click 1 mousemove --window "$1" 35 $((15 + 20 * $2)) mousedown 1
    for x in 35 55 75; do
        xdotool mousemove --window "$1" "$x" $((15 + 20 * $2))
        wait_same_pixels "$1" $((x - 7)) $((8 + 20 * $2)) 430 27
    done
    xdotool mouseup 1
}
hover_gone() { ! shows_pixel "$1" 66 $((6 + 20 * $2)) "#FF0000"; } # hover_gone WINDOW ROW
grid_of() { # grid_of WINDOW ROW FILE: the grid's pixels with the pointer on the background
    xdotool mousemove --window "$1" 450 292
    wait_until hover_gone "$1" "$2" || fail "the hover frame stayed"
    import -window "$1" -crop 301x261+5+5 rgb:"$3"
}
recover() { # recover: answers Yes to "Recover Level?" of a new editor; its window goes to $wid
    start_editor
    focus_and_type "Recover Level\\?" key Return
    wait_window_gone "Recover Level\\?"
    wid=$(main_window)
}

start_xvfb "$work"
start_editor
killed=$pid
wid=$(main_window)
paint "$wid" 1
wait_until kept "*---          *" || fail "no recovery file of the stroke"
grid_of "$wid" 1 "$work/painted"
kill -9 "$killed"
wait "$killed" 2>/dev/null || true

# Escape on the offer answers nothing: the level waits for the next start.
start_editor
focus_and_type "Recover Level\\?" key Escape
wait_window_gone "Recover Level\\?"
wid=$(main_window)
has_recovery_files 1 || fail "Escape on the offer left $(recovery_files) recovery files, expected 1"
focus_and_type "Zapmaze Level Editor v1\\.02" key Escape
wait_exit "$pid"

recover
grid_of "$wid" 1 "$work/recovered"
cmp -s "$work/painted" "$work/recovered" || fail "the recovered grid differs from the painted one"
ended=$pid

# A second editor beside it is offered nothing, paints at once and keeps a file of its own.
start_editor
wait_until has_second_window || fail "the second editor's window did not map"
other=$(second_window)
paint "$other" 3
wait_until has_recovery_files 2 || fail "expected 2 recovery files, found $(recovery_files)"
xdotool windowfocus --sync "$other" key Escape
focus_and_type "Save Changes\\?" key n
wait_exit "$pid"
has_recovery_files 1 || fail "a normal close left $(recovery_files) recovery files, expected 1"

paint "$wid" 5
grid_of "$wid" 5 "$work/painted"
kill -TERM "$ended"
wait_until process_ended "$ended" || fail "SIGTERM did not end the editor"
recover
grid_of "$wid" 5 "$work/recovered"
cmp -s "$work/painted" "$work/recovered" || fail "the level after SIGTERM differs from the painted one"

focus_and_type "Zapmaze Level Editor v1\\.02" key Escape
focus_and_type "Save Changes\\?" key n
wait_exit "$pid"
[ -z "$(ls -A "$recovery")" ] || fail "a normal close left $(ls -A "$recovery")"
echo "1 passed, 0 failed"
