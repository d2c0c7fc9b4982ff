#!/usr/bin/env bash
# Preview Files hands the gallery page to the desktop's opener; on a desktop
# with none it says so, naming the page, instead of doing nothing.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")

# run_with_path PATH: the program, its book out, "Preview Files" chosen.
run_with_path() {
    (cd "$WORKDIR" && PATH=$1 exec "$PROGRAM" >"$WORKDIR/app.log" 2>&1) &
    APP_PID=$!
    book_from_tray
    book=$(visible_window Huevella)
    xdotool mousemove $((bx + 145)) $((by + 10)) click 1
    wait_for 5 menu_window || fail "the menu button popped up no menu"
    read -r mx my _ mh < <(geometry "$(menu_window)")
    xdotool mousemove $((mx + 40)) $((my + mh - 58)) sleep 0.3 click 1
}
menu_window() {
    local w
    for w in $(xdotool search --onlyvisible --class huevella); do
        [ "$w" = "$book" ] || [ "$w" = "$icon" ] || { echo "$w"; return 0; }
    done
    return 1
}
message_box() {
    local w
    for w in $(xdotool search --onlyvisible --name '^Huevella$'); do
        [ "$w" = "$book" ] || { echo "$w"; return 0; }
    done
    return 1
}

start_desktop
# An opener that notes what it was given.
mkdir -p "$WORKDIR/bin"
printf '#!/bin/sh\n/usr/bin/env >"%s/opener-env"\nprintf "%%s" "$1" >"%s/opened"\n' "$WORKDIR" "$WORKDIR" >"$WORKDIR/bin/xdg-open"
chmod +x "$WORKDIR/bin/xdg-open"
run_with_path "$WORKDIR/bin"
page="$(dirname "$PROGRAM")/gallery/login.htm"
wait_for 5 test -s "$WORKDIR/opened" || fail "the opener was not run"
[ "$(cat "$WORKDIR/opened")" = "file://$page" ] || fail "the opener was given $(cat "$WORKDIR/opened")"
sleep 0.5
message_box >/dev/null && fail "a message came although the page was opened"
# The program's own choice of how it sends pixels stays its own.
grep -q "^DISPLAY=" "$WORKDIR/opener-env" || fail "the opener's environment was not recorded"
grep -q '^QT_XCB_NO_MITSHM=' "$WORKDIR/opener-env" && fail "the opener inherited QT_XCB_NO_MITSHM"
echo "ok - Preview Files handed $page to the opener"

kill "$APP_PID"
wait "$APP_PID" 2>/dev/null
run_with_path /nonexistent
wait_for 5 message_box || fail "with no opener Preview Files said nothing"
xdotool key Return
wait_for 5 bash -c "$(declare -f message_box); book=$book; ! message_box" ||
    fail "the message did not close"
echo "ok - with no opener Preview Files says so"
