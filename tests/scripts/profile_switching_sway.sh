#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Profiles switched by the program in front under sway's headless backend:
# two Wayland windows of two app_ids (a small Qt client), one bound to a
# profile as class:APP_ID with vantrelctl, focus moved with swaymsg. The
# desktop program runs on the same sway and learns the window in front from
# sway's list of windows. The checks are those of the X11 test, and our own
# window in front changes nothing (on Wayland it is known by its app_id only).
# Usage: profile_switching_sway.sh VANTREL VANTRELCTL WAYLAND_WINDOW
set -uo pipefail
vantrel=$1
vantrelctl=$2
wayland_window=$3
name=profile_switching_sway
tools=(sway swaymsg jq setpriv)
no_x_server=1
. "$(dirname "$0")/xvfb_session.sh"

# sway refuses to run as root: there it runs as nobody, in a folder of its
# own that it can reach.
sway_dir=$work/sway
mkdir -p "$sway_dir"
chmod 700 "$sway_dir"
cat >"$sway_dir/config" <<'CONFIG'
xwayland disable
output HEADLESS-1 resolution 1280x800
CONFIG
as_user=()
if [[ $(id -u) == 0 ]]; then
    chown -R 65534:65534 "$sway_dir"
    chmod 711 "$work"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
env -i PATH="$PATH" HOME="$sway_dir" XDG_RUNTIME_DIR="$sway_dir" WLR_BACKENDS=headless \
    WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1 \
    "${as_user[@]}" sway -c "$sway_dir/config" >"$work/sway.log" 2>&1 &
pids+=($!)
sway_up() { compgen -G "$sway_dir/sway-ipc.*.sock" >/dev/null && [[ -S $sway_dir/wayland-1 ]]; }
until_true 10 sway_up || fail "sway did not start: $(tail -5 "$work/sway.log")"
SWAYSOCK=$(compgen -G "$sway_dir/sway-ipc.*.sock")
# An absolute WAYLAND_DISPLAY: the clients keep their own runtime folder.
export SWAYSOCK WAYLAND_DISPLAY=$sway_dir/wayland-1 QT_QPA_PLATFORM=wayland

is_front() {
    swaymsg -t get_tree | jq -e --arg a "$1" 'any(.. | objects | select(.focused? == true); .app_id == $a)' >/dev/null
}
# front APP_ID: sway answers a command once it is carried out, so a focus
# that succeeded is there (and a quick alternation stays quick).
front() { swaymsg -q "[app_id=\"$1\"] focus" || fail "window $1 did not come to the front"; }
own=io.github.vantrel.Vantrel

state=(--sim-state "$work/sim.state" --data-dir "$work/data")
trace=$work/desktop.trace
"$vantrel" "${state[@]}" --trace "$trace" >"$work/vantrel.log" 2>&1 &
pids+=($!)
until_true 15 is_front "$own" || fail "no main window on sway"

ctl() { "$vantrelctl" "${state[@]}" "$@" >>"$work/ctl.log" 2>&1 || fail "vantrelctl $*: $(tail -3 "$work/ctl.log")"; }
ctl info
ctl set brightness=40
ctl profile save Racing
ctl set brightness=10
ctl profile bind Racing class:kart

"$wayland_window" kart kart-window >"$work/kart.log" 2>&1 &
pids+=($!)
"$wayland_window" notes notes-window >"$work/notes.log" 2>&1 &
pids+=($!)
has_window() { swaymsg -t get_tree | jq -e --arg a "$1" 'any(.. | objects; .app_id? == $a)' >/dev/null; }
until_true 10 has_window kart || fail "no kart window: $(cat "$work/kart.log")"
until_true 10 has_window notes || fail "no notes window: $(cat "$work/notes.log")"

. "$(dirname "$0")/profile_switching_checks.sh"
switching_checks kart notes

own_window_checks kart notes "$own"

echo "profile switching on sway: hold, return, no switch on alternation or for our own window"
