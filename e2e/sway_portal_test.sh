#!/usr/bin/env bash
# The eyedropper with a wlroots desktop's real parts, not our stand-ins:
# headless sway (software rendering) with Xwayland, Debian's
# xdg-desktop-portal and xdg-desktop-portal-wlr (which runs grim) started on
# a private session bus, and the pointer moved through a virtual pointer
# device of sway's own seat, as a person's mouse is.
#   sway_portal_test.sh HUEVELLA VIRTUAL_POINTER
# sway will not run as root: the desktop and the program run as nobody.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")
POINTER=$(realpath "$2")
for part in /usr/libexec/xdg-desktop-portal /usr/libexec/xdg-desktop-portal-wlr grim swaybg pipewire wtype wl-paste; do
    command -v "$part" >/dev/null || { echo "SKIP: $part is missing"; exit 77; }
done

run_privately_as_nobody "$0" "$PROGRAM" "$POINTER"

WORKDIR=$XDG_RUNTIME_DIR
cleanup() {
    exec 7>&-
    kill ${APP_PID:-} ${SWAY_PID:-} ${PIPEWIRE_PID:-} 2>/dev/null
    [ -n "${BUS_PID:-}" ] && kill "$BUS_PID" 2>/dev/null
    # The portals our bus started go with it; no other program of the same
    # name or user is touched.
    [ -n "${BUS_PID:-}" ] && kill_own_bus_services "$DBUS_SESSION_BUS_ADDRESS"
    wait 2>/dev/null
}
trap cleanup EXIT

make_fixture "$WORKDIR/fixture.png"
# Every pointer shape a ring with a clear middle at its hot spot: this
# compositor draws the pointer into its pictures (no cursor plane here), so
# that the pixel under the hot spot is the screen's own.
python3 - "$WORKDIR/icons/ring/cursors" <<'PY' || fail "no pointer theme"
import os, struct, sys
folder = sys.argv[1]
os.makedirs(folder)
size, hot = 17, 8
pixels = []
for y in range(size):
    for x in range(size):
        d = ((x - hot) ** 2 + (y - hot) ** 2) ** 0.5
        pixels.append(0xFF000000 if 5.5 <= d < 7.5 else 0xFFFFFFFF if 4 <= d < 5.5 else 0)
chunk = struct.pack("<9I", 36, 0xFFFD0002, size, 1, size, size, hot, hot, 0)
chunk += struct.pack("<%dI" % len(pixels), *pixels)
data = b"Xcur" + struct.pack("<3I", 16, 0x10000, 1) + struct.pack("<3I", 0xFFFD0002, size, 28) + chunk
with open(os.path.join(folder, "default"), "wb") as out:
    out.write(data)
for name in ("left_ptr", "arrow", "top_left_arrow", "crosshair", "cross", "tcross", "pointer",
             "hand1", "hand2", "text", "xterm", "grabbing", "all-scroll", "fleur"):
    os.symlink("default", os.path.join(folder, name))
PY
export XCURSOR_PATH="$WORKDIR/icons" XCURSOR_THEME=ring XCURSOR_SIZE=17
start_sway "output HEADLESS-1 bg $WORKDIR/fixture.png center" "seat seat0 xcursor_theme ring 17"
seen() { seen_on_wlroots "$@"; }
seen_is() { [ "$(seen "$1" "$2")" = "$3" ]; }
wait_for 10 seen_is 700 500 "$(fixture_at 700 500)" ||
    fail "the background is not the picture: $(seen 700 500) at 700,500"

# The wlr portal will not start without PipeWire (for its screen casts).
pipewire >"$WORKDIR/pipewire.log" 2>&1 &
PIPEWIRE_PID=$!
wait_for 10 test -S "$WORKDIR/pipewire-0" || fail "PipeWire did not start: $(cat "$WORKDIR/pipewire.log")"

start_private_bus session

