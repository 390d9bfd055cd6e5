#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Profiles switched by the program in front, under openbox on Xvfb: two
# windows of two programs (two copies of one small X client, of two classes),
# one of them bound to a profile with vantrelctl, focus moved with xdotool.
# The desktop program's trace shows the bound profile's frames once the
# window has held the front for the hold, the earlier configuration's when
# the other window comes to the front, nothing during a fast alternation and
# nothing while the window holds an edit not yet applied (sent after Apply).
# Usage: profile_switching_xvfb.sh VANTREL VANTRELCTL X11_WINDOW
set -uo pipefail
vantrel=$1
vantrelctl=$2
x11_window=$3
name=profile_switching_xvfb
tools=(xdotool xprop xwininfo openbox trayer)
. "$(dirname "$0")/xvfb_session.sh"

# A tray for the Profiles menu.
start_openbox_and_tray

# Two programs: copies, not links, so that each has its own executable.
mkdir -p "$work/bin"
cp "$x11_window" "$work/bin/kart"
cp "$x11_window" "$work/bin/notes"

state=(--sim-state "$work/sim.state" --data-dir "$work/data")
trace=$work/desktop.trace
"$vantrel" "${state[@]}" --trace "$trace" >"$work/vantrel.log" 2>&1 &
pids+=($!)
until_true 15 xdotool search --onlyvisible --name '^VANTREL$' || fail "no main window"
main=$(xdotool search --onlyvisible --name '^VANTREL$' | head -1)
read -r mx my < <(xdotool getwindowgeometry --shell "$main" |
    awk -F= '/^X=/ {x = $2} /^Y=/ {y = $2} END {print x, y}')

ctl() { "$vantrelctl" "${state[@]}" "$@" >>"$work/ctl.log" 2>&1 || fail "vantrelctl $*: $(tail -3 "$work/ctl.log")"; }
ctl info
ctl set brightness=40
ctl profile save Racing
ctl set brightness=10
ctl profile bind Racing "$work/bin/kart"
ctl profile bindings

"$work/bin/kart" Kart kart-window &
pids+=($!)
"$work/bin/notes" Notes notes-window &
pids+=($!)
until_true 10 xdotool search --name '^kart-window$' || fail "no kart window"
until_true 10 xdotool search --name '^notes-window$' || fail "no notes window"
kart=$(xdotool search --name '^kart-window$' | head -1)
notes=$(xdotool search --name '^notes-window$' | head -1)
# front WINDOW: activates it and waits until the window manager says so.
is_front() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }
front() {
    for _ in 1 2 3; do
        xdotool windowactivate "$1" 2>/dev/null
        until_true 2 is_front "$1" && return 0
    done
    fail "window $1 did not come to the front"
}

. "$(dirname "$0")/profile_switching_checks.sh"
switching_checks "$kart" "$notes"

# An edit in the window not yet applied (game mode, clicked): the switch
# waits, and happens after Apply.
front "$main"
xdotool mousemove $((mx + 104)) $((my + 588)) click 1
sleep 0.5
set_mark
front "$kart"
sleep 1.5
[[ $(write_alls) == 0 ]] || fail "switched while an edit was pending"
front "$main"
xdotool mousemove $((mx + 897)) $((my + 621)) click 1
until_true 5 sent_brightness 28 || fail "the waiting switch did not follow Apply"
[[ $(write_alls) == 2 ]] || fail "Apply and the switch made $(write_alls) write-alls, not 2"

# The commands run in the desktop program: a load by name, and a name that
# is no profile refused with status 2, nothing sent.
set_mark
ctl profile load Racing
"$vantrelctl" "${state[@]}" profile load Nothing >/dev/null 2>"$work/bad.err"
[[ $? == 2 ]] || fail "a missing profile did not end with status 2: $(cat "$work/bad.err")"
[[ $(write_alls) == 1 ]] || fail "load and a refused load made $(write_alls) write-alls, not 1"

# The tray's Profiles menu (after "Show window" and "Start on login"): a
# click on Racing sends it; "Automatic switching" turns switching off.
until_true 15 tray_icon || fail "no tray icon"
read -r tx ty < <(tray_icon)
profiles_menu() {
    xdotool mousemove "$tx" "$ty" click 3
    sleep 0.7
    xdotool key Down Down Down Right
    sleep 0.3
}
ctl set brightness=10
set_mark
profiles_menu
xdotool key Return
until_true 5 sent_brightness 28 || fail "Racing chosen in the tray menu was not sent"
profiles_menu
xdotool key Down Return
until_true 5 grep -qx 'switching off' "$XDG_CONFIG_HOME/vantrel-bindings.conf" ||
    fail "the tray menu did not turn switching off"

echo "profile switching: hold, return, no switch on alternation or with pending edits, tray menu"
