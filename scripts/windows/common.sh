# SPDX-License-Identifier: MIT
# Shared by the Windows build scripts: where the cross-built libraries live
# and how Debian's sources of them are fetched.
win_triple=x86_64-w64-mingw32
win_cache="${XDG_CACHE_HOME:-$HOME/.cache}/vantrel"
win_toolchain="$repo/cmake/mingw-w64-x86_64.cmake"

# Makes sure apt has a deb-src entry for the archive the machine already
# installs from (same URIs, suites, components and key), then unpacks the
# Debian source package $1 with Debian's patches applied into $2.
win_fetch_source() {
    local package="$1" into="$2"
    if ! apt-get indextargets --format '$(IDENTIFIER)' 2>/dev/null | grep -qx Sources; then
        win_add_deb_src
    fi
    mkdir -p "$into"
    (cd "$into" && apt-get source -qq "$package" >/dev/null 2>&1) || {
        echo "build-windows: apt-get source $package failed" >&2
        return 1
    }
}

win_add_deb_src() {
    local sudo="" list=/etc/apt/sources.list.d/vantrel-debian-src.sources
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    local src=/etc/apt/sources.list.d/debian.sources
    if [ ! -f "$src" ]; then
        echo "build-windows: no $src to take the Debian archive from" >&2
        return 1
    fi
    # Every Debian stanza again, as deb-src: only the type changes.
    sed -e 's/^Types:.*/Types: deb-src/' "$src" | $sudo tee "$list" >/dev/null
    $sudo apt-get update -qq
}

# A short key for a set of build options, so a change of them builds anew.
win_options_key() {
    printf '%s\n' "$@" | sha256sum | cut -c1-12
}

# Unix folders as one wine search path (Z: is the Unix root).
winepath_dirs() {
    local out="" d
    for d in "$@"; do
        out="${out:+$out;}Z:${d//\//\\}"
    done
    printf '%s\n' "$out"
}
