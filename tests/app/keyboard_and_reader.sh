#!/usr/bin/env bash
# The real editor under Xvfb as a screen reader and a keyboard user meet it. Over AT-SPI, the
# grid of a loaded level is a table of 13 x 15 cells named after the file's tiles, and the
# palette, the swatches and the status line are named. Then, with `xdotool key` alone, New, the
# solid blocks and the five players, and Save As give the expected bytes.
#   keyboard_and_reader.sh EDITOR
set -euo pipefail
[ -n "${ZM_IN_DBUS:-}" ] || ZM_IN_DBUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/xsession.sh"
editor=$1
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_STATE_HOME="$work/state"
start_xvfb "$work"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)

row() { printf '*%s*\r\n' "$1"; }
mkdir "$work/start" "$work/out"
{
    printf '***************\r\n'
    row '-1-2-3-4-5---'
    for _ in $(seq 5); do row ' * * * * * * '; row '-------------'; done
    printf '***************\r\n'
} >"$work/start/L2.txt"
(cd "$work/start" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$editor" L2.txt) &
pids+=($!)
wid=$(wait_window 'Zapmaze Level Editor v1\.02 - .*L2\.txt')
focus_window "$wid"
xdotool key shift+Tab # from Show Grid back to the grid: the cursor's dashes on (1,1)
wait_pixel "$wid" 30 27 '#FFFFFF'

/usr/bin/python3 - "$work/start/L2.txt" <<'PY' || fail "the accessible tree differs (above)"
import sys, time, gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi
tiles = dict(zip("*- 12345", ["Solid Block", "Destructible Brick", "Floor", "Player One",
    "Player Two", "Player Three", "Player Four", "Player Five"]))
rows = open(sys.argv[1], "rb").read().decode().split("\r\n")[:13]
def walk(node):
    yield node
    if node.get_role() != Atspi.Role.TABLE:
        for i in range(node.get_child_count()):
            yield from walk(node.get_child_at_index(i))
def problems():
    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    nodes = [n for a in apps if a.get_name() == "zapmaze-editor" for n in walk(a)]
    names = {(n.get_role(), n.get_name()) for n in nodes}
    tables = [n for n in nodes if n.get_role() == Atspi.Role.TABLE]
    if len(tables) != 1 or (tables[0].get_n_rows(), tables[0].get_n_columns()) != (13, 15):
        return "no table of 13 x 15 cells"
    for r in range(13):
        for c in range(15):
            want = "%s, column %d, row %d" % (tiles[rows[r][c]], c, r)
            if tables[0].get_accessible_at(r, c).get_name() != want:
                return "cell %d,%d is not '%s'" % (c, r, want)
    lists = [n for n in nodes if n.get_role() == Atspi.Role.LIST]
    if not lists or [lists[0].get_child_at_index(i).get_name() for i in range(8)] != list(tiles.values()):
        return "no list of the eight tiles"
    for role, name in [(Atspi.Role.LABEL, "Selected: (1,1)   Tile Type: Destructible Brick"),
            (Atspi.Role.LABEL, "About"), (Atspi.Role.PANEL, "Tiles"),
            (Atspi.Role.IMAGE, "Left button: Solid Block"), (Atspi.Role.IMAGE, "Right button: Floor")]:
        if (role, name) not in names:
            return "nothing named '%s'" % name
deadline = time.time() + 20
while (problem := problems()) and time.time() < deadline:
    time.sleep(0.2)
if problem:
    sys.exit(problem)
PY

# Keys alone: New, from the grid, which keeps the focus, then Solid Block on every cell of even column and row, which leaves no open
# 2 x 2 block, and the players at the corners and the middle; then Save As.
column=1 line=1
keys=()
go() { # go COLUMN ROW: the arrows from the cursor's cell to that one
    while [ "$column" -lt "$1" ]; do keys+=(Right); column=$((column + 1)); done
    while [ "$column" -gt "$1" ]; do keys+=(Left); column=$((column - 1)); done
    while [ "$line" -lt "$2" ]; do keys+=(Down); line=$((line + 1)); done
    while [ "$line" -gt "$2" ]; do keys+=(Up); line=$((line - 1)); done
}
for r in 2 4 6 8 10; do
    for c in 2 4 6 8 10 12; do go "$c" "$r"; keys+=(space); done
done
for player in "4 1 1" "5 13 1" "6 1 11" "7 13 11" "8 7 7"; do
    set -- $player
    keys+=("$1")
    go "$2" "$3"
    keys+=(space)
done
xdotool key alt+n
wait_pixel "$wid" 35 35 "$(pixel_of "$wid" 35 55)" # (1,1) shows Floor as (1,2) does
xdotool key --delay 15 "${keys[@]}" alt+a
focus_and_type "Save As" type --delay 20 "$work/out/L1.txt"
has_no_popup zapmaze-editor || xdotool key Escape
xdotool key Return
wait_until test -s "$work/out/L1.txt" || fail "Save As wrote no L1.txt"
{
    printf '***************\r\n'
    row '1           2'
    row ' * * * * * * '; row '             '
    row ' * * * * * * '; row '             '
    row ' * * * * * * '; row '      5      '
    row ' * * * * * * '; row '             '
    row ' * * * * * * '; row '3           4'
    printf '***************\r\n'
} >"$work/expected.txt"
cmp -s "$work/out/L1.txt" "$work/expected.txt" || fail "L1.txt holds:
$(cat -A "$work/out/L1.txt")"
echo "1 passed, 0 failed"
