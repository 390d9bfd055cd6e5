#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window used with the keyboard alone (xdotool key presses on Xvfb):
# an effect chosen from the lighting list, game mode toggled and "Apply"
# pressed send the same frames as the same steps done with the pointer, and
# so does a key assignment made in the key assignment dialog; the key
# assignment dialog, the macro manager and the profile manager open with
# Enter and close with Esc.
# Usage: keyboard_only_xvfb.sh VANTREL
set -uo pipefail
vantrel=$1
name=keyboard_only_xvfb
tools=(xdotool)
. "$(dirname "$0")/xvfb_session.sh"

. "$(dirname "$0")/window_trace.sh"
window() { xdotool search --onlyvisible --name "$1" | head -1; }
# Names match without case.
named() { xdotool search --onlyvisible --name "$1" | wc -l; }
shown() { (($(named "$1") > ${2:-0})); }
gone() { (($(named "$1") <= ${2:-0})); }
# opens_and_escapes TITLE WHAT [OTHERS]: the dialog opened by the last key
# (beside OTHERS windows of that name) closes with Esc.
opens_and_escapes() {
    until_true 10 shown "$1" "${3:-0}" || fail "the keys opened no $2"
    sleep 0.5 # until it has the focus
    xdotool key Escape
    until_true 10 gone "$1" "${3:-0}" || fail "Esc left the $2 open"
    refocus
}
# Without a window manager nothing gives the main window the focus back
# after a dialog.
refocus() {
    xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
    sleep 0.3
}
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
# macros button, Enter opens it, Esc closes it; the macro manager is the
# stop after it.
press shift+Tab 3
press Return
opens_and_escapes '^Profiles$' "profile manager"
press Tab
press Return
opens_and_escapes '^Macro manager$' "macro manager"
stop

# The key assignment dialog from the keyboard picture (Shift+Tab twice
# from nothing: "Apply", then the picture at its first key).
start dialogs
refocus
press shift+Tab 2
press Return
until_true 10 shown "^Current key: " || fail "Enter on the keyboard picture opened nothing"
# The dialog opens with its capture running: Esc is a key there, and a
# second Esc leaves the capture; only then does Esc cancel.
xdotool key Escape
sleep 0.3
shown "^Current key: " || fail "Esc in the key field closed the dialog"
xdotool key Escape
sleep 0.3
opens_and_escapes "^Current key: " "key assignment dialog"
stop

# A key assignment, Esc on the picture made B: by the pointer, then by
# keys alone (Shift+Tab twice from nothing: "Apply", then the keyboard
# picture at its first key; B taken, Tab twice keeps it and leaves the
# field, four more to "Save").
start chooser
refocus
press Tab 8 # the wrist rest's swatches, on the chosen one
# The chooser's window has no title: it is told apart as a second window of ours.
ours() { xdotool search --onlyvisible --class '^vantrel$' | wc -l; }
two_of_ours() { (($(ours) > 1)); }
one_of_ours() { (($(ours) <= 1)); }
press space
until_true 10 two_of_ours || fail "the keys opened no colour chooser"
sleep 0.5
xdotool key Escape
until_true 10 one_of_ours || fail "Esc left the colour chooser open"
stop

start pointer-assign
for _ in $(seq 20); do
    click 357 213
    until_true 1 shown "^Current key: Esc" && break
done
read -r dx dy < <(origin "$(window "^Current key: Esc")")
xdotool key b
sleep 0.3
xdotool mousemove $((dx + 345)) $((dy + 357)) click 1
until_true 5 gone "^Current key: " || fail "pointer: save left the dialog open"
click 897 621
settle "$dir/trace.txt" || fail "pointer: the apply never ended"
transfers >"$work/pointer-assign.txt"
stop

start keyboard-assign
xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
sleep 0.5
press shift+Tab 2
press Return
until_true 10 shown "^Current key: Esc" || fail "keyboard: Enter on the first key opened nothing"
press b
press Tab 2
press Tab 4
press space
until_true 5 gone "^Current key: " || fail "keyboard: Space on Save left the dialog open"
refocus
press Tab
press Return
settle "$dir/trace.txt" || fail "keyboard: the apply never ended"
transfers >"$work/keyboard-assign.txt"
stop
[[ -s $work/pointer-assign.txt ]] || fail "the assignment by the pointer sent nothing"
diff "$work/pointer-assign.txt" "$work/keyboard-assign.txt" >"$work/diff" ||
    fail "the assignment by keys sent other frames than by the pointer: $(head -20 "$work/diff")"
echo "keyboard: the same frames as the pointer for an effect, game mode, Apply and a key assignment; the key assignment dialog, the colour chooser, the macro and the profile manager opened by keys and closed by Esc"
