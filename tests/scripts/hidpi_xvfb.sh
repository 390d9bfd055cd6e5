#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window on a 200 % display (QT_SCALE_FACTOR=2 on a real X server,
# Xvfb), used as a person would: real clicks at the doubled coordinates of
# a key of the keyboard picture, the profiles button, the macro button and
# the chosen colour swatch open the key assignment dialog, the profile
# manager, the macro manager and the colour chooser, each twice its size in
# screen pixels; their buttons, clicked at doubled coordinates too, close
# them again.
# With VANTREL_SHOT_DIR set, the window and the dialogs are photographed.
# Usage: hidpi_xvfb.sh VANTREL
set -uo pipefail
vantrel=$1
name=hidpi_xvfb
tools=(xdotool)
screen=2560x1600x24
. "$(dirname "$0")/xvfb_session.sh"
shots=${VANTREL_SHOT_DIR:-}
if [[ -n $shots ]]; then
    command -v import >/dev/null || fail "import (imagemagick) is needed for VANTREL_SHOT_DIR"
    mkdir -p "$shots"
fi
scale=2

# "X Y W H" of a window.
geometry() {
    xdotool getwindowgeometry --shell "$1" |
        awk -F= '/^X=/ {x = $2} /^Y=/ {y = $2} /^WIDTH=/ {w = $2} /^HEIGHT=/ {h = $2}
                 END {print x, y, w, h}'
}
# The visible window of the program other than the main window.
dialog() { xdotool search --onlyvisible --pid "$vantrel_pid" 2>/dev/null | grep -vx "$main" | head -1; }
has_dialog() { [[ -n $(dialog) ]]; }
no_dialog() { [[ -z $(dialog) ]]; }
# click WINDOW_X WINDOW_Y X Y: a click at the logical point (X, Y) of the
# window whose top left is at (WINDOW_X, WINDOW_Y) on the screen.
click() { xdotool mousemove $(($1 + $3 * scale)) $(($2 + $4 * scale)) click 1; }
shoot() {
    [[ -n $shots ]] || return 0
    sleep 0.4
    import -window root -crop "$3x$4+$1+$2" +repage "$shots/$5.png"
}

QT_SCALE_FACTOR=$scale "$vantrel" --sim-state "$work/sim.state" --data-dir "$work/data" \
    >"$work/vantrel.log" 2>&1 &
vantrel_pid=$!
pids+=($vantrel_pid)
until_true 15 xdotool search --onlyvisible --pid "$vantrel_pid" || fail "no main window"
main=$(xdotool search --onlyvisible --pid "$vantrel_pid" | head -1)
read -r mx my mw mh < <(geometry "$main")
[[ "$mw x $mh" == "2000 x 1280" ]] || fail "the main window is $mw x $mh on a 200 % screen"

# open_dialog WHAT X Y W H: clicks the logical point (X, Y) of the main
# window until a dialog opens (clicks are refused until the keyboard has
# been read) and checks that it is W x H logical pixels; sets dx dy.
open_dialog() {
    local what=$1 x=$2 y=$3 w=$4 h=$5 dw dh
    for _ in $(seq 20); do
        click "$mx" "$my" "$x" "$y"
        until_true 1 has_dialog && break
    done
    has_dialog || fail "a click at ($x, $y) x $scale opened no $what"
    read -r dx dy dw dh < <(geometry "$(dialog)")
    [[ "$dw x $dh" == "$((w * scale)) x $((h * scale))" ]] ||
        fail "the $what is $dw x $dh on a 200 % screen, not $((w * scale)) x $((h * scale))"
}
# close_dialog WHAT X Y: clicks the logical point (X, Y) of the dialog.
close_dialog() {
    click "$dx" "$dy" "$2" "$3"
    until_true 5 no_dialog || fail "a click at ($2, $3) x $scale did not close the $1"
}

# Esc on the keyboard picture (picture 44..68 x 106..130, drawn at 301, 95).
open_dialog "key assignment dialog" 357 213 386 378
shoot "$dx" "$dy" 772 756 key-assignment-200
close_dialog "key assignment dialog" 255 357 # "отмена"
shoot "$mx" "$my" 2000 1280 main-window-200

open_dialog "profile manager" 54 621 384 392
shoot "$dx" "$dy" 768 784 profiles-200
close_dialog "profile manager" 40 375 # "Закрыть"

open_dialog "macro manager" 135 621 384 400
shoot "$dx" "$dy" 768 800 macros-200
close_dialog "macro manager" 338 380 # "Отмена"

# The chosen keyboard colour (swatch 1) opens the colour chooser.
open_dialog "colour chooser" 38 188 337 240
shoot "$dx" "$dy" 674 480 colour-chooser-200
close_dialog "colour chooser" 293 194 # Cancel

kill -TERM "$vantrel_pid"
until_true 10 bash -c "! kill -0 $vantrel_pid" || fail "SIGTERM did not end the program"
echo "200 %: a key, the profiles and macro buttons and a colour swatch clicked at doubled coordinates opened their dialogs at twice their size"
