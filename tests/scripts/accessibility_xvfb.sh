#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window program as a screen reader sees it, through a real AT-SPI
# client (pyatspi) on a D-Bus session of the test's own, under Xvfb:
#  1. In English, Russian and Chinese the main window's tree holds every
#     region it shows, each with a role and a name in that language, the
#     keys of the keyboard picture among them, and nothing nameless that acts.
#  2. The brightness set through the value interface and "Apply" pressed
#     through the action interface send the same frames as a click on the
#     slider and on the button.
#  3. A key of the keyboard picture pressed through AT-SPI opens the key
#     assignment dialog on that key, whose tree is named too; the dialogs
#     of the profiles and the macros also.
# Usage: accessibility_xvfb.sh VANTREL
set -uo pipefail
vantrel=$1
name=accessibility_xvfb
tools=(xdotool dbus-daemon)
. "$(dirname "$0")/xvfb_session.sh"
probe="/usr/bin/python3 $(dirname "$0")/atspi_probe.py"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing (scripts/bootstrap installs it)"

# A session bus of our own: the accessibility bus is started from it.
read -r bus_address bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')
pids+=("$bus_pid")
export DBUS_SESSION_BUS_ADDRESS=$bus_address QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
[[ -n $bus_address ]] || fail "no D-Bus session"

. "$(dirname "$0")/window_trace.sh"

# start LABEL [LANGUAGE]: the program with its own state; $dir, $pid, $mx, $my.
start() {
    dir=$work/$1
    mkdir -p "$dir"
    "$vantrel" --language "${2:-en}" --sim-state "$dir/sim.state" --data-dir "$dir/data" \
        --trace "$dir/trace.txt" >"$work/vantrel.log" 2>&1 &
    pid=$!
    pids+=($pid)
    until_true 30 xdotool search --onlyvisible --name '^VANTREL$' || fail "$1: no main window"
    read -r mx my < <(origin "$(xdotool search --onlyvisible --name '^VANTREL$' | head -1)")
    settle "$dir/trace.txt" || fail "$1: the keyboard was never read"
}
stop() {
    kill -TERM "$pid"
    wait "$pid" 2>/dev/null
}
transfers() { grep -v '^< notify' "$1/trace.txt" | tail -n +"$2"; }
click() { xdotool mousemove $((mx + $1)) $((my + $2)) click 1; sleep 0.5; }
# field N of the walk's line for ROLE and NAME
walked() { awk -F'\t' -v r="$2" -v n="$3" -v f="$4" '$2 == r && $3 == n {print $f; exit}' "$1"; }

# 1. The tree in three languages.
declare -A apply=([en]="Apply" [ru]="Применить" [zh]="應用")
declare -A game=([en]="Game mode" [ru]="Режим \"Игра\"" [zh]="游戏模式")
for lang in en ru zh; do
    start "tree-$lang" "$lang"
    $probe walk VANTREL >"$dir/tree.txt" 2>"$dir/tree.err" ||
        fail "$lang: nameless objects that act: $(grep -c NAMELESS "$dir/tree.err")"
    keys=$(awk -F'\t' '$1 == 2 && $2 == "push button"' "$dir/tree.txt" | wc -l)
    [[ $keys == 108 ]] || fail "$lang: $keys keys in the keyboard picture, not 108"
    [[ $(walked "$dir/tree.txt" "push button" Esc 7) == "345 201 25 25" ]] ||
        fail "$lang: Esc is at $(walked "$dir/tree.txt" "push button" Esc 7), not on its picture"
    [[ $(walked "$dir/tree.txt" "push button" "${apply[$lang]}" 7) == "868 610 59 24" ]] ||
        fail "$lang: no \"${apply[$lang]}\" button over its picture: $(cut -f2,3,7 "$dir/tree.txt" | grep -v '^push button	.\{1,6\}	[34]' | head -40)"
    [[ $(walked "$dir/tree.txt" "check box" "${game[$lang]}" 6) == toggle,press ]] ||
        fail "$lang: no \"${game[$lang]}\" check box that toggles"
    for role in "combo box" "check box" slider "push button"; do
        [[ -n $(walked "$dir/tree.txt" "$role" "" 2) ]] && fail "$lang: a $role without a name"
    done
    combos=$(cut -f2 "$dir/tree.txt" | grep -c '^combo box$')
    [[ $combos == 2 ]] || fail "$lang: $combos effect boxes, not 2"
    sliders=$(cut -f2 "$dir/tree.txt" | grep -c '^slider$')
    ((sliders >= 5)) || fail "$lang: $sliders sliders"
    cut -f2 "$dir/tree.txt" >"$dir/roles.txt"
    [[ $lang == en ]] || cmp -s "$work/tree-en/roles.txt" "$dir/roles.txt" ||
        fail "$lang: the tree differs from the English one: $(diff "$work/tree-en/roles.txt" "$dir/roles.txt" | head)"
    stop
