#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Programs dialog as a user reaches it, under openbox on Xvfb at 100 %
# and 200 %, in English and Russian: opened from the tray's Profiles menu,
# a window open now bound from its menu, an executable bound through the
# file dialog, one removed again, Escape closes it. A profile loaded by
# vantrelctl through the running program is named on the status line as a
# screen reader reads it. With VANTREL_SHOT_DIR set, the dialog is
# photographed in each run.
# Usage: programs_dialog_xvfb.sh VANTREL VANTRELCTL X11_WINDOW
set -uo pipefail
vantrel=$1
vantrelctl=$2
x11_window=$3
name=programs_dialog_xvfb
tools=(xdotool xprop xwininfo openbox trayer dbus-daemon)
. "$(dirname "$0")/xvfb_session.sh"
probe="/usr/bin/python3 $(dirname "$0")/atspi_probe.py"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing"
shots=${VANTREL_SHOT_DIR:-}
if [[ -n $shots ]]; then
    command -v import >/dev/null || fail "import (imagemagick) is needed for VANTREL_SHOT_DIR"
    mkdir -p "$shots"
fi

read -r bus_address bus_pid < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | tr '\n' ' ')
pids+=("$bus_pid")
export DBUS_SESSION_BUS_ADDRESS=$bus_address QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

start_openbox_and_tray

mkdir -p "$work/bin"
cp "$x11_window" "$work/bin/kart"
cp "$x11_window" "$work/bin/notes"
"$work/bin/kart" Kart kart-window &
pids+=($!)
until_true 10 xdotool search --name '^kart-window$' || fail "no kart window"
kart_exe=$(readlink -f "$work/bin/kart")
notes_exe=$(readlink -f "$work/bin/notes")
bindings=$XDG_CONFIG_HOME/vantrel-bindings.conf

# The lines the dialog offers for the windows open now, in its order: each
# window's executable, then its class, without repeats or our own windows.
window_lines() {
    local own id pid exe cls seen=" "
    own=$(readlink -f "$vantrel")
    for id in $(xprop -root _NET_CLIENT_LIST | sed 's/.*# //; s/,//g'); do
        pid=$(xprop -id "$id" _NET_WM_PID 2>/dev/null | awk '/=/ {print $3}')
        exe=
        [[ -n $pid ]] && exe=$(readlink -f "/proc/$pid/exe" 2>/dev/null)
        [[ -n $exe && $exe == "$own" ]] && continue
        cls=$(xprop -id "$id" WM_CLASS 2>/dev/null | sed -n 's/.*= ".*", "\(.*\)"/\1/p')
        for word in "$exe" ${cls:+class:$cls}; do
            [[ -z $word || $seen == *" $word "* ]] && continue
            seen+="$word "
            echo "$word"
        done
    done
}

origin() {
    xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/ {x = $2} /^Y=/ {y = $2} END {print x, y}'
}
size_of() {
    xdotool getwindowgeometry --shell "$1" |
        awk -F= '/^WIDTH=/ {w = $2} /^HEIGHT=/ {h = $2} END {print w, h}'
}

