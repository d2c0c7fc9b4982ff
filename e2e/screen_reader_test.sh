#!/usr/bin/env bash
# The program with Orca, the screen reader, really running on it: what Orca
# says (its debug log, written as it speaks) while a colour is picked by
# keys, put in a slot, adjusted with the slider, copied, and the card added.
# Run under a private D-Bus session.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")
source "$(dirname "$0")/atspi/keys.sh"

[ -x /usr/bin/orca ] || { echo "skip - orca is not installed"; exit 77; }
start_accessible_desktop
SPEECH=$WORKDIR/orca.log
stop_orca() {
    # Orca ends cleanly on a signal; its last words are in the log then.
    kill "$ORCA_PID" 2>/dev/null
    wait_for 5 bash -c "! kill -0 $ORCA_PID"
    kill "$ATSPI_PID" 2>/dev/null
    stop_desktop
}
mkdir -p "$WORKDIR/home" "$WORKDIR/orca"
# An Orca of the test's own, never --replace, which ends every Orca of the
# user on the machine: Orca will not start beside another, so it runs in a
# process namespace of its own, where it sees none (and ends with it).
orca=(/usr/bin/python3 "$(dirname "$0")/atspi/orca_speech.py" "$SPEECH" --user-prefs="$WORKDIR/orca")
if unshare --pid --fork --mount-proc true 2>/dev/null; then
    orca=(unshare --pid --fork --mount-proc --kill-child=TERM "${orca[@]}")
elif pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "SKIP: another Orca runs for this user, and no process namespace hides it"
    exit 77
fi
HOME=$WORKDIR/home "${orca[@]}" >"$WORKDIR/orca.out" 2>&1 &
ORCA_PID=$!
trap stop_orca EXIT

# said TEXT: Orca said a line holding TEXT (five seconds at most).
said() { wait_for 5 grep -qF "SPEECH OUTPUT: '$1" "$SPEECH"; }
spoken() { grep -o "SPEECH OUTPUT: '[^']*'" "$SPEECH" | sed "s/SPEECH OUTPUT: //" | tail -n "${1:-8}"; }
must_say() { said "$1" || fail "Orca did not say '$1'; its last words: $(spoken | tr '\n' ' ')"; }
# hears_after TEXT KEY...: the keys pressed, Orca says a line starting TEXT
# after them (not before).
hears_after() {
    local heard=$1 lines
    shift
    lines=$(wc -l <"$SPEECH")
    xdotool key "$@"
    wait_for 5 bash -c "tail -n +$lines '$SPEECH' | grep -qF \"SPEECH OUTPUT: '$heard\"" ||
        fail "after $*, Orca did not say '$heard': $(spoken 4 | tr '\n' ' ')"
}
wait_for 20 grep -q "SPEECH OUTPUT: 'Screen reader on" "$SPEECH" ||
    fail "Orca did not start: $(tail -5 "$WORKDIR/orca.out")"

# Two colours side by side under the pointer: three pixels to the right of
# it the colour changes.
convert -size 53x120 xc:'#2E8B57' -size 67x120 xc:'#D2691E' +append +repage "$WORKDIR/halves.png"
display -borderwidth 0 -geometry +100+100 -title halves "$WORKDIR/halves.png" &
wait_for 10 visible_window halves || fail "the picture did not show"
sleep 0.5
# Where the window manager put it: the pointer three pixels left of the edge.
edge=
for x in $(seq 140 170); do
    [ "$(pixel "$x" 150)" = D2691E ] && { edge=$x; break; }
done
[ -n "$edge" ] && [ "$(pixel $((edge - 1)) 150)" = 2E8B57 ] || fail "the picture is not on the screen"
xdotool mousemove $((edge - 3)) 150

HVZ=$(dirname "$(realpath "$PROGRAM")")/hvz
printf 'GIMP Palette\nName: start\n#\n# Huevella card 1: Sunset\n255 0 0 Sunset 1\n' >"$WORKDIR/start.gpl"
"$HVZ" import "$WORKDIR/start.gpl" -o "$WORKDIR/book.hvz" || fail "no book to open"
start_app "$PROGRAM" book.hvz
wait_for 10 visible_window Huevella || fail "the book window did not show"
book=$(visible_window Huevella)
wait_for 10 "${ATSPI[@]}" names || fail "the program is not on the accessibility bus"
xdotool windowactivate --sync "$book"
tab_to "Drag Eyedropper to Choose Color"
# Beside the mouse's hint, the keys' own.
must_say "Space picks: the arrow keys move"

