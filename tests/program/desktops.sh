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
    focusWindow "$window"; xdotool key Escape
    awaitVelloc
    local status=$?
    expect "velloc's exit after Escape" "0" "$status"
    [ "$status" = 0 ] || cat "$work/output"
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
placement 800x600x24 "0,0 800x600"
placement 3840x2160x24 "896,312 2048x1536" --scale 2
VL_SCALE=2 placement 2560x1600x24 "256,32 2048x1536"
# A scale that does not fit is lowered to the largest that does, in one line.
placement 1920x1080x24 "448,156 1024x768" --scale 2
expect "the scale lowered on 1920x1080" \
    "vl: the window does not fit the screen at scale 2; it opens at scale 1" "$(cat "$work/output")"

startManager() {
    if [ "$1" = i3 ]; then
        # With a configuration of its own: without one, i3 starts a wizard
        # that takes the first key pressed. Its bar takes the screen's bottom.
        printf '# i3 config file (v4)\nbar {\n    status_command true\n}\n' >"$work/i3.conf"
        i3 -c "$work/i3.conf" >/dev/null 2>&1 &
    else
        "$1" >/dev/null 2>&1 &
    fi
    # The client list comes last in a window manager's start: a window
    # shown before it may not be taken in.
    waitFor sh -c 'xprop -root _NET_CLIENT_LIST | grep -q WINDOW' || fail "$1 did not start"
}

# Whether the window, with its frame, lies wholly on a screen of that size.
# xwininfo, as xdotool counts a frame's offset twice.
whollyOn() {  # width height
    local x y width height
    read -r x y width height < <(xwininfo -frame -id "$window" |
        awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
             /Width/ {w = $2} /Height/ {h = $2} END {print x, y, w, h}')
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + width)) -le "$1" ] &&
        [ $((y + height)) -le "$2" ] && echo yes
}

# Laptop screens with a window manager's title bar: the window is made
# smaller so that all of the picture shows, whether the window manager tells
# its frame before it shows the window (openbox) or not (i3).
for manager in openbox i3; do
    for screen in 1024x768 1366x768; do
        startServer -screen 0 "${screen}x24"
        startManager "$manager"
        startVelloc
        expect "whole window with $manager on $screen" "yes" "$(whollyOn ${screen/x/ })"
        quitVelloc
        stopServer
    done
done

# Two monitors as one Xinerama screen, on an Xorg server with dummy heads:
# the window opens centred on the first.
: >"$work/display"
Xorg -displayfd 3 -noreset -nolisten tcp -config "$(dirname "$0")/../data/two-heads.conf" \
    -logfile "$work/xorg.log" 3>"$work/display" >/dev/null 2>&1 &
server=$!
waitFor test -s "$work/display" || fail "Xorg with two dummy heads did not start"
export DISPLAY=":$(cat "$work/display")"
startVelloc
expect "window on the first of two Xinerama heads" "448,156 1024x768" "$(windowPlace "$window")"
quitVelloc
stopServer

# A window manager's close request is ignored, and its pings are answered:
# the window is never marked as not responding.
startServer -screen 0 1280x1024x24
startManager openbox
startVelloc
focusWindow "$window"; xdotool key alt+F4
notResponding() { xprop -id "$window" _NET_WM_VISIBLE_NAME | grep -q "Not Responding"; }
# The window manager gives up on a silent window after a few seconds.
for _ in $(seq 120); do notResponding && break; sleep 0.05; done
expect "Velloc not marked as not responding 6 s after a close request" "no" \
    "$(notResponding && echo yes || echo no)"
quitVelloc
stopServer

# A window destroyed or a client killed from outside ends the game with one line.
for way in windowclose windowkill; do
    startServer -screen 0 1280x1024x24
    startVelloc
    xdotool "$way" "$window"
    awaitVelloc
    status=$?
    expect "velloc after xdotool $way" "velloc: the window was closed from outside / exit 1" \
        "$(cat "$work/output") / exit $status"
    stopServer
done

# F11 fills the screen and gives the window back its place, without a window
# manager and with one that frames it.
placeIs() { [ "$(windowPlace "$window")" == "$1" ]; }
for manager in none openbox; do
    startServer -screen 0 1920x1080x24
    if [ "$manager" != none ]; then
        startManager "$manager"
    fi
    startVelloc
    windowed=$(windowPlace "$window")
    expect "window wholly on screen with $manager" "yes" "$(whollyOn 1920 1080)"
    focusWindow "$window"; xdotool key F11
    waitFor placeIs "0,0 1920x1080"
    expect "fullscreen with $manager" "0,0 1920x1080" "$(windowPlace "$window")"
    focusWindow "$window"; xdotool key F11
    waitFor placeIs "$windowed"
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
