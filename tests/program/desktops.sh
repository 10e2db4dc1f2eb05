#!/usr/bin/env bash
# The real velloc on X servers as players have them: screens of several sizes
# and depths, with and without GLX, with and without a window manager. Each
# case starts an X server of its own; every wait has a deadline.
#
# Usage: desktops.sh VELLOC
velloc=$1
name=desktops
source "$(dirname "$0")/checks.sh"

windowPlace() {  # window: "X,Y WIDTHxHEIGHT"
    xdotool getwindowgeometry "$1" | awk '/Position/ {p = $2} /Geometry/ {g = $2} END {print p, g}'
}

quitVelloc() {
    xdotool windowfocus --sync "$window" key Escape 2>/dev/null
    awaitVelloc
    expect "velloc's exit after Escape" "0" "$?"
}

# Screen, then what the window's place and size must be, then velloc's arguments.
placement() {
    local screen=$1 place=$2
    shift 2
    startServer -screen 0 "$screen"
    startVelloc "$@"
    expect "window on a $screen screen with '$*'" "$place" "$(windowPlace "$window")"
    quitVelloc
    stopServer
}

placement 1024x768x24 "0,0 1024x768"
placement 1920x1080x24 "448,156 1024x768"
placement 3840x1080x24 "1408,156 1024x768"
placement 3440x1440x24 "1208,336 1024x768"
placement 800x600x24 "0,0 1024x768"
placement 3840x2160x24 "896,312 2048x1536" --scale 2
VL_SCALE=2 placement 2560x1600x24 "256,32 2048x1536"

# F11 fills the screen and gives the window back its place, without a window
# manager and with one that frames it.
for manager in none openbox; do
    startServer -screen 0 1920x1080x24
    if [ "$manager" != none ]; then
        "$manager" >/dev/null 2>&1 &
        # The client list comes last in a window manager's start: a window
        # shown before it may not be taken in.
        waitFor sh -c 'xprop -root _NET_CLIENT_LIST | grep -q WINDOW' ||
            echo "FAIL: $manager did not start"
    fi
    startVelloc
    windowed=$(windowPlace "$window")
    read -r x y width height < <(echo "$windowed" | tr ',x' '  ')
    expect "window wholly on screen with $manager" "yes" \
        "$([ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + width)) -le 1920 ] &&
            [ $((y + height)) -le 1080 ] && echo yes)"
    xdotool windowfocus --sync "$window" key F11 2>/dev/null
    waitFor test "$(windowPlace "$window")" == "0,0 1920x1080"
    expect "fullscreen with $manager" "0,0 1920x1080" "$(windowPlace "$window")"
    xdotool windowfocus --sync "$window" key F11 2>/dev/null
    waitFor test "$(windowPlace "$window")" == "$windowed"
    expect "back from fullscreen with $manager" "$windowed" "$(windowPlace "$window")"
    quitVelloc
    stopServer
done

# Where no window can be made, one line says why, and the exit is 1.
refusal() {  # expected line, then Xvfb's arguments
    local line=$1
    shift
    startServer "$@"
    "$velloc" >"$work/output" 2>&1
    expect "velloc on Xvfb $*" "$line / exit $?" "$(cat "$work/output") / exit 1"
    stopServer
}
refusal "velloc: cannot open a window: the X server has no GLX extension" \
    -screen 0 1024x768x24 -extension GLX
refusal "velloc: cannot open a window: the screen has no GL visual of 24 bits or more (its depth is 16 bits)" \
    -screen 0 1024x768x16

finish
