#!/usr/bin/env bash
# A book is not lost by what users really do: a file name that is not UTF-8,
# a quick double click on Clear Card, a line break pasted into a title and
# saved; the saved book opens again.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
HVZ=$(dirname "$(realpath "$PROGRAM")")/hvz

start_desktop
# Three cards, red, green and blue, under a Latin-1 name: "café.hvz".
book="$WORKDIR/$(printf 'caf\xe9.hvz')"
printf '2\r\n' >"$book"
for card in "255 FF0000 Red" "65280 00FF00 Green" "16711680 0000FF Blue"; do
    read -r value code title <<<"$card"
    printf '%s\r\n6246480\r\n6246480\r\n%s\r\nspace\r\nspace\r\n%s\r\n' \
        "$value" "$code" "$title" >>"$book"
done
start_app "$PROGRAM" "$book"
wait_for 15 visible_window Huevella || fail "the book with a Latin-1 name did not open"
read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
panel() { pixel $((bx + 33)) $((by + 84)); }
wait_for 5 pixel_is $((bx + 33)) $((by + 84)) 0000FF || fail "the book shows $(panel), not blue"
echo "ok - a book whose name is not UTF-8 opened from the command line"

# A quick double click on Clear Card clears the blue card only.
xdotool mousemove $((bx + 16)) $((by + 28)) click --repeat 2 --delay 80 1
wait_for 5 pixel_is $((bx + 33)) $((by + 84)) 00FF00 || fail "after a double click the book shows $(panel)"
sleep 0.5
[ "$(panel)" = "00FF00" ] || fail "the double click went on to clear another card"
echo "ok - a double click on Clear Card cleared one card"

# A title with a line break pasted through the real clipboard, then Save.
printf 'Morning\nwalk' | xclip -selection clipboard
xdotool mousemove $((bx + 94)) $((by + 28)) click 1
sleep 0.5
xdotool key ctrl+a ctrl+v Return
sleep 0.3
# The main menu: Pick from Screen, Recent Colours, Open, New, Save; Save As is disabled for a command-line book.
xdotool mousemove $((bx + 145)) $((by + 10)) click 1
wait_for 5 menu_shown || fail "no menu came out"
xdotool key Down Down Down Down Down Return
wait_for 10 grep -q 'Morning walk' "$book" || fail "the book was not saved: $(cat -A "$book")"
[ "$(tail -c 12 "$book")" = "Morning walk" ] || fail "the title is not the last line: $(cat -A "$book")"
"$HVZ" check "$book" >/dev/null || fail "the saved book does not read back: $("$HVZ" check "$book" 2>&1)"
echo "ok - a pasted line break became a space, and the saved book reads back"

# The saved book opens in a new start of the program.
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null
start_app "$PROGRAM" "$book"
wait_for 15 visible_window Huevella || fail "the saved book did not open again"
read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
wait_for 5 pixel_is $((bx + 33)) $((by + 84)) 00FF00 || fail "the reopened book shows $(panel)"
echo "ok - the saved book opened again on its last card"
