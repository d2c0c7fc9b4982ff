#!/usr/bin/env bash
# Two programs on two displays, ended together (as at a shutdown): each
# keeps its own copy, whole, and neither takes the other's book or name.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")

start_desktop --no-tray
FIRST_DISPLAY=$DISPLAY FIRST_XVFB=$XVFB_PID
start_x_server
SECOND_DISPLAY=$DISPLAY
trap 'kill $FIRST_XVFB 2>/dev/null; stop_desktop' EXIT

book() { # book TITLE: a book of two cards, the first titled TITLE
    printf '1\r\n255\r\n65280\r\n16711680\r\nFF0000\r\n00FF00\r\n0000FF\r\n%s\r\n65280\r\n65280\r\n65280\r\n00FF00\r\n00FF00\r\n00FF00\r\nTwo\r\n' "$1"
}
# changed DISPLAY BOOK: the program with BOOK on DISPLAY, its last card
# cleared; its pid in $APP_PID.
changed() {
    export DISPLAY=$1
    start_app "$PROGRAM" "$2"
    wait_for 15 visible_window Huevella || fail "the book window did not come out on $1"
    read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
    wait_for 5 pixel_is $((bx + 33)) $((by + 84)) 00FF00 || fail "$2 does not show its last card"
    xdotool mousemove $((bx + 15)) $((by + 28)) click 1
    wait_for 5 pixel_is $((bx + 33)) $((by + 84)) FF0000 || fail "$2: the card was not cleared"
}

book Apples >"$WORKDIR/a.hvz"
book Berries >"$WORKDIR/b.hvz"
for round in 1 2 3 4 5; do
    changed "$FIRST_DISPLAY" a.hvz
    first=$APP_PID
    mv "$WORKDIR/app.log" "$WORKDIR/first.log"
    changed "$SECOND_DISPLAY" b.hvz
    second=$APP_PID
    kill -TERM "$first" "$second"
    wait_for 10 bash -c "! kill -0 $first 2>/dev/null && ! kill -0 $second 2>/dev/null" ||
        fail "round $round: the programs did not end"
    copies=$(kept_copies)
    [ "$(grep -c . <<<"$copies")" = 2 ] || fail "round $round: not two copies: $copies"
    for copy in $copies; do
        case $(copy_name "$copy") in
        "$WORKDIR/a.hvz") want=Apples ;;
        "$WORKDIR/b.hvz") want=Berries ;;
        *) fail "round $round: a copy of $(copy_name "$copy")" ;;
        esac
        text=$(copy_book "$copy" | tr -d '\r')
        grep -qx "$want" <<<"$text" || fail "round $round: the copy of $want holds another book"
        # The count of cards, then seven lines a card: whole.
        [ "$(wc -l <<<"$text")" = $((1 + 7 * ($(head -n 1 <<<"$text") + 1))) ] ||
            fail "round $round: the copy of $want is not whole"
    done
    rm -f "$XDG_STATE_HOME"/huevella/*.recovery
done
echo "ok - two programs ended together kept two whole copies, each its own book, five times"

# Two programs saving one book at the same moment: one saves, the other
# finds the book changed and asks; never a save silently replaced.
dialogs() { DISPLAY=$1 message_boxes; } # dialogs DISPLAY
save_now() { # save_now DISPLAY: Ctrl+S to the book window there
    DISPLAY=$1 xdotool windowfocus --sync "$(DISPLAY=$1 visible_window Huevella)" key ctrl+s
}
for round in 1 2 3 4 5 6 7 8; do
    book Shared >"$WORKDIR/shared.hvz"
    changed "$FIRST_DISPLAY" shared.hvz
    first=$APP_PID
    mv "$WORKDIR/app.log" "$WORKDIR/first.log"
    changed "$SECOND_DISPLAY" shared.hvz
    second=$APP_PID
    save_now "$FIRST_DISPLAY" &
    one=$!
    save_now "$SECOND_DISPLAY" &
    wait "$one" $!
    asked() { [ $(($(dialogs "$FIRST_DISPLAY") + $(dialogs "$SECOND_DISPLAY"))) -ge 1 ]; }
    wait_for 5 asked || fail "round $round: both saved one book and nobody was asked"
    sleep 0.3
    [ $(($(dialogs "$FIRST_DISPLAY") + $(dialogs "$SECOND_DISPLAY"))) = 1 ] ||
        fail "round $round: not one question"
    kill -9 "$first" "$second"
    wait "$first" "$second" 2>/dev/null
done
echo "ok - two programs saving one book at once: one saved, the other asked, eight times"
