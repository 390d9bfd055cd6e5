#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window used with the keyboard alone (xdotool key presses on Xvfb):
# an effect chosen from the lighting list, game mode toggled and "Apply"
# pressed send the same frames as the same steps done with the pointer;
# the profile manager opens with Enter and closes with Esc.
# Usage: keyboard_only_xvfb.sh VANTREL
set -uo pipefail
vantrel=$1
name=keyboard_only_xvfb
tools=(xdotool)
. "$(dirname "$0")/xvfb_session.sh"

. "$(dirname "$0")/window_trace.sh"
start() {
    dir=$work/$1
    mkdir -p "$dir"
    "$vantrel" --sim-state "$dir/sim.state" --data-dir "$dir/data" --trace "$dir/trace.txt" \
        >"$work/vantrel.log" 2>&1 &
    pid=$!
    pids+=($pid)
    until_true 30 xdotool search --onlyvisible --name '^VANTREL$' || fail "$1: no main window"
    main=$(xdotool search --onlyvisible --name '^VANTREL$' | head -1)
    read -r mx my < <(origin "$main")
    settle "$dir/trace.txt" || fail "$1: the keyboard was never read"
    mark=$(($(lines "$dir/trace.txt") + 1))
}
stop() {
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null
}
transfers() { grep -v '^< notify' "$dir/trace.txt" | tail -n +"$mark"; }
click() { xdotool mousemove $((mx + $1)) $((my + $2)) click 1; sleep 0.5; }
# press KEY [COUNT]
press() {
    for _ in $(seq "${2:-1}"); do
        xdotool key "$1"
        sleep 0.15
    done
    sleep 0.3
}

start pointer
click 138 140 # the effect box opens the list
click 138 218 # its fourth row
click 104 588 # game mode
settle "$dir/trace.txt"
click 897 621 # "Apply"
settle "$dir/trace.txt" || fail "pointer: the apply never ended"
transfers >"$work/pointer.txt"
stop

start keyboard
xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.5
# Help, Minimise, Close, then the effect box; Enter opens its list.
press Tab 4
press Return
# To the first row, then down to the fourth, which Enter chooses.
press Up 16
press Down 3
press Return
# Back round to game mode: the title buttons, then from "Apply" on
# backwards past the keys, the macros and profiles buttons and Win lock.
press shift+Tab 9
press space
settle "$dir/trace.txt"
press Tab 5
press Return
settle "$dir/trace.txt" || fail "keyboard: the apply never ended"
transfers >"$work/keyboard.txt"
[[ -s $work/pointer.txt ]] || fail "the clicks sent nothing"
diff "$work/pointer.txt" "$work/keyboard.txt" >"$work/diff" ||
    fail "the keys sent other frames than the clicks: $(head -20 "$work/diff")"

# The profile manager: Shift+Tab from "Apply" past the keys and the
# macros button, Enter opens it, Esc closes it.
press shift+Tab 3
press Return
until_true 10 xdotool search --onlyvisible --name '^Profiles$' || fail "Enter on Profiles opened nothing"
xdotool key Escape
until_true 10 bash -c '! xdotool search --onlyvisible --name "^Profiles$"' || fail "Esc left the profile manager open"
stop
echo "keyboard: the same frames as the pointer for an effect, game mode and Apply; the profile manager opened by Enter, closed by Esc"
