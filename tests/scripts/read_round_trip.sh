#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What `vantrelctl read` decodes, fed back to set, macro add and assign on a
# fresh simulated keyboard, gives the same keyboard.
# Usage: read_round_trip.sh VANTRELCTL
set -euo pipefail
ctl=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
a() { "$ctl" --sim-state a.bin --data-dir a "$@" >/dev/null; }
b() { "$ctl" --sim-state b.bin --data-dir b "$@" >/dev/null; }

# Keyboard A: something of every kind.
a set effect=51 speed=3 brightness=20 colour-index=4 direction=2 game-mode=0 \
    report-rate=1 response-time=7 key-colour.2=#102030 wrist.effect=3 wrist.brightness=1 \
    wrist.speed=3 wrist.colour-choice=5 wrist-colour.7=#ABCDEF \
    colour-map.1.Esc=#FF0000 colour-map.5.Enter-num=#00FF00 colour-map.3.#16=#0000FE
a macro add Copy LCtrl:dn C:dn C:up LCtrl:up
a macro add "Slow wave" --loop 7 A:dn 300ms A:up 2ms MsLB:dn MsLB:up
a assign F1 macro 1
a assign F2 launch program "/usr/bin/two words"
a assign A combo LCtrl+LShift+V
a assign B key Enter-num
a assign C function mute
a assign D disable
a assign Fn key Esc
"$ctl" --sim-state a.bin --data-dir a read >a.json

# Keyboard B from A's decoded fields alone.
mapfile -t fields < <(jq -r '.settings | to_entries[] | "\(.key)=\(.value)"' a.json)
b set "${fields[@]}"
while IFS= read -r line; do
    eval "macro=($line)"
    b macro add "${macro[@]}"
done < <(jq -r '.macros[] | [.name, "--loop", (.loopCount | tostring)] + .events | @sh' a.json)
while IFS= read -r line; do
    eval "assignment=($line)"
    b assign "${assignment[@]}"
done < <(jq -r '.keys[] | select(.assign != ["default"]) | [.key] + .assign | @sh' a.json)
"$ctl" --sim-state b.bin --data-dir b read >b.json

if ! cmp -s a.json b.json; then
    echo "the keyboards differ:" >&2
    diff a.json b.json >&2 || true
    exit 1
fi
# Every key was decoded, and the macro names came along.
if jq -e '[.keys[] | select(.assign == null)] | length > 0' a.json >/dev/null; then
    echo "keys without words for assign" >&2
    exit 1
fi
jq -e '.keys[] | select(.key == "F1") | .macro == "Slow wave"' a.json >/dev/null
jq -e '.keys[] | select(.key == "F2") | .path == "/usr/bin/two words"' a.json >/dev/null
# The keyboard itself matches too, not only what read prints.
cmp a.bin b.bin
echo "round trip: same keyboard"
