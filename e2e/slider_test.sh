#!/usr/bin/env bash
# The pop-up slider under a window manager: a right click on a filled slot
# brings it out beside the slot; a drag down its luminance strip makes the
# slot white, and the code follows; the strip holds the pointer while the
# button is down; a click elsewhere puts the slider away.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1

start_desktop
start_window_manager
start_app "$PROGRAM"
book_from_tray
# A colour for the card: the palette's own, from its swatch.
open_palette
xdotool mousemove $((px + 23)) $((py + 80)) click 1
wait_for 5 visible_window "Swatch Card" || fail "the swatch did not open the card"
read -r cx cy _ _ < <(geometry "$(visible_window "Swatch Card")")
xdotool mousemove $((cx + 93)) $((cy + 64)) click 1
wait_for 5 pixel_is $((cx + 93)) $((cy + 64)) 3FBFBF || fail "the second slot was not filled"

xdotool mousemove $((cx + 93)) $((cy + 64)) click 3
wait_for 5 visible_window Slider || fail "a right click on the slot showed no slider"
slider=$(visible_window Slider)
# Slot 2 lies at 66 in the card.
wait_for 5 geometry_is "$slider" "$((cx + 66 + 30)) $((cy - 25)) 38 115" ||
    fail "the slider is at $(geometry "$slider")"
read -r sx sy _ _ < <(geometry "$slider")
echo "ok - the slider came out beside the slot"

# Down the luminance strip (29, 11; 6 x 101) and on past its end.
xdotool mousemove $((sx + 31)) $((sy + 40)) mousedown 1
for y in 60 80 100 111 140 300; do
    xdotool mousemove $((sx + 31)) $((sy + y))
    sleep 0.05
done
on_strip() {
    local x y
    read -r x y < <(pointer)
    [ "$x" -ge $((sx + 29)) ] && [ "$x" -lt $((sx + 35)) ] && [ "$y" -ge $((sy + 11)) ] &&
        [ "$y" -lt $((sy + 112)) ]
}
# The strip takes the pointer once the program has the drag's first move; a
# busy machine may hear of it after the moves are all made.
wait_for 5 on_strip || fail "with the button held the pointer left the strip for $(pointer)"
# Held now: a move away stays on the strip.
xdotool mousemove $((sx + 31)) $((sy + 300))
on_strip || fail "with the button held a move took the pointer to $(pointer)"
xdotool mouseup 1
wait_for 5 pixel_is $((cx + 93)) $((cy + 64)) FFFFFF || fail "the slot is $(pixel $((cx + 93)) $((cy + 64))), not white"
# Let go once the program has the release: moved again until then.
moved_away() { xdotool mousemove 300 200 && [ "$(pointer)" = "300 200" ]; }
wait_for 5 moved_away || fail "after the release the pointer is held at $(pointer)"
echo "ok - a drag to the strip's end made the slot white, the pointer held and then let go"

# A click elsewhere: the slider goes, the slot keeps its colour.
xdotool mousemove $((bx + 90)) $((by + 100)) click 1
wait_for 5 bash -c "[ -z \"\$(xdotool search --onlyvisible --name '^Slider\$')\" ]" ||
    fail "a click elsewhere left the slider out"
[ "$(pixel $((cx + 93)) $((cy + 64)))" = "FFFFFF" ] || fail "the slot lost its colour"
echo "ok - a click elsewhere put the slider away; the slot stayed white"

# The slot's code is the new colour's.
xdotool mousemove $((cx + 93)) $((cy + 24)) click 1
wait_for 5 clipboard_is FFFFFF ||
    fail "the caption copied '$(xclip -o -selection clipboard 2>/dev/null)', not FFFFFF"
echo "ok - the slot's caption copies FFFFFF"

# The card hidden and shown again under the window manager (collapse and
# expand from the book), a few times: the slider still comes out beside the
# slot where the card really is.
for round in 1 2 3; do
    xdotool mousemove $((bx + 42)) $((by + 10)) click 1
    wait_for 5 bash -c "[ -z \"\$(xdotool search --onlyvisible --name '^Swatch Card\$')\" ]" ||
        fail "the card did not go"
    sleep 0.6 # not a double click
    xdotool mousemove $((bx + 42)) $((by + 10)) click 1
    wait_for 5 visible_window "Swatch Card" || fail "the card did not come back"
    # Where the window manager has settled it.
    card=$(visible_window "Swatch Card") placed=
    until [ "$placed" = "$(geometry "$card")" ]; do
        placed=$(geometry "$card")
        sleep 0.3
    done
    read -r cx cy _ _ <<<"$placed"
    xdotool mousemove $((cx + 93)) $((cy + 64)) click 3
    wait_for 5 visible_window Slider || fail "no slider after the card came back"
    slider=$(visible_window Slider)
    wait_for 5 geometry_is "$slider" "$((cx + 66 + 30)) $((cy - 25)) 38 115" ||
        fail "round $round: the slider is at $(geometry "$slider"), the card at $cx,$cy"
    xdotool mousemove $((bx + 90)) $((by + 100)) click 1
    wait_for 5 bash -c "[ -z \"\$(xdotool search --onlyvisible --name '^Slider\$')\" ]" ||
        fail "the slider stayed out"
done
echo "ok - after the card was hidden and shown again, the slider came out beside its slot"
