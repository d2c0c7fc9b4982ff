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
# Scripts read what it prints: English, whatever language its windows speak.
err=$(cd "$(mktemp -d)" && LANGUAGE=de QT_QPA_PLATFORM=offscreen timeout 3 "$PROGRAM" notes.txt 2>&1 >/dev/null)
check "ignored, in English under LANGUAGE=de" 1 "$(grep -c "^huevella: 'notes.txt' ignored" <<<"$err")"
check "--help in English under LANGUAGE=de" "$("$PROGRAM" --help)" "$(LANGUAGE=de "$PROGRAM" --help)"
# The desktop's type takes .HVZ as a book (its globs ignore case): so does
# the program.
err=$(cd "$(mktemp -d)" && QT_QPA_PLATFORM=offscreen timeout 3 "$PROGRAM" SHOUT.HVZ 2>&1 >/dev/null)
check "upper-case book taken" 0 "$(grep -c "'SHOUT.HVZ' ignored" <<<"$err")"

# A session marked Wayland runs on X11 unless the user chose a platform
# (that it goes to X11 is seen under a real compositor, in
# e2e/wayland_picker_test.sh). The X display named does not exist: a start
# that went to X11 anyway would stop at once; one that honours the choice
# of offscreen runs until stopped (status 124).
on_wayland() { # on_wayland [VAR=VALUE...] PROGRAM [ARGS...]: status and what it said
    (cd "$(mktemp -d)" && timeout 3 env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$(mktemp -d)" \
        DISPLAY=:4321 XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=nowhere-0 "$@" 2>&1 >/dev/null
    echo "status $?")
}
check "Wayland session: -platform honoured" "status 124" \
    "$(on_wayland "$PROGRAM" -platform offscreen | tail -n 1)"
check "Wayland session: QT_QPA_PLATFORM honoured" "status 124" \
    "$(on_wayland QT_QPA_PLATFORM=offscreen "$PROGRAM" | tail -n 1)"

echo "huevella command line: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
