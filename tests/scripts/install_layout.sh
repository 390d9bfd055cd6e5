#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `cmake --install` into a temporary prefix: every file a Linux desktop
# expects is there and valid, nothing lands outside the prefix, and the
# programs carry no RPATH. Usage: install_layout.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "install_layout: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log"
while IFS= read -r f; do
    [[ $f == "$prefix"/* ]] || fail "installed outside the prefix: $f"
done <"$build/install_manifest.txt"

gui=false
[[ -x $build/src/app/vantrel ]] && gui=true
expected=(
    bin/vantrelctl
    lib/udev/rules.d/70-vantrel.rules
    share/bash-completion/completions/vantrelctl
    share/man/man1/vantrelctl.1.gz
    share/metainfo/io.github.vantrel.vantrelctl.metainfo.xml
    share/doc/vantrelctl/copyright
    share/doc/vantrelctl/changelog.gz
)
if $gui; then
    expected+=(
        bin/vantrel
        share/applications/io.github.vantrel.Vantrel.desktop
        share/metainfo/io.github.vantrel.Vantrel.metainfo.xml
        share/man/man1/vantrel.1.gz
        share/doc/vantrel/copyright
        share/doc/vantrel/changelog.gz
    )
    for size in 16 22 24 32 48 64 128 256; do
        expected+=("share/icons/hicolor/${size}x${size}/apps/vantrel.png")
    done
fi
for f in "${expected[@]}"; do
    [[ -f $prefix/$f ]] || fail "missing $f"
done
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[[ $actual == "$wanted" ]] || fail "unexpected files: $(comm -23 <(echo "$actual") <(echo "$wanted"))"

# Icons are what their folder says.
if $gui; then
    for size in 16 22 24 32 48 64 128 256; do
        png=$prefix/share/icons/hicolor/${size}x${size}/apps/vantrel.png
        dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
        [[ $dims == "${size}x${size}" ]] || fail "icon $png is $dims"
    done
    desktop-file-validate "$prefix/share/applications/io.github.vantrel.Vantrel.desktop"
fi

# The AppStream metadata validates and names the keyboard: the package with
# the udev rule is offered when the keyboard is plugged in, and so is the
# desktop program.
for metainfo in "$prefix"/share/metainfo/*.metainfo.xml; do
    appstreamcli validate --no-net --explain "$metainfo" >"$work/as.log" ||
        { cat "$work/as.log" >&2; fail "$metainfo does not validate"; }
    for id in 04D9 4D95; do
        grep -q "<modalias>usb:v${id}pA1DF\\*</modalias>" "$metainfo" || fail "no modalias $id in $metainfo"
    done
done

# The changelogs are in Debian's format, newest entry first: this version.
program_version=$("$prefix/bin/vantrelctl" --version | awk '{print $2}')
for changelog in "$prefix"/share/doc/*/changelog.gz; do
    version=$(zcat "$changelog" | dpkg-parsechangelog -l - -S Version)
    [[ $version == "$program_version" ]] || fail "$changelog ends with $version, not $program_version"
done

# Man pages: groff's warnings count as failures; lexgrog finds the NAME line.
for page in "$prefix"/share/man/man1/*.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "man page $page: $warnings"
    lexgrog "$page" >/dev/null || fail "lexgrog cannot read $page"
done

# No RPATH or RUNPATH: the programs link only system libraries.
for exe in "$prefix"/bin/*; do
    if readelf -d "$exe" | grep -Eq 'RPATH|RUNPATH'; then
        fail "$exe carries an RPATH"
    fi
done

# An install for the system puts the rule where udev reads it.
DESTDIR=$work/root cmake --install "$build" --prefix /usr --component cli >/dev/null
rules_dir=$(pkg-config --variable=udevdir udev 2>/dev/null || echo /lib/udev)/rules.d
[[ -f $work/root$rules_dir/70-vantrel.rules ]] || fail "no rule in $rules_dir under DESTDIR"
[[ ! -e $work/root/usr/lib/udev ]] || fail "the rule went below /usr, not to $rules_dir"
echo "install layout: ${#expected[@]} files, all valid"
