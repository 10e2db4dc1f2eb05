#!/usr/bin/env bash
# Replays with the real velloc: the committed whole game replays to its score
# without a window; a session played through a real window replays paced and
# fast; a changed event is caught at its frame; bad files give one line each.
#
# Usage: replays.sh VELLOC WHOLE_GAME_RECORDING FORMAT_1_RECORDING
velloc=$1
whole_game=$2
format1=$3
name=replays
source "$(dirname "$0")/checks.sh"

replay() {  # file, then more options: velloc's whole output and exit status
    local file=$1
    shift
    echo "$(env -u DISPLAY "$velloc" --replay "$file" "$@" 2>&1) / exit $?"
}

# The same with the score left out, for replays that stop in mid-game.
replayToScore() {
    replay "$@" | sed 's/final score [0-9]*/final score S/'
}

start=$(date +%s%N)
expect "the whole game, fast and headless" "velloc: 982 frames, final score 1995000, ok / exit 0" \
    "$(replay "$whole_game" --fast --headless)"
echo "the whole game replayed in $((($(date +%s%N) - start) / 1000000)) ms"

# A recording of the first format still replays, and says what it could not check.
expect "a recording of format 1" "velloc: $format1: recorded in format 1, which keeps neither the picture nor the keys and buttons held: the replay checks neither
velloc: 300 frames, final score 220000, ok / exit 0" "$(replay "$format1" --fast --headless)"

# One event changed: the replay stops at that event's frame.
line=$(grep -n '^key ' "$whole_game" | sed -n 40p)
number=${line%%:*}
frame=$(echo "${line#*:}" | cut -d' ' -f2)
sed "${number}s/ [0-9]*\$/ 1/" "$whole_game" >"$work/changed"
expect "a changed event" "velloc: $frame frames, final score S, $work/changed: replay diverges at frame $frame: its input events do not give the checksum recorded with them / exit 1" \
    "$(replayToScore "$work/changed" --fast --headless)"

# Bad files: one line naming the file, the line and what is wrong.
head -n 200 "$whole_game" >"$work/truncated"
printf 'vl-recording 1\ngame Snake\nengine 1.0.0\nend 0\n' >"$work/snake"
printf 'vl-recording 4\n' >"$work/newer"
head -c 3000 /dev/urandom >"$work/noise"
last=$(grep '^frame ' "$work/truncated" | tail -n1 | cut -d' ' -f2)
expect "a truncated file" "velloc: $last frames, final score S, $work/truncated: cut off after frame $last, before its end / exit 1" \
    "$(replayToScore "$work/truncated" --fast --headless)"
expect "another game's" "velloc: $work/snake:2: a recording of Snake, not of Velloc / exit 1" \
    "$(replay "$work/snake" --fast --headless)"
expect "a newer format" "velloc: $work/newer:1: recorded in a newer format (4); this program reads \"vl-recording 3\" and older / exit 1" \
    "$(replay "$work/newer" --fast --headless)"
noise=$(replay "$work/noise" --headless)
expect "no recording at all" "1 line / exit 1" "$(printf '%s\n' "$noise" | wc -l) line / ${noise##* / }"
expect "a missing file" "velloc: $work/missing: no such file / exit 1" \
    "$(replay "$work/missing")"

# A session played by hand through a real window, recorded and replayed.
startServer -screen 0 1280x1024x24
startVelloc --record "$work/played"
focusWindow "$window"; xdotool mousemove --window "$window" 600 300 key p
xdotool mousemove --window "$window" 700 200 click 1 keydown d sleep 0.3 keyup d
xdotool mousedown 1 sleep 0.5 mouseup 1 key Escape sleep 0.3 key Escape
awaitVelloc
expect "the played session's exit" "0" "$?"
frames=$(tail -n1 "$work/played" | cut -d' ' -f2)
expect "the played session, fast and headless" "velloc: $frames frames, final score 0, ok / exit 0" \
    "$(replay "$work/played" --fast --headless)"
expect "the played session, paced in a window" "velloc: $frames frames, final score 0, ok / exit 0" \
    "$("$velloc" --replay "$work/played" 2>&1) / exit $?"

# Escape on its window stops a paced replay.
startVelloc --replay "$work/played"
focusWindow "$window"; xdotool key Escape
awaitVelloc
status=$?
expect "a paced replay stopped with Escape" "velloc: replay stopped at frame N of $frames / exit 0" \
    "$(sed 's/frame [0-9]* of/frame N of/' "$work/output") / exit $status"

# A game killed while it records leaves every whole frame, which replays up
# to where the recording was cut off.
startVelloc --record "$work/killed"
focusWindow "$window"; xdotool key p
waitFor sh -c "[ \$(grep -c '^frame ' '$work/killed') -ge 60 ]" || fail "no frames recorded"
kill -KILL "$program"
wait "$program" 2>/dev/null
whole=$(grep '^frame ' "$work/killed" | tail -n1 | cut -d' ' -f2)
expect "a recording cut off by SIGKILL" \
    "velloc: $whole frames, final score S, $work/killed: cut off after frame $whole, before its end / exit 1" \
    "$(replayToScore "$work/killed" --fast --headless)"

# A recording that cannot be written in full says so, and the exit is 1.
startVelloc --record /dev/full
focusWindow "$window"; xdotool key Escape
awaitVelloc
status=$?
expect "a recording onto a full disk" "vl: the recording could not be written at frame 1; the game goes on unrecorded / exit 1" \
    "$(cat "$work/output") / exit $status"

finish
