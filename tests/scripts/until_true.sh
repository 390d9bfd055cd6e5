# SPDX-License-Identifier: MIT
# Sourced by the shell tests.
# until_true SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds
# (its output dropped); false when SECONDS pass without success.
until_true() {
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
