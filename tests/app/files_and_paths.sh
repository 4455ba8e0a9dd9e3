#!/usr/bin/env bash
# The editor's files under Xvfb, driven with xdotool as a user would: a Load that reads nothing
# keeps the level and both files, a level with a byte order mark loads, "settings.dat" as a
# link is replaced and its target kept, a write that the file-size limit stops keeps the
# previous "settings.dat", and a level directory whose name is no UTF-8 survives Settings.
# Save onto a file that another program changed asks first.
#   files_and_paths.sh EDITOR ARTIFACTS_DIR
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
editor=$1
artifacts=$2
rm -rf "$artifacts"
mkdir -p "$artifacts"
work=$(mktemp -d)
editor_pid=""
cleanup() {
    [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
    stop_xvfb
    chattr -i "$work/two" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

step=0
shot() {
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
pixel() { pixel_of "$wid" "$1" "$2"; }
expect_pixel() { # expect_pixel NAME X Y COLOUR: waits until the editor shows COLOUR at (X,Y)
    wait_pixel "$wid" "$2" "$3" "$4" || exit 1
    shot "$1"
}
answer() { # answer TITLE XDOTOOL_ARGS...: focuses the window titled TITLE and sends the keys
    import -window root "png:$artifacts/$(printf '%02d' "$step")-dialog-$1.png"
    focus_and_type "$@" || exit 1
}
# choose_file TITLE NAME: types NAME into the file dialog and accepts it. A completion list that
# opened while typing takes the first Return; a second one accepts the dialog.
choose_file() {
    answer "$1" type --delay 20 "$2"
    xdotool key Return
    x_deadline=1 wait_until has_no_window "$1" || xdotool key Return
    wait_window_gone "$1"
}
click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; }
start_editor() { # start_editor FOLDER [FILE_SIZE_LIMIT]
    (cd "$1" && ulimit -f "${2:-unlimited}" && exec "$editor") &
    editor_pid=$!
    wid=$(wait_window "Zapmaze Level Editor v1\.02") || exit 1
    focus_window "$wid" || exit 1
}
close_editor() { # clicks Close on an unmodified level and waits for the editor to end
    click 475 274
    wait_exit "$editor_pid" || exit 1
    editor_pid=""
}
no_temporary_files_in() {
    local left
    left=$(find "$1" -name '.zapmaze-editor-*' | head -n 1)
    [ -z "$left" ] || fail "a temporary file was left behind: $left"
}

start_xvfb "$work"
floor="#008000"
solid="#B2B2B2"
solid_cell_x=135 # cell (6,10): solid in the playable level, floor in the default one
solid_cell_y=215

# 1. Load of a binary file after a level; then Save; then a level with a byte order mark.
one="$work/one"
mkdir -p "$one"
{
    printf '***************\r\n*-------------*\r\n***************\r\n*1 2          *\r\n'
    printf '***************\r\n*    3        *\r\n***************\r\n*      4      *\r\n'
    printf '***************\r\n*        5    *\r\n***************\r\n*             *\r\n'
    printf '***************\r\n'
} >"$one/L1.txt"
head -c 4096 /dev/urandom >"$one/binary.bin"
{
    printf '\xEF\xBB\xBF***************\r\n'
    for _ in $(seq 11); do printf '*             *\r\n'; done
    printf '***************\r\n'
} >"$one/L2.txt"
cp "$one/L1.txt" "$work/L1.before"
cp "$one/binary.bin" "$work/binary.before"
printf "someone else's file" >"$work/other.dat"
ln -s "$work/other.dat" "$one/settings.dat"

start_editor "$one"
click 475 128
choose_file "Open" L1.txt
expect_pixel level-loaded "$solid_cell_x" "$solid_cell_y" "$solid"
title=$(xdotool getwindowname "$wid")
case "$title" in "Zapmaze Level Editor v1.02 - "*L1.txt) ;; *) fail "title after Load is '$title'" ;; esac

click 475 128
choose_file "Open" binary.bin
answer "Load Failed" key Return
wait_window_gone "Load Failed"
shot after-failed-load
[ "$(pixel "$solid_cell_x" "$solid_cell_y")" = "$solid" ] || fail "the failed Load changed the picture"
[ "$(xdotool getwindowname "$wid")" = "$title" ] || fail "the failed Load changed the title"

inode=$(stat -c %i "$one/L1.txt")
replaced() { [ "$(stat -c %i "$one/L1.txt")" != "$inode" ]; }
click 475 159
wait_until replaced || fail "Save did not replace L1.txt"
no_temporary_files_in "$one"
cmp -s "$one/L1.txt" "$work/L1.before" || fail "Save after the failed Load changed L1.txt"
cmp -s "$one/binary.bin" "$work/binary.before" || fail "Save after the failed Load changed binary.bin"

# Another program changes L1.txt: Save asks first; Escape keeps that version, Yes replaces it.
printf 'changed by another program\r\n' >"$one/L1.txt"
cp "$one/L1.txt" "$work/L1.other"
click 475 159
answer "File Changed" key Escape
wait_window_gone "File Changed"
cmp -s "$one/L1.txt" "$work/L1.other" || fail "Escape on File Changed replaced the other version"
click 475 159
answer "File Changed" key Return
wait_window_gone "File Changed"
saved_again() { cmp -s "$one/L1.txt" "$work/L1.before"; }
wait_until saved_again || fail "Yes on File Changed did not save L1.txt"

click 475 128
choose_file "Open" L2.txt
expect_pixel bom-level-loaded "$solid_cell_x" "$solid_cell_y" "$floor"
close_editor
[ "$(cat "$work/other.dat")" = "someone else's file" ] || fail "the file behind the link changed"
[ -f "$one/settings.dat" ] && [ ! -L "$one/settings.dat" ] || fail "settings.dat is still a link"
[ "$(stat -c %s "$one/settings.dat")" = 268 ] || fail "settings.dat is not 268 bytes"
no_temporary_files_in "$one"

# 2. With every write failing (a file-size limit of 0), the previous settings.dat survives, written
# in place because the start folder takes no new file (immutable for the superuser).
two="$work/two"
mkdir -p "$two"
head -c 268 /dev/zero | tr '\0' 'a' >"$two/settings.dat"
cp "$two/settings.dat" "$work/settings.before"
chattr +i "$two" 2>/dev/null || chmod 555 "$two"
start_editor "$two" 0
click 352 91 # Show Grid: the record to write now differs from the file
expect_pixel grid-switched 245 235 "$floor"
close_editor
cmp -s "$two/settings.dat" "$work/settings.before" || fail "the failed write changed settings.dat"
chattr -i "$two" 2>/dev/null || chmod 755 "$two"
no_temporary_files_in "$two"

# 3. A level directory whose name is no UTF-8 survives Settings -> Save unchanged.
three="$work/three"
levels=$(printf '%s/lev\xff' "$three")
mkdir -p "$levels"
length=$(printf '%s' "$levels" | wc -c)
{ printf '%s' "$levels"; head -c $((260 - length)) /dev/zero; printf '\1\0\0\0\0\0\0\0'; } \
    >"$three/settings.dat"
start_editor "$three"
click 474 224
answer "Zapmaze Level Editor - Settings" key Return
wait_window_gone "Zapmaze Level Editor - Settings"
close_editor
stored=$(head -c 260 "$three/settings.dat" | tr -d '\0' | od -An -tx1 | tr -d ' \n')
expected=$(printf '%s' "$levels" | od -An -tx1 | tr -d ' \n')
[ "$stored" = "$expected" ] || fail "settings.dat stores the level directory as $stored, expected $expected"
echo "1 passed, 0 failed"
