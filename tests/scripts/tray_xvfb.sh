#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The program on a real X server (Xvfb) with an XEmbed tray (trayer), as a
# desktop without StatusNotifier has it: --background starts hidden, one
# click on the tray icon brings the window back, and the tray menu's start
# on login item writes and removes the autostart entry. Without any tray,
# --background starts minimised, and a tray started later takes the icon. Usage: tray_xvfb.sh VANTREL
set -uo pipefail
vantrel=$1
name=tray_xvfb
tools=(trayer xdotool xwininfo xprop)
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_session.sh"

window_shown() { xdotool search --onlyvisible --name '^VANTREL$'; }
start_vantrel() {
    "$vantrel" --background --simulate --data-dir "$work/data" >>"$work/vantrel.log" 2>&1 &
    pids+=($!)
}

trayer --edge top --align right --widthtype pixel --width 64 --heighttype pixel --height 24 \
    >"$work/trayer.log" 2>&1 &
trayer_pid=$!
pids+=($trayer_pid)
until_true 10 xdotool search --class trayer || fail "the tray did not start"

start_vantrel
until_true 15 tray_icon || fail "no tray icon"
sleep 1 # the start-up read-back
window_shown && fail "--background showed the window"
read -r x y < <(tray_icon)

# One click, as StatusNotifier trays report it too.
xdotool mousemove "$x" "$y" click 1
until_true 5 window_shown || fail "one click on the tray icon did not bring the window back"

entry=$XDG_CONFIG_HOME/autostart/io.github.vantrel.Vantrel.desktop
choose_start_on_login() {
    xdotool mousemove "$x" "$y" click 3
    sleep 0.7
    # Show the window, then start on login.
    xdotool key Down Down Return
}
choose_start_on_login
until_true 5 test -f "$entry" || fail "start on login wrote no $entry"
grep -qx "Exec=$vantrel --background" "$entry" || fail "the entry does not start $vantrel hidden"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "the autostart entry is not valid"
fi
choose_start_on_login
until_true 5 test ! -e "$entry" || fail "start on login did not remove $entry"

# No tray at all: minimised instead of hidden, so the window can come back.
kill "${pids[-1]}" "$trayer_pid"
wait "${pids[-1]}" 2>/dev/null
start_vantrel
until_true 15 xdotool search --name '^VANTREL$' || fail "no window without a tray"
minimised() {
    local w
    w=$(xdotool search --name '^VANTREL$' | head -1)
    xprop -id "$w" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN
}
until_true 5 minimised || fail "--background without a tray did not minimise the window"

# A tray that comes after the program (a panel slower at login) takes its
# icon in, and the icon brings the window back.
trayer --edge top --align right --widthtype pixel --width 64 --heighttype pixel --height 24 \
    >>"$work/trayer.log" 2>&1 &
pids+=($!)
until_true 15 tray_icon || fail "a tray started after the program got no icon"
read -r x y < <(tray_icon)
xdotool mousemove "$x" "$y" click 1
until_true 5 sh -c "! xprop -id $(xdotool search --name '^VANTREL$' | head -1) _NET_WM_STATE | grep -q HIDDEN" ||
    fail "the icon of a tray started later did not bring the window back"
echo "tray: hidden start, one click back, start on login written and removed, minimised without tray, a later tray"
