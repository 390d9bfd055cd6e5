#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# scripts/lint, which scripts/package runs on every package it builds: a
# clean package passes, and one that lintian finds an error or only a
# warning in is refused with the finding shown.
# Usage: lint_test.sh LINT_SCRIPT LICENSE CHANGELOG
set -euo pipefail
lint=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "lint_test: $*" >&2; exit 1; }

pkg=vantrel-lint-probe
root=$work/root
docs=$root/usr/share/doc/$pkg
mkdir -p "$root/DEBIAN" "$docs" "$root/usr/share/$pkg"
cat >"$root/DEBIAN/control" <<EOF
Package: $pkg
Version: 1.0
Architecture: all
Maintainer: The Vantrel configurator developers <vantrel@users.noreply.github.com>
Section: utils
Priority: optional
Description: probe of the package checks
 A package that holds one small file, made to see that the package checks
 refuse what lintian finds fault with.
EOF
cp "$2" "$docs/copyright"
sed "1s/^vantrel ([^)]*)/$pkg (1.0)/" "$3" | gzip -9n >"$docs/changelog.gz"
echo probe >"$root/usr/share/$pkg/probe.txt"
# pack NAME: the tree as it is now, as NAME.deb.
pack() {
    chmod -R u=rwX,go=rX "$root"
    dpkg-deb --root-owner-group -b "$root" "$work/$1.deb" >/dev/null
}

pack clean
"$lint" "$work/clean.deb" >"$work/clean.out" 2>&1 || fail "a clean package was refused: $(cat "$work/clean.out")"

mv "$docs/changelog.gz" "$work/"
pack error
if "$lint" "$work/error.deb" >"$work/error.out" 2>&1; then
    fail "a package without a changelog passed"
fi
grep -q "^E: $pkg: no-changelog" "$work/error.out" || fail "the error was not shown: $(cat "$work/error.out")"

mv "$work/changelog.gz" "$docs/"
rm -r "$root/usr/share/$pkg"
pack warning
if "$lint" "$work/warning.deb" >"$work/warning.out" 2>&1; then
    fail "a package with a warning passed"
fi
grep -q "^W: $pkg: empty-binary-package" "$work/warning.out" ||
    fail "the warning was not shown: $(cat "$work/warning.out")"
echo "lint: a clean package passes, an error or a warning fails"
