#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Access to the keyboard's nodes as udev gives it. A user who may not open
# them (nobody) is told "Keyboard found but not accessible" with the rule
# to install, by vantrelctl and by the desktop program; once the README's
# group rule is in udev and applied (udevadm trigger), the same user, in
# that group, reads the keyboard. The packaged rule tags the nodes for
# logind (uaccess).
# Usage (in the machine): access.sh BUILD SOURCE-TREE
set -uo pipefail
build=$1
source_tree=$(cd "$2" && pwd)
name=access
. "$(dirname "$0")/kernel_session.sh"

kb_start
as_nobody() { setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$@"; }
as_nobody_in_plugdev() { setpriv --reuid=nobody --regid=nogroup --groups=plugdev -- "$@"; }
mkdir -p "$work/nobody"
chmod 777 "$work" "$work/nobody"
export XDG_RUNTIME_DIR=$work/nobody XDG_CONFIG_HOME=$work/nobody

as_nobody "$vantrelctl" --data-dir "$work/nobody/data" read >"$work/denied.out" 2>"$work/denied.err"
rc=$?
[[ $rc == 1 ]] || fail "nobody's read: exit $rc, not 1"
grep -q "Keyboard found but not accessible" "$work/denied.err" ||
    fail "nobody is told: $(cat "$work/denied.err")"
grep -q "udev rule .*70-vantrel.rules" "$work/denied.err" || fail "the rule is not named"

# The desktop program stands in with the simulated keyboard and says why.
as_nobody env QT_QPA_PLATFORM=offscreen "$vantrel" --data-dir "$work/nobody/gui" \
    --screenshot "$work/nobody/shot.png" >"$work/gui.log" 2>&1
grep -q "Keyboard found but not accessible" "$work/gui.log" ||
    fail "the desktop program says: $(cat "$work/gui.log")"

# The README's group rule, installed and applied by hand as the README says.
rule=$(grep -m1 '^KERNEL=="hidraw\*".*GROUP="plugdev"' "$source_tree/README.md")
[[ -n $rule ]] || fail "no group rule in the README"
mkdir -p /run/udev/rules.d
echo "$rule" >/run/udev/rules.d/71-vantrel-group.rules
cp "$source_tree/packaging/linux/70-vantrel.rules" /run/udev/rules.d/
udevadm control --reload
udevadm trigger --action=change --subsystem-match=hidraw
udevadm settle --timeout=10
control=$(node_of 3) || fail "no node of interface 3"
[[ $(stat -c '%G %a' "$control") == "plugdev 660" ]] ||
    fail "the group rule did not apply: $(stat -c '%G %a' "$control")"
udevadm info --query=property --name="$control" | grep -q '^TAGS=.*:uaccess:' ||
    fail "the packaged rule did not tag $control for logind"

as_nobody_in_plugdev "$vantrelctl" --data-dir "$work/nobody/data" read >"$work/allowed.out" \
    2>"$work/allowed.err" || fail "nobody in plugdev: $(cat "$work/allowed.err")"
grep -q '"brightness"' "$work/allowed.out" || fail "nobody in plugdev read: $(head -c 200 "$work/allowed.out")"
kb_stop
echo "$name: denied without the rule, granted with the README's group rule"
