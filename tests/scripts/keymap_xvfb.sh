#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A key assignment as a user makes it, on a real X server (Xvfb) with real
# pointer clicks and key presses: Esc on the keyboard picture, B on the
# keyboard, save, apply, close; then the simulated keyboard's state file
# holds Esc as B. Enter and Esc typed into the dialog do not close it, and
# keys reach it through its keyboard grab while another window has the focus.
# With VANTREL_SHOT_DIR set, the dialog's tabs are photographed there.
# Usage: keymap_xvfb.sh VANTREL VANTRELCTL
set -uo pipefail
vantrel=$1
vantrelctl=$2
name=keymap_xvfb
tools=(xdotool jq)
. "$(dirname "$0")/xvfb_session.sh"
shots=${VANTREL_SHOT_DIR:-}
if [[ -n $shots ]]; then
    command -v import >/dev/null || fail "import (imagemagick) is needed for VANTREL_SHOT_DIR"
    mkdir -p "$shots"
fi

# "X Y" of a window's top left.
origin() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/ {x = $2} /^Y=/ {y = $2} END {print x, y}'
}
dialog() { xdotool search --onlyvisible --name '^выбранная клавиша:Esc $' | head -1; }
has_dialog() { [[ -n $(dialog) ]]; }
no_dialog() { [[ -z $(dialog) ]]; }
shoot() {
    [[ -n $shots ]] || return 0
    sleep 0.4
    import -window root -crop "386x378+$dx+$dy" +repage "$shots/$1.png"
}

# The dialog is found by its Russian title.
"$vantrel" --language ru --sim-state "$work/sim.state" --data-dir "$work/data" >"$work/vantrel.log" 2>&1 &
vantrel_pid=$!
pids+=($vantrel_pid)
until_true 15 xdotool search --onlyvisible --name '^VANTREL$' || fail "no main window"
main=$(xdotool search --onlyvisible --name '^VANTREL$' | head -1)
read -r mx my < <(origin "$main")

# Esc on the keyboard picture (picture 44..68 x 106..130, drawn at 301, 95).
# Until the keyboard has been read the window refuses clicks: try again.
opened=false
for _ in $(seq 20); do
    xdotool mousemove $((mx + 357)) $((my + 213)) click 1
    if until_true 1 has_dialog; then
        opened=true
        break
    fi
done
$opened || fail "a click on Esc opened no key assignment dialog"
read -r dx dy < <(origin "$(dialog)")
click() { xdotool mousemove $((dx + $1)) $((dy + $2)) click 1; }

xdotool key Escape Return
sleep 0.5
has_dialog || fail "Esc or Enter closed the dialog"
shoot keymap-tab0-keys
[[ -n $shots ]] && import -window root -crop "1000x640+$mx+$my" +repage "$shots/keymap-over-main.png"
for tab in 1 2 3; do
    click $((48 + 97 * tab)) 41
    shoot "keymap-tab$tab"
done
click 47 41 # back to the key tab: the single-key field has the focus
sleep 0.3
# The dialog holds the keyboard grab: keys reach it even while the X focus
# is given to another window.
xdotool windowfocus "$main" 2>/dev/null
sleep 0.3
xdotool key b
shoot keymap-tab0-B
click 345 357 # save
until_true 5 no_dialog || fail "save did not close the dialog"

xdotool mousemove $((mx + 897)) $((my + 621)) click 1 # apply
sleep 1
# Close (it waits for the apply to finish): the simulated keyboard's state
# is written when the program ends.
for _ in $(seq 20); do
    kill -0 "$vantrel_pid" 2>/dev/null || break
    xdotool mousemove $((mx + 986)) $((my + 12)) click 1
    sleep 0.5
done
kill -0 "$vantrel_pid" 2>/dev/null && fail "the close button did not end the program"

key=$("$vantrelctl" --sim-state "$work/sim.state" --data-dir "$work/data" read |
    jq -c '.keys[] | select(.position == 0) | [.entry, .assign, .enabled]')
[[ $key == '["00 00 05 00",["key","B"],true]' ]] || fail "the keyboard holds Esc as $key"
echo "keymap: Esc clicked, B pressed, saved and applied: the keyboard sends B for Esc"
