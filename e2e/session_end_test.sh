#!/usr/bin/env bash
# The end of a session that gives no time to ask: SIGTERM, SIGHUP, SIGINT
# and the display going away keep an unsaved book as a recovery copy, and
# the next start offers it back, whatever book it opens; a book without
# changes leaves nothing; a question open when the signal comes decides
# nothing; where the copy cannot be written, the exit status says so.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")

start_desktop
export XDG_STATE_HOME="$WORKDIR/state" XDG_CONFIG_HOME="$WORKDIR/config"
walk=$'1\r\n255\r\n65280\r\n16711680\r\nFF0000\r\n00FF00\r\n0000FF\r\nOne\r\n65280\r\n65280\r\n65280\r\n00FF00\r\n00FF00\r\n00FF00\r\nTwo\r\n'
printf '%s' "$walk" >"$WORKDIR/walk.hvz"

# changed_book: the program with walk.hvz, its second card cleared.
changed_book() {
    start_app "$PROGRAM" walk.hvz
    wait_for 15 visible_window Huevella || fail "the book window did not come out"
    read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
    wait_for 5 pixel_is $((bx + 33)) $((by + 84)) 00FF00 || fail "the book does not show its last card"
    xdotool mousemove $((bx + 15)) $((by + 28)) click 1
    wait_for 5 pixel_is $((bx + 33)) $((by + 84)) FF0000 || fail "the card was not cleared"
}
# recovered_with BOOK WHY: a start naming BOOK offers the kept copy of
# walk.hvz; Yes (Return) shows it, its second card cleared.
recovered_with() {
    start_app "$PROGRAM" "$1"
    wait_for 15 question_focused || fail "no question at a start with $1"
    xdotool key Return
    wait_for 10 no_question || fail "the question stayed after Return at a start with $1"
    wait_for 10 visible_window Huevella || fail "no book window after the question at a start with $1"
    read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
    wait_for 5 pixel_is $((bx + 33)) $((by + 84)) FF0000 ||
        fail "$2 (the slot shows $(pixel $((bx + 33)) $((by + 84))))"
}
# ended_by SIGNAL: the program ends at the signal; its exit status is left
# in $status.
ended_by() {
    kill -"$1" "$APP_PID"
    wait_for 10 bash -c "! kill -0 $APP_PID 2>/dev/null" || fail "SIG$1 did not end the program"
    wait "$APP_PID" 2>/dev/null
    status=$?
}