# One virtual pointer for the whole test (a device that comes and goes
# takes the pointer from Xwayland each time); pointer LINES... has it do
# each in turn and returns when sway has them.
exec 7> >(exec "$POINTER" >"$WORKDIR/pointer.log" 2>&1)
POINTER_SENT=0
pointer() {
    printf '%s\n' "$@" >&7
    POINTER_SENT=$((POINTER_SENT + $#))
    wait_for 10 bash -c "[ \$(grep -c '^ok' '$WORKDIR/pointer.log') -ge $POINTER_SENT ]" ||
        fail "the virtual pointer did not do $*: $(cat "$WORKDIR/pointer.log")"
}

start_book

# picker_colour: what the picker's colour panel shows.
picker_colour() {
    local px py
    read -r px py _ _ < <(geometry "$(visible_window "Screen Picker")")
    seen $((px + 153)) $((py + 64))
}
picker_is() { [ "$(picker_colour)" = "$1" ]; }

listen_for_answers

# The portal is started before the flick: on a busy machine its start alone
# (backends, the accessibility bus, calls to a system bus that is not there)
# can outlast the time the program gives a service to take a request, and
# the bus's own time for the start; the portal still comes, later.
wait_for 90 dbus-send --session --print-reply --reply-timeout=30000 \
    --dest=org.freedesktop.portal.Desktop /org/freedesktop/portal/desktop \
    org.freedesktop.DBus.Properties.Get string:org.freedesktop.portal.Screenshot string:version ||
    fail "the screenshot portal did not start: $(tail -n 20 "$WORKDIR/bus.log")"

# A flick: the button pressed and the pointer moved in the same instant,
# the drag going on while the picture is awaited. The first point waits for
# the picture as long as the portal's answer may take on a busy machine.
pointer "move $((bx + 14)) $((by + 10))" "wait 300" "flick 40 -30" "by 300 100" "by 10 10"
for point in "300 200 15" "900 700 5"; do
    read -r x y limit <<<"$point"
    pointer "move $x $y"
    wait_for "$limit" picker_is "$(fixture_at "$x" "$y")" ||
        fail "after a flick, over $x,$y the picker shows $(picker_colour), not $(fixture_at "$x" "$y")"
done
pointer release
wait_for 15 answered 1 || fail "the portal did not answer the flick's press"
echo "ok - a fast flick picks where the pointer goes"

# A drag from the eyedropper over the picture: the portal's picture is
# read, exact to the pixel.
pointer "move $((bx + 14)) $((by + 10))" "wait 200" press "by 3 3"
wait_for 5 visible_window "Screen Picker" || fail "the screen picker did not open: $(cat "$WORKDIR/app.log")"
wait_for 15 answered 2 || fail "the portal did not answer: $(cat "$WORKDIR/app.log")"
# (Points away from our own windows, which are in the picture too.)
for point in "200 100" "1000 130" "20 790"; do
    read -r x y <<<"$point"
    pointer "move $x $y"
    wait_for 5 picker_is "$(fixture_at "$x" "$y")" ||
        fail "over $x,$y the picker shows $(picker_colour), not $(fixture_at "$x" "$y"): $(cat "$WORKDIR/app.log")"
done
pointer release
echo "ok - the real portal's picture is picked exactly"
picture=$(sed -n 's|.*"file://\([^"]*\)".*|\1|p' "$WORKDIR/answers.log" | head -n 1)
[ -n "$picture" ] || fail "the portal's answer named no picture: $(cat "$WORKDIR/answers.log")"
[ ! -e "$picture" ] || fail "the portal's picture file $picture was left behind"
echo "ok - the picture's file is removed"


# `huevella --pick` over the picture, moved and clicked by sway's own seat.
to() { pointer "move $1 $2"; }
click() { pointer press release; }
# (A new virtual keyboard's keymap must reach Xwayland before its keys do.)
type_key() { wtype -s 400 -k "$1"; }
pick_road_over_picture

# Qt's native Wayland platform, asked for: the program says once what it
# cannot do there, and the eyedropper hands over to the desktop's own
# picker (slurp, for the wlr portal), which takes the keyboard; the screen
# picker stays out meanwhile and shows the colour clicked.
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null
(cd "$WORKDIR" && DISPLAY= QT_QPA_PLATFORM=wayland exec "$PROGRAM" >"$WORKDIR/native.log" 2>&1) &
APP_PID=$!
# window_rect NAME: "X Y" of the window named so, as sway has it.
window_rect() {
    swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("name") == sys.argv[1] and node.get("pid"):
        r, w = node["rect"], node["window_rect"]
        print(r["x"] + w["x"], r["y"] + w["y"])
        sys.exit(0)
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))
sys.exit(1)' "$1"
}
wait_for 15 window_rect Huevella || fail "no native book window: $(cat "$WORKDIR/native.log")"
read -r nx ny < <(window_rect Huevella)
[ "$(grep -c "native Wayland client" "$WORKDIR/native.log")" = 1 ] ||
    fail "nothing said once of the native Wayland platform: $(cat "$WORKDIR/native.log")"
echo "ok - a native Wayland start says what it cannot do there"
pointer "move $((nx + 14)) $((ny + 10))" "wait 300" press "wait 100" release
wait_for 10 pgrep -x slurp || fail "the desktop's picker did not come out: $(cat "$WORKDIR/native.log")"
wait_for 5 window_rect "Screen Picker" || fail "no screen picker"
sleep 0.5
window_rect "Screen Picker" >/dev/null || fail "the screen picker hid when the desktop's picker came out"
pointer "move 200 100" "wait 200" press release
wait_for 10 bash -c '! pgrep -x slurp' || fail "the desktop's picker did not take the click"
read -r qx qy < <(window_rect "Screen Picker") || fail "the screen picker is gone after the pick"
wait_for 5 seen_is $((qx + 153)) $((qy + 64)) "$(fixture_at 200 100)" ||
    fail "the desktop's picker took 200,100; the screen picker shows $(seen $((qx + 153)) $((qy + 64))), not $(fixture_at 200 100)"
echo "ok - natively on Wayland the desktop's picker gives the exact colour, the screen picker out"

# A cold --pick natively: the desktop's picker takes it, and the code
# reaches native programs' clipboard though no window of ours has had the
# focus.
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null
DISPLAY= QT_QPA_PLATFORM=wayland pick
wait_for 10 pgrep -x slurp || fail "the desktop's picker did not come out for --pick: $(cat "$WORKDIR/pick.err")"
pointer "move 300 700" "wait 200" press release
pick_ends
[ "$rc" = 0 ] && [ "$(cat "$WORKDIR/pick.out")" = "$(fixture_at 300 700)" ] ||
    fail "natively --pick took '$(cat "$WORKDIR/pick.out")' ($rc), not $(fixture_at 300 700)"
wait_for 5 wayland_clipboard_is "$(fixture_at 300 700)" ||
    fail "natively the Wayland clipboard holds '$(wl-paste -n 2>&1)', not $(fixture_at 300 700)"
echo "ok - natively --pick's code reaches the Wayland clipboard"
