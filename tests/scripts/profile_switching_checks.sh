# SPDX-License-Identifier: MIT
# Sourced by the tests of switching profiles by the program in front, one
# per window system. The sourcing script has started the desktop program
# with --trace "$trace", saved the profile Racing with brightness 40 (0x28)
# while the keyboard holds brightness 10 (0x0A), bound Racing to the program
# of one of two windows, and defines `front WINDOW` (brings the window to
# the front and returns once the window system says it is there).

mark=0
since_mark() { tail -n +$((mark + 1)) "$trace"; }
set_mark() { mark=$(wc -l <"$trace"); }
# The lighting record that ends a write-all, with brightness $1 (hex).
# Not a pipe into grep -q, which would end tail by SIGPIPE under pipefail.
sent_brightness() { grep -q -- "> set-feature 00 08 02 .. .. $1 " < <(since_mark); }
write_alls() { since_mark | grep -c -- '> set-feature 00 15 '; }

# switching_checks BOUND UNBOUND: nothing before the hold, Racing after it,
# the earlier configuration once the unbound window is in front, nothing
# during a fast alternation that ends on the unbound window.
switching_checks() {
    local bound=$1 unbound=$2 start took pauses
    front "$unbound"
    sleep 1
    set_mark
    start=$(date +%s%N)
    front "$bound"
    sleep 0.2
    # Looked at only while the hold cannot have passed (a loaded machine may
    # take longer to move the focus).
    if (((($(date +%s%N) - start) / 1000000) < 450)); then
        [[ $(write_alls) == 0 ]] || fail "sent before the hold: $(since_mark | head -3)"
    fi
    until_true 5 sent_brightness 28 || fail "the bound window brought no Racing: $(since_mark | head -5)"
    took=$((($(date +%s%N) - start) / 1000000))
    # A measurement, not a test (the check above polls every 0.1 s): the
    # time from the focus change to the last frame against the hold and the
    # write-all's own pauses.
    pauses=$(since_mark | awk '/^pause / {s += $2} END {print s + 0}')
    echo "bound window in front -> Racing sent after ${took} ms; hold 500 ms + pauses" \
        "${pauses} ms = $((500 + pauses)) ms"

    set_mark
    front "$unbound"
    until_true 5 sent_brightness 0A || fail "the unbound window did not bring the earlier configuration back"

    # The bound window is in front for less than the time from its call to
    # the unbound one's return; a loaded machine that takes the hold for it
    # leaves nothing to check.
    local slowest=0 from
    set_mark
    for _ in 1 2 3 4 5; do
        from=$(date +%s%N)
        front "$bound"
        sleep 0.05
        front "$unbound"
        took=$((($(date +%s%N) - from) / 1000000))
        ((took > slowest)) && slowest=$took
        sleep 0.05
    done
    sleep 1.5
    if ((slowest < 450)); then
        [[ $(write_alls) == 0 ]] || fail "a fast alternation sent $(write_alls) write-alls"
    else
        echo "the bound window stayed in front up to ${slowest} ms: the alternation was not fast"
    fi
}

# own_window_checks BOUND UNBOUND OWN: our own window in front between the
# bound one and the unbound one changes nothing; the bound profile stays
# until the unbound window comes.
own_window_checks() {
    front "$1"
    until_true 5 sent_brightness 28 || fail "the $1 window brought no Racing the second time"
    set_mark
    front "$3"
    sleep 1.2
    [[ $(write_alls) == 0 ]] || fail "our own window in front sent $(write_alls) write-alls"
    front "$2"
    until_true 5 sent_brightness 0A || fail "the $2 window did not bring the earlier configuration back"
}
