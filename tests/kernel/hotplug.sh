#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plugging in and out through udev while the desktop program runs: a
# keyboard that arrives after the start replaces the simulated one; a
# keyboard pulled during a write-all makes the apply fail with the reason
# and leaves nothing marked as sent; plugged in again, it is noticed through
# the libudev monitor and re-read, and the next apply sends the changes and
# completes.
# Usage (in the machine): hotplug.sh BUILD
set -uo pipefail
build=$1
name=hotplug
. "$(dirname "$0")/kernel_session.sh"

vantrel_start
until_true 20 grep -q 'using the simulated keyboard' "$work/vantrel.log" ||
    fail "the desktop program did not start on the simulated keyboard"
kb_start --sim-state "$work/kb.state"
until_true 20 grep -q 'keyboard plugged in, leaving the simulated one' "$work/vantrel.log" ||
    fail "the keyboard's arrival was not noticed"
served info info || fail "info: $(cat "$work/info.err")"
grep -q '^keyboard: 04D9:A1DF$' "$work/info.out" || fail "info: $(cat "$work/info.out")"

# Pulled after 8 more transfers: the wrist-rest record and colours go out,
# then the first change (the lighting begin) fails.
kb_send "unplug-after 8"
changes=(set effect=4 brightness=33 key-colour.2=#102030)
served cut "${changes[@]}"
rc=$?
[[ $rc == 1 ]] || fail "the cut apply: exit $rc: $(cat "$work/cut.out" "$work/cut.err")"
grep -qi 'disconnected\|not connected' "$work/cut.err" || fail "the cut apply says: $(cat "$work/cut.err")"
until_true 10 bash -c "! ls /sys/class/hidraw/hidraw* >/dev/null 2>&1" || fail "the nodes stay"

mark=$(trace_lines)
kb_send replug
kb_wait_ready 2
# The re-read begins with the command every read of the keyboard begins with.
until_true 20 trace_has_since "$mark" '^> set-feature 00 09 01 00 00 00 00 00 F5$' ||
    fail "the keyboard's return was not noticed"
served again "${changes[@]}" || fail "the apply after the replug: $(cat "$work/again.err")"
trace_has_since "$mark" '^> set-feature 00 14 00 01 10 20 30 00 ' ||
    fail "key colour 2 (index 1) was not sent again: the cut apply marked it as sent"
trace_has_since "$mark" '^> set-feature 00 08 02 04 .. 21 ' || fail "brightness 33 was not sent"

vantrel_stop
kb_stop
echo "$name: arrival, a write-all cut by the unplug, replug and a complete apply"
