#!/usr/bin/env bash
# A level designer's session with the real editor under Xvfb, driven with xdotool: paint, place
# the players, pick with Ctrl, meet the save check, fix the level, save it through the real file
# dialog, start anew, load it back, switch the grid, set the level directory and close; then
# open the level from the command line and undo and redo strokes and Clear Floor.
# Every step waits for the state it expects (see xsession.sh) and keeps a screenshot in the
# artifacts folder; a failure says what was expected and what the window showed.
#   end_to_end.sh EDITOR ARTIFACTS_DIR
#   ZM_E2E_STALL=1 stops the editor for 0.1 s out of every 0.5 s throughout, which shows that
#   the test waits for what it checks.
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
editor=$1
artifacts=$2
rm -rf "$artifacts"
mkdir -p "$artifacts"
work=$(mktemp -d)
start="$work/Start"
levels="$work/Game Levels"
mkdir -p "$start" "$levels"
editor_pid=""
step=0
cleanup() {
    if [ -n "$editor_pid" ]; then
        unstall_process "$editor_pid"
        kill "$editor_pid" 2>/dev/null || true
    fi
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

shot() { # shot NAME: keeps a screenshot of the editor window as the next step
    step=$((step + 1))
    current_shot="$artifacts/$(printf '%02d' "$step")-$1.png"
    import -window "$wid" "png:$current_shot" 2>/dev/null || true
}
fail() {
    import -window root "png:$artifacts/failure-screen.png" 2>/dev/null || true
    echo "FAIL: $*" >&2
    echo "screenshots kept in $artifacts (last: ${current_shot:-none}; the whole screen at the failure: failure-screen.png)" >&2
    echo "0 passed, 1 failed" >&2
    exit 1
}

expect_pixel() { # expect_pixel NAME X Y COLOUR: waits until the editor shows COLOUR at (X,Y)
    wait_pixel "$wid" "$2" "$3" "$4" || exit 1
    shot "$1"
}
expect_same_pixels() { # expect_same_pixels NAME X1 Y1 X2 Y2: waits until both show one colour
    wait_same_pixels "$wid" "$2" "$3" "$4" "$5" || exit 1
    shot "$1"
}
answer() { # answer TITLE XDOTOOL_ARGS...: focuses the window titled TITLE and sends the keys
    import -window root "png:$artifacts/$(printf '%02d' "$step")-dialog-$1.png" 2>/dev/null || true
    focus_and_type "$@" || exit 1
}
# choose_file TITLE NAME [completes]: types NAME into the file dialog and accepts it. With
# "completes", a listed name starts with NAME, so a completion list opens while typing and
# stays open; Escape closes it (the list takes that key) before Return accepts the dialog.
choose_file() {
    answer "$1" type --delay 20 "$2"
    if [ "${3:-}" = completes ]; then
        wait_until has_popup zapmaze-editor || fail "no completion list opened in '$1'"
        xdotool key Escape
        wait_until has_no_popup zapmaze-editor || fail "the completion list in '$1' stayed open"
    fi
    xdotool key Return
    wait_window_gone "$1"
}
click() { xdotool mousemove --window "$wid" "$1" "$2" click "${3:-1}"; }
cell_x() { echo $((15 + 20 * $1)); }
cell_y() { echo $((15 + 20 * $1)); }
click_cell() { click "$(cell_x "$1")" "$(cell_y "$2")" "${3:-1}"; }
palette() { # palette SLOT BUTTON
    local x=$((410 + 27 * ($1 % 4))) y=$((34 + 27 * ($1 / 4)))
    click "$x" "$y" "${2:-1}"
}
# stroke_row ROW FROM TO SLOT: a left-button drag along one row of cells with the tile of that
# palette slot. Qt merges the pointer moves that queue up while the editor is busy, so each
# move waits until its cell shows the tile (as its palette box does) before the next one.
stroke_row() {
    local y column tile_x=$((403 + 27 * ($4 % 4))) tile_y=$((27 + 27 * ($4 / 4)))
    y=$(cell_y "$1")
    xdotool mousemove --window "$wid" "$(cell_x "$2")" "$y" mousedown 1
    for column in $(seq "$2" "$3"); do
        xdotool mousemove --window "$wid" "$(cell_x "$column")" "$y"
        wait_same_pixels "$wid" "$((20 * column + 8))" "$((y - 7))" "$tile_x" "$tile_y" || exit 1
    done
    xdotool mouseup 1
}
title_names_l1() {
    case "$(xdotool getwindowname "$wid")" in "Zapmaze Level Editor v1.02 - "*L1.txt) ;; *) return 1 ;; esac
}

