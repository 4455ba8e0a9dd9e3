# Helpers for driving the real editor under Xvfb with xdotool; source this file.
# Every check polls the state it expects until a deadline and fails with what it saw; nothing
# is decided by how long something took. A failure calls `fail`, which the sourcing script may
# redefine (the default prints the message and exits 1).
#   ZM_X_DEADLINE: seconds that one expected state may take to appear (default 20).

x_deadline=${ZM_X_DEADLINE:-20}
xvfb_pid=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# wait_until COMMAND...: runs COMMAND until it succeeds; returns 1 when the deadline passes.
wait_until() {
    local end=$((SECONDS + x_deadline))
    while ! "$@"; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.02
    done
    return 0
}

# start_xvfb WORKDIR: starts Xvfb on a free display, exports DISPLAY and waits until the server
# answers. Stop it with stop_xvfb (the sourcing script's EXIT trap should call it). Xvfb's own
# messages go to WORKDIR/xvfb.log and are shown when it fails. Two servers that start at the
# same moment may both pick one display number, so tests that start Xvfb hold the ctest
# resource lock "xvfb".
# -noreset: by default the server resets each time its last client leaves, and a program that
# connects during the reset (the editor started a second time) finds no display.
start_xvfb() {
    local display_file="$1/xvfb-display" log="$1/xvfb.log"
    rm -f "$display_file"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" 2>"$log" &
    xvfb_pid=$!
    wait_until test -s "$display_file" || fail "Xvfb did not report a display: $(cat "$log")"
    export DISPLAY=":$(cat "$display_file")"
    unset QT_QPA_PLATFORM
    wait_until xdotool getdisplaygeometry >/dev/null 2>&1 ||
        fail "Xvfb on $DISPLAY does not answer: $(cat "$log")"
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb on $DISPLAY has ended: $(cat "$log")"
}

# Waits for Xvfb to end: a server still shutting down may remove the socket of a display number
# that a new server has just taken.
stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}

visible_window() { # visible_window TITLE_REGEX: prints the first visible window so titled
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

has_window() { [ -n "$(visible_window "$1")" ]; }
has_no_window() { ! has_window "$1"; }

# A popup of the program (a menu or a completion list) is shown: popups are the visible windows
# that the window manager does not manage.
has_popup() {
    local window
    for window in $(xdotool search --onlyvisible --class "$1" 2>/dev/null); do
        xwininfo -id "$window" 2>/dev/null | grep -q 'Override Redirect State: yes' && return 0
    done
    return 1
}
has_no_popup() { ! has_popup "$1"; }

# wait_window TITLE_REGEX: prints the id of a visible window with that title once one maps.
wait_window() {
    wait_until has_window "$1" || fail "expected a window titled '$1'; none appeared"
    visible_window "$1"
}

wait_window_gone() { # wait_window_gone TITLE_REGEX
    wait_until has_no_window "$1" || fail "the window '$1' stayed open"
}

process_ended() { ! kill -0 "$1" 2>/dev/null; }

# wait_exit PID: waits until the process has ended and fails unless it exited with 0.
wait_exit() {
    wait_until process_ended "$1" || fail "process $1 did not end"
    wait "$1" || fail "process $1 exited with status $?"
}

pixel_of() { # pixel_of WINDOW X Y: the colour the window shows at (X,Y), as #RRGGBB
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n 1
}

shows_pixel() { [ "$(pixel_of "$1" "$2" "$3")" = "$4" ]; }

# wait_pixel WINDOW X Y COLOUR: waits until the window shows COLOUR at (X,Y).
wait_pixel() {
    wait_until shows_pixel "$@" ||
        fail "expected $4 at ($2,$3); the window shows $(pixel_of "$1" "$2" "$3")"
}

shows_same_pixels() { [ "$(pixel_of "$1" "$2" "$3")" = "$(pixel_of "$1" "$4" "$5")" ]; }

# wait_same_pixels WINDOW X1 Y1 X2 Y2: waits until both points show the same colour.
wait_same_pixels() {
    wait_until shows_same_pixels "$@" ||
        fail "expected ($2,$3) to match ($4,$5); the window shows $(pixel_of "$1" "$2" "$3") and $(pixel_of "$1" "$4" "$5")"
}

holds_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
takes_focus() { holds_focus "$1" || { xdotool windowfocus "$1" 2>/dev/null && holds_focus "$1"; }; }

# focus_window WINDOW: gives the window the keyboard focus and waits until the server says that
# it holds it, so that no key sent afterwards goes elsewhere.
focus_window() {
    wait_until takes_focus "$1" || fail "window $1 did not take the keyboard focus"
}

# focus_and_type TITLE_REGEX XDOTOOL_ARGS...: waits for the window, focuses it and sends the
# keys (for example: key Return, or type --delay 10 text).
focus_and_type() {
    local window
    window=$(wait_window "$1") || exit 1
    shift
    focus_window "$window" || exit 1
    xdotool "$@"
}

# nudge_until WINDOW X Y CHECK...: moves the pointer to (X,Y), then one pixel aside and back,
# again and again, until CHECK succeeds; returns 1 when the deadline passes. Right after a box
# has closed, the X11 plugin takes the first move as the pointer's return into the window and
# reports no motion, and on a stalled machine two moves can arrive as one.
nudge_until() {
    local window=$1 x=$2 y=$3 offset=0 end=$((SECONDS + x_deadline))
    shift 3
    xdotool mousemove --window "$window" "$x" "$y"
    until "$@"; do
        [ "$SECONDS" -ge "$end" ] && return 1
        offset=$((1 - offset))
        xdotool mousemove --window "$window" "$((x + offset))" "$y"
        sleep 0.05
    done
}

# The start time of a process, which tells it from a later process given the same id.
process_start_time() { sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f20; }

# stall_process PID: from now on stops the process for 0.1 s out of every 0.5 s, in the
# background, until it ends or unstall_process runs. It shows that a test waits for what it
# checks instead of for a time.
stall_pid=""
stall_process() {
    local pid=$1 started
    started=$(process_start_time "$pid")
    (
        while [ "$(process_start_time "$pid")" = "$started" ] && kill -STOP "$pid" 2>/dev/null; do
            sleep 0.1
            kill -CONT "$pid" 2>/dev/null || break
            sleep 0.4
        done
    ) &
    stall_pid=$!
}

unstall_process() { # unstall_process PID: ends the stall loop and lets the process run
    if [ -n "$stall_pid" ]; then
        kill "$stall_pid" 2>/dev/null || true
        wait "$stall_pid" 2>/dev/null || true
        stall_pid=""
    fi
    kill -CONT "$1" 2>/dev/null || true
}
