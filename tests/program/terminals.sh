#!/usr/bin/env bash
# Velloc in real terminals: tmux (no keyboard protocol: keys held while they
# repeat), kitty (the protocol, with releases) and xterm under Xvfb, driven
# with xdotool, and over ssh -tt to an sshd of the script's own on the
# loopback address. Screenshots stay in the script's folder while it runs.
#
# Usage: terminals.sh VELLOC SNAKE WHOLE_GAME_RECORDING
velloc=$1
snake=$2
whole_game=$3
name=terminals
source "$(dirname "$0")/checks.sh"
run=$(cd "$(dirname "$velloc")" && pwd)
# The game in the terminal, then its exit status, on the terminal or into a file.
game="cd $run && ./velloc --terminal; echo status \$?"
gameInto() {
    echo "cd $run && ./velloc --terminal; echo status \$? >$1"
}

# --- tmux, its screen read with capture-pane ---
inTmux() {
    tmux -S "$tmux_socket" "$@"
}
screen() {
    inTmux capture-pane -p -t game
}
shows() {
    screen | grep -q -- "$1"
}
# The row of the player's head, the only O of a level.
playerRow() {
    screen | grep -n 'O' | head -n1 | cut -d: -f1
}
# Each session gets a server of its own: one just killed may still hold its
# socket while it exits.
sessions=0
startInTmux() {
    sessions=$((sessions + 1))
    tmux_socket="$work/tmux$sessions"
    inTmux -f /dev/null new-session -d -s game -x 100 -y 30 "$1; sleep 600"
}

# Reads a screen's text: the cell (column and row, from 1) of the zombie
# nearest the player (its O), else of a turret; nothing when there is none.
nearestEnemy() {
    awk '
        { for (i = 1; i <= length($0); ++i) {
              c = substr($0, i, 1)
              if (c == "O") { px = i; py = NR }
              if (c == "@") { n++; zx[n] = i; zy[n] = NR }
              if (c == "#" || c == "*") { tx = i; ty = NR } } }
        END { best = -1
              for (k = 1; k <= n; ++k) { d = (zx[k] - px) ^ 2 + (3 * (zy[k] - py)) ^ 2
                                         if (best < 0 || d < best) { best = d; bx = zx[k]; by = zy[k] } }
              if (best < 0 && tx > 0) { bx = tx; by = ty }
              if (bx > 0) print bx, by }'
}

startInTmux "$game"
waitFor shows "ten levels of zombies" || fail "tmux: no title"
inTmux send-keys -t game p
waitFor shows "Level 1" || fail "tmux: no level after P"
start=$(playerRow)
# A held key, as a terminal repeats it.
for _ in $(seq 15); do
    inTmux send-keys -t game s
    sleep 0.05
done
sleep 1
moved=$(playerRow)
sleep 0.5
expect "tmux: S held moves the player down" "yes" "$([ "$moved" -gt "$start" ] && echo yes)"
expect "tmux: letting go stops it" "$moved" "$(playerRow)"
# The rest of level 1 played with the mouse, as a terminal reports it: the
# button pressed on the zombie nearest the player and held, following the
# nearest one, until level 2 begins (a game lost meanwhile starts again).
# Level 2 is noted the moment it shows: a zombie of level 2 may end the game
# before a later look.
button=0
cleared=
deadline=$((SECONDS + 60))
until cleared=$(shows "Level 2" && echo yes) || [ $SECONDS -ge $deadline ]; do
    if shows "to the title"; then
        inTmux send-keys -t game p
        sleep 0.5
        inTmux send-keys -t game p
        button=0
    fi
    enemy=$(screen | nearestEnemy)
    if [ -n "$enemy" ]; then
        set -- $enemy
        inTmux send-keys -t game -l $'\e'"[<$button;$1;$2M"
        button=32
    fi
    sleep 0.1