for signal in TERM HUP INT; do
    changed_book
    ended_by $signal
    [ "$status" = 0 ] || fail "SIG$signal ended the program with status $status"
    copy=$(kept_copies)
    [ "$(grep -c . <<<"$copy")" = 1 ] || fail "SIG$signal kept not one copy: $copy"
    [ "$(copy_book "$copy" | head -n 1 | tr -d '\r')" = 0 ] || fail "SIG$signal kept $(head -c 40 "$copy")"
    [ "$(copy_name "$copy")" = "$WORKDIR/walk.hvz" ] || fail "the copy does not know its book: $(copy_name "$copy")"
    cmp -s "$WORKDIR/walk.hvz" <(printf '%s' "$walk") || fail "the book itself was written"
    echo "ok - SIG$signal kept the unsaved book"
    # The next start offers it: Yes opens it as it was, unsaved.
    recover_walk "$PROGRAM"
    rm -f "$XDG_STATE_HOME"/huevella/*.recovery
    echo "ok - the next start recovered it"
done

# A signal while the question is open answers nothing: the program ends
# and the copy stays.
changed_book
ended_by TERM
copy=$(kept_copies)
start_app "$PROGRAM"
wait_for 15 question_focused || fail "no question at the next start"
ended_by TERM
[ "$(kept_copies)" = "$copy" ] || fail "a signal during the question took the copy: $(kept_copies)"
echo "ok - a signal during the question ended the program and kept the copy"
# A start that names a book offers it too: Yes puts the kept book in the
# place of the one named.
printf '0\r\n16711680\r\n16711680\r\n16711680\r\n0000FF\r\n0000FF\r\n0000FF\r\nOther\r\n' >"$WORKDIR/other.hvz"
recovered_with other.hvz "a start naming a book did not offer the kept one"
ended_by TERM
rm -f "$XDG_STATE_HOME"/huevella/*.recovery
echo "ok - a start naming a book offered the kept one"

# The display goes away.
changed_book
kill "$XVFB_PID"
wait_for 10 bash -c "! kill -0 $APP_PID 2>/dev/null" || fail "the program outlived its display"
[ -n "$(kept_copies)" ] || fail "losing the display kept no copy: $(cat "$WORKDIR/app.log")"
echo "ok - losing the display kept the unsaved book"
rm -f "$XDG_STATE_HOME"/huevella/*.recovery
wait_for 5 bash -c "[ ! -e /tmp/.X11-unix/X${DISPLAY#:} ]"
# A display again, whichever number is free now.
start_x_server

# Nothing changed: nothing kept.
start_app "$PROGRAM" walk.hvz
wait_for 15 visible_window Huevella || fail "the book window did not come out"
ended_by TERM
[ -z "$(kept_copies)" ] || fail "a book without changes was kept"
echo "ok - a book without changes leaves no copy"

# The state folder cannot be written (it is a file): the copy goes to the
# runtime folder, and is offered from there; where neither can be written,
# the exit status says the book was lost.
rm -rf "$XDG_STATE_HOME/huevella"
mkdir -p "$XDG_STATE_HOME" && : >"$XDG_STATE_HOME/huevella"
changed_book
ended_by TERM
[ "$status" = 0 ] || fail "a copy kept in the runtime folder ended with status $status"
ls "$XDG_RUNTIME_DIR"/huevella-recovery/*.recovery >/dev/null 2>&1 ||
    fail "no copy in the runtime folder: $(cat "$WORKDIR/app.log")"
echo "ok - an unwritable state folder: the copy went to the runtime folder"
rm -rf "$XDG_RUNTIME_DIR/huevella-recovery"
: >"$XDG_RUNTIME_DIR/huevella-recovery"
# Neither: beside the book, hidden, and offered when that book is opened.
changed_book
ended_by TERM
[ "$status" = 0 ] || fail "a copy kept beside the book ended with status $status"
beside=$(ls "$WORKDIR"/.walk.hvz.unsaved-*.recovery 2>/dev/null)
[ "$(grep -c . <<<"$beside")" = 1 ] || fail "no copy beside the book: $(cat "$WORKDIR/app.log")"
grep -q "kept at \"$beside\"" "$WORKDIR/app.log" || fail "where the copy went was not said"
recovered_with walk.hvz "the copy beside the book was not offered"
kill -9 "$APP_PID"
wait "$APP_PID" 2>/dev/null
rm -f "$WORKDIR"/.walk.hvz.unsaved-*.recovery
echo "ok - neither folder: the copy went beside the book and was offered with it"

# Nowhere at all (the book on a read-only filesystem): said, and status 1.
if [ "$(id -u)" = 0 ] && mkdir "$WORKDIR/ro" && mount -t tmpfs -o size=64k tmpfs "$WORKDIR/ro" 2>/dev/null; then
    trap 'umount "$WORKDIR/ro" 2>/dev/null; stop_desktop' EXIT
    printf '%s' "$walk" >"$WORKDIR/ro/walk.hvz"
    mount -o remount,ro "$WORKDIR/ro"
    start_app "$PROGRAM" ro/walk.hvz
    wait_for 15 visible_window Huevella || fail "the book window did not come out"
    read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
    wait_for 5 pixel_is $((bx + 33)) $((by + 84)) 00FF00 || fail "the book does not show its last card"
    xdotool mousemove $((bx + 15)) $((by + 28)) click 1
    wait_for 5 pixel_is $((bx + 33)) $((by + 84)) FF0000 || fail "the card was not cleared"
    ended_by TERM
    umount "$WORKDIR/ro"
    [ "$status" = 1 ] || fail "a book that could not be kept anywhere ended with status $status"
    grep -q "could not be kept" "$WORKDIR/app.log" || fail "nothing said of the lost book"
    echo "ok - nowhere to keep the book: said, and exit status 1"
fi
