#!/usr/bin/env bash
# A level designer's session with the real editor under Xvfb, driven with xdotool: paint, place
# the players, pick with Ctrl, meet the save check, fix the level, save it through the real file
# dialog, start anew, load it back, switch the grid, set the level directory and close.
# Every step keeps a screenshot in the artifacts folder; a failure says what was expected and
# what the screenshot showed.
#   end_to_end.sh EDITOR ARTIFACTS_DIR
set -euo pipefail
editor=$1
artifacts=$2
rm -rf "$artifacts"
mkdir -p "$artifacts"
work=$(mktemp -d)
start="$work/Start"
levels="$work/Game Levels"
mkdir -p "$start" "$levels"
xvfb_pid=""
editor_pid=""
step=0
cleanup() {
    [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM

shot() { # shot NAME: a screenshot of the editor window
    step=$((step + 1))
    current_shot="$artifacts/$(printf '%02d' "$step")-$1.png"
    import -window "$wid" "png:$current_shot"
}
fail() {
    echo "FAIL: $*"
    echo "screenshots kept in $artifacts (last: ${current_shot:-none})"
    echo "0 passed, 1 failed"
    exit 1
}
pixel_in() { # pixel_in FILE X Y: the colour as #RRGGBB
    convert "$1" -crop "1x1+$2+$3" txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1
}
pixel() { pixel_in "$current_shot" "$1" "$2"; }
expect_pixel() { # expect_pixel NAME X Y COLOUR: polls until the editor shows COLOUR at (X,Y)
    local got=""
    for _ in $(seq 40); do
        shot "$1"
        got=$(pixel "$2" "$3")
        [ "$got" = "$4" ] && return 0
        sleep 0.1
    done
    fail "$1: expected $4 at ($2,$3), the screenshot shows $got"
}
expect_same_pixels() { # expect_same_pixels NAME X1 Y1 X2 Y2: two places show the same colour
    shot "$1"
    local a b
    a=$(pixel "$2" "$3")
    b=$(pixel "$4" "$5")
    [ "$a" = "$b" ] || fail "$1: expected ($2,$3) to match ($4,$5); the screenshot shows $a and $b"
}
find_window() { # find_window TITLE: waits for a visible window with exactly that title
    local found=""
    for _ in $(seq 100); do
        found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.05
    done
    return 1
}
answer() { # answer TITLE KEYS...: focuses the window titled TITLE and types the keys
    local window
    window=$(find_window "$1") || { shot "missing-$1"; fail "expected a window titled '$1'; none appeared"; }
    import -window root "png:$artifacts/$(printf '%02d' "$step")-dialog-$1.png"
    shift
    xdotool windowfocus --sync "$window"
    xdotool "$@"
}
gone() { # gone TITLE: waits until no window has that title
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.05
    done
    fail "the window '$1' stayed open"
}
choose_file() { # choose_file TITLE NAME: types NAME into the file dialog and accepts it
    answer "$1" type --delay 20 "$2"
    xdotool key Return
    # A completion list that opened while typing takes the first Return.
    for _ in $(seq 10); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    xdotool key Return
    gone "$1"
}
click() { xdotool mousemove --window "$wid" "$1" "$2" click "${3:-1}"; }
cell_x() { echo $((15 + 20 * $1)); }
cell_y() { echo $((15 + 20 * $1)); }
click_cell() { click "$(cell_x "$1")" "$(cell_y "$2")" "${3:-1}"; }
palette() { # palette SLOT BUTTON
    local x=$((410 + 27 * ($1 % 4))) y=$((34 + 27 * ($1 / 4)))
    click "$x" "$y" "${2:-1}"
}
stroke_row() { # stroke_row ROW FROM TO: a left-button drag along one row of cells
    local y
    y=$(cell_y "$1")
    xdotool mousemove --window "$wid" "$(cell_x "$2")" "$y" mousedown 1
    for column in $(seq "$2" "$3"); do
        xdotool mousemove --window "$wid" "$(($(cell_x "$column") - 5))" "$y"
        xdotool mousemove --window "$wid" "$(cell_x "$column")" "$y"
    done
    xdotool mouseup 1
}

(cd "$start" && exec "$editor") &
editor_pid=$!
wid=$(find_window "Zapmaze Level Editor v1\.02") || fail "the editor window did not map"
xdotool windowfocus --sync "$wid"

floor="#008000"
solid="#B2B2B2"

# Brick from the palette, and a stroke along row 1.
palette 1
expect_same_pixels brick-picked 325 126 430 27
stroke_row 1 1 13
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
xdotool keydown ctrl
click_cell 5 1
xdotool keyup ctrl
expect_same_pixels ctrl-pick 325 126 430 27

# Saving the open level is refused.
click 475 159
answer "Save Failed" key Return
gone "Save Failed"

# Rows of solid blocks close every 2 x 2 block; then Save As through the real dialog.
palette 0
for row in 2 4 6 8 10; do stroke_row "$row" 1 13; done
expect_pixel solid-rows "$(cell_x 6)" "$(cell_y 10)" "$solid"
click 475 191
choose_file "Save As" L1.txt
for _ in $(seq 50); do [ -s "$start/L1.txt" ] && break; sleep 0.1; done
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
title=$(xdotool getwindowname "$wid")
case "$title" in "Zapmaze Level Editor v1.02 - "*L1.txt) ;; *) fail "title after Save As is '$title'" ;; esac

# New clears the inside; Load brings the level back.
click 475 97
expect_pixel new-level "$(cell_x 6)" "$(cell_y 10)" "$floor"
click 475 128
choose_file "Open" L1.txt
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
gone "Zapmaze Level Editor - Settings"

# Close with unsaved changes: answer No to the prompt.
click_cell 1 11
expect_pixel edited "$(cell_x 1)" "$(cell_y 11)" "$solid"
click 475 274
answer "Save Changes\\?" key n
for _ in $(seq 100); do kill -0 "$editor_pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$editor_pid" 2>/dev/null && fail "the editor stayed open after answering No"
wait "$editor_pid" || fail "the editor exited with an error"
editor_pid=""

settings="$start/settings.dat"
[ "$(stat -c %s "$settings" 2>/dev/null)" = 268 ] || fail "settings.dat is missing or not 268 bytes"
stored=$(head -c 260 "$settings" | tr -d '\0')
[ "$stored" = "$levels" ] || fail "settings.dat stores the level directory '$stored', expected '$levels'"
show_grid=$(od -An -tu1 -j260 -N1 "$settings" | tr -d ' ')
[ "$show_grid" = 1 ] || fail "settings.dat stores Show Grid $show_grid, expected 1"
cmp -s "$start/L1.txt" "$work/expected.txt" || fail "closing without saving changed L1.txt"
echo "1 passed, 0 failed"