done
expect "tmux: level 1 cleared with the mouse" "yes" "$cleared"
inTmux send-keys -t game Escape
sleep 1
inTmux send-keys -t game Escape
waitFor shows "status 0" || fail "tmux: Escape twice did not quit: $(screen | tr -s ' \n' ' ')"
waitFor shows '^status 0' && expect "tmux: the shell's screen is back" "0" "$(screen | grep -c 'ten levels')"
inTmux kill-server

# The whole recorded game replays in a terminal, and the snake plays in one
# unchanged, chosen by the environment alone.
startInTmux "cd $run && ./velloc --terminal --replay $whole_game --fast"
waitFor shows "982 frames, final score 1995000, ok" ||
    fail "tmux: the whole game did not replay: $(screen | tr -s ' \n' ' ')"
inTmux kill-server
startInTmux "cd $(dirname "$snake") && VL_BACKEND=terminal ./snake; echo status \$?"
waitFor shows "Score" || fail "tmux: no snake"
# Up into the top edge, a crash, another round, and out.
inTmux send-keys -t game Up
waitFor shows "GAME OVER" || fail "tmux: the snake did not crash into the edge"
inTmux send-keys -t game r
waitFor sh -c "! tmux -S '$tmux_socket' capture-pane -p -t game | grep -q 'GAME OVER'" ||
    fail "tmux: R did not start another round"
inTmux send-keys -t game Escape
waitFor shows "status 0" || fail "tmux: the snake did not quit on Escape"
inTmux kill-server

# --- over ssh -tt, to an sshd on the loopback address with throwaway keys ---
keys="$work/ssh"
mkdir -p "$keys" /run/sshd
ssh-keygen -q -t ed25519 -N '' -f "$keys/host"
ssh-keygen -q -t ed25519 -N '' -f "$keys/user"
cp "$keys/user.pub" "$keys/authorized_keys"
chmod 700 "$keys"
port=$((20000 + RANDOM % 20000))
/usr/sbin/sshd -D -e -f /dev/null -p "$port" -h "$keys/host" -o ListenAddress=127.0.0.1 \
    -o AuthorizedKeysFile="$keys/authorized_keys" -o StrictModes=no -o PidFile=none \
    -o PermitRootLogin=prohibit-password -o UsePAM=no 2>"$work/sshd.log" &
sshd=$!
ssh_options="-p $port -i $keys/user -o StrictHostKeyChecking=no -o UserKnownHostsFile=/dev/null -o LogLevel=ERROR"
waitFor ssh $ssh_options -o BatchMode=yes "$(whoami)@127.0.0.1" true ||
    fail "ssh: the loopback sshd did not let us in: $(tail -n3 "$work/sshd.log")"
startInTmux "ssh -tt $ssh_options $(whoami)@127.0.0.1 'ALSOFT_DRIVERS=null; export ALSOFT_DRIVERS; $game'"
waitFor shows "ten levels of zombies" || fail "ssh: no title: $(screen | tr -s ' \n' ' ')"
inTmux send-keys -t game p
waitFor shows "Level 1" || fail "ssh: no level after P"
inTmux send-keys -t game C-c
waitFor shows "status 0" || fail "ssh: Ctrl+C did not end the game"
inTmux kill-server
kill "$sshd"

# --- kitty and xterm under Xvfb, driven with xdotool ---
startServer -screen 0 1280x1024x24
# Waits for the terminal's window, whose class is given, and focuses it.
focusTerminal() {
    terminal_window=$(timeout 30 xdotool search --sync --onlyvisible --class "$1" 2>/dev/null | head -n1)
    focusWindow "$terminal_window" || fail "$1 did not take the focus"
}
yellowPixels() {  # in a screenshot of the terminal's window
    import -window "$terminal_window" "$work/$1.png"
    convert "$work/$1.png" -fill black +opaque '#cdcd00' -fill white -opaque '#cdcd00' \
        -format '%[fx:mean*w*h]' info: | cut -d. -f1
}

kitty -o allow_remote_control=yes --listen-on "unix:$work/kitty" -o font_size=9 \
    -o initial_window_width=1100 -o initial_window_height=800 \
    sh -c "$(gameInto "$work/kitty-status")" >/dev/null 2>&1 &
