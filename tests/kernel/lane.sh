#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs one group of the kernel tests inside the virtual machine, each with
# its time; the exit status is 1 when any failed.
# Usage: scripts/vm-run bash tests/kernel/lane.sh BUILD GROUP
set -uo pipefail
build=$(cd "$1" && pwd)
group=$2
here=$(cd "$(dirname "$0")" && pwd)
source_tree=$(cd "$here/../.." && pwd)
case $group in
programs)
    tests=("$build/tests/kernel_tests"
           "bash $here/cli_traces.sh $build"
           "bash $here/diagnose.sh $build"
           "bash $here/access.sh $build $source_tree") ;;
desktop)
    tests=("bash $here/desktop.sh $build"
           "bash $here/hotplug.sh $build"
           "$build/bench/kernel_read_back_bench") ;;
*)
    echo "lane: unknown group $group" >&2
    exit 2 ;;
esac
# A program that crashes leaves a core; its threads' stacks are printed
# with the failure where gdb is at hand (scripts/bootstrap installs it).
ulimit -c unlimited 2>/dev/null
echo '/tmp/core.%e.%p' >/proc/sys/kernel/core_pattern 2>/dev/null
stacks() {
    local core exe
    for core in /tmp/core.*; do
        [[ -f $core ]] || continue
        exe=$(find "$build" -type f -perm -u+x -name "$(echo "${core#/tmp/core.}" | sed 's/\.[0-9]*$//')" | head -1)
        echo "    --- $core ($exe)"
        if [[ -n $exe ]] && command -v gdb >/dev/null; then
            gdb -q -batch -ex 'thread apply all bt 25' "$exe" "$core" 2>&1 |
                grep -v '^\[New LWP\|^\[Thread debugging\|^Using host libthread' | sed 's/^/    /'
        fi
        rm -f "$core"
    done
}
failed=0
for t in "${tests[@]}"; do
    start=$(date +%s%N)
    # shellcheck disable=SC2086
    $t >"/tmp/lane.out" 2>&1
    rc=$?
    took=$((($(date +%s%N) - start) / 1000000))
    label=$(basename "${t%% *}")
    [[ $label == bash ]] && label=$(basename "$(echo "$t" | cut -d' ' -f2)")
    if [[ $rc == 0 ]]; then
        printf 'lane: passed %-20s %6.1f s: %s\n' "$label" "$((took))e-3" "$(tail -n 1 /tmp/lane.out)"
    else
        failed=1
        printf 'lane: FAILED %-20s %6.1f s (exit %d)\n' "$label" "$((took))e-3" "$rc"
        sed 's/^/    /' /tmp/lane.out
        stacks
    fi
done
exit $failed
