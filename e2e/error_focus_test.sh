#!/usr/bin/env bash
# A conversion error under a window manager: the box comes over the
# palette, and once it is closed the next keys go back into the edit.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1

start_desktop
start_window_manager
start_app "$PROGRAM"
book_from_tray
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
xdotool mousemove $((px + 166)) $((py + 66)) click 1
sleep 0.3
xdotool key ctrl+a
xdotool type x
wait_for 5 dialogs || fail "no error box for a letter"
xdotool key Return
wait_for 5 bash -c "! xdotool search --onlyvisible --class huevella | while read w; do xprop -id \$w _NET_WM_WINDOW_TYPE | grep -q DIALOG && echo y; done | grep -q y" ||
    fail "the error box did not close"
sleep 0.3
# The next keys, typed at once, are the field's.
xdotool key BackSpace
xdotool type --delay 40 200
want=C8BFBF
wait_for 5 pixel_is $((px + 23)) $((py + 80)) "$want" ||
    fail "after the box, typing 200 left the swatch $(swatch), not $want"
echo "ok - after the error box the keys went back into the field"
