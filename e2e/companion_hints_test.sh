#!/usr/bin/env bash
# Under a window manager the book window is the active one and the
# companions never are: their hints must show all the same.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1

start_desktop
start_window_manager
start_app "$PROGRAM"
book_from_tray
xdotool mousemove $((bx + 41)) $((by + 10)) click 1
wait_for 5 visible_window "Swatch Card" || fail "the swatch card did not open"
read -r cx cy _ _ < <(geometry "$(visible_window "Swatch Card")")

hover() { # hover X Y WHAT
    xdotool mousemove "$1" "$2" sleep 0.2 mousemove $(($1 + 2)) $(($2 + 1))
    wait_for 5 tooltip_window || fail "resting on $3 showed no hint"
    echo "ok - $3 shows its hint"
    # Away from any control, so that the next hint is a new one.
    xdotool mousemove $((bx + 90)) $((by + 10))
    wait_for 5 bash -c "$(declare -f tooltip_window); ! tooltip_window" || fail "the hint stayed"
}
hover $((cx + 168)) $((cy + 8)) "the card's Add Card to Book"
hover $((cx + 90)) $((cy + 60)) "a card slot"
# The book window's own hints show as before.
hover $((bx + 172)) $((by + 10)) "the book's Color Palette button"
