#!/usr/bin/env bash
# huevella --pick on KDE Plasma's real parts: a virtual KWin with Xwayland,
# Debian's xdg-desktop-portal with its KDE back end on a private session
# bus, the screenshot allowed in the permission store; the desktop's
# pictures read through that portal. The pointer and keys are XTest's in
# Xwayland: KWin offers a virtual pointer to no test client.
#   kde_portal_test.sh HUEVELLA PORTAL_SEEN
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")
SEEN=$(realpath "$2")
for part in kwin_wayland /usr/libexec/xdg-desktop-portal /usr/lib/*/libexec/xdg-desktop-portal-kde \
    gdbus Xwayland xdotool; do
    command -v "$part" >/dev/null || { echo "SKIP: $part is missing"; exit 77; }
done

# (KWin is copied: its file capability is one a private namespace may not
# give, and it runs without it.)
run_privately_as_nobody "$0" "$PROGRAM" "$SEEN" "$(dirname "$SEEN")/fixture_window.py" \
    "$(command -v kwin_wayland)"

WORKDIR=$XDG_RUNTIME_DIR
trap 'stop_private_desktop ${BACKDROP_PID:-} ${SEEN_PID:-} ${KWIN_PID:-}' EXIT

start_private_bus system
start_private_bus session
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=5
"$WORKDIR/kwin_wayland" --virtual --xwayland --width 1280 --height 800 --socket wayland-kde \
    >"$WORKDIR/kwin.log" 2>&1 &
KWIN_PID=$!
join_wayland_session wayland-kde KDE_FULL_SESSION KDE_SESSION_VERSION
allow_screenshots

# The fixture over the whole screen, as the desktop's background.
make_fixture "$WORKDIR/fixture.png"
"$WORKDIR/fixture_window.py" "$WORKDIR/fixture.png" 2>"$WORKDIR/backdrop.log" &
BACKDROP_PID=$!
# The program's calls to the portal, as they go.
dbus-monitor --session "type='method_call',interface='org.freedesktop.portal.Screenshot'" \
    "type='method_call',interface='org.freedesktop.portal.Request'" >"$WORKDIR/calls.log" 2>&1 &
coproc SEEING { exec "$SEEN" 2>"$WORKDIR/seen.log"; }
SEEN_PID=$SEEING_PID
seen() {
    local said
    printf 'seen %s %s\n' "$1" "$2" >&"${SEEING[1]}"
    read -r -t 30 said <&"${SEEING[0]}" || fail "no picture from the portal: $(cat "$WORKDIR/seen.log")"
    echo "${said#ok }"
}
seen_is() { [ "$(seen "$1" "$2")" = "$3" ]; }

listen_for_answers
start_book

# The portal writes its pictures into ~/Pictures; without it, it answers
# "cancelled" at once, with nothing shown to anyone: that is a refusal, and
# the desktop's own picker is asked instead, never "Cancelled" said. Ctrl+C
# of --pick then closes that request.
pick
wait_for 15 bash -c "grep -q 'member=PickColor' '$WORKDIR/calls.log'" ||
    fail "an instant cancel did not turn to the desktop's picker: $(cat "$WORKDIR/pick.err")"
kill -INT "$PICK_PID"
pick_ends
[ "$rc" != 0 ] && ! grep -q Cancelled "$WORKDIR/pick.err" || fail "the refusal was said as '$(cat "$WORKDIR/pick.err")'"
wait_for 5 bash -c "grep -q 'member=Close' '$WORKDIR/calls.log'" || fail "Ctrl+C did not close the desktop's request"
echo "ok - an instant cancel turns to the desktop's picker; Ctrl+C closes its request"
mkdir -p "$HOME/Pictures"
wait_for 60 seen_is 640 500 "$(fixture_at 640 500)" ||
    fail "the screen is not the picture: $(seen 640 500) at 640,500"
echo "ok - KWin shows the picture"

to() { xdotool mousemove "$1" "$2"; }
click() { xdotool click 1; }
type_key() { xdotool key "$1"; }
pick_road_over_picture
