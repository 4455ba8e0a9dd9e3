#!/usr/bin/env bash
# The editor started as the desktop's launcher starts it: in the home folder, with the launcher's
# own command line and a picture, which holds no level: "Load Failed" shows and the title stays.
# settings.dat goes to ~/.config/zapmaze-editor, made private; the home folder stays as it was,
# and with no level directory saved the editor works there, so that Load opens there.
#   launcher.sh EDITOR DESKTOP_FILE
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
work=$(mktemp -d)
trap 'stop_xvfb; rm -rf "$work"' EXIT
start_xvfb "$work"
home="$work/home"
mkdir "$home" && printf "another program's settings" >"$home/settings.dat"
picture="$home/pictures/picture.png"
mkdir "$home/pictures" && convert -size 16x16 xc:red "png:$picture"
command=$(sed -n 's/^Exec=zapmaze-editor//p' "$2")
(cd "$home" && unset XDG_CONFIG_HOME && HOME="$home" exec "$1" ${command/\%f/$picture}) &
editor_pid=$!
works_in() { [ "$(readlink "/proc/$editor_pid/cwd")" = "$1" ]; }
xdotool windowfocus --sync "$(wait_window "Load Failed")" key Return
wait_until works_in "$home" || fail "the editor works in $(readlink "/proc/$editor_pid/cwd")"
xdotool windowfocus --sync "$(wait_window 'Zapmaze Level Editor v1\.02')" key Escape
wait_exit "$editor_pid"
[ "$(stat -c %s "$home/.config/zapmaze-editor/settings.dat")" = 268 ] || fail "no settings.dat"
[ "$(stat -c %a "$home/.config/zapmaze-editor")" = 700 ] || fail "the settings folder is not private"
[ "$(cat "$home/settings.dat")" = "another program's settings" ] || fail "\$HOME/settings.dat changed"
[ "$(ls "$home" | tr '\n' ' ')" = "pictures settings.dat " ] || fail "the home folder changed"
echo "1 passed, 0 failed"