focusTerminal kitty
kittyShows() {
    kitty @ --to "unix:$work/kitty" get-text | grep -q -- "$1"
}
kittyPlayerRow() {
    kitty @ --to "unix:$work/kitty" get-text | grep -n 'O' | head -n1 | cut -d: -f1
}
waitFor kittyShows "ten levels of zombies" || fail "kitty: no title"
# The terminal's size in cells, and its window's in pixels.
kittySize() {  # columns or lines
    kitty @ --to "unix:$work/kitty" ls | grep -o "\"$1\": [0-9]*" | head -n1 | cut -d' ' -f2
}
columns=$(kittySize columns)
lines=$(kittySize lines)
eval "$(xdotool getwindowgeometry --shell "$terminal_window")"
pointAtCell() {  # column and row, from 1
    xdotool mousemove --window "$terminal_window" $((($1 * 2 - 1) * WIDTH / columns / 2)) \
        $((($2 * 2 - 1) * HEIGHT / lines / 2))
}
# The reticle, the level's only +, sits in the pointer's cell.
reticleCell() {
    kitty @ --to "unix:$work/kitty" get-text | awk '{ i = index($0, "+"); if (i) { print i, NR; exit } }'
}
reticleIn() { [ "$(reticleCell)" == "$1 $2" ]; }
# From a game's end: the title, and a new game.
kittyPlaysAgain() {
    xdotool key p
    waitFor kittyShows "ten levels of zombies"
    xdotool key p
    waitFor kittyShows "Level 1"
}
# A zombie that got the player first ends the game: play again.
kittyPlaysOn() {
    if kittyShows "to the title"; then
        kittyPlaysAgain
    fi
}
xdotool key p
waitFor kittyShows "Level 1" || fail "kitty: no level after P"
start=$(kittyPlayerRow)
xdotool keydown s sleep 0.8 keyup s
sleep 0.3
moved=$(kittyPlayerRow)
sleep 0.5
expect "kitty: S held moves the player down" "yes" "$([ "$moved" -gt "$start" ] && echo yes)"
expect "kitty: letting go stops it at once" "$moved" "$(kittyPlayerRow)"
# In a new level, where no zombie reaches the player for some seconds.
xdotool key Escape
waitFor kittyShows "to the title"
kittyPlaysAgain
for cell in "$((columns / 2 - 20)) $((lines / 2 - 5))" "$((columns / 2 + 20)) $((lines / 2 + 5))"; do
    pointAtCell $cell
    waitFor reticleIn $cell ||
        fail "kitty: the reticle is at [$(reticleCell)], not in the pointer's cell $cell"
done
# A whole level played by hand: the pointer on the nearest enemy, the button
# held, until level 2 begins (a game lost meanwhile starts again).
xdotool mousedown 1
cleared=
deadline=$((SECONDS + 60))
until cleared=$(kittyShows "Level 2" && echo yes) || [ $SECONDS -ge $deadline ]; do
    kittyPlaysOn
    enemy=$(kitty @ --to "unix:$work/kitty" get-text | nearestEnemy)
    if [ -n "$enemy" ]; then
        pointAtCell $enemy
    fi
    sleep 0.1
done
xdotool mouseup 1
import -window "$terminal_window" "$work/kitty-level-2.png"
expect "kitty: level 1 cleared by hand" "yes" "$cleared"
xdotool key Escape sleep 0.5 key Escape
waitFor grep -qs "status 0" "$work/kitty-status" || fail "kitty: Escape twice did not quit"

xterm -geometry 100x30 -e sh -c "$(gameInto "$work/xterm-status")" &
focusTerminal xterm
xtermShowsTitle() { [ "$(yellowPixels xterm-title)" -gt 1000 ]; }
waitFor xtermShowsTitle || fail "xterm: no title"
xdotool key p sleep 1 key ctrl+c
waitFor grep -qs "status 0" "$work/xterm-status" || fail "xterm: Ctrl+C did not end the game"

stopServer
finish
