#!/usr/bin/env bash
# The colour palette under a real X server: a drag on the image gives the
# colour at the pointer, a code typed into the hex field is taken, the
# swatch hands the colour to the working card, and a marker strip holds the
# pointer while the button is down and lets it go after.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
HVZ=$(dirname "$(realpath "$PROGRAM")")/hvz

start_desktop
start_app "$PROGRAM"
book_from_tray
open_palette
[ "$px $py" = "$((bx + 185)) $((by + 20))" ] || fail "the palette is at $px $py"
swatch() { pixel $((px + 23)) $((py + 80)); }
wait_for 5 pixel_is $((px + 23)) $((py + 80)) 3FBFBF || fail "the swatch starts as $(swatch)"
echo "ok - the palette opened beside the book showing 3FBFBF"

# A drag across the image, as a hand would, ending at column 120, row 30.
drag_on_palette_image
want=$("$HVZ" hsl 50 75 270)
wait_for 5 pixel_is $((px + 23)) $((py + 80)) "$want" || fail "after the drag the swatch is $(swatch), not $want"
echo "ok - a drag to hue 270, saturation 75 shows $want"

# A code typed into the hex field.
xdotool mousemove $((px + 80)) $((py + 80)) click 1
xdotool key ctrl+a
xdotool type --delay 40 1E90FF
wait_for 5 pixel_is $((px + 23)) $((py + 80)) 1E90FF || fail "typing 1E90FF left the swatch $(swatch)"
echo "ok - the typed code 1E90FF is the swatch's colour"

# The swatch hands it to the working card.
xdotool mousemove $((px + 23)) $((py + 80)) click 1
wait_for 5 visible_window "Swatch Card" || fail "the swatch did not open the card"
xdotool mousemove $((bx + 33)) $((by - 103 + 64)) click 1
wait_for 5 pixel_is $((bx + 33)) $((by - 103 + 64)) 1E90FF || fail "the card slot did not take the colour"
echo "ok - the swatch's colour went into a card slot"

# The hue strip (5, 12; 162 x 4) keeps the pointer while the button is held.
inside() { # inside X Y: on the hue strip
    [ "$1" -ge $((px + 5)) ] && [ "$1" -lt $((px + 167)) ] && [ "$2" -ge $((py + 12)) ] &&
        [ "$2" -lt $((py + 16)) ]
}
xdotool mousemove $((px + 45)) $((py + 14)) mousedown 1
xdotool mousemove $((px + 50)) $((py + 14))
sleep 0.2
# Held on the strip, the drag still reaches the palette: hue 270 at column 120.
xdotool mousemove $((px + 125)) $((py + 14))
want=$("$HVZ" hsl 55 100 270)
wait_for 5 pixel_is $((px + 23)) $((py + 80)) "$want" || fail "dragging the hue marker left the swatch $(swatch), not $want"
xdotool mousemove 100 700
sleep 0.2
eval "$(xdotool getmouselocation --shell)"
inside "$X" "$Y" || fail "with the button held the pointer left the hue strip for $X,$Y"
xdotool mouseup 1
sleep 0.2
xdotool mousemove 100 700
sleep 0.2
eval "$(xdotool getmouselocation --shell)"
[ "$X $Y" = "100 700" ] || fail "after the release the pointer is held at $X,$Y"
echo "ok - the hue strip held the pointer while the button was down, and let it go"

# Another program's window comes over the strip while it holds the pointer,
# and the button comes up over that window: the pointer is let go all the
# same.
xdotool mousemove $((px + 45)) $((py + 14)) mousedown 1
xdotool mousemove $((px + 60)) $((py + 14))
sleep 0.2
convert -size 200x40 xc:'#808080' "$WORKDIR/cover.png"
display -geometry +$((px - 10))+$((py + 4)) -title cover "$WORKDIR/cover.png" &
COVER_PID=$!
wait_for 10 visible_window cover || fail "the covering window did not show"
sleep 0.3
xdotool mouseup 1
sleep 0.2
xdotool mousemove 100 700
sleep 0.2
eval "$(xdotool getmouselocation --shell)"
kill $COVER_PID 2>/dev/null
[ "$X $Y" = "100 700" ] || fail "released over another window, the pointer is held at $X,$Y"
echo "ok - a release over a window that covered the strip lets the pointer go"