declare -A title=([en]="Programs" [ru]="Программы")
declare -A picker=([en]="Bind a program" [ru]="Привязать программу")
for lang in en ru; do
    if [[ $lang == en ]]; then
        names=("Add program…" "Add window…" "Remove" "Previous profile" "Next profile" "Bound programs")
    else
        names=("Добавить программу…" "Добавить окно…" "Убрать" "Предыдущий профиль" "Привязанные программы")
    fi
    for scale in 1 2; do
        run=$lang-$scale
        dir=$work/$run
        mkdir -p "$dir"
        rm -f "$bindings"
        state=(--sim-state "$dir/sim.state" --data-dir "$dir/data")
        QT_SCALE_FACTOR=$scale "$vantrel" "${state[@]}" --language "$lang" \
            >"$work/vantrel.log" 2>&1 &
        vpid=$!
        pids+=($vpid)
        started=$SECONDS
        until_true 15 tray_icon ||
            fail "$run: no tray icon after 15 s: $(xwininfo -root -tree | grep -i vantrel | head -5)"
        echo "$run: tray icon after $((SECONDS - started)) s"
        until_true 15 xdotool search --onlyvisible --name '^VANTREL$' || fail "$run: no main window"
        ctl() { "$vantrelctl" "${state[@]}" "$@" >>"$dir/ctl.log" 2>&1 || fail "$run: vantrelctl $*"; }
        ctl info
        ctl profile save Racing
        ctl profile save Work

        # Item 2: a profile loaded through the running program is on the
        # status line, as a screen reader reads it.
        ctl profile load Work
        until_true 10 sh -c "$probe walk VANTREL 2>/dev/null | grep -q 'Work'" ||
            fail "$run: the status line does not name the profile vantrelctl loaded"

        read -r tx ty < <(tray_icon)
        # Show window, Start on login, Profiles; in it the last item.
        xdotool mousemove "$tx" "$ty" click 3
        sleep 0.7
        xdotool key Down Down Down Right
        sleep 0.4
        xdotool key Up Return
        until_true 10 xdotool search --onlyvisible --name "^${title[$lang]}\$" ||
            fail "$run: Programs… in the tray menu opened no dialog"
        dlg=$(xdotool search --onlyvisible --name "^${title[$lang]}\$" | head -1)
        read -r dx dy < <(origin "$dlg")
        read -r dw dh < <(size_of "$dlg")
        [[ "$dw x $dh" == "$((472 * scale)) x $((344 * scale))" ]] ||
            fail "$run: the dialog is $dw x $dh, not $((472 * scale)) x $((344 * scale))"
        click() {
            xdotool mousemove $((dx + $1 * scale)) $((dy + $2 * scale)) click 1
            sleep 0.4
        }

        # A screen reader finds the face's regions and the list by name.
        $probe walk "${title[$lang]}" >"$dir/tree.txt" 2>"$dir/tree.err" ||
            fail "$run: nameless objects that act in the dialog: $(cat "$dir/tree.err")"
        for region in "${names[@]}"; do
            grep -qF "$region" "$dir/tree.txt" || fail "$run: no \"$region\" in the dialog's tree"
        done
        grep -qP 'combo box\tProfile' "$dir/tree.txt" || [[ $lang != en ]] ||
            fail "$run: the profile chooser is not a combo box: $(cat "$dir/tree.txt")"

        # The chosen profile is the one loaded (Work); the arrow goes to Racing.
        click 255 58
        # Add window…: the kart window's executable from its menu.
        mapfile -t offered < <(window_lines)
        index=-1
        for i in "${!offered[@]}"; do
            [[ ${offered[$i]} == "$kart_exe" ]] && index=$i
        done
        ((index >= 0)) || fail "$run: the kart window is not among the windows open now"
        click 368 140
        sleep 0.5
        for ((i = 0; i <= index; i++)); do xdotool key Down; done
        xdotool key Return
        until_true 5 grep -qxF "$(printf 'bind\t%s\tRacing' "$kart_exe")" "$bindings" ||
            fail "$run: the chosen window's program was not bound: $(cat "$bindings" 2>/dev/null)"

        # Add program…: the notes executable typed into the file dialog.
        click 368 101
        until_true 10 xdotool search --onlyvisible --name "^${picker[$lang]}\$" ||
            fail "$run: Add program… opened no file dialog"
        sleep 0.5
        xdotool type --delay 20 "$work/bin/notes"
        xdotool key Return
        until_true 5 grep -qxF "$(printf 'bind\t%s\tRacing' "$notes_exe")" "$bindings" ||
            fail "$run: the picked program was not bound: $(cat "$bindings")"
        until_true 5 xdotool search --onlyvisible --name "^${title[$lang]}\$" ||
            fail "$run: the dialog went away with the file dialog"
        sleep 0.3
        if [[ -n $shots ]]; then
            import -window root -crop "${dw}x${dh}+${dx}+${dy}" +repage \
                "$shots/programs-dialog-$lang-$((scale * 100)).png"
        fi

        # The first line chosen and removed: the kart binding goes.
        click 60 94
        click 368 179
        until_true 5 sh -c "! grep -qF '$kart_exe' '$bindings'" ||
            fail "$run: Remove did not unbind the chosen program"
        grep -qF "$notes_exe" "$bindings" || fail "$run: Remove took the other program too"

        xdotool key Escape
        until_true 5 sh -c "! xdotool search --onlyvisible --name '^${title[$lang]}\$'" ||
            fail "$run: Escape did not close the dialog"
        kill "$vpid"
        wait "$vpid" 2>/dev/null
    done
done
echo "programs dialog: tray, window and file bound, removed, Escape; en and ru at 100 and 200 %"
