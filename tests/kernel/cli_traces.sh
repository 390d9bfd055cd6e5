#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# vantrelctl through the kernel's HID stack (hidapi, hidraw, uhid) does byte
# for byte what it does on the simulated keyboard: each command's trace
# (every transfer and pause), output, exit status, the state files it leaves
# and the keyboard's stored state are the same. Notifications come from
# another interface and thread, so where they fall between the control
# transfers depends on timing; they are compared in their own order.
# Usage (in the machine): cli_traces.sh BUILD
set -uo pipefail
build=$1
name=cli_traces
. "$(dirname "$0")/kernel_session.sh"

kb_start --sim-state "$work/uhid.state"
mkdir -p "$work/pc"
cd "$work/pc" || exit 1
cat >"$work/pc/launch.sh" <<'SCRIPT'
#!/bin/sh
touch launched
SCRIPT
chmod +x "$work/pc/launch.sh"

steps=(
    "read"
    "set effect=3 brightness=20 key-colour.1=#FF2040 wrist.effect=2"
    "macro add Copy LCtrl:dn C:dn C:up LCtrl:up"
    "assign F1 macro Copy"
    "assign F2 launch program $work/pc/launch.sh"
    "assign Esc key B"
    "export profile.bin"
    "reset"
    "apply profile.bin"
    "read"
)
i=0
for step in "${steps[@]}"; do
    i=$((i + 1))
    # The two run side by side: they share nothing.
    # shellcheck disable=SC2086
    "$vantrelctl" --simulate --sim-state "$work/sim.state" --data-dir "$work/sim" \
        --trace "$work/s$i.trace" ${step/profile.bin/profile-sim.bin} \
        >"$work/s$i.out" 2>"$work/s$i.err" &
    sim_pid=$!
    # shellcheck disable=SC2086
    "$vantrelctl" --data-dir "$work/kernel" --trace "$work/k$i.trace" $step \
        >"$work/k$i.out" 2>"$work/k$i.err"
    kernel_rc=$?
    wait "$sim_pid"
    sim_rc=$?
    [[ $kernel_rc == 0 ]] || fail "$step: exit $kernel_rc: $(cat "$work/k$i.err")"
    [[ $sim_rc == 0 ]] || fail "$step (simulated): exit $sim_rc: $(cat "$work/s$i.err")"
    diff <(grep -v '^< notify' "$work/k$i.trace") <(grep -v '^< notify' "$work/s$i.trace") \
        >"$work/diff.txt" || fail "$step: the transfers differ: $(head -n 20 "$work/diff.txt")"
    diff <(grep '^< notify' "$work/k$i.trace") <(grep '^< notify' "$work/s$i.trace") \
        >"$work/diff.txt" || fail "$step: the notifications differ: $(head -n 20 "$work/diff.txt")"
    diff "$work/k$i.out" <(sed 's/profile-sim\.bin/profile.bin/g' "$work/s$i.out") >"$work/diff.txt" ||
        fail "$step: the output differs: $(head -n 20 "$work/diff.txt")"
    grep -q '^> set-feature' "$work/k$i.trace" || [[ $step == export* ]] ||
        fail "$step: nothing reached the keyboard"
done

cmp "$work/pc/profile.bin" "$work/pc/profile-sim.bin" || fail "the exported profiles differ"
for f in keymap.bin MacroDefine.bin; do
    cmp "$work/kernel/$f" "$work/sim/$f" || fail "$f differs"
done
kb_stop
cmp "$work/uhid.state" "$work/sim.state" || fail "the keyboards store different settings"
echo "$name: ${#steps[@]} commands, $(cat "$work"/k*.trace | wc -l) trace lines equal"
