#!/usr/bin/env bash
# The book window under a real X server: dragged by its skin it takes its
# open companions along, and a caption click reaches the real clipboard.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1

start_desktop
start_app "$PROGRAM"
book_from_tray
book=$(visible_window Huevella)

# Open the swatch card and the palette from the book's buttons.
xdotool mousemove $((bx + 41)) $((by + 10)) click 1
wait_for 5 visible_window "Swatch Card" || fail "the swatch card did not open"
wait_for 5 geometry_is "$(visible_window "Swatch Card")" "$bx $((by - 103)) 186 104" ||
    fail "the swatch card is not directly above the book"
# Before any colour was chosen a slot fills with white and nothing else.
xdotool mousemove $((bx + 33)) $((by - 103 + 64)) click 1
wait_for 5 pixel_is $((bx + 33)) $((by - 103 + 64)) FFFFFF || fail "the clicked slot is not white"
echo "ok - the swatch card opened above the book; a slot click before any colour made it white"
xdotool mousemove $((bx + 172)) $((by + 10)) click 1
wait_for 5 visible_window "Color Palette" || fail "the palette did not open"

# Drag by the skin (the name plate on the top bar), in steps, as a hand would.
xdotool mousemove $((bx + 90)) $((by + 10)) mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $((bx + 90 - step * 26)) $((by + 10 - step * 10))
    sleep 0.05
done
xdotool mouseup 1
nx=$((bx - 260)); ny=$((by - 100))
wait_for 5 geometry_is "$book" "$nx $ny 186 124" ||
    fail "book at $(geometry "$book"), expected $nx $ny"
wait_for 5 visible_window "Swatch Card" || fail "the swatch card did not come back"
card=$(visible_window "Swatch Card")
palette=$(visible_window "Color Palette")
wait_for 5 geometry_is "$card" "$nx $((ny - 103)) 186 104" ||
    fail "card at $(geometry "$card"), expected $nx $((ny - 103))"
wait_for 5 geometry_is "$palette" "$((nx + 185)) $((ny + 20)) 186 104" ||
    fail "palette at $(geometry "$palette"), expected $((nx + 185)) $((ny + 20))"
echo "ok - the drag moved the book to $nx $ny with its card and palette"

# A hand already moving when the program gets to the press: the window
# follows from where the button went down. The program is held still while
# the button goes down and the pointer moves on, as a busy program would be.
kill -STOP "$APP_PID"
xdotool mousemove $((nx + 90)) $((ny + 10)) mousedown 1
xdotool mousemove $((nx + 90 + 30)) $((ny + 10 + 20))
kill -CONT "$APP_PID"
sleep 0.5
xdotool mousemove $((nx + 90 + 40)) $((ny + 10 + 25)) mouseup 1
wait_for 5 geometry_is "$book" "$((nx + 40)) $((ny + 25)) 186 124" ||
    fail "after a drag begun in motion the book is at $(geometry "$book"), not $((nx + 40)) $((ny + 25))"
echo "ok - a drag begun while the pointer moved kept the window under the hand"
nx=$((nx + 40)); ny=$((ny + 25))

# An empty caption empties the clipboard.
printf 'before' | xclip -selection clipboard
xdotool mousemove $((nx + 30)) $((ny + 44)) click 1
wait_for 5 clipboard_is "" ||
    fail "the clipboard still holds '$(xclip -o -selection clipboard)'"
echo "ok - a caption click put its text on the clipboard"
