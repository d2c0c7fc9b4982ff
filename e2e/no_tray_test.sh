#!/usr/bin/env bash
# A desktop with no tray: the book window comes out at start, and "To System
# Tray" cannot hide it for good; once a tray host runs, it can, and the tray
# brings the book back.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1

start_desktop --no-tray
start_app "$PROGRAM"
wait_for 15 visible_window Huevella || fail "without a tray the book window did not come out"
book=$(visible_window Huevella)
read -r bx by _ _ < <(geometry "$book")
echo "ok - without a tray the book window came out"

menu_window() {
    local w
    for w in $(xdotool search --onlyvisible --class huevella); do
        [ "$w" = "$book" ] || [ "$w" = "${icon:-}" ] || { echo "$w"; return 0; }
    done
    return 1
}
# choose_to_system_tray: from the book's menu button, the item above Exit.
choose_to_system_tray() {
    xdotool mousemove $((bx + 145)) $((by + 10)) click 1
    wait_for 5 menu_window || fail "the menu button popped up no menu"
    read -r mx my _ mh < <(geometry "$(menu_window)")
    xdotool mousemove $((mx + 40)) $((my + mh - 34)) sleep 0.3 click 1
    sleep 0.5
}

choose_to_system_tray
[ -n "$(visible_window Huevella)" ] || fail "To System Tray hid the book with no tray to bring it back"
xdotool key Escape
echo "ok - with no tray, To System Tray leaves the book out"

start_tray
wait_for 15 tray_icon || fail "no tray icon appeared when the tray host started"
icon=$(tray_icon)
choose_to_system_tray
wait_for 5 bash -c "[ -z \"\$(xdotool search --onlyvisible --name '^Huevella\$')\" ]" ||
    fail "with a tray, To System Tray did not hide the book"
read -r ix iy iw ih < <(geometry "$icon")
xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click --repeat 2 --delay 60 1
wait_for 5 visible_window Huevella || fail "the tray did not bring the book back"
echo "ok - once a tray host runs, the book goes to the tray and comes back"
