#!/usr/bin/env bash
# The artwork in the tree is what the generator draws now, in English and in
# every language (a changed window name redrawn into its skin), and every
# window's name fits its skin's bar.
#   artwork_test.sh ARTGEN TRANSLATIONS IMAGES
set -u
ARTGEN=$1 TRANSLATIONS=$2 IMAGES=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen "$ARTGEN" "$work" "$TRANSLATIONS" 2>"$work/log" ||
    { cat "$work/log"; echo "FAIL the generator refused (a name too long for its bar?)"; exit 1; }
failures=0
while read -r file; do
    cmp -s "$work/$file" "$IMAGES/$file" ||
        { echo "FAIL $file differs from what is drawn now (cmake --build build --target artwork)"; failures=$((failures + 1)); }
done < <(cd "$work" && find . -name '*.png' | sed 's|^\./||' | sort)
echo "artwork: $(cd "$work" && find . -name '*.png' | wc -l) pictures compared, $failures differ"
[ "$failures" -eq 0 ]
