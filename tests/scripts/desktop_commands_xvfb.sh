#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# vantrelctl while the desktop program runs, as a user scripting it with the
# window open in the tray would: set, assign, macro add and read are run by
# the desktop program on its own keyboard connection. Each reaches the
# keyboard once (the desktop program's trace), vantrelctl's own --trace gets
# the same transfers, a later Apply in the window sends none of it again,
# and closing the program keeps it all.
# With VANTREL_SHOT_DIR set, the window after the commands is photographed.
# Usage: desktop_commands_xvfb.sh VANTREL VANTRELCTL
set -uo pipefail
vantrel=$1
vantrelctl=$2
name=desktop_commands_xvfb
tools=(xdotool jq od socat)
. "$(dirname "$0")/xvfb_session.sh"
shots=${VANTREL_SHOT_DIR:-}

state=(--sim-state "$work/sim.state" --data-dir "$work/data")
trace=$work/desktop.trace
"$vantrel" "${state[@]}" --trace "$trace" >"$work/vantrel.log" 2>&1 &
vantrel_pid=$!
pids+=($vantrel_pid)
until_true 15 xdotool search --onlyvisible --name '^VANTREL$' || fail "no main window"
main=$(xdotool search --onlyvisible --name '^VANTREL$' | head -1)
read -r mx my < <(xdotool getwindowgeometry --shell "$main" |
    awk -F= '/^X=/ {x = $2} /^Y=/ {y = $2} END {print x, y}')

# The lines the desktop program's trace gained since `mark`.
mark=0
since_mark() { tail -n +$((mark + 1)) "$trace"; }
count() { since_mark | grep -c -- "$1"; }
# run_served WHAT EXPECTED_STDOUT_PATTERN SENDS READS ARGS...: runs one
# command through the desktop program and checks what reached the keyboard:
# SENDS write-alls (each ends with the wrist-rest record, command 15) and
# READS read-backs (each asks for the version, command 80).
run_served() {
    local what=$1 pattern=$2 sends=$3 reads=$4
    shift 4
    mark=$(wc -l <"$trace")
    "$vantrelctl" "${state[@]}" --trace "$work/$what.trace" "$@" >"$work/$what.out" 2>"$work/$what.err"
    local rc=$?
    [[ $rc == 0 ]] || fail "$what: exit $rc: $(cat "$work/$what.err")"
    grep -q -- "$pattern" "$work/$what.out" || fail "$what printed: $(head -c 300 "$work/$what.out")"
    # The program's trace is written as the transfers happen; the command's
    # own arrives with its answer.
    [[ $(count '> set-feature 00 15 ') == "$sends" ]] || fail "$what: $(count '> set-feature 00 15 ') write-alls, not $sends"
    [[ $(count '> set-feature 00 80 ') == "$reads" ]] || fail "$what: $(count '> set-feature 00 80 ') read-backs, not $reads"
    diff <(since_mark) "$work/$what.trace" >/dev/null ||
        fail "$what: its --trace differs from what the desktop program sent"
}

# The first command waits for the start-up read-back.
"$vantrelctl" "${state[@]}" info >"$work/first.out" 2>&1 || fail "info: $(cat "$work/first.out")"
# info needs nothing of the keyboard that the program does not know.
run_served info 'firmware: ' 0 0 info
run_served set 'applied 1 setting' 1 0 set brightness=10
run_served assign 'Esc: ' 1 0 assign Esc key B
run_served macro 'added macro 0 "Greet"' 1 0 macro add Greet A:dn 120ms A:up
run_served read '"brightness": 10' 0 1 read
jq -e '.keys[] | select(.position == 0) | .assign == ["key","B"]' "$work/read.out" >/dev/null ||
    fail "read shows Esc as $(jq -c '.keys[] | select(.position == 0) | .assign' "$work/read.out")"
jq -e '.macros[0].name == "Greet"' "$work/read.out" >/dev/null || fail "read shows no macro Greet"

# Showing the stored macros needs no keyboard: whichever one the command
# names, the desktop program answers from its data folder, sends nothing
# and makes no trace or state file; a command for a keyboard it does not
# have is still refused.
mark=$(wc -l <"$trace")
for keyboard in "--simulate" "" "--sim-state $work/other.state"; do
    # shellcheck disable=SC2086
    "$vantrelctl" $keyboard --data-dir "$work/data" --trace "$work/files.trace" macro show 0 \
        >"$work/files.out" 2>"$work/files.err" || fail "macro show with '$keyboard': $(cat "$work/files.err")"
    grep -q '120' "$work/files.out" || fail "macro show with '$keyboard' printed: $(cat "$work/files.out")"
    # shellcheck disable=SC2086
    "$vantrelctl" $keyboard --data-dir "$work/data" macro list --json >"$work/files.out" 2>"$work/files.err" ||
        fail "macro list with '$keyboard': $(cat "$work/files.err")"
    jq -e '.[0].name == "Greet"' "$work/files.out" >/dev/null || fail "macro list with '$keyboard': $(cat "$work/files.out")"
