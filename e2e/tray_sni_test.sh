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
sleep 0.3
popups=$(xdotool search --onlyvisible --class huevella | grep -vcx "$book")
[ "$popups" = 1 ] || fail "asking for the context menu popped up $popups windows"
echo "ok - the context menu popped up, once"
# Panels that draw the menu themselves (waybar, Plasma) read it over D-Bus:
# the item names a menu with the same items, enabled or not as ours, and
# choosing one there does what it does in our own.
menu_path=$(gdbus call --session --dest "$item" --object-path /StatusNotifierItem \
    --method org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierItem Menu |
    sed -n "s/.*objectpath '\([^']*\)'.*/\1/p")
[ -n "$menu_path" ] && [ "$menu_path" != /NO_DBUSMENU ] || fail "the item names no menu: '$menu_path'"
layout=$(gdbus call --session --dest "$item" --object-path "$menu_path" \
    --method com.canonical.dbusmenu.GetLayout -- 0 -1 "@as []")
# One line per item: its id, label, enabled state and shortcut.
items=$(python3 - "$layout" <<'PY'
import re, sys
for m in re.finditer(r"\((\d+), \{([^{}]*)\}, @av \[\]\)", sys.argv[1]):
    props = m.group(2)
    label = re.search(r"'label': <'([^']*)'>", props)
    if not label:
        continue
    enabled = "off" if "'enabled': <false>" in props else "on"
    keys = re.search(r"'shortcut': <\[\[([^\]]*)\]\]>", props)
    keys = "+".join(re.findall(r"'([^']*)'", keys.group(1))) if keys else ""
    print(m.group(1), label.group(1).replace("&", ""), enabled, keys)
PY
)
# As our own menu has them with the book out and nothing changed.
expected="Pick from Screen on|No colours taken yet off|Open on Control+O|New on Control+N|Save off Control+S|Save As off Control+Shift+S|Export… off|Import… on|Preview Files on|To System Tray on|Exit on"
got=$(cut -d' ' -f2- <<<"$items" | sed 's/ *$//' | paste -sd'|')
[ "$got" = "$expected" ] || fail "the menu over D-Bus: $got"
echo "ok - the menu over D-Bus has our items, their state and keys"
xdotool key Escape
no_menu() { ! menu_window; }
wait_for 5 no_menu || fail "our menu did not close"
pick_id=$(grep " Pick from Screen " <<<"$items" | cut -d' ' -f1)
gdbus call --session --dest "$item" --object-path "$menu_path" --method com.canonical.dbusmenu.Event \
    "$pick_id" clicked "<int32 0>" 0 >/dev/null
wait_for 5 visible_window "Screen Picker" || fail "Pick from Screen chosen over D-Bus showed no picker"
echo "ok - an item chosen over D-Bus did its work"
