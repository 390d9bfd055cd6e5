#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The desktop program (offscreen) on the keyboard through the kernel: its
# start-up read-back, an apply, a lighting change made with the keyboard's
# own keys (a notification on the fourth collection) reaching the window's
# settings, and a launch key starting the program bound to it.
# Usage (in the machine): desktop.sh BUILD
set -uo pipefail
build=$1
name=desktop
. "$(dirname "$0")/kernel_session.sh"

kb_start --sim-state "$work/kb.state"
vantrel_start
# The first command waits for the start-up read-back.
served info info || fail "info: $(cat "$work/info.err")"
grep -q '^keyboard: 04D9:A1DF$' "$work/info.out" || fail "info: $(cat "$work/info.out")"
grep -q '^control interface: hidraw:mi_03&col01$' "$work/info.out" || fail "info: $(cat "$work/info.out")"
reads=$(grep -c '^< read 00 ' "$work/desktop.trace")
# Key table 8, enable map 1, macro slots 32 x 3, colour maps 5 x 8.
[[ $reads == 145 ]] || fail "the start-up read-back read $reads blocks, not 145"

mark=$(trace_lines)
served set set brightness=10 || fail "set: $(cat "$work/set.err")"
grep -q 'applied 1 setting' "$work/set.out" || fail "set: $(cat "$work/set.out")"
trace_has_since "$mark" '^> set-feature 00 08 02 01 05 0A ' || fail "no lighting end with brightness 10 went out"

# Brightness 7 chosen with the keyboard's own keys.
mark=$(trace_lines)
kb_send "lighting brightness 7"
until_true 10 trace_has_since "$mark" '^< notify 04 07 07 00$' || fail "the notification did not arrive"
served export export "$work/profile.bin" || fail "export: $(cat "$work/export.err")"
brightness=$(od -An -tu1 -j $((0x1D1C)) -N1 "$work/profile.bin" | tr -d ' ')
[[ $brightness == 7 ]] || fail "the window's brightness is $brightness, not 7"

# A launch key: F2 starts a script.
printf '#!/bin/sh\ntouch "%s/launched"\n' "$work" >"$work/launch.sh"
chmod +x "$work/launch.sh"
served assign assign F2 launch program "$work/launch.sh" || fail "assign: $(cat "$work/assign.err")"
kb_send "launch-key 113"
until_true 10 test -f "$work/launched" || fail "the launch key started nothing"

vantrel_stop
kb_stop
echo "$name: read-back of $reads blocks, apply, lighting notification and launch key"
