#!/usr/bin/env bash
# The whole road as a user drives it: drag the eyedropper onto a colour on
# the screen, copy its code, take the colour, drop it into the working card,
# add the card, save the book through the real file dialog, and read the file.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1

start_desktop
# Something on the screen to pick from: a window of four known squares.
convert -size 80x80 xc:'#C83264' xc:'#1E90FF' xc:'#2E8B57' xc:'#FFD700' +append \
    "$WORKDIR/squares.png"
display -geometry +200+200 -title squares "$WORKDIR/squares.png" &
SQUARES_PID=$!
wait_for 10 visible_window squares || fail "the squares did not show"
read -r sx sy _ _ < <(geometry "$(visible_window squares)")
# The second square, a clear blue.
tx=$((sx + 120)); ty=$((sy + 40))
wait_for 5 pixel_is $tx $ty 1E90FF ||
    fail "the squares are not where they were put"

start_app "$PROGRAM"
book_from_tray

# Drag the eyedropper across the screen onto the blue square.
xdotool mousemove $((bx + 14)) $((by + 10)) mousedown 1
for step in $(seq 1 12); do
    xdotool mousemove $((bx + 14 + (tx - bx - 14) * step / 12)) $((by + 10 + (ty - by - 10) * step / 12))
    sleep 0.03
done
xdotool mouseup 1
wait_for 5 visible_window "Screen Picker" || fail "the screen picker did not open"
px=$bx; py=$((by + 123))
wait_for 5 pixel_is $((px + 153)) $((py + 64)) 1E90FF || fail "the picker shows $(pixel $((px + 153)) $((py + 64)))"
[ "$(pixel $((px + 62)) $((py + 57)))" = "1E90FF" ] || fail "the magnifier does not show the square"
echo "ok - the picker shows the colour under the eyedropper"

xdotool mousemove $((px + 153)) $((py + 24)) click 1
wait_for 5 clipboard_is 1E90FF || fail "the code on the clipboard is '$(xclip -o -selection clipboard)'"
echo "ok - the picker's code went to the clipboard"

# Its right click: the code's menu, the first form people paste taken.
xdotool mousemove $((px + 153)) $((py + 24)) click 3
wait_for 5 menu_shown || fail "no menu came out"
xdotool key Down Return
wait_for 5 clipboard_is "#1E90FF" || fail "the code menu put '$(xclip -o -selection clipboard)' on the clipboard"
echo "ok - the picker's code menu copied #1E90FF"

xdotool mousemove $((px + 153)) $((py + 64)) click 1
wait_for 5 visible_window "Swatch Card" || fail "taking the colour did not open the card"
xdotool mousemove $((bx + 33)) $((by - 103 + 64)) click 1
wait_for 5 pixel_is $((bx + 33)) $((by - 103 + 64)) 1E90FF || fail "the slot did not take the colour"
# The card's code menu, its fourth form: CSS's hsl(), with the decimals that
# give the colour back.
xdotool mousemove $((bx + 33)) $((by - 103 + 24)) click 3
wait_for 5 menu_shown || fail "no menu came out"
xdotool key Down Down Down Down Return
wait_for 5 clipboard_is "hsl(209.6 100% 55.9%)" ||
    fail "the card's code menu put '$(xclip -o -selection clipboard)' on the clipboard"
echo "ok - the card's code menu copied hsl(209.6 100% 55.9%)"
xdotool mousemove $((bx + 168)) $((by - 103 + 8)) click 1
wait_for 5 pixel_is $((bx + 33)) $((by + 84)) 1E90FF || fail "the book does not show the added card"
echo "ok - the colour went into the working card and the card into the book"
xdotool mousemove $((bx + 33)) $((by + 44)) click 3
wait_for 5 menu_shown || fail "no menu came out"
xdotool key Down Down Return
wait_for 5 clipboard_is "rgb(30 144 255)" ||
    fail "the book's code menu put '$(xclip -o -selection clipboard)' on the clipboard"
echo "ok - the book's code menu copied rgb(30 144 255)"

# Save As from the main menu, through the real dialog.
save_as_from_menu "$WORKDIR/road"
grep -q '^1E90FF' "$WORKDIR/road.hvz" || fail "the book does not hold the code: $(cat "$WORKDIR/road.hvz")"
grep -q '^Untitled-1' "$WORKDIR/road.hvz" || fail "the book has no card title"
echo "ok - Save As wrote the book, with 1E90FF in it"
kill $SQUARES_PID 2>/dev/null
