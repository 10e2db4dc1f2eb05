# What the program scripts share, sourced by them: a folder of the script's
# own, checks that count, waits with a deadline, X servers of their own and
# velloc started on them. Set name (and velloc, for startVelloc) before
# sourcing it.
set -u
work=$(mktemp -d "${TMPDIR:-/tmp}/vl-$name-XXXXXX")
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export ALSOFT_DRIVERS=null
passed=0
failed=0

expect() {  # what expected actual
    if [ "$2" == "$3" ]; then
        passed=$((passed + 1))
    else
        fail "$1: expected [$2], got [$3]"
    fi
}

fail() {  # what went wrong
    failed=$((failed + 1))
    echo "FAIL: $1"
}

# Waits up to ten seconds for the command to succeed, however long each try of
# it takes.
waitFor() {
    local deadline=$((SECONDS + 10))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# Gives the window the keyboard's focus, trying again for up to ten seconds: a
# window just mapped may not take it yet, and a focus that never comes would
# otherwise keep xdotool waiting for good.
focusWindow() {
    waitFor timeout 2 xdotool windowfocus --sync "$1" 2>/dev/null
}

# Starts Xvfb with the arguments on a free display number and points DISPLAY at it.
startServer() {
    : >"$work/display"
    # -noreset: a program started just as the last one ends would otherwise
    # find the server resetting, and the window library ends a program that
    # cannot connect.
    Xvfb -displayfd 3 -nolisten tcp -noreset "$@" 3>"$work/display" >/dev/null 2>&1 &
    server=$!
    waitFor test -s "$work/display" || fail "Xvfb $* did not start"
    export DISPLAY=":$(cat "$work/display")"
}

stopServer() {
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
}

# Starts $velloc with the arguments, its output in $work/output, waits for its
# window and sets program and window.
startVelloc() {
    "$velloc" "$@" >"$work/output" 2>&1 &
    program=$!
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Velloc$' 2>/dev/null | head -n1)
}

# Waits up to ten seconds for the velloc startVelloc started to end, ending it
# then; its exit status.
awaitVelloc() {
    timeout 10 tail --pid="$program" -f /dev/null || kill "$program" 2>/dev/null
    wait "$program"
}

# The closing line, and the script's exit status.
finish() {
    echo "$name: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
