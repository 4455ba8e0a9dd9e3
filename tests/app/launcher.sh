#!/usr/bin/env bash
# The editor started as the desktop's launcher starts it: in the home folder, with the launcher's
# own command line and a file that holds no level (a picture). The load fails with a box and the
# title stays; settings.dat goes to ~/.config/zapmaze-editor, made private, and the home
# folder's own settings.dat is left alone.
#   launcher.sh EDITOR DESKTOP_FILE
set -euo pipefail
editor=$1
launcher=$2
source "$(dirname "$0")/xsession.sh"
work=$(mktemp -d)
editor_pid=""
cleanup() {
    [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
start_xvfb "$work"

home="$work/home"
mkdir -p "$home"
printf "another program's settings" >"$home/settings.dat"
convert -size 16x16 xc:red "png:$home/picture.png"
command=$(sed -n 's/^Exec=zapmaze-editor//p' "$launcher")
(cd "$home" && unset XDG_CONFIG_HOME && HOME="$home" exec "$editor" ${command/\%f/$home/picture.png}) &
editor_pid=$!

box=$(wait_window "Load Failed")
xdotool windowfocus --sync "$box" key Return
wait_window_gone "Load Failed"
wid=$(wait_window 'Zapmaze Level Editor v1\.02')
xdotool windowfocus --sync "$wid" key Escape
wait_exit "$editor_pid"
editor_pid=""

folder="$home/.config/zapmaze-editor"
[ "$(stat -c %s "$folder/settings.dat" 2>/dev/null)" = 268 ] || fail "no settings.dat in $folder"
[ "$(stat -c %a "$folder")" = 700 ] || fail "$folder has mode $(stat -c %a "$folder")"
[ "$(cat "$home/settings.dat")" = "another program's settings" ] ||
    fail "the home folder's settings.dat was changed"
[ "$(ls "$home")" = "picture.png"$'\n'"settings.dat" ] || fail "the home folder holds $(ls "$home")"
echo "1 passed, 0 failed"
