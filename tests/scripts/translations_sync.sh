#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The catalogues hold every text of the code: lupdate, run over the sources
# as the build's update_translations target runs it, finds nothing new and
# nothing gone. Usage: translations_sync.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src"/src/ui/translations/*.ts "$work"/
for ts in "$work"/*.ts; do
    (cd "$src/src" && "$lupdate" -silent -tr-function-alias QT_TRANSLATE_NOOP+=VANTREL_TR_NOOP \
        -locations none -no-obsolete -no-ui-lines -I "$src/src" ui app core -ts "$ts")
    name=$(basename "$ts")
    if grep -q 'type="unfinished"' "$ts"; then
        echo "$name: texts of the code missing from the catalogue:" >&2
        grep -B2 'type="unfinished"' "$ts" | grep '<source>' >&2
        exit 1
    fi
    if ! diff -q <(grep -c '<source>' "$src/src/ui/translations/$name") <(grep -c '<source>' "$ts") >/dev/null; then
        echo "$name: entries without a text in the code (run the update_translations target)" >&2
        exit 1
    fi
done
echo "1 passed, 0 failed"
