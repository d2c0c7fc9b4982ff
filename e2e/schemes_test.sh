#!/usr/bin/env bash
# The suggested schemes under a real X server: opened from the palette's
# light bulb above it, they follow a drag on the palette, and a scheme colour
# goes through the working card into a saved book.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
HVZ=$(dirname "$(realpath "$PROGRAM")")/hvz

start_desktop
start_app "$PROGRAM"
book_from_tray
open_palette
xdotool mousemove $((px + 176)) $((py + 8)) click 1
wait_for 5 visible_window "Suggested Color Schemes" || fail "the light bulb did not open the schemes"
schemes=$(visible_window "Suggested Color Schemes")
wait_for 5 geometry_is "$schemes" "$((px + 42)) $((py - 61)) 144 62" ||
    fail "the schemes are at $(geometry "$schemes"), not above the palette"
echo "ok - the light bulb opened the schemes above the palette"

# Drag on the palette to column 120, row 30: hue 270, saturation 75.
drag_on_palette_image
read -r sx sy _ _ < <(geometry "$schemes")
# Scheme 1 colour 2: hue 270 + 180 - 360 = 90, luminance 50 + 30.
want=$("$HVZ" hsl 80 75 90)
wait_for 5 pixel_is $((sx + 63)) $((sy + 37)) "$want" ||
    fail "scheme 1 colour 2 shows $(pixel $((sx + 63)) $((sy + 37))), not $want"
echo "ok - after the drag scheme 1 colour 2 shows $want"

# Take it, drop it into the card's second slot, add the card and save.
xdotool mousemove $((sx + 63)) $((sy + 37)) click 1
wait_for 5 visible_window "Swatch Card" || fail "a scheme click did not open the card"
xdotool mousemove $((bx + 93)) $((by - 103 + 64)) click 1
wait_for 5 pixel_is $((bx + 93)) $((by - 103 + 64)) "$want" || fail "the slot did not take $want"
xdotool mousemove $((bx + 168)) $((by - 103 + 8)) click 1
wait_for 5 pixel_is $((bx + 93)) $((by + 84)) "$want" || fail "the book does not show the added card"
save_as_from_menu "$WORKDIR/schemes"
grep -q "^$want" "$WORKDIR/schemes.hvz" || fail "the book does not hold $want: $(cat "$WORKDIR/schemes.hvz")"
echo "ok - the scheme colour $want reached the saved book"
