#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# vantrelctl diagnose on the uhid keyboard: every interface with its node,
# USB interface, collections, report IDs and descriptor; the two discovery
# chooses; the rule files; with --probe the read-back and its trace. Without
# a keyboard it says so and ends with 1.
# Usage (in the machine): diagnose.sh BUILD
set -uo pipefail
build=$1
name=diagnose
. "$(dirname "$0")/kernel_session.sh"

"$vantrelctl" diagnose >"$work/none.out" 2>"$work/none.err"
rc=$?
[[ $rc == 1 ]] || fail "without a keyboard: exit $rc"
grep -q "No keyboard found" "$work/none.err" || fail "without a keyboard it says: $(cat "$work/none.err")"

kb_start --vendor 0x4D95
report=$work/report.txt
"$vantrelctl" diagnose --probe --output "$report" >"$work/diag.out" 2>"$work/diag.err" ||
    fail "diagnose --probe: exit $?: $(cat "$work/diag.err")"
grep -q "^wrote $report" "$work/diag.out" || fail "diagnose printed: $(cat "$work/diag.out")"
expect() { grep -q -- "$1" "$report" || fail "the report lacks '$1'"; }
expect "The keyboard's HID interfaces (vendor 04D9 or 4D95, product A1DF): 4;"
for n in 0 1 2 3; do
    node=$(node_of "$n") || fail "no node of interface $n"
    expect "^$node\$"
    expect "USB interface: $n (from phys)"
done
expect "control interface (\"mi_03\"): $(node_of 3)\$"
expect "notification collection (\"ol04\"): $(node_of 2)\$"
expect "collection 4: usage page 0xFF00, usage 0x0001; input report 4: 3 bytes"
expect "feature report 0: 8 bytes; input report 0: 64 bytes; output report 0: 64 bytes"
expect "HID id 0003:00004D95:0000A1DF"
expect "^    06 01 FF 09 01 A1 01"
expect "read the keyboard: firmware 1.4"
expect "^    > set-feature 00 09 01 00 00 00 00 00 F5\$"
expect "^The keyboard was found and read.\$"
# The probe only reads: no write-all, no block written.
grep -q -e '> write ' -e '> set-feature 00 15 ' "$report" && fail "the probe wrote to the keyboard"
kb_stop
echo "$name: report of $(wc -l <"$report") lines"
