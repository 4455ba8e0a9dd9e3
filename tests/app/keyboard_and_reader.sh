#!/usr/bin/env bash
# The real editor under Xvfb as a screen reader and a keyboard user meet it: over AT-SPI, the
# grid of a loaded level is a table of 13 x 15 cells named after the file's tiles, and the
# palette, swatches and status line are named; then `xdotool key` alone makes a valid level
# from New and saves it with Save As.   keyboard_and_reader.sh EDITOR
set -euo pipefail
[ -n "${ZM_IN_DBUS:-}" ] || ZM_IN_DBUS=1 exec dbus-run-session -- bash "$0" "$@"
source "$(dirname "$0")/xsession.sh"
work=$(mktemp -d) && mkdir "$work/start" "$work/out" && bus="" editor=""
trap 'kill $bus $editor 2>/dev/null; stop_xvfb; rm -rf "$work"' EXIT
export XDG_STATE_HOME="$work/state"
start_xvfb "$work"
/usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
row() { printf '*%s*\r\n' "$1"; }
wall() { printf '***************\r\n'; }
rows() { for row in "$@"; do row "$(printf '%-13s' "$row")"; done; }
{ wall && row '-1-2-3-4-5---' && for _ in 1 2 3 4 5; do rows ' * * * * * * ' -------------; done
  wall; } >"$work/start/L2.txt"
(cd "$work/start" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$1" L2.txt) & editor=$!
wid=$(wait_window 'Zapmaze Level Editor v1\.02 - .*L2\.txt')
focus_window "$wid"
xdotool key shift+Tab # from Show Grid to the grid: the cursor's dashes on (1,1)
wait_pixel "$wid" 30 27 '#FFFFFF'

/usr/bin/python3 - "$work/start/L2.txt" <<'PY' || fail "the accessible tree differs (above)"
import sys, time, gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi
tiles = dict(zip("*- 12345", ["Solid Block", "Destructible Brick", "Floor", "Player One",
                              "Player Two", "Player Three", "Player Four", "Player Five"]))
rows = open(sys.argv[1]).read().split("\n")
def walk(node): # all but the cells, which the table's own calls reach
    yield node
    for i in range(node.get_child_count() if node.get_role() != Atspi.Role.TABLE else 0):
        yield from walk(node.get_child_at_index(i))
def problem():
    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    nodes = [n for a in apps if a.get_name() == "zapmaze-editor" for n in walk(a)]
    named = {(n.get_role(), n.get_name()): n for n in nodes}
    table = named.get((Atspi.Role.TABLE, "Level grid"))
    if not table or (table.get_n_rows(), table.get_n_columns()) != (13, 15):
        return "no table of 13 x 15 cells"
    for r, c in ((r, c) for r in range(13) for c in range(15)):
        name = table.get_accessible_at(r, c).get_name()
        if name != "%s, column %d, row %d" % (tiles[rows[r][c]], c, r):
            return "cell %d,%d is named %s" % (c, r, name)
    palette = named.get((Atspi.Role.LIST, "Palette"))
    items = [palette.get_child_at_index(i).get_name() for i in range(8)] if palette else []
    if items != list(tiles.values()) or not palette.get_child_at_index(0).get_state_set().contains(
            Atspi.StateType.SELECTED):
        return "no list of the eight tiles with the left button's selected"
    for role, name in [("LABEL", "Selected: (1,1)   Tile Type: Destructible Brick"),
                       ("LABEL", "About"), ("PANEL", "Tiles"), ("IMAGE", "Left button: Solid Block"),
                       ("IMAGE", "Right button: Floor")]:
        if (getattr(Atspi.Role, role), name) not in named:
            return "no %s named '%s'" % (role, name)
deadline = time.time() + 20
while problem() and time.time() < deadline:
    time.sleep(0.2)
sys.exit(problem())
PY

# Keys alone: New (the grid keeps the focus), Solid Block on each cell of even column and row,
# which leaves no open 2 x 2 block, the five players, then Save As.
column=1 line=1 keys=()
go() { # go COLUMN ROW: the arrows from the cursor's cell to that one, then Space
    for ((; column < $1; column++)); do keys+=(Right); done
    for ((; column > $1; column--)); do keys+=(Left); done
    for ((; line < $2; line++)); do keys+=(Down); done
    for ((; line > $2; line--)); do keys+=(Up); done
    keys+=(space)
}
for r in 2 4 6 8 10; do for c in 2 4 6 8 10 12; do go "$c" "$r"; done; done
for player in "4 1 1" "5 13 1" "6 1 11" "7 13 11" "8 7 7"; do
    set -- $player && keys+=("$1") && go "$2" "$3"
done
xdotool key alt+n
wait_pixel "$wid" 35 35 "$(pixel_of "$wid" 35 55)" # (1,1) shows Floor as (1,2) does
xdotool key --delay 15 "${keys[@]}" alt+a
focus_and_type "Save As" type --delay 20 "$work/out/L1.txt"
has_no_popup zapmaze-editor || xdotool key Escape
xdotool key Return
wait_until test -s "$work/out/L1.txt" || fail "Save As wrote no L1.txt"
{
    wall && row '1           2'
    for middle in ' ' ' ' '      5' ' ' '3           4'; do rows ' * * * * * * ' "$middle"; done
    wall
} >"$work/expected.txt"
cmp -s "$work/out/L1.txt" "$work/expected.txt" || fail "L1.txt holds: $(cat -A "$work/out/L1.txt")"
echo "1 passed, 0 failed"
