#!/usr/bin/env bash
# A program whose event loop is really stuck (Qt's own word query of a line
# edit, which never returns) still keeps the unsaved book at SIGTERM and
# ends; the next start of the real program offers the book back.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")
STUCK=$(realpath "$2")

start_desktop
printf '1\r\n255\r\n65280\r\n16711680\r\nFF0000\r\n00FF00\r\n0000FF\r\nOne\r\n65280\r\n65280\r\n65280\r\n00FF00\r\n00FF00\r\n00FF00\r\nTwo\r\n' >"$WORKDIR/walk.hvz"

for signal in TERM INT; do
    # The second card cleared, then the loop stuck.
    start_app "$STUCK" walk.hvz
    wait_for 15 grep -q '^stuck' "$WORKDIR/app.log" || fail "the program did not get to its stuck loop"
    sleep 1
    grep -q 'returned' "$WORKDIR/app.log" && fail "the loop was not stuck"
    state=$(awk '{print $3}' "/proc/$APP_PID/stat")
    [ "$state" = R ] || [ "$state" = S ] || fail "the stuck program is in state $state"
    kill -$signal "$APP_PID"
    wait_for 10 bash -c "! kill -0 $APP_PID 2>/dev/null" || fail "SIG$signal did not end the stuck program"
    wait "$APP_PID" 2>/dev/null
    copy=$(kept_copies)
    [ "$(grep -c . <<<"$copy")" = 1 ] || fail "SIG$signal kept not one copy: $copy"
    [ "$(copy_book "$copy" | head -n 1 | tr -d '\r')" = 0 ] || fail "SIG$signal kept $(head -c 40 "$copy")"
    [ "$(copy_name "$copy")" = "$WORKDIR/walk.hvz" ] || fail "the copy does not know its book"
    echo "ok - SIG$signal ended a stuck loop and kept the unsaved book"

    # The next start offers it: Yes opens it as it was.
    recover_walk "$PROGRAM"
    rm -f "$XDG_STATE_HOME"/huevella/*.recovery
    echo "ok - the next start recovered it"
done
