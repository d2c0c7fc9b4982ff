#!/usr/bin/env bash
# The translations in the tree are complete and current: lupdate, run over
# the sources onto copies of them, finds nothing new, unfinished, vanished or
# obsolete, and changes nothing.
#   translations_test.sh LUPDATE SOURCE_DIR SOURCE_LIST TS...
set -u
LUPDATE=$1 SOURCE_DIR=$2 LIST=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
cd "$SOURCE_DIR" || exit 1
for ts in "$@"; do
    name=$(basename "$ts")
    cp "$ts" "$work/$name"
    "$LUPDATE" -silent -locations none -no-ui-lines "@$LIST" -ts "$work/$name" >"$work/log" 2>&1 ||
        { echo "FAIL $name: lupdate failed"; cat "$work/log"; failures=$((failures + 1)); continue; }
    left=$(grep -cE 'type="(unfinished|vanished|obsolete)"' "$work/$name")
    if [ "$left" -ne 0 ]; then
        echo "FAIL $name: $left entries unfinished or no longer in the sources:"
        grep -B2 -E 'type="(unfinished|vanished|obsolete)"' "$work/$name" | grep '<source>' | head -20
        failures=$((failures + 1))
    elif ! cmp -s "$ts" "$work/$name"; then
        echo "FAIL $name: not as lupdate writes it now (cmake --build build --target update_translations)"
        diff "$ts" "$work/$name" | head -20
        failures=$((failures + 1))
    else
        echo "ok - $name: $(grep -c '<message' "$ts") texts, all translated"
    fi
done
# Every text has its placeholders (%1, %2…) in its translation, no more.
for ts in "$@"; do
    python3 - "$ts" <<'PY' || failures=$((failures + 1))
import re, sys, xml.etree.ElementTree as ET
bad = 0
for m in ET.parse(sys.argv[1]).getroot().iter("message"):
    source, translation = m.findtext("source"), m.findtext("translation") or ""
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation)):
        print(f"FAIL {sys.argv[1]}: the placeholders of {source!r} differ in {translation!r}")
        bad += 1
    if "|" in source and source.split("|")[1::2] != translation.split("|")[1::2]:
        print(f"FAIL {sys.argv[1]}: the file patterns of {source!r} differ")
        bad += 1
sys.exit(1 if bad else 0)
PY
done
[ "$failures" -eq 0 ]
