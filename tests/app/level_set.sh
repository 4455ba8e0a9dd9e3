#!/usr/bin/env bash
# The level set in the real editor under Xvfb: F3 opens "Level Set", another program's write to
# L5.txt changes its picture, F3 closes it; Page Down and Up walk the set; an unmodified open level written
# by another program is shown anew; Escape in the editor ends the program with the window open.
#   level_set.sh EDITOR EXAMPLES_FOLDER
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
editor=$1
work=$(mktemp -d)
editor_pid=""
trap '[ -n "$editor_pid" ] && kill "$editor_pid"; stop_xvfb; rm -rf "$work"' EXIT
start_xvfb "$work"
mkdir "$work/set"
cp "$2"/L*.txt "$work/set/"
(cd "$work/set" && exec "$editor" L3.txt) 2>>"$work/editor.log" &
editor_pid=$!

shot() { import -window "$1" rgb:- 2>/dev/null | md5sum; }
changed_from() { [ "$(shot "$1")" != "$2" ]; }
shows_floor() { import -window "$1" -depth 8 txt:- 2>/dev/null | grep -c '#008000' >/dev/null; }
title_re() { echo "Zapmaze Level Editor v1\\.02 - .*/L$1\\.txt"; }

wid=$(wait_window "$(title_re 3)")
focus_window "$wid"
xdotool key F3
sid=$(wait_window "Level Set")
wait_until shows_floor "$sid" || fail "the Level Set window shows no level"
before=$(shot "$sid")
cp "$work/set/L1.txt" "$work/set/L5.new" && mv "$work/set/L5.new" "$work/set/L5.txt"
wait_until changed_from "$sid" "$before" || fail "slot 5 did not follow L5.txt"
focus_window "$sid"
xdotool key F3
wait_window_gone "Level Set"

focus_window "$wid"
xdotool key Next
wait_window "$(title_re 4)" >/dev/null
xdotool key Prior
wait_window "$(title_re 3)" >/dev/null
grid=$(shot "$wid")
cp "$work/set/L1.txt" "$work/set/L3.txt"
wait_until changed_from "$wid" "$grid" || fail "the open level was not read again"
xdotool key F3
wait_window "Level Set" >/dev/null
focus_window "$wid"
xdotool key Escape
wait_exit "$editor_pid"
editor_pid=""
echo "1 passed, 0 failed"
