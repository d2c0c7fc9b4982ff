#!/usr/bin/env bash
# The real program under Xvfb with a tray host: it starts into the tray, a
# double click brings the book window out in its corner, the tray's menu
# offers the commands, and Exit ends the process.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1

start_desktop
start_app "$PROGRAM"

wait_for 15 tray_icon || fail "no tray icon appeared"
icon=$(tray_icon)
sleep 0.5
[ -z "$(visible_window Huevella)" ] || fail "a window is visible at start"
read -r ix iy iw ih < <(geometry "$icon")
cx=$((ix + iw / 2)); cy=$((iy + ih / 2))

# This tray reports double clicks: a single click leaves the book where it is.
xdotool mousemove $cx $cy click 1
sleep 0.8
[ -z "$(visible_window Huevella)" ] || fail "a single click on an embedded icon showed the book"
sleep 0.5
xdotool mousemove $cx $cy click --repeat 2 --delay 60 1
wait_for 5 visible_window Huevella || fail "double click showed no book window"
book=$(visible_window Huevella)
wait_for 5 geometry_is "$book" "870 490 186 124" ||
    fail "book window at $(geometry "$book"), expected 870 490 186 124"
echo "ok - book window shown at 870 490, 186 x 124"

xdotool mousemove $cx $cy click 3
menu_window() {
    local w
    for w in $(xdotool search --onlyvisible --class huevella); do
        [ "$w" = "$icon" ] || [ "$w" = "$book" ] || { echo "$w"; return 0; }
    done
    return 1
}
wait_for 5 menu_window || fail "right click popped up no menu"
read -r mx my mw mh < <(geometry "$(menu_window)")
echo "ok - main menu popped up at $mx $my ($mw x $mh)"

# Exit is the last item of the menu.
xdotool mousemove $((mx + 30)) $((my + mh - 12)) sleep 0.3 click 1
wait_for 10 bash -c "! kill -0 $APP_PID" || fail "Exit did not end the program"
wait "$APP_PID"
status=$?
APP_PID=
[ "$status" -eq 0 ] || fail "the program exited with status $status"
echo "ok - Exit ended the program"
