#!/usr/bin/env bash
# The eyedropper on a Wayland desktop, as GNOME and KDE Plasma users meet
# it: weston (headless, software rendering) with a rootless Xwayland that
# refuses an X client the screen's pixels, and a stand-in of ours for the
# desktop's screenshot service on a private session bus, serving a fixture
# picture at the given scale (its pixels over the X screen's).
#   wayland_picker_test.sh HUEVELLA PORTAL_STANDIN [SCALE [pick-colour]]
# With pick-colour, only `huevella --pick` where the desktop gives no
# picture (a taken colour goes to the clipboard, which weston 10's headless
# backend, without a seat, does not survive: one a desktop).
# The program is driven with XTEST button and relative motion only (a warp
# can bring Xwayland 22 down) and never asked to touch the clipboard (weston
# 10's headless backend has no seat and falls over). What it shows is read
# from the compositor's own screenshots.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")
STANDIN=$(realpath "$2")
SCALE=${3:-1}
ROAD=${4:-drag}

# Xwayland takes the first free display and its socket: both kept apart
# from every other server here, in namespaces of our own.
if [ -z "${HUEVELLA_PRIVATE_NS:-}" ]; then
    unshare -mn true 2>/dev/null || { echo "SKIP: cannot make private namespaces"; exit 77; }
    HUEVELLA_PRIVATE_NS=1 exec unshare -mn "$0" "$@"
fi
mount -t tmpfs tmpfs /tmp/.X11-unix 2>/dev/null || {
    mkdir -p /tmp/.X11-unix && mount -t tmpfs tmpfs /tmp/.X11-unix
} || fail "no private X socket folder"
chmod 1777 /tmp/.X11-unix

WORKDIR=$(mktemp -d)
export XDG_RUNTIME_DIR="$WORKDIR/run" XDG_STATE_HOME="$WORKDIR/state" XDG_CONFIG_HOME="$WORKDIR/config"
mkdir -m 700 "$XDG_RUNTIME_DIR" "$WORKDIR/served" "$WORKDIR/shots"
cleanup() {
    kill ${APP_PID:-} ${STANDIN_PID:-} ${OTHER_PID:-} 2>/dev/null
    kill ${WESTON_PID:-} ${BUS_PID:-} 2>/dev/null
    wait 2>/dev/null
    rm -rf "$WORKDIR"
}
trap cleanup EXIT

weston --debug --backend=headless-backend.so --use-pixman --xwayland --socket=huevella-wl \
    --width=1024 --height=640 --idle-time=0 >"$WORKDIR/weston.log" 2>&1 &
WESTON_PID=$!
wait_for 20 grep -q "xserver listening on display" "$WORKDIR/weston.log" ||
    { cat "$WORKDIR/weston.log" >&2; fail "weston did not start Xwayland"; }
export DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORKDIR/weston.log")
wait_for 20 xdpyinfo || fail "Xwayland does not answer on $DISPLAY"
export WAYLAND_DISPLAY=huevella-wl XDG_SESSION_TYPE=wayland
unset QT_QPA_PLATFORM

# The desktop's screen as the service will describe it: a background with
# three marked places, each a square with a single pixel of its own at its
# heart, where the X pixel's top-left lands on the picture.
read -r W H < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
picture_px() { awk -v v="$1" -v s="$SCALE" 'BEGIN {printf "%d", v * s + 1e-9}'; }
points=("300 200 C83264 13579B" "700 150 2E8B57 F0E68C" "150 100 1E90FF FF4500")
draw=()
for p in "${points[@]}"; do
    read -r x y square dot <<<"$p"
    draw+=(-fill "#$square" -draw "rectangle $(picture_px $((x - 20))),$(picture_px $((y - 20))) $(picture_px $((x + 20))),$(picture_px $((y + 20)))")
    draw+=(-fill "#$dot" -draw "point $(picture_px "$x"),$(picture_px "$y")")
done
convert -size "$(picture_px "$W")x$(picture_px "$H")" xc:'#404850' "${draw[@]}" \
    -define png:color-type=2 "$WORKDIR/fixture.png" || fail "no fixture picture"

dbus-daemon --config-file="$(dirname "$0")/../tests/lib/private-bus.conf" \
    --address="unix:path=$WORKDIR/bus" --nofork --print-pid \
    >"$WORKDIR/bus.pid" 2>"$WORKDIR/bus.log" &
BUS_PID=$!
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORKDIR/bus"
wait_for 10 test -S "$WORKDIR/bus" || fail "no session bus"

