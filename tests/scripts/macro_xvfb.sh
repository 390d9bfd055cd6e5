#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The macro manager of the running program on a real X server (Xvfb), used
# as a person would: the macro button, New, Record, two keys typed with
# xdotool, Record again, OK. MacroDefine.bin must hold the keys, and the
# next apply must send the macro's slot. Usage: macro_xvfb.sh VANTREL
set -uo pipefail
vantrel=$1
name=macro_xvfb
tools=(xdotool)
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_session.sh"
# The window's top-left corner on the screen: "X Y".
corner() {
    local w
    w=$(xdotool search --onlyvisible --name "$1" | head -1)
    [[ -n $w ]] || return 1
    xdotool getwindowgeometry --shell "$w" | awk -F= '/^X=/ {x = $2} /^Y=/ {y = $2}
        END { print x, y }'
}
# click X Y: a press and release at client point (X, Y) of the last corner.
click() {
    xdotool mousemove $((cx + $1)) $((cy + $2)) click 1
    sleep 0.3
}

data=$work/data
# The dialog is found by its Russian title.
"$vantrel" --language ru --simulate --data-dir "$data" --trace "$work/trace.txt" >"$work/vantrel.log" 2>&1 &
pids+=($!)
until_true 15 xdotool search --onlyvisible --name '^VANTREL$' || fail "no main window"
sleep 1 # the start-up read-back
read -r cx cy < <(corner '^VANTREL$')
click 135 621 # the macro button
dialog='^Управление макросами$'
until_true 5 xdotool search --onlyvisible --name "$dialog" || fail "the macro button opened nothing"
read -r mx my < <(corner "$dialog")
main_x=$cx main_y=$cy
cx=$mx cy=$my
click 48 380  # New
click 309 112 # Record; the pointer stays over the dialog, which has the keys
xdotool key --delay 150 h i
click 309 112 # stop
click 278 380 # OK
until_true 5 sh -c "! xdotool search --onlyvisible --name '$dialog'" || fail "OK did not close"

# Macro_001: H and I pressed and released, delays off (01 / 81 and the usage).
events=$(od -An -tx1 -j513 -N9 "$data/MacroDefine.bin" | tr -s ' ' | sed 's/^ //')
[[ $events == "01 0b 81 0b 01 0c 81 0c 00" ]] ||
    fail "MacroDefine.bin holds \"$events\" instead of H and I"

before=$(wc -l <"$work/trace.txt")
cx=$main_x cy=$main_y
click 897 621 # apply
until_true 10 sh -c "tail -n +$((before + 1)) '$work/trace.txt' |
    grep -q '^> write 00 00 01 01 0B 81 0B 01 0C 81 0C 00'" ||
    fail "the apply did not send the macro's slot"
echo "macro manager: recorded H and I with real key events, saved them, sent slot 0 on apply"
