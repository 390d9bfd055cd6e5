# SPDX-License-Identifier: MIT
# Sourced by the tests that run inside the virtual machine (scripts/vm-run)
# against the keyboard made by vantrel-uhid-keyboard. The sourcing script
# sets `name` and `build` (the build tree) first. Everything of the run
# lives in a temporary folder; the processes it starts end with it.
build=$(cd "$build" && pwd)
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "$name: $*" >&2
    for log in "$work"/*.log; do
        [[ -f $log ]] && { echo "--- $log" >&2; tail -n 40 "$log" >&2; }
    done
    exit 1
}
[[ -e /dev/uhid ]] || fail "no /dev/uhid: run this inside scripts/vm-run"

uhid_keyboard=$build/tools/uhid_keyboard/vantrel-uhid-keyboard
vantrelctl=$build/src/cli/vantrelctl
vantrel=$build/src/app/vantrel
mkdir -p "$work/runtime" "$work/config"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config

. "$(dirname "${BASH_SOURCE[0]}")/../scripts/until_true.sh"
lines_in() { grep -c -x -- "$2" "$1" 2>/dev/null; }
# at_least N FILE LINE: FILE has at least N lines equal to LINE.
at_least() { [[ $(lines_in "$2" "$3") -ge $1 ]]; }

# kb_start [OPTIONS...]: starts the keyboard and waits until the kernel has
# made its nodes and udev has applied its rules to them.
kb_start() {
    "$uhid_keyboard" --control "$work/kb.ctl" "$@" >"$work/kb.out" 2>"$work/kb.log" &
    kb_pid=$!
    pids+=("$kb_pid")
    kb_wait_ready 1
}
# kb_wait_ready N: waits for the N-th "ready" (one per plug-in).
kb_wait_ready() {
    until_true 20 at_least "$1" "$work/kb.out" ready || fail "the keyboard is not ready"
    udevadm settle --timeout=10
}
# kb_send LINE: one control line, answered before it returns.
kb_send() {
    local before
    before=$(lines_in "$work/kb.out" "ok: $1")
    echo "$1" >"$work/kb.ctl"
    until_true 10 at_least $((before + 1)) "$work/kb.out" "ok: $1" ||
        fail "the keyboard did not take '$1': $(tail -n 3 "$work/kb.out")"
}
# kb_stop: ends the keyboard (it saves its --sim-state) and waits for it.
kb_stop() {
    echo quit >"$work/kb.ctl"
    wait "$kb_pid" || fail "the keyboard ended with $?"
}
# The hidraw node of interface N of the keyboard on port PORT (default 1).
node_of() {
    local phys="usb-0000:00:14.0-${2:-1}/input$1" dev
    for dev in /sys/bus/hid/devices/*; do
        grep -qx "HID_PHYS=$phys" "$dev/uevent" 2>/dev/null && { echo "/dev/$(ls "$dev/hidraw")"; return 0; }
    done
    return 1
}

# vantrel_start: the desktop program (offscreen) on $work/data, its trace in
# $work/desktop.trace and its output in $work/vantrel.log.
vantrel_start() {
    QT_QPA_PLATFORM=offscreen "$vantrel" --data-dir "$work/data" --trace "$work/desktop.trace" \
        >"$work/vantrel.log" 2>&1 &
    vantrel_pid=$!
    pids+=("$vantrel_pid")
    # Commands are handed to it once it keeps the data folder.
    until_true 30 grep -qx "vantrel $vantrel_pid" "$work/data/vantrel.lock" ||
        fail "the desktop program did not start"
}
# vantrel_stop: SIGTERM, as a session's end sends it; the program closes.
vantrel_stop() {
    kill -TERM "$vantrel_pid"
    wait "$vantrel_pid" || fail "the desktop program ended with $?"
}
# served NAME ARGS...: a vantrelctl command on the desktop program's data
# folder, which the desktop program runs; output in $work/NAME.{out,err}.
served() {
    local what=$1
    shift
    "$vantrelctl" --data-dir "$work/data" "$@" >"$work/$what.out" 2>"$work/$what.err"
}
trace_lines() { wc -l <"$work/desktop.trace"; }
# trace_since MARK: the desktop program's trace after line MARK.
trace_since() { tail -n +$(($1 + 1)) "$work/desktop.trace"; }
# Not a pipe into grep -q: grep leaving early would end tail by SIGPIPE, and
# pipefail would call a line that is there missing.
trace_has_since() { grep -q -- "$2" < <(trace_since "$1"); }
