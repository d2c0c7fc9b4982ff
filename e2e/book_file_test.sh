#!/usr/bin/env bash
# A book named on the command line: the book window comes out showing the
# last card's colours, and a caption click copies that slot's code.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1

start_desktop
book="$WORKDIR/colours.hvz"
printf '1\r\n65280\r\n65280\r\n65280\r\n00FF00\r\n00FF00\r\n00FF00\r\nGreen\r\n' >"$book"
printf '255\r\n65280\r\n16711680\r\nFF0000\r\n00FF00\r\n0000FF\r\nPrimaries' >>"$book"
start_app "$PROGRAM" "$book"
wait_for 15 visible_window Huevella || fail "the book window did not come out"
read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
sleep 0.5

for slot in "1 33 FF0000" "2 93 00FF00" "3 153 0000FF"; do
    read -r n dx want <<<"$slot"
    got=$(pixel $((bx + dx)) $((by + 84)))
    [ "$got" = "$want" ] || fail "panel $n shows $got, expected $want"
done
echo "ok - the panels show the last card's colours"

xdotool mousemove $((bx + 93)) $((by + 44)) click 1
wait_for 5 clipboard_is 00FF00 ||
    fail "the clipboard holds '$(xclip -o -selection clipboard 2>/dev/null)', expected 00FF00"
echo "ok - a caption click copied 00FF00"

# Export... through the real dialog: the first filter, GIMP palette, is
# taken for a name typed without an extension.
HVZ=$(dirname "$(realpath "$PROGRAM")")/hvz
xdotool mousemove $((bx + 145)) $((by + 10)) click 1
wait_for 5 menu_shown || fail "no menu came out"
# (Pick from Screen, Recent Colours, Open, New, Save, Save As, Export...: a book named at
# start offers Save As too.)
xdotool key Down Down Down Down Down Down Down Return
wait_for 10 visible_window "Export" || fail "Export... did not open its dialog"
wait_for 5 focused_on "Export" || fail "the Export dialog does not have the keyboard"
xdotool type --delay 20 "$WORKDIR/exported"
xdotool key Return
wait_for 10 test -s "$WORKDIR/exported.gpl" || fail "no palette was written"
"$HVZ" import "$WORKDIR/exported.gpl" -o "$WORKDIR/imported.hvz" ||
    fail "the exported palette does not read back: $(cat "$WORKDIR/exported.gpl")"
[ "$("$HVZ" show "$WORKDIR/imported.hvz" | grep -c 'FF0000\|00FF00\|0000FF')" = 6 ] ||
    fail "the palette lost colours: $("$HVZ" show "$WORKDIR/imported.hvz")"
echo "ok - Export... wrote a GIMP palette that imports back"

# Import... of one of GIMP's own palettes (Debian's gimp-data): a new book,
# three colours a card, saved where Save As says.
tango=/usr/share/gimp/2.0/palettes/Tango.gpl
[ -r "$tango" ] || fail "GIMP's Tango palette is not installed (gimp-data)"
xdotool mousemove $((bx + 145)) $((by + 10)) click 1
wait_for 5 menu_shown || fail "no menu came out"
xdotool key Up Up Up Up Return
wait_for 10 visible_window "Import" || fail "Import... did not open its dialog"
wait_for 5 focused_on "Import" || fail "the Import dialog does not have the keyboard"
xdotool type --delay 20 "$tango"
xdotool key Return
wait_for 5 pixel_is $((bx + 33)) $((by + 84)) FCE94F ||
    fail "the first card shows $(pixel $((bx + 33)) $((by + 84))), not Tango's Butter 1"
cd "$WORKDIR" && save_as_from_menu "$WORKDIR/tango"
[ "$("$HVZ" check "$WORKDIR/tango.hvz")" = "$WORKDIR/tango.hvz: a book of 9 cards" ] ||
    fail "the imported book: $("$HVZ" check "$WORKDIR/tango.hvz" 2>&1)"
echo "ok - Import... made a book of GIMP's Tango palette, nine cards, saved"