# Picking: the colour under the picker is said once the keys pause, only
# the one they stop on; the colour taken is said.
lines=$(wc -l <"$SPEECH")
xdotool key space sleep 0.05 key Right Right Right
must_say "notification D2691E"
tail -n +"$lines" "$SPEECH" | grep -q "SPEECH OUTPUT: '.*2E8B57" &&
    fail "the colour passed over was said too: $(spoken | tr '\n' ' ')"
# The square averaged, changed by its keys, is said.
xdotool key 5
must_say "notification Average of 5×5 pixels"
xdotool key 1
must_say "notification One pixel"
xdotool key Return
must_say "notification Taken, D2691E"
echo "ok - the colour under the picker is said as the keys stop, the square averaged, and the colour taken"

# The slot filled, its colour adjusted with the slider by keys.
f6_to "Swatch Card"
tab_to "Card colour 1, empty"
must_say "Card colour 1, empty"
xdotool key space
must_say "notification Card colour 1, D2691E"
xdotool key Menu
wait_for 5 visible_window "Slider" || fail "the Menu key on a slot opened no slider"
must_say "Luminance slider"
[ "$(focused)" = "Luminance" ] || fail "the slider opened with the focus on '$(focused)'"
"${ATSPI[@]}" value Luminance | grep -qx "47 0 100" ||
    fail "the luminance strip's value: $("${ATSPI[@]}" value Luminance)"
xdotool key Up
must_say "46"
xdotool key Right
must_say "Saturation slider"
"${ATSPI[@]}" value Saturation | grep -qx "76 0 100" ||
    fail "the saturation strip's value: $("${ATSPI[@]}" value Saturation)"
# At the strip's end a key changes nothing, and the value is said again.
xdotool key shift+Right shift+Right shift+Right
must_say "100"
hears_after "notification 100" Right
xdotool key Escape
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Slider\$' >/dev/null" ||
    fail "Escape left the slider out"
[ "$(focused)" = "Card colour 1, D2691E" ] ||
    fail "Escape did not put the colour back and the focus on its slot: '$(focused)'"
xdotool key shift+F10
wait_for 5 visible_window "Slider" || fail "Shift+F10 on a slot opened no slider"
xdotool key Page_Down Return
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Slider\$' >/dev/null" ||
    fail "Enter left the slider out"