# start_standin ARGS...: the screenshot service, answering as told.
start_standin() {
    [ -n "${STANDIN_PID:-}" ] && { kill "$STANDIN_PID"; wait "$STANDIN_PID" 2>/dev/null; }
    "$STANDIN" --picture "$WORKDIR/fixture.png" --dir "$WORKDIR/served" "$@" \
        >"$WORKDIR/standin.log" 2>&1 &
    STANDIN_PID=$!
    wait_for 10 grep -q ready "$WORKDIR/standin.log" || fail "the stand-in did not start"
}
stop_standin() {
    kill "$STANDIN_PID"
    wait "$STANDIN_PID" 2>/dev/null
    STANDIN_PID=
}

# The compositor's picture of what the user sees. The compositor shows the
# companion windows where it likes, not where X has them (X's places are
# where the clicks go): what is shown is found by its colours.
shot() {
    rm -f "$WORKDIR"/shots/*.png
    (cd "$WORKDIR/shots" && timeout 10 weston-screenshooter >/dev/null 2>&1)
    ls "$WORKDIR"/shots/*.png 2>/dev/null | head -n 1
}
seen() { # seen X Y: RRGGBB on the screen there
    convert "$(shot)" -format "%[hex:p{$1,$2}]" info: | cut -c1-6
}
# box_of RRGGBB: "WxH+X+Y", the smallest box that holds every pixel of it.
box_of() {
    convert "$(shot)" -alpha off -fill black +opaque "#$1" -fill white -opaque "#$1" \
        -format "%@" info:
}
seen_is() { [ "$(seen "$1" "$2")" = "$3" ]; }
count_of() { # count_of RRGGBB: how many pixels of it are on the screen
    convert "$(shot)" -alpha off -fill black +opaque "#$1" -fill white -opaque "#$1" \
        -format "%[fx:round(mean*w*h)]" info:
}
at_least() { [ "$(count_of "$1")" -ge "$2" ]; }
# Only the picker shows a dot's colour: its panel (54 x 53) and the centre
# of its magnifier, the pixel ringed, from the panel's right edge 121
# pixels to the left.
picker_shows() { [ "$(box_of "$1" | cut -d+ -f1)" = 121x53 ]; }


start_standin --screenshot ok
(cd "$WORKDIR" && exec "$PROGRAM" >"$WORKDIR/app.log" 2>&1) &
APP_PID=$!
# No tray here: the book window comes out by itself, an X window although
# the session says Wayland and Qt's Wayland plugin is there to be chosen.
wait_for 15 visible_window Huevella || fail "no book window on Xwayland"
read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
echo "ok - a Wayland session runs the program on Xwayland"

if [ "$ROAD" = pick-colour ]; then
    # No picture: the desktop's own picker, its colour printed.
    start_standin --screenshot fail --pick ok --colour 0.2,0.4,0.8
    (cd "$WORKDIR" && exec "$PROGRAM" --pick --format rgb >"$WORKDIR/pick.out" 2>"$WORKDIR/pick.err") &
    PICK_PID=$!
    wait_for 10 bash -c "! kill -0 $PICK_PID 2>/dev/null" || fail "the pick with the desktop's picker did not end"
    wait "$PICK_PID"
    [ $? = 0 ] && [ "$(cat "$WORKDIR/pick.out")" = "rgb(51 102 204)" ] ||
        fail "--pick with the desktop's picker printed '$(cat "$WORKDIR/pick.out")': $(cat "$WORKDIR/pick.err")"
    echo "ok - --pick without a picture: the desktop's picker's colour printed"
    exit 0
fi

# press_eyedropper: the button down on the eyedropper, a first move.
# A window just mapped may not have the compositor's pointer yet: a press
# that opened nothing is made once more, after time enough for a busy
# machine to open it (a press heard late and made again is a second drag).
press_eyedropper() {
    local try
    for try in 1 2; do
        move_to $((bx + 14)) $((by + 10))
        xdotool mousedown 1
        sleep 0.1
        xdotool mousemove_relative 3 3
        wait_for 10 visible_window "Screen Picker" && break
        xdotool mouseup 1
        sleep 0.5
    done
    # What the service was asked goes with the failure (the program's own
    # log does already): it has been seen only under load.
    visible_window "Screen Picker" >/dev/null ||
        fail "the screen picker did not open; the service's log: $(cat "$WORKDIR/standin.log")"
    read -r px py _ _ < <(geometry "$(visible_window "Screen Picker")")
}

press_eyedropper
for p in "${points[@]}"; do
    read -r x y square dot <<<"$p"
    move_to "$x" "$y"
    wait_for 5 picker_shows "$dot" ||
        fail "over $x,$y the picker does not show $dot in its panel and magnifier: $(box_of "$dot")"
    IFS='x+' read -r _ _ bx0 by0 < <(box_of "$dot")
    spx=$((bx0 - 59)); spy=$((by0 - 31))
    [ "$(seen $((spx + 30)) $((spy + 30)))" = "$square" ] ||
        fail "the magnifier around $x,$y shows $(seen $((spx + 30)) $((spy + 30)))"
    [ "$(seen $((spx + 128)) $((spy + 18)))" = FFFFFF ] || fail "no code shown over $x,$y"
done
xdotool mouseup 1
echo "ok - the picker shows the exact pixels of the desktop's picture at scale $SCALE"
wait_for 5 bash -c "[ -z \"\$(ls '$WORKDIR/served')\" ]" ||
    fail "the service's file was left behind: $(ls "$WORKDIR/served")"
[ "$(grep -c '^Screenshot ' "$WORKDIR/standin.log")" = 1 ] || fail "not one request for the drag"
echo "ok - one picture for the drag, its file removed"

# The last colour goes to the working card.
last_dot=$(awk '{print $4}' <<<"${points[-1]}")
read -r px py _ _ < <(geometry "$(visible_window "Screen Picker")")
click_at $((px + 153)) $((py + 64))
wait_for 5 visible_window "Swatch Card" || fail "taking the colour did not open the card"
# Where the compositor ignored the place asked for, the program takes the
# window over and docks it soon after it shows (0.4 s): it is read once
# settled.
docked_card() {
    local x y
    read -r x y _ _ < <(geometry "$(visible_window "Swatch Card")")
    [ "$x $y" = "$bx $((by - 103))" ]
}
wait_for 10 docked_card
read -r cx cy _ _ < <(geometry "$(visible_window "Swatch Card")")
# The card may come out over the picker here: what shows the colour now.
sleep 0.5
before=$(count_of "$last_dot")
click_at $((cx + 33)) $((cy + 64))
wait_for 5 at_least "$last_dot" $((before + 54 * 60)) ||
    fail "no card slot shows $last_dot ($(count_of "$last_dot") pixels of it, $before before)"
echo "ok - the picked colour reached a card slot"
# This compositor puts managed companions where it likes; ours are placed
# by us, docked to the book.
[ "$cx $cy" = "$bx $((by - 103))" ] || fail "the card is at $cx,$cy, not above the book at $bx,$by"
[ "$px $py" = "$bx $((by + 123))" ] || fail "the picker is at $px,$py, not below the book at $bx,$by"
echo "ok - the companions are docked to the book"
[ "$SCALE" = 1 ] || exit 0

# The card (which the compositor may have put over the picker) goes, with
# every companion, from the book's collapse button.
click_at $((bx + 42)) $((by + 10))
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Swatch Card\$'" ||
    fail "the companions did not collapse"

# pick_then SERVICE-ARGS...: a colour picked with a service that answers,
# then another drag with the service as told ("none": no service at all).
pick_then() {
    start_standin --screenshot ok
    press_eyedropper
    move_to 300 200
    xdotool mouseup 1
    wait_for 5 picker_shows 13579B || fail "no colour shown before the refusal"
    IFS='x+' read -r _ _ bx0 by0 < <(box_of 13579B)
    spx=$((bx0 - 59)); spy=$((by0 - 31))
    if [ "$1" = none ]; then stop_standin; else start_standin "$@"; fi
    press_eyedropper
    move_to 700 150
    xdotool mouseup 1
}

# Refusals: a message and a blank colour, never black; nothing to take.
expect_refusal() {
    wait_for 15 seen_is $((spx + 153)) $((spy + 64)) 50505F ||
        fail "$1: the picker shows $(seen $((spx + 153)) $((spy + 64))) for a screen it could not read"
    [ "$(seen $((spx + 128)) $((spy + 18)))" = 50505F ] || fail "$1: the caption looks like a code"
    # The message in the magnifier's place: light text on the dark well.
    convert "$(shot)" -crop 105x77+$((spx + 10))+$((spy + 19)) -threshold 60% \
        -format "%[fx:mean>0.01]" info: | grep -q 1 || fail "$1: no message where the magnifier was"
    echo "ok - $1: a message, no colour"
}
# (Cancelled at once, nobody was asked: that is the desktop's refusal, and
# its picker is asked instead.)
pick_then --screenshot cancel --delay 2600
expect_refusal "cancelled by the person"
pick_then none
expect_refusal "no screenshot service"
pick_then --screenshot no-request
sleep 5
seen_is $((spx + 153)) $((spy + 64)) 13579B || fail "the last colour did not stay while waiting"
expect_refusal "no request made in 10 s"
# A request the desktop holds, as while it asks the person: said, never
# timed out, never made twice.
timed_out=$(grep -c "in time" "$WORKDIR/app.log")
pick_then --screenshot silent
sleep 11
expect_refusal "the desktop asking the person"
[ "$(grep -c "in time" "$WORKDIR/app.log")" = "$timed_out" ] || fail "a request the desktop holds was timed out"
press_eyedropper
xdotool mouseup 1
sleep 0.5
[ "$(grep -c '^Screenshot ' "$WORKDIR/standin.log")" = 1 ] || fail "a second request while one is open"
echo "ok - a request the desktop holds: no time-out, no second request"

# A service that gives no picture: the desktop's own picker's colour.
pick_then --screenshot fail --pick ok --colour 0.2,0.4,0.8
wait_for 5 seen_is $((spx + 153)) $((spy + 64)) 3366CC ||
    fail "the desktop's picker's colour is not shown: $(seen $((spx + 153)) $((spy + 64)))"
echo "ok - without a picture, the colour the desktop's own picker took"
[ -z "$(ls "$WORKDIR/served")" ] || fail "files left behind: $(ls "$WORKDIR/served")"

# The user's own choice of platform wins: asked for Wayland, no X window.
before=$(xdotool search --name '^Huevella$' | wc -l)
mkdir -m 700 "$WORKDIR/run2"
(cd "$WORKDIR" && XDG_RUNTIME_DIR="$WORKDIR/run2" WAYLAND_DISPLAY="$WORKDIR/run/huevella-wl" \
    QT_QPA_PLATFORM=wayland exec "$PROGRAM" \
    >"$WORKDIR/other.log" 2>&1) &
OTHER_PID=$!
sleep 3
kill -0 "$OTHER_PID" 2>/dev/null || fail "asked for Wayland, it did not run: $(cat "$WORKDIR/other.log")"
[ "$(xdotool search --name '^Huevella$' | wc -l)" = "$before" ] ||
    fail "asked for Wayland, it still made an X window"
echo "ok - QT_QPA_PLATFORM=wayland is honoured"

# Last: a taken colour goes to the clipboard, which this weston does not
# survive.
# huevella --pick here: the desktop's picture over every output in a window
# of ours, the picker following over it, the colour under the pointer taken.
start_standin --screenshot ok
move_to 500 400
(cd "$WORKDIR" && exec "$PROGRAM" --pick --format '#hex' >"$WORKDIR/pick.out" 2>"$WORKDIR/pick.err") &
PICK_PID=$!
wait_for 10 visible_window "Huevella: pick a colour" || fail "--pick showed no picture over the screen"
# The picture, not the desktop, is what is seen: the fixture's squares.
wait_for 5 seen_is 330 100 404850 || fail "the cover does not show the desktop's picture"
seen_is 150 80 1E90FF || fail "the cover shows $(seen 150 80) where the picture has 1E90FF"
# By way of a point near it: Qt takes a move to the very place it last
# saw the pointer (the drags above ended there) for no move at all.
move_to 690 140
move_to 700 150
# Drawn into the picture beside the pointer, once the program has heard of
# the move, the picker shows the dot itself: its panel is read.
wait_for 5 seen_is $((700 + 20 + 153)) $((150 + 20 + 64)) F0E68C ||
    fail "the picker over the frozen picture shows $(seen $((700 + 20 + 153)) $((150 + 20 + 64))), not F0E68C"
xdotool mousedown 1
sleep 0.05
xdotool mouseup 1
wait_for 5 bash -c "! kill -0 $PICK_PID 2>/dev/null" || fail "the click did not end the pick"
wait "$PICK_PID"
[ $? = 0 ] && [ "$(cat "$WORKDIR/pick.out")" = "#F0E68C" ] ||
    fail "--pick over the picture printed '$(cat "$WORKDIR/pick.out")': $(cat "$WORKDIR/pick.err")"
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Huevella: pick a colour\$'" ||
    fail "the picture stayed over the screen"
echo "ok - --pick: the desktop's picture over the screen, the picker following the pointer over it, the colour under it printed"
