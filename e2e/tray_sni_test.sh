#!/usr/bin/env bash
# A StatusNotifierItem panel, as most Linux desktops have: the tray reports a
# single activation and never a double click. On a private session bus with
# a watcher of our own, the program registers its item; activating it as a
# panel does shows the book, and asking for its context menu pops the menu.
if [ -z "${HUEVELLA_PRIVATE_BUS:-}" ]; then
    HUEVELLA_PRIVATE_BUS=1 exec dbus-run-session \
        --config-file="$(dirname "$0")/../tests/lib/private-bus.conf" -- "$0" "$@"
fi
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
WATCHER=$2

owned() { dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q "boolean true"; }
item_call() { # item_call METHOD: as a panel calls the item, at a place on the screen
    dbus-send --session --type=method_call --dest="$item" /StatusNotifierItem \
        "org.kde.StatusNotifierItem.$1" int32:1200 int32:780
}

start_desktop
"$WATCHER" >"$WORKDIR/watcher.log" 2>&1 &
WATCHER_PID=$!
trap 'kill $WATCHER_PID 2>/dev/null; stop_desktop' EXIT
wait_for 5 owned org.kde.StatusNotifierWatcher || fail "the watcher did not start"

start_app "$PROGRAM"
wait_for 15 grep -q . "$WORKDIR/watcher.log" || fail "the program registered no tray item"
item=$(head -n 1 "$WORKDIR/watcher.log")
owned "$item" || fail "the registered item '$item' is not on the bus"
echo "ok - the program registered its item $item"
sleep 0.5
[ -z "$(visible_window Huevella)" ] || fail "a window is visible at start"

item_call Activate
wait_for 5 visible_window Huevella || fail "activating the item showed no book window"
book=$(visible_window Huevella)
wait_for 5 geometry_is "$book" "870 490 186 124" || fail "book window at $(geometry "$book")"
echo "ok - a single activation showed the book window"

xdotool mousemove 1200 780
item_call ContextMenu
menu_window() {
    local w
    for w in $(xdotool search --onlyvisible --class huevella); do
        [ "$w" = "$book" ] || { echo "$w"; return 0; }
    done
    return 1
}
wait_for 5 menu_window || fail "asking for the context menu popped up nothing"
echo "ok - the context menu popped up"
