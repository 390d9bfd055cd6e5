#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The bash completion of vantrelctl, run on a few partial command lines.
# Usage: completion_test.sh VANTRELCTL COMPLETION_SCRIPT
set -uo pipefail
ctl=$1
script=$2
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
ln -s "$ctl" "$bin/vantrelctl"
export PATH="$bin:$PATH"
# With the bash-completion helpers, as users have them, when installed.
if [[ -f /usr/share/bash-completion/bash_completion ]]; then
    # shellcheck disable=SC1091
    source /usr/share/bash-completion/bash_completion
fi
# shellcheck disable=SC1090
source "$script"

failures=0
# complete LINE: the candidates for the last word of LINE, one per line.
complete_line() {
    local line=$1
    read -ra COMP_WORDS <<<"$line"
    if [[ $line == *" " ]]; then
        COMP_WORDS+=("")
    fi
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _vantrelctl vantrelctl "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort
}
expect() {
    local line=$1
    shift
    local got want
    got=$(complete_line "$line")
    want=$(printf '%s\n' "$@" | sort)
    if [[ $got != "$want" ]]; then
        echo "completing '$line': got [$(echo $got)], want [$(echo $want)]" >&2
        failures=$((failures + 1))
    fi
}
expect_includes() {
    local line=$1 word=$2
    if ! grep -qxF -- "$word" < <(complete_line "$line"); then
        echo "completing '$line': no '$word'" >&2
        failures=$((failures + 1))
    fi
}

expect "vantrelctl se" set
expect "vantrelctl " info read set apply export reset assign macro profile diagnose
expect "vantrelctl diagnose --p" --probe
expect "vantrelctl --sim" --simulate --sim-state
expect "vantrelctl set bri" brightness=
expect "vantrelctl set wrist." wrist.effect= wrist.brightness= wrist.speed= wrist.colour-choice=
expect "vantrelctl --simulate set colour-map" colour-map.1= colour-map.2= colour-map.3= \
    colour-map.4= colour-map.5=
expect "vantrelctl assign F1" F1 F10 F11 F12
expect_includes "vantrelctl assign Es" Esc
expect "vantrelctl assign F1 ma" macro
expect "vantrelctl assign F1 launch p" program
expect_includes "vantrelctl assign F1 function m" mute
expect "vantrelctl assign F1 key LC" LCtrl
expect "vantrelctl macro " list show add delete send
expect "vantrelctl macro list --j" --json
expect "vantrelctl profile " list save load delete bind unbind bindings
expect "vantrelctl profile bindings --j" --json
# Profile names come from the data folder the command line names.
profiles_dir=$(mktemp -d)
mkdir -p "$profiles_dir/Configure"
: >"$profiles_dir/Configure/Racing.bin"
: >"$profiles_dir/Configure/Quiet.bin"
expect "vantrelctl --data-dir $profiles_dir profile load R" Racing
expect "vantrelctl profile --data-dir $profiles_dir bind " Quiet Racing
rm -rf "$profiles_dir"
expect "vantrelctl --data-dir /tmp info --js" --json
expect "vantrelctl --trace /nonexistent-dir-for-completion/" ""

if ((failures > 0)); then
    exit 1
fi
echo "completion: all partial words complete"
