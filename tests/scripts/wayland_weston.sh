#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The desktop program as a native Wayland client (qt6-wayland) on weston.
#  1. On weston's headless backend: it starts and reads the keyboard, runs
#     a vantrelctl command for it, closes on SIGTERM keeping what it
#     changed, and says nothing of the platform on its output.
#  2. On weston nested in Xvfb (its X11 backend gives it a pointer that
#     xdotool moves): dragged by its title strip, the frameless window
#     moves (the compositor moves it: a client cannot place itself on
#     Wayland), and the profile manager opens over it. Windows are found in
#     weston's screenshots by pictures of their corners.
# Usage: wayland_weston.sh VANTREL VANTRELCTL PNG_PROBE SKIN_FOLDER
set -uo pipefail
vantrel=$1
vantrelctl=$2
probe=$3
skins=$4
name=wayland_weston
tools=(weston weston-screenshooter xdotool od)
screen=1600x1000x24
. "$(dirname "$0")/xvfb_session.sh"

state=(--sim-state "$work/sim.state" --data-dir "$work/data")
cat >"$work/weston.ini" <<'EOF'
[core]
idle-time=0
[shell]
panel-position=none
locking=false
EOF

# start_weston SOCKET ARGS...: a compositor of the test's own, until its
# socket is there.
start_weston() {
    local socket=$1
    shift
    weston --config="$work/weston.ini" --socket="$socket" "$@" >"$work/$socket.log" 2>&1 &
    pids+=($!)
    until_true 10 test -S "$XDG_RUNTIME_DIR/$socket" || fail "weston did not start: $(cat "$work/$socket.log")"
}
# start_vantrel SOCKET: the program on that compositor, its output in
# $work/vantrel.log.
start_vantrel() {
    WAYLAND_DISPLAY=$1 QT_QPA_PLATFORM=wayland "$vantrel" "${state[@]}" --trace "$work/desktop.trace" \
        >"$work/vantrel.log" 2>&1 &
    vantrel_pid=$!
    pids+=($vantrel_pid)
    # Up once it listens for vantrelctl and for a second copy.
    until_true 15 serving || fail "the program did not start on Wayland"
}
serving() {
    kill -0 "$vantrel_pid" 2>/dev/null &&
        [[ -n $(find "$XDG_RUNTIME_DIR" -maxdepth 1 -type s -name 'vantrel-*') ]]
}
# Ends the program as a logout would; it must end with 0 and have said
# nothing but its own lines.
stop_vantrel() {
    kill -TERM "$vantrel_pid"
    wait "$vantrel_pid"
    local rc=$?
    [[ $rc == 0 ]] || fail "the program ended with $rc after SIGTERM"
    local foreign
    foreign=$(grep -v '^vantrel: ' "$work/vantrel.log")
    [[ -z $foreign ]] || fail "the program's output has more than its own lines"
}

# 1. Headless.
start_weston headless --backend=headless-backend.so
# ready: the first command waits for the start-up read-back, as the
# window refuses clicks until then.
ready() { "$vantrelctl" "${state[@]}" info >"$work/info.out" 2>&1 || fail "info: $(cat "$work/info.out")"; }
start_vantrel headless
ready
kill -0 "$vantrel_pid" 2>/dev/null || fail "the program did not stay up on Wayland"
grep -q '^< read ' "$work/desktop.trace" || fail "the program read no block of the keyboard"
[[ -s $work/data/keymap.bin ]] || fail "no keymap.bin after the start-up read-back"
[[ -z $(xdotool search --pid "$vantrel_pid" 2>/dev/null) ]] || fail "the program opened X11 windows"
mark=$(wc -l <"$work/desktop.trace")
"$vantrelctl" "${state[@]}" set brightness=7 >"$work/set.out" 2>"$work/set.err" ||
    fail "set: $(cat "$work/set.err")"
grep -q 'applied 1 setting' "$work/set.out" || fail "set printed: $(cat "$work/set.out")"
# Not a pipe: grep -q leaving early could end tail by SIGPIPE under pipefail.
grep -q '^> set-feature 00 15 ' < <(tail -n +$((mark + 1)) "$work/desktop.trace") ||
    fail "the desktop program did not send the command's change"
stop_vantrel
brightness=$(od -An -tu1 -j$((0x1D1C)) -N1 "$work/data/keymap.bin" | tr -d ' ')
[[ $brightness == 7 ]] || fail "keymap.bin keeps brightness $brightness after SIGTERM, not 7"

# 2. Nested in Xvfb, with a pointer.
start_weston nested --backend=x11-backend.so --use-pixman --width=1400 --height=900 --debug
# The pictures that find the windows: the main window's top left as the
# program draws it (with --screenshot) and the profile manager's skin
# below its title, where the program writes nothing.
env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen "$vantrel" "${state[@]}" \
    --screenshot "$work/main.png" >/dev/null 2>&1 || fail "no --screenshot of the window"
"$probe" crop "$work/main.png" 0 0 140 34 "$work/main-corner.png" || fail "cannot crop the window"
"$probe" crop "$skins/Config/Profile_BK.png" 0 30 100 8 "$work/dialog-corner.png" ||
    fail "cannot crop the profile manager's skin"
mkdir -p "$work/shots"
# locate PICTURE: "X Y" of the picture in a screenshot of the compositor.
locate() {
    rm -f "$work"/shots/*.png
    (cd "$work/shots" && WAYLAND_DISPLAY=nested weston-screenshooter >/dev/null 2>&1) || return 1
    "$probe" find "$work"/shots/*.png "$1"
}
start_vantrel nested
ready
until_true 15 locate "$work/main-corner.png" || fail "the main window did not appear"
read -r x0 y0 < <(locate "$work/main-corner.png")

# Drag the title strip by (100, 80). The pointer first enters weston's
# window from outside: weston follows it from its entry on.
xdotool mousemove 1550 950
sleep 0.2
xdotool mousemove $((x0 + 500)) $((y0 + 15))
sleep 0.3
xdotool mousedown 1
sleep 0.2
for _ in $(seq 10); do
    xdotool mousemove_relative 10 8
    sleep 0.05
done
sleep 0.2
xdotool mouseup 1
sleep 0.5
read -r x1 y1 < <(locate "$work/main-corner.png") || fail "the main window is gone after the drag"
dx=$((x1 - x0)) dy=$((y1 - y0))
# The compositor takes over the drag after its first step.
((dx >= 50 && dx <= 100 && dy >= 40 && dy <= 80)) ||
    fail "dragged by (100, 80), the window moved by ($dx, $dy)"

# The profiles button: the profile manager (384 x 392) opens over the
# window (1000 x 640).
opened=false
for _ in $(seq 10); do
    xdotool mousemove $((x1 + 54)) $((y1 + 621)) click 1
    if until_true 2 locate "$work/dialog-corner.png"; then
        opened=true
        break
    fi
done
$opened || fail "the profiles button opened no profile manager"
read -r px py < <(locate "$work/dialog-corner.png")
cx=$((px + 192)) cy=$((py - 30 + 196))
((cx > x1 && cx < x1 + 1000 && cy > y1 && cy < y1 + 640)) ||
    fail "the profile manager opened at ($px, $((py - 30))), not over the window at ($x1, $y1)"
stop_vantrel
echo "wayland: served a command on weston headless and kept it on SIGTERM; nested, the window moved by ($dx, $dy) and the profile manager opened over it"
