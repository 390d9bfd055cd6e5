# SPDX-License-Identifier: MIT
# Sourced by the window tests that compare the program's traces: lines of
# a file, a wait until a trace has stopped growing, and a window's origin.
lines() { [[ -f $1 ]] && wc -l <"$1" || echo 0; }
# settle TRACE: true once the trace has not grown for a second.
settle() {
    local before=-1 now
    for _ in $(seq 40); do
        now=$(lines "$1")
        [[ $now == "$before" && $now -gt 0 ]] && return 0
        before=$now
        sleep 1
    done
    return 1
}
# origin WINDOW: "X Y" of the window on the screen.
origin() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/ {x = $2} /^Y=/ {y = $2} END {print x, y}'
}