done

# 2. The same frames from AT-SPI as from the pointer.
start pointer
mark=$(($(lines "$dir/trace.txt") + 1))
click 138 229 # the brightness slider's middle
level=$($probe value VANTREL "slider:Brightness") || fail "no brightness slider"
click 897 621 # "Apply"
settle "$dir/trace.txt" || fail "pointer: the apply never ended"
transfers "$dir" "$mark" >"$work/pointer.txt"
stop
start atspi
mark=$(($(lines "$dir/trace.txt") + 1))
$probe set VANTREL "slider:Brightness" "$level" || fail "the brightness cannot be set"
[[ $($probe value VANTREL "slider:Brightness") == "$level" ]] || fail "the brightness did not take $level"
$probe act VANTREL "push button:Apply" press || fail "Apply cannot be pressed"
sleep 1
settle "$dir/trace.txt" || fail "atspi: the apply never ended"
transfers "$dir" "$mark" >"$work/atspi.txt"
[[ -s $work/pointer.txt ]] || fail "the clicks sent nothing"
diff "$work/pointer.txt" "$work/atspi.txt" >"$work/diff" ||
    fail "AT-SPI sent other frames than the clicks: $(head -20 "$work/diff")"

# 3. A key of the picture opens its assignment dialog.
$probe act VANTREL "panel:Keys/push button:Q" press || fail "the key Q cannot be pressed"
until_true 10 bash -c "$probe windows | grep -q '^Current key: Q'" ||
    fail "no key assignment dialog for Q: $($probe windows)"
dialog=$($probe windows | grep '^Current key: Q' | head -1)
$probe walk "$dialog" >"$work/keymap.txt" 2>"$work/keymap.err" ||
    fail "the key assignment dialog has nameless objects: $(cut -f2,3 "$work/keymap.txt")"
for tab in Keys Macro Basic Advanced; do
    [[ -n $(walked "$work/keymap.txt" "page tab" "$tab" 2) ]] || fail "the key assignment dialog has no tab $tab"
done
$probe act "$dialog" "push button:Cancel" press || fail "the dialog's Cancel cannot be pressed"
until_true 10 bash -c "! $probe windows | grep -q '^Current key'" || fail "Cancel left the dialog open"

for dialog in Profiles:"push button:Profiles" "Macro manager":"push button:Macros"; do
    title=${dialog%%:*} opener=${dialog#*:}
    $probe act VANTREL "$opener" press || fail "$opener cannot be pressed"
    until_true 10 bash -c "$probe windows | grep -qx '$title'" || fail "$opener opened no $title: $($probe windows)"
    $probe walk "$title" >"$work/dialog.txt" 2>"$work/dialog.err" ||
        fail "$title has nameless objects: $(cut -f2,3 "$work/dialog.txt")"
    closer="push button:Close"
    [[ $title == Profiles ]] || closer="push button:Cancel"
    $probe act "$title" "$closer" press || fail "$title cannot be closed"
    until_true 10 bash -c "! $probe windows | grep -qx '$title'" || fail "$title stayed open"
done
stop
echo "accessibility: named trees in three languages, AT-SPI frames equal to the clicks, dialogs opened from the tree"
