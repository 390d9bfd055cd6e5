#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Profiles switched by the program in front in KDE Plasma's Wayland session:
# KWin on its virtual (headless) backend with a D-Bus session of its own,
# two Wayland windows of two app_ids (a small Qt client), one bound to a
# profile as class:APP_ID and the other's executable bound to nothing. The
# desktop program runs on the same KWin and learns the window in front from
# the script it gives KWin; the focus is moved by scripts of the test's own
# through the same scripting interface. The checks are those of the X11
# and sway tests, and our own window in front changes nothing.
# Usage: profile_switching_kwin.sh VANTREL VANTRELCTL WAYLAND_WINDOW
set -uo pipefail
vantrel=$1
vantrelctl=$2
wayland_window=$3
name=profile_switching_kwin
tools=(kwin_wayland dbus-daemon dbus-send)
no_x_server=1
. "$(dirname "$0")/xvfb_session.sh"

read -r bus_address bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')
pids+=("$bus_pid")
export DBUS_SESSION_BUS_ADDRESS=$bus_address HOME=$work/home
mkdir -p "$HOME"
# Debian gives kwin_wayland file capabilities, which a container may refuse
# to grant at exec: a copy runs without them.
cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
"$work/kwin_wayland" --virtual --width 1280 --height 800 --socket kwin-test --no-lockscreen \
    --no-global-shortcuts >"$work/kwin.log" 2>&1 &
pids+=($!)
kwin_up() {
    [[ -S $XDG_RUNTIME_DIR/kwin-test ]] &&
        dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
            org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1
}
until_true 30 kwin_up || fail "KWin did not start: $(tail -5 "$work/kwin.log")"
export WAYLAND_DISPLAY=kwin-test QT_QPA_PLATFORM=wayland XDG_CURRENT_DESKTOP=KDE \
    XDG_SESSION_TYPE=wayland

# kwin_script NAME FILE: loads and runs a script as KDE's own tools do
# (Plasma 6 keeps the script under /Scripting, Plasma 5 at the root).
kwin_script() {
    local id
    id=$(dbus-send --session --print-reply=literal --dest=org.kde.KWin /Scripting \
        org.kde.kwin.Scripting.loadScript "string:$2" "string:$1" | awk '{print $2}')
    [[ -n $id && $id != -1 ]] || return 1
    dbus-send --session --print-reply --dest=org.kde.KWin "/Scripting/Script$id" \
        org.kde.kwin.Script.run >/dev/null 2>&1 ||
        dbus-send --session --print-reply --dest=org.kde.KWin "/$id" org.kde.kwin.Script.run >/dev/null
}
unload_script() {
    dbus-send --session --print-reply --dest=org.kde.KWin /Scripting \
        org.kde.kwin.Scripting.unloadScript "string:$1" >/dev/null
}
# front CLASS: activates the window of that class and returns once KWin's
# own log says it is the active one.
turn=0
front() {
    turn=$((turn + 1))
    cat >"$work/front.js" <<SCRIPT
var list = workspace.windowList !== undefined ? workspace.windowList() : workspace.clientList();
for (var i = 0; i < list.length; ++i) {
    if (String(list[i].resourceClass) === "$1") {
        if (workspace.activeWindow !== undefined) { workspace.activeWindow = list[i]; }
        else { workspace.activeClient = list[i]; }
    }
}
var now = workspace.activeWindow !== undefined ? workspace.activeWindow : workspace.activeClient;
print("front $turn " + (now ? String(now.resourceClass) : ""));
SCRIPT
    kwin_script vantrel-test-front "$work/front.js" || fail "KWin did not run the test's script"
    until_true 5 grep -q "front $turn $1\$" "$work/kwin.log" ||
        fail "window $1 did not come to the front: $(grep "front $turn" "$work/kwin.log")"
    unload_script vantrel-test-front
}
own=io.github.vantrel.Vantrel

state=(--sim-state "$work/sim.state" --data-dir "$work/data")
trace=$work/desktop.trace
"$vantrel" "${state[@]}" --trace "$trace" >"$work/vantrel.log" 2>&1 &
vpid=$!
pids+=($vpid)
ctl() { "$vantrelctl" "${state[@]}" "$@" >>"$work/ctl.log" 2>&1 || fail "vantrelctl $*: $(tail -3 "$work/ctl.log")"; }
# Commands are served once it keeps the data folder.
until_true 30 grep -qx "vantrel $vpid" "$work/data/vantrel.lock" ||
    fail "the desktop program did not start"
ctl info
ctl set brightness=40
ctl profile save Racing
ctl set brightness=10
ctl profile bind Racing class:kart

# Two programs, so that each has an executable of its own.
mkdir -p "$work/bin"
cp "$wayland_window" "$work/bin/kart"
cp "$wayland_window" "$work/bin/notes"
"$work/bin/kart" kart kart-window >"$work/kart.log" 2>&1 &
pids+=($!)
"$work/bin/notes" notes notes-window >"$work/notes.log" 2>&1 &
pids+=($!)
sleep 1
front kart
front notes

. "$(dirname "$0")/profile_switching_checks.sh"
switching_checks kart notes

own_window_checks kart notes "$own"

# The window's process is known too: the notes program's executable bound.
notes_exe=$(readlink -f "$work/bin/notes")
ctl profile unbind class:kart
ctl profile bind Racing "$notes_exe"
front kart
sleep 1
set_mark
front notes
until_true 5 sent_brightness 28 || fail "the notes window's executable brought no Racing"

# Our script leaves KWin with the program.
kill "$vpid"
wait "$vpid" 2>/dev/null
loaded=$(dbus-send --session --print-reply=literal --dest=org.kde.KWin /Scripting \
    org.kde.kwin.Scripting.isScriptLoaded string:vantrel-front-window | awk '{print $2}')
[[ $loaded == false ]] || fail "the program's script is still loaded in KWin after it ended"
echo "profile switching on KWin: hold, return, no switch on alternation or for our own window, by executable"
