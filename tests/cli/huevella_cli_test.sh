#!/usr/bin/env bash
# The program's own command line: --help and --version answer without a
# display, and an argument it does not use is named, not passed over.
set -u
PROGRAM=$(realpath "$1")
source "$(dirname "$0")/../lib/check.sh"

out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PROGRAM" --help 2>&1); rc=$?
check "--help status" 0 "$rc"
check "--help usage" 1 "$(grep -c '^Usage: huevella \[BOOK.hvz\]' <<<"$out")"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PROGRAM" --version 2>&1); rc=$?
check "--version" "0 1" "$rc $(grep -cE '^huevella [0-9]+\.[0-9]+\.[0-9]+$' <<<"$out")"
"$PROGRAM" --version >/dev/full 2>/dev/null; rc=$?
check "--version to a full disk" 1 "$rc"

err=$(cd "$(mktemp -d)" && QT_QPA_PLATFORM=offscreen timeout 3 "$PROGRAM" notes.txt extra.hvz 2>&1 >/dev/null)
check "ignored first" 1 "$(grep -c "^huevella: 'notes.txt' ignored" <<<"$err")"
check "ignored second" 1 "$(grep -c "^huevella: 'extra.hvz' ignored" <<<"$err")"

echo "huevella command line: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
