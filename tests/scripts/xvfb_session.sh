# SPDX-License-Identifier: MIT
# Sourced by the tests that use the programs on a real X server: a
# temporary folder for everything of the run (single-instance socket,
# data, autostart), an Xvfb of its own, and the helpers. The sourcing
# script sets `name` and `tools` first (and `screen`, WIDTHxHEIGHTxDEPTH,
# for another screen than 1280x800) and adds the processes it starts to
# `pids`; all of them end with the script, and so does the folder unless
# KEEP_WORK is set (to look into it after a failure). A script that sets
# `no_x_server` gets everything but the X server (a Wayland compositor's
# test).
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    [[ -n ${KEEP_WORK:-} ]] || rm -rf "$work"
}
trap cleanup EXIT
# The program's own words come with a failure: scripts start it with its
# output in $work/vantrel.log.
fail() {
    echo "$name: $*" >&2
    [[ -f $work/vantrel.log ]] && cat "$work/vantrel.log" >&2
    exit 1
}
x_server=(Xvfb)
[[ -z ${no_x_server:-} ]] || x_server=()
for tool in "${x_server[@]}" "${tools[@]}"; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/bootstrap installs it)"
done

mkdir -p "$work/tmp" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
export TMPDIR=$work/tmp XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
if [[ -n ${no_x_server:-} ]]; then
    unset DISPLAY
else
    exec 3>"$work/display"
    # Without -noreset the server resets when its last client leaves, and a
    # program started again can find no display.
    Xvfb -displayfd 3 -screen 0 "${screen:-1280x800x24}" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do
        [[ -s $work/display ]] && break
        sleep 0.1
    done
    export DISPLAY=:$(cat "$work/display")
fi

. "$(dirname "${BASH_SOURCE[0]}")/until_true.sh"

# The program's tray icon's centre, once a tray has taken it in: "X Y".
# The tree is read whole first: awk leaving early would end xwininfo by
# SIGPIPE, and pipefail would then call a found icon missing.
tray_icon() {
    local tree
    tree=$(xwininfo -root -tree) || return 1
    awk '!found && /"vantrel": \("vantrel" "vantrel"\)/ {
        split($(NF-1), size, "[x+]"); split($NF, at, "+");
        print at[2] + int(size[1] / 2), at[3] + int(size[2] / 2); found = 1 }
        END { exit !found }' <<<"$tree"
}

# An EWMH window manager that says which window is in front, and an XEmbed
# tray for the program's icon: the desktop of the profile tests.
start_openbox_and_tray() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    until_true 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start"
    trayer --edge top --align right --widthtype pixel --width 64 --heighttype pixel --height 24 \
        >"$work/trayer.log" 2>&1 &
    pids+=($!)
    until_true 10 xdotool search --class trayer || fail "the tray did not start"
}