editor_title="Zapmaze Level Editor v1\.02"
editor_mapped_or_ended() { has_window "$editor_title" || process_ended "$editor_pid"; }
# Starts Xvfb and the editor in its start folder. Another server that was shutting down at that
# moment can remove the socket of the new one; the editor then cannot reach the display and
# both are started again.
for attempt in 1 2 3; do
    start_xvfb "$work"
    (cd "$start" && exec "$editor") 2>"$work/editor.log" &
    editor_pid=$!
    wait_until editor_mapped_or_ended || fail "the editor window did not map"
    has_window "$editor_title" && break
    grep -q 'could not connect to display' "$work/editor.log" ||
        fail "the editor ended at start: $(cat "$work/editor.log")"
    wait "$editor_pid" || true
    editor_pid=""
    stop_xvfb
done
[ -n "$editor_pid" ] || fail "the editor could not reach Xvfb: $(cat "$work/editor.log")"
[ "${ZM_E2E_STALL:-0}" = 1 ] && stall_process "$editor_pid"
wid=$(visible_window "$editor_title")
focus_window "$wid"

floor="#008000"
solid="#B2B2B2"

# Brick from the palette, and a stroke along row 1.
palette 1
expect_same_pixels brick-picked 325 126 430 27
stroke_row 1 1 13 1
for column in 1 7 13; do
    expect_same_pixels "brick-at-$column" "$((20 * column + 8))" 28 430 27
done
cp "$current_shot" "$artifacts/after-stroke.png"

# The five players, each from its palette slot.
players=("1 3" "3 3" "5 5" "7 7" "9 9")
for player in 0 1 2 3 4; do
    palette $((3 + player))
    read -r column row <<<"${players[$player]}"
    click_cell "$column" "$row"
    expect_same_pixels "player-$((player + 1))" "$((20 * column + 6 + 8))" "$((20 * row + 6 + 8))" \
        "$((400 + 27 * ((3 + player) % 4) + 1 + 8))" "$((24 + 27 * ((3 + player) / 4) + 1 + 8))"
done

# Ctrl over a brick picks it up for the left button.
focus_window "$wid"
xdotool keydown ctrl
click_cell 5 1
xdotool keyup ctrl
expect_same_pixels ctrl-pick 325 126 430 27

# Saving the open level is refused.
click 475 159
answer "Save Failed" key Return
wait_window_gone "Save Failed"

# Rows of solid blocks close every 2 x 2 block; then Save As through the real dialog.
palette 0
for row in 2 4 6 8 10; do stroke_row "$row" 1 13 0; done
expect_pixel solid-rows "$(cell_x 6)" "$(cell_y 10)" "$solid"
click 475 191
choose_file "Save As" L1.txt
wait_until test -s "$start/L1.txt" || fail "Save As wrote no L1.txt"
{
    printf '***************\r\n*-------------*\r\n***************\r\n*1 2          *\r\n'
    printf '***************\r\n*    3        *\r\n***************\r\n*      4      *\r\n'
    printf '***************\r\n*        5    *\r\n***************\r\n*             *\r\n'
    printf '***************\r\n'
} >"$work/expected.txt"
cmp -s "$start/L1.txt" "$work/expected.txt" || fail "L1.txt holds:
$(cat -A "$start/L1.txt" 2>/dev/null)
expected:
$(cat -A "$work/expected.txt")"
wait_until title_names_l1 || fail "title after Save As is '$(xdotool getwindowname "$wid")'"

# New clears the inside; Load brings the level back.
click 475 97
expect_pixel new-level "$(cell_x 6)" "$(cell_y 10)" "$floor"
click 475 128
choose_file "Open" L1.txt completes
expect_pixel loaded "$(cell_x 6)" "$(cell_y 10)" "$solid"
expect_same_pixels loaded-brick 68 28 430 27
expect_same_pixels loaded-player-1 34 74 "$((481 + 9))" "$((24 + 9))"
expect_same_pixels loaded-player-5 194 194 "$((481 + 9))" "$((51 + 9))"

# Show Grid off and on: the line between two floor cells turns green, then black.
click 352 91
expect_pixel grid-off 245 235 "$floor"
click 352 91
expect_pixel grid-on 245 235 "#000000"

# Settings: a new level directory, typed into the selected field and saved with Enter.
click 474 224
answer "Zapmaze Level Editor - Settings" type --delay 10 "$levels"
xdotool key Return
wait_window_gone "Zapmaze Level Editor - Settings"

