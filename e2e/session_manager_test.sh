#!/usr/bin/env bash
# A real XSMP session: a checkpoint, or a logout another program cancels,
# asks about the unsaved book; the session goes on, and what is changed
# after the answer is kept again when a signal ends the program. What the
# answer settled is not kept twice.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")
SESSION_MANAGER_PROGRAM=$(realpath "$2")

start_desktop
three=$'2\r\n255\r\n255\r\n255\r\nFF0000\r\nFF0000\r\nFF0000\r\nOne\r\n65280\r\n65280\r\n65280\r\n00FF00\r\n00FF00\r\n00FF00\r\nTwo\r\n16711680\r\n16711680\r\n16711680\r\n0000FF\r\n0000FF\r\n0000FF\r\nThree\r\n'

# hear WORD: waits for the session manager to print WORD.
hear() {
    local line
    while read -r -t 10 line <&"${SM[0]}"; do
        [ "$line" = "$1" ] && return 0
    done
    fail "the session manager never heard '$1'"
}
asked() { [ "$(message_boxes)" -ge 1 ]; }
clear_card() { # the shown card cleared; the next shows
    xdotool mousemove $((bx + 15)) $((by + 28)) click 1
    wait_for 5 pixel_is $((bx + 33)) $((by + 84)) "$1" || fail "the card was not cleared"
}
# round ORDER EDIT_AFTER: a session with the book changed; ORDER asked, No
# answered; EDIT_AFTER (yes/no) clears another card; then SIGTERM.
round() {
    coproc SM { exec "$SESSION_MANAGER_PROGRAM"; }
    local line
    read -r -t 10 line <&"${SM[0]}" || fail "the session manager did not start"
    export "${line?}"
    printf '%s' "$three" >"$WORKDIR/three.hvz"
    start_app "$PROGRAM" three.hvz
    hear registered
    wait_for 15 visible_window Huevella || fail "the book window did not come out"
    read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
    wait_for 5 pixel_is $((bx + 33)) $((by + 84)) 0000FF || fail "the book does not show its last card"
    clear_card 00FF00
    echo "$1" >&"${SM[1]}"
    hear interact
    wait_for 5 asked || fail "$1: nothing was asked"
    xdotool key alt+n
    hear "done ok"
    [ "$1" = logout ] && echo cancel >&"${SM[1]}"
    sleep 0.5
    [ "$2" = yes ] && clear_card FF0000
    kill -TERM "$APP_PID"
    wait_for 10 bash -c "! kill -0 $APP_PID 2>/dev/null" || fail "SIGTERM did not end the program"
    wait "$APP_PID" 2>/dev/null
    kill "$SM_PID" 2>/dev/null
    wait "$SM_PID" 2>/dev/null
    unset SESSION_MANAGER
}

for order in checkpoint logout; do
    round "$order" yes
    copy=$(kept_copies)
    [ "$(grep -c . <<<"$copy")" = 1 ] || fail "$order, then a change: not one copy kept: $copy"
    [ "$(copy_book "$copy" | head -n 1 | tr -d '\r')" = 0 ] ||
        fail "$order, then a change: the copy is not the book as changed after: $(copy_book "$copy" | head -c 40)"
    rm -f "$copy"
    echo "ok - a $order answered No, then a change: SIGTERM kept the later change"

    round "$order" no
    [ -z "$(kept_copies)" ] || fail "$order answered No kept the book anyway: $(kept_copies)"
    echo "ok - a $order answered No and nothing changed after: nothing kept"
done
