#!/usr/bin/env bash
# The end of a session that gives no time to ask: SIGTERM, SIGHUP, SIGINT
# and the display going away keep an unsaved book as a recovery copy, and
# the next start offers it back; a book without changes leaves nothing.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")

start_desktop
export XDG_STATE_HOME="$WORKDIR/state"
copy="$XDG_STATE_HOME/huevella/recovery.hvz"
printf '1\r\n255\r\n65280\r\n16711680\r\nFF0000\r\n00FF00\r\n0000FF\r\nOne\r\n65280\r\n65280\r\n65280\r\n00FF00\r\n00FF00\r\n00FF00\r\nTwo\r\n' >"$WORKDIR/walk.hvz"

# changed_book: the program with walk.hvz, its second card cleared.
changed_book() {
    start_app "$PROGRAM" walk.hvz
    wait_for 15 visible_window Huevella || fail "the book window did not come out"
    read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
    wait_for 5 pixel_is $((bx + 33)) $((by + 84)) 00FF00 || fail "the book does not show its last card"
    xdotool mousemove $((bx + 15)) $((by + 28)) click 1
    wait_for 5 pixel_is $((bx + 33)) $((by + 84)) FF0000 || fail "the card was not cleared"
}

for signal in TERM HUP INT; do
    changed_book
    kill -$signal "$APP_PID"
    wait_for 10 bash -c "! kill -0 $APP_PID 2>/dev/null" || fail "SIG$signal did not end the program"
    [ -s "$copy" ] || fail "SIG$signal kept no copy of the unsaved book"
    [ "$(head -n 1 "$copy" | tr -d '\r')" = 0 ] || fail "SIG$signal kept $(head -c 20 "$copy")"
    [ "$(cat "$XDG_STATE_HOME/huevella/recovery.name")" = "$WORKDIR/walk.hvz" ] ||
        fail "the copy does not know its book: $(cat "$XDG_STATE_HOME/huevella/recovery.name")"
    cmp -s "$WORKDIR/walk.hvz" <(printf '1\r\n255\r\n65280\r\n16711680\r\nFF0000\r\n00FF00\r\n0000FF\r\nOne\r\n65280\r\n65280\r\n65280\r\n00FF00\r\n00FF00\r\n00FF00\r\nTwo\r\n') ||
        fail "the book itself was written"
    echo "ok - SIG$signal kept the unsaved book"
    # The next start offers it: Yes opens it as it was, unsaved.
    recover_walk "$PROGRAM"
    [ -s "$copy" ] || fail "the recovered book, still unsaved, was not kept again"
    rm -f "$XDG_STATE_HOME"/huevella/recovery.*
    echo "ok - the next start recovered it"
done

# The display goes away.
changed_book
kill "$XVFB_PID"
wait_for 10 bash -c "! kill -0 $APP_PID 2>/dev/null" || fail "the program outlived its display"
[ -s "$copy" ] || fail "losing the display kept no copy: $(cat "$WORKDIR/app.log")"
echo "ok - losing the display kept the unsaved book"
rm -f "$XDG_STATE_HOME"/huevella/recovery.*
wait_for 5 bash -c "[ ! -e /tmp/.X11-unix/X${DISPLAY#:} ]"
# A display again, whichever number is free now.
start_x_server

# Nothing changed: nothing kept.
start_app "$PROGRAM" walk.hvz
wait_for 15 visible_window Huevella || fail "the book window did not come out"
kill -TERM "$APP_PID"
wait_for 10 bash -c "! kill -0 $APP_PID 2>/dev/null" || fail "SIGTERM did not end the program"
[ ! -e "$copy" ] || fail "a book without changes was kept"
echo "ok - a book without changes leaves no copy"