# Close with unsaved changes: answer No to the prompt.
click_cell 1 11
expect_pixel edited "$(cell_x 1)" "$(cell_y 11)" "$solid"
click 475 274
answer "Save Changes\\?" key n
wait_exit "$editor_pid"
unstall_process "$editor_pid"
editor_pid=""

settings="$start/settings.dat"
[ "$(stat -c %s "$settings" 2>/dev/null)" = 268 ] || fail "settings.dat is missing or not 268 bytes"
stored=$(head -c 260 "$settings" | tr -d '\0')
[ "$stored" = "$levels" ] || fail "settings.dat stores the level directory '$stored', expected '$levels'"
show_grid=$(od -An -tu1 -j260 -N1 "$settings" | tr -d ' ')
[ "$show_grid" = 1 ] || fail "settings.dat stores Show Grid $show_grid, expected 1"
cmp -s "$start/L1.txt" "$work/expected.txt" || fail "closing without saving changed L1.txt"

# Undo and redo, in a second run that opens L1.txt from the command line.
grid_picture() { import -window "$wid" -crop 301x261+5+5 -depth 8 rgb:- 2>/dev/null | md5sum; }
shows_grid() { [ "$(grid_picture)" = "$1" ]; }
expect_grid() { # expect_grid NAME PICTURE: waits until the grid shows that picture again
    wait_until shows_grid "$2" || fail "the grid does not show the picture expected after $1"
    shot "$1"
}
keys() { focus_window "$wid" && xdotool key "$@"; }
# hover COLUMN ROW: moves the pointer over the cell, nudging it, until its red frame shows.
hover() {
    local frame_x=$((20 * $1 + 6)) frame_y=$((20 * $2 + 6))
    nudge_until "$wid" "$(cell_x "$1")" "$(cell_y "$2")" shows_pixel "$wid" "$frame_x" "$frame_y" "#FF0000" ||
        fail "expected #FF0000 at ($frame_x,$frame_y); the window shows $(pixel_of "$wid" "$frame_x" "$frame_y")"
}
shows_brick() { shows_same_pixels "$wid" "$((20 * $1 + 8))" "$((20 * $2 + 8))" 430 27; }
(cd "$start" && exec "$editor" "$start/L1.txt") &
editor_pid=$!
[ "${ZM_E2E_STALL:-0}" = 1 ] && stall_process "$editor_pid"
wid=$(wait_window "Zapmaze Level Editor v1\.02 - .*L1\.txt") || exit 1
focus_window "$wid"
palette 1
expect_same_pixels brick-picked-again 325 126 430 27
hover 6 11
before_stroke=$(grid_picture)
stroke_row 11 1 6 1
after_stroke=$(grid_picture)
keys ctrl+z
expect_grid undo-stroke "$before_stroke"
keys ctrl+y
expect_grid redo-stroke "$after_stroke"

# Clear Floor on the edited level asks first; undo brings the level back.
click 350 58
answer "Clear Grid\\?" key y
expect_pixel cleared "$(cell_x 6)" "$(cell_y 10)" "$floor"
hover 6 11
keys ctrl+z
expect_grid undo-clear "$after_stroke"

# Escape during a stroke asks to save; after Cancel the pointer paints nothing more.
y=$(cell_y 11)
xdotool mousemove --window "$wid" "$(cell_x 7)" "$y" mousedown 1
wait_until shows_brick 7 11 || fail "the press painted no brick on (7,11)"
keys Escape
answer "Save Changes\\?" key Escape
wait_window_gone "Save Changes\\?"
xdotool mousemove --window "$wid" "$(cell_x 8)" "$y"
xdotool mousemove --window "$wid" "$(cell_x 9)" "$y" mouseup 1
hover 10 11
for column in 8 9 10; do expect_pixel "nothing-painted-after-box-$column" "$(cell_x "$column")" "$y" "$floor"; done

# Save, a stroke and its undo leave the saved level: Escape closes without asking.
click 475 159
row_11_saved() { sed -n 12p "$start/L1.txt" | grep -q '^\*-------  '; }
wait_until row_11_saved || fail "Save did not write the bricks of row 11 into L1.txt"
hover 11 11
saved_grid=$(grid_picture)
stroke_row 11 10 11 1
keys ctrl+z
expect_grid undo-after-save "$saved_grid"
keys Escape
wait_exit "$editor_pid"
unstall_process "$editor_pid"
editor_pid=""
echo "1 passed, 0 failed"
