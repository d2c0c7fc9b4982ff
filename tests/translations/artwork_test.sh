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
# Compared as pictures, not bytes: other processors and library builds may
# round a blended pixel one level apart.
compare=$(dirname "$0")/compare_pictures.py
/usr/bin/python3 "$compare" --self-test "$IMAGES/picker/pipette@2x.png" || exit 1
mapfile -t names < <(cd "$work" && find . -name '*.png' | sed 's|^\./||' | sort)
/usr/bin/python3 "$compare" "$work" "$IMAGES" "${names[@]}"; failed=$?
echo "artwork: ${#names[@]} pictures compared"
[ "$failed" -eq 0 ]