slot=$(focused)
code=${slot#Card colour 1, }
[ "$slot" != "Card colour 1, D2691E" ] && [ "${#code}" = 6 ] || fail "PageDown and Enter left '$slot'"
# Kept: opened again, the slider finds the luminance ten further down.
xdotool key Menu
wait_for 5 visible_window Slider || fail "the Menu key opened no slider the second time"
"${ATSPI[@]}" value Luminance | grep -Eqx "5[67] 0 100" ||
    fail "after PageDown the luminance is $("${ATSPI[@]}" value Luminance)"
xdotool key Return
echo "ok - the slider by keys: heard, its values read, Escape restores, Enter keeps"

# A code copied is said; its menu opens from the keyboard under it.
tab_to "$code"
xdotool key Return
must_say "notification Copied $code"
wait_for 3 clipboard_is "$code" || fail "Enter on the code copied '$(xclip -o -selection clipboard)'"
xdotool key Menu
must_say "Copy #$code"
xdotool key Down Return
rgb=$(printf 'rgb(%d %d %d)' "0x${code:0:2}" "0x${code:2:2}" "0x${code:4:2}")
wait_for 3 clipboard_is "$rgb" || fail "the menu's second item copied '$(xclip -o -selection clipboard)'"
must_say "notification Copied $rgb"
echo "ok - a code copied is said; its menu works from the keyboard"

# The card added and the card shown are said.
tab_to "Add Card to Book"
xdotool key space
must_say "notification Card added. Card 2 of 2"
xdotool windowactivate --sync "$book" key Page_Up
must_say "notification Card 1 of 2, Sunset"
echo "ok - the card added and the card shown are said"

# Said once: the card window coming back does not say its old news again.
tab_to "Collapse Cards"
xdotool key space
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Swatch Card\$' >/dev/null" ||
    fail "Collapse Cards left the card out"
lines=$(wc -l <"$SPEECH")
tab_to "Swatch Card"
xdotool key space
wait_for 5 visible_window "Swatch Card" || fail "the card did not come back"
sleep 2
tail -n +"$lines" "$SPEECH" | grep -q "SPEECH OUTPUT: 'notification Card" &&
    fail "the card coming back said its old news: $(spoken 12 | tr '\n' ' ')"
echo "ok - a notification is said once"

# huevella --pick is heard as the eyedropper is: the colour taken, or the
# cancel.
for key in Return Escape; do
    lines=$(wc -l <"$SPEECH")
    pick
    wait_for 10 visible_window "Screen Picker" || fail "--pick showed no picker"
    sleep 0.5
    xdotool key "$key"
    pick_ends
    heard="notification Cancelled"
    [ "$key" = Return ] && heard="notification Taken, $(cat "$WORKDIR/pick.out")"
    wait_for 5 bash -c "tail -n +$lines '$SPEECH' | grep -qF \"SPEECH OUTPUT: '$heard\"" ||
        fail "--pick ended by $key, Orca did not say '$heard': $(spoken | tr '\n' ' ')"
done
# Several picks: each colour taken with Shift, then their end.
lines=$(wc -l <"$SPEECH")
pick --multiple
wait_for 10 visible_window "Screen Picker" || fail "--pick --multiple showed no picker"
sleep 0.5
xdotool key shift+Return
wait_for 5 test -s "$WORKDIR/pick.out" || fail "Shift+Enter printed nothing"
must_say "notification Taken, $(head -n 1 "$WORKDIR/pick.out"), as card colour 1; picking goes on"
xdotool key Escape
must_say "notification Done, taken: 1"
pick_ends
echo "ok - --pick says the colour taken, a cancel, and each of several picks"

# Every edit read whole, with its last character: the hex code typed, then
# each of the six values Tabbed into (a reader that lost the last one read
# "20" for 209).
xdotool windowactivate --sync "$book"
tab_to "Color Palette"
xdotool key space
wait_for 5 visible_window "Color Palette" || fail "the palette did not come out"
f6_to "Color Palette"
tab_to "Hex code"
sleep 0.5
xdotool key ctrl+a type 1E90FF
xdotool key Return
for value in 209 100 55 30 144 255; do
    hears_after "$value." Tab
done
echo "ok - every value read whole after typing and Tab"

# The title box: what it shows is what the book holds. Escape puts the old
# title back, Tab and Enter keep the new one; each is said, and each saved
# book holds what was said.
xdotool windowactivate --sync "$book"
sleep 0.5
title=Sunset
for ending in Escape Tab Return; do
    tab_to "$title"
    xdotool key space
    sleep 0.3
    xdotool key ctrl+a type "$ending-end"
    xdotool key "$ending"
    title=$ending-end
    [ "$ending" = Escape ] && title=Sunset
    must_say "notification Title: $title"
    # Saved from another window of the program, and heard (a title kept
    # offers Save; one put back leaves the book as it was).
    lines=$(wc -l <"$SPEECH")
    xdotool windowactivate --sync "$(visible_window "Color Palette")"
    sleep 0.5
    xdotool key ctrl+s
    [ "$ending" = Escape ] ||
        wait_for 5 bash -c "tail -n +$lines '$SPEECH' | grep -qF \"SPEECH OUTPUT: 'notification Saved, book.hvz\"" ||
        fail "Ctrl+S in the palette was not heard as a save: $(spoken 4 | tr '\n' ' ')"
    wait_for 5 bash -c "'$HVZ' show '$WORKDIR/book.hvz' | grep -qx 'Card 1: $title'" ||
        fail "after $ending the saved book holds: $("$HVZ" show "$WORKDIR/book.hvz" | grep '^Card 1')"
    xdotool windowactivate --sync "$book"
done
echo "ok - the title box: Escape puts back, Tab and Enter keep, each said; Ctrl+S from the palette saves, said"

# The main menu opens from the keyboard with its first item chosen, heard.
xdotool windowactivate --sync "$book"
sleep 0.5
tab_to "Main Menu"
hears_after "Pick from Screen" Return
xdotool key Escape
echo "ok - the main menu opens heard, at its first item"

# Found again from the keyboard: starting the program once more brings the
# book window out with the keys, from wherever they were.
f6_to "Color Palette"
must_say "Color Palette frame"
lines=$(wc -l <"$SPEECH")
(cd "$WORKDIR" && "$PROGRAM") || fail "the second start failed"
wait_for 5 bash -c "[ \"\$(xdotool getactivewindow)\" = $book ]" ||
    fail "a second start left the keys in '$(xdotool getactivewindow getwindowname)'"
wait_for 5 bash -c "tail -n +$lines '$SPEECH' | grep -qF \"SPEECH OUTPUT: 'Huevella frame\"" ||
    fail "a second start was not heard in the book: $(spoken 4 | tr '\n' ' ')"
echo "ok - a second start brings the book out with the keys, heard"
