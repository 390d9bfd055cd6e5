#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows build's window under wine's X11 driver on Xvfb, used with real
# pointer clicks as the Linux build's is: an effect from the lighting list,
# game mode, "Apply", then the close button. Both builds must send the same
# frames in the same order with the same pauses, and the close button must
# leave keymap.bin behind.
# Usage: window_frames_wine.sh VANTREL VANTREL_EXE WINE_RUN
set -uo pipefail
linux_vantrel=$1 windows_vantrel=$2 wine_run=$3
name=window_frames_wine
tools=(xdotool wine)
. "$(dirname "$0")/xvfb_session.sh"

origin() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/ {x = $2} /^Y=/ {y = $2} END {print x, y}'
}
lines() { [[ -f $1 ]] && wc -l <"$1" || echo 0; }
# Waits until the trace has stopped growing for a second and a half.
settle() {
    local before=-1 now
    for _ in $(seq 60); do
        now=$(lines "$1")
        [[ $now == "$before" && $now -gt 0 ]] && return 0
        before=$now
        sleep 1.5
    done
    return 1
}

# run LABEL PROGRAM...: the clicks against one build; its trace in $work/LABEL.
run() {
    local label=$1 mx my pid main
    shift
    local dir=$work/$label
    mkdir -p "$dir"
    "$@" --sim-state "$dir/sim.state" --data-dir "$dir/data" --trace "$dir/trace.txt" \
        >"$work/vantrel.log" 2>&1 &
    pid=$!
    pids+=($pid)
    until_true 60 xdotool search --onlyvisible --name '^VANTREL$' || fail "$label: no main window"
    main=$(xdotool search --onlyvisible --name '^VANTREL$' | head -1)
    read -r mx my < <(origin "$main")
    settle "$dir/trace.txt" || fail "$label: the keyboard was never read"
    click() { xdotool mousemove $((mx + $1)) $((my + $2)) click 1; sleep 0.5; }
    click 138 140 # the effect box opens the list
    click 138 218 # its fourth row
    click 104 588 # game mode
    settle "$dir/trace.txt"
    click 897 621 # "Apply"
    settle "$dir/trace.txt" || fail "$label: the apply never ended"
    click 986 12 # the close button
    until_true 20 bash -c "! kill -0 $pid 2>/dev/null" || fail "$label: the close button did not end the program"
    [[ -s $dir/data/keymap.bin ]] || fail "$label: closing saved no keymap.bin"
    tr -d '\r' <"$dir/trace.txt" | grep -v '^< notify' >"$dir/transfers.txt"
}

run linux "$linux_vantrel"
run windows "$wine_run" "$windows_vantrel"
diff "$work/linux/transfers.txt" "$work/windows/transfers.txt" >"$work/diff" ||
    fail "the builds sent different frames: $(head -20 "$work/diff")"
cmp -s "$work/linux/data/keymap.bin" "$work/windows/data/keymap.bin" ||
    fail "the builds saved different keymap.bin files"
echo "$name: the same $(wc -l <"$work/linux/transfers.txt") transfers and pauses from both builds; keymap.bin saved on close"