done
[[ ! -e $work/files.trace && ! -e $work/other.state ]] || fail "a command that reads only files made a trace or state file"
[[ $(since_mark | wc -l) == 0 ]] || fail "showing macros reached the keyboard"
"$vantrelctl" --simulate --data-dir "$work/data" set brightness=3 >/dev/null 2>"$work/other.err"
[[ $? == 1 ]] && grep -q 'give the same --sim-state' "$work/other.err" ||
    fail "set for another simulated keyboard: $(cat "$work/other.err")"

if [[ -n $shots ]]; then
    mkdir -p "$shots"
    sleep 0.5
    import -window root -crop "1000x650+$mx+$my" +repage "$shots/after-commands.png"
fi

# Apply in the window: what the commands sent is synced, so only the
# wrist-rest record (15, 16) goes out.
mark=$(wc -l <"$trace")
xdotool mousemove $((mx + 897)) $((my + 621)) click 1
until_true 5 test "$(count '> set-feature 00 16 ')" -ge 1 || fail "Apply in the window sent nothing"
sleep 0.5
other=$(since_mark | grep '^> ' | grep -v -e '^> set-feature 00 15 ' -e '^> set-feature 00 16 ')
[[ -z $other ]] || fail "Apply in the window sent again: $other"

# Requests that are not ours are refused with a reason, and do nothing.
socket=$(find "$XDG_RUNTIME_DIR" -maxdepth 1 -type s -name 'vantrel-*' | head -1)
[[ -n $socket ]] || fail "no socket of the desktop program in $XDG_RUNTIME_DIR"
mark=$(wc -l <"$trace")
refusal=$(printf 'GET / HTTP/1.0\n' | socat -t 3 - UNIX-CONNECT:"$socket")
[[ $refusal == *'"refused":"malformed request line: not JSON"'* ]] || fail "garbage got: $refusal"
refusal=$(head -c 70000 /dev/zero | tr '\0' x | socat -t 3 - UNIX-CONNECT:"$socket")
[[ $refusal == *'"refused":"the request is longer than 65536 bytes"'* ]] || fail "a huge request got: $refusal"
refusal=$(printf '{"version":1,"command":"reset","args":[]}\n' | socat -t 3 - UNIX-CONNECT:"$socket")
[[ $refusal == *'"refused":'* ]] || fail "half a request got: $refusal"
sleep 0.3
[[ $(since_mark | wc -l) == 0 ]] || fail "a refused request reached the keyboard"

# A command that refuses its input answers as when run alone.
"$vantrelctl" "${state[@]}" set brightness=500 >/dev/null 2>"$work/bad.err"
[[ $? == 2 ]] || fail "a bad value did not exit 2"

# Closed as a logout closes it, here in the middle of a command: the
# command ends (or, not yet started, is refused), then the program closes
# and keeps what reached the keyboard.
"$vantrelctl" "${state[@]}" set brightness=20 >"$work/last.out" 2>"$work/last.err" &
last=$!
sleep 0.05
kill -TERM "$vantrel_pid"
wait "$last"
last_rc=$?
until_true 10 bash -c "! kill -0 $vantrel_pid" || fail "SIGTERM did not end the program"
expected=10
if [[ $last_rc == 0 ]]; then
    expected=20
else
    grep -q 'clos' "$work/last.err" || fail "a command at the close: exit $last_rc: $(cat "$work/last.err")"
fi
brightness=$(od -An -tu1 -j$((0x1D1C)) -N1 "$work/data/keymap.bin" | tr -d ' ')
[[ $brightness == "$expected" ]] || fail "keymap.bin keeps brightness $brightness after the close, not $expected"
after=$("$vantrelctl" "${state[@]}" read | jq -c '[.settings.brightness,
    (.keys[] | select(.position == 0) | .assign), .macros[0].name]')
[[ $after == "[$expected,[\"key\",\"B\"],\"Greet\"]" ]] || fail "after the close the keyboard and files hold $after"

echo "desktop commands: set, assign, macro add and read ran in the desktop program, once each; a set at the close exited $last_rc"
