#!/usr/bin/env bash
# Under a window manager the book window is the active one and the
# companions never are: their hints must show all the same, and after an
# error box the keys go back into the palette's field they were typed in.
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

# A conversion error in the palette's red field.
open_palette
swatch() { pixel $((px + 23)) $((py + 80)); }
wait_for 5 pixel_is $((px + 23)) $((py + 80)) 3FBFBF || fail "the swatch starts as $(swatch)"

dialogs() {
    local w n=0
    for w in $(xdotool search --onlyvisible --class huevella 2>/dev/null); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG && n=$((n + 1))
    done
    [ "$n" -ge 1 ]
}
# A letter in the red field: the conversion error.
palette=$(visible_window "Color Palette")
xdotool mousemove $((px + 166)) $((py + 66)) click 1
sleep 0.3
xdotool key ctrl+a
xdotool type x
wait_for 5 dialogs || fail "no error box for a letter"
xdotool key Return
wait_for 5 bash -c "! xdotool search --onlyvisible --class huevella | while read w; do xprop -id \$w _NET_WM_WINDOW_TYPE | grep -q DIALOG && echo y; done | grep -q y" ||
    fail "the error box did not close"
# The palette has the keyboard back once the window manager has done as
# asked, in its own time on a busy machine.
wait_for 5 bash -c "[ \"\$(xdotool getwindowfocus)\" = $palette ]" ||
    fail "the focus went to $(xdotool getwindowfocus getwindowname), not back to the palette"
# The next keys, typed at once, are the field's.
xdotool key BackSpace
xdotool type --delay 40 200
want=C8BFBF
wait_for 5 pixel_is $((px + 23)) $((py + 80)) "$want" ||
    fail "after the box, typing 200 left the swatch $(swatch), not $want"
echo "ok - after the error box the keys went back into the field"
