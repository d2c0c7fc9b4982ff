#!/usr/bin/env bash
# The program without a mouse, as a screen reader sees it: every shown
# object named on the AT-SPI bus, actions run through it, and a whole road
# by keys alone (open a book, pick a colour with the arrow keys, put it in a
# card slot, add the card, save). Run under a private D-Bus session.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
source "$(dirname "$0")/atspi/keys.sh"

start_accessible_desktop
trap 'kill $ATSPI_PID 2>/dev/null; stop_desktop' EXIT

# A square of a known colour under the pointer, where picking starts.
convert -size 120x120 xc:'#2E8B57' "$WORKDIR/square.png"
display -borderwidth 0 -geometry +100+100 -title square "$WORKDIR/square.png" &
wait_for 10 visible_window square || fail "the square did not show"
xdotool mousemove 150 150
wait_for 5 pixel_is 153 150 2E8B57 || fail "the square is not where it was put"

# Two books: the program starts with the first, the keys open the second.
HVZ=$(dirname "$(realpath "$PROGRAM")")/hvz
printf 'GIMP Palette\nName: start\n#\n255 0 0 red\n' >"$WORKDIR/start.gpl"
"$HVZ" import "$WORKDIR/start.gpl" -o "$WORKDIR/first.hvz" &&
    "$HVZ" import "$WORKDIR/start.gpl" -o "$WORKDIR/second.hvz" || fail "no books to open"
start_app "$PROGRAM" first.hvz
wait_for 10 visible_window Huevella || fail "the book window did not show"
book=$(visible_window Huevella)
wait_for 10 "${ATSPI[@]}" names || fail "the program is not on the accessibility bus"

# The walk: the book, then every companion opened through AT-SPI's actions.
"${ATSPI[@]}" walk >"$WORKDIR/walk.txt" || { cat "$WORKDIR/walk.txt" >&2; fail "the book window's tree"; }
# A window is a frame with its title; the button's covered face is not met.
grep -q "^frame | Huevella" "$WORKDIR/walk.txt" || { cat "$WORKDIR/walk.txt" >&2; fail "the book is no frame"; }
! grep -q "Collapse Cards" "$WORKDIR/walk.txt" || fail "the covered Collapse Cards face is in the tree"
for command in "Swatch Card" "Color Palette" "Suggest Color Schemes"; do
    "${ATSPI[@]}" press "$command" 2>/dev/null || true
done
wait_for 5 visible_window "Color Palette" || fail "the palette's Press action did nothing"
wait_for 5 visible_window "Swatch Card" || fail "the card's Press action did nothing"
"${ATSPI[@]}" walk >"$WORKDIR/walk.txt" || { cat "$WORKDIR/walk.txt" >&2; fail "an object without a name"; }
for expected in "push button | Color Palette" "text | Hex code" "push button | Add Card to Book" \
    "image | Card 1 colour 1, FF0000" "^frame | Suggested Color Schemes" \
    "^  panel | Schemes" "^    push button | Scheme 4 colour 3"; do
    grep -q "$expected" "$WORKDIR/walk.txt" || { cat "$WORKDIR/walk.txt" >&2; fail "no '$expected' in the tree"; }
done
# Nothing that only draws: skins, outlines, the target, the focus ring, bars.
! grep -Eiq "skin|outline|target|keyboard focus|scroll bar|filler|\| *\|" "$WORKDIR/walk.txt" ||
    { cat "$WORKDIR/walk.txt" >&2; fail "something that only draws is in the tree"; }
echo "ok - $(wc -l <"$WORKDIR/walk.txt") objects on the AT-SPI bus, each named, each with a role"

# A reader moving by characters, words and lines through every edit gets
# every answer, and the program goes on.
timeout 60 "${ATSPI[@]}" words >"$WORKDIR/words.txt" 2>&1 ||
    { cat "$WORKDIR/words.txt" >&2; fail "a text query went unanswered"; }
grep -q "^Hex code | '.*' | .* | last word" "$WORKDIR/words.txt" || { cat "$WORKDIR/words.txt" >&2; fail "the hex edit was not read"; }
kill -0 "$APP_PID" || fail "the program ended while its texts were read"
"${ATSPI[@]}" names >/dev/null || fail "the program no longer answers after its texts were read"
echo "ok - every edit read by characters, words and lines: $(wc -l <"$WORKDIR/words.txt") texts"

# From here the keyboard alone. Escape puts the companions away.
for window in "Color Palette" "Swatch Card"; do
    xdotool windowactivate --sync "$(visible_window "$window")" key Escape
done
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Color Palette\$' >/dev/null" ||
    fail "Escape left the palette out"
xdotool windowactivate --sync "$book"

# Open the second book through its dialog.
xdotool key ctrl+o
wait_for 10 visible_window Open || fail "Ctrl+O opened no dialog"
wait_for 5 focused_on "Open" || fail "the Open dialog does not have the keyboard"
xdotool type --delay 20 "$WORKDIR/second.hvz"
xdotool key Return
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Open\$' >/dev/null" || fail "the dialog stayed"
xdotool windowactivate --sync "$book"

# Pick: Space on the eyedropper, three pixels right, Enter takes the colour.
tab_to "Drag Eyedropper to Choose Color"
xdotool key space
wait_for 5 visible_window "Screen Picker" || fail "Space on the eyedropper opened no picker"
xdotool key Right Right Right
sleep 0.3
read -r x y < <(pointer)
[ "$x $y" = "153 150" ] || fail "the arrows left the pointer at $x,$y"
"${ATSPI[@]}" names | grep -q "Picked colour, 2E8B57" || fail "the picker's colour is not told"
xdotool key Return
wait_for 5 visible_window "Swatch Card" || fail "Enter took no colour"
echo "ok - a colour picked with the arrow keys, its code told through AT-SPI"

# Into the card with F6: the colour into its first slot, the card into the book.
f6_to "Swatch Card"
tab_to "Card colour 1, empty"
xdotool key space
focused_is() { [ "$(focused)" = "$1" ]; }
wait_for 5 focused_is "Card colour 1, 2E8B57" || fail "the slot says '$(focused)'"
tab_to "Add Card to Book"
xdotool key space
sleep 0.3
xdotool windowactivate --sync "$book" key ctrl+s
wait_for 5 grep -q 2E8B57 "$WORKDIR/second.hvz" ||
    fail "Ctrl+S wrote no card: $(cat "$WORKDIR/second.hvz")"
echo "ok - by keys alone a book was opened, a colour picked, a card added and the book saved"

# A message box is read: a file that is not a book, refused with its reason.
xdotool key ctrl+o
wait_for 10 visible_window Open || fail "Ctrl+O opened no dialog"
wait_for 5 focused_on "Open" || fail "the Open dialog does not have the keyboard"
xdotool type --delay 20 "$WORKDIR/start.gpl"
xdotool key Return
wait_for 10 bash -c "${ATSPI[*]} names | grep -q 'cannot be opened'" ||
    fail "the refusal is not on the AT-SPI bus: $("${ATSPI[@]}" names | tail -5)"
xdotool key Return
echo "ok - the refusal's message box is read through AT-SPI"
