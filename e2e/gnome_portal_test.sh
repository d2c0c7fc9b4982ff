#!/usr/bin/env bash
# huevella --pick on GNOME's real parts: a headless GNOME Shell (mutter)
# with Xwayland, Debian's xdg-desktop-portal with its GNOME back end on a
# private session bus, the screenshot allowed once in the permission store
# as a person's "Allow" leaves it, and a person's pointer and keys through
# mutter's remote desktop session.
#   gnome_portal_test.sh HUEVELLA DRIVER
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")
DRIVER=$(realpath "$2")
for part in gnome-shell /usr/libexec/xdg-desktop-portal /usr/libexec/xdg-desktop-portal-gnome \
    /usr/libexec/xdg-permission-store gdbus Xwayland; do
    command -v "$part" >/dev/null || { echo "SKIP: $part is missing"; exit 77; }
done

run_privately_as_nobody "$0" "$PROGRAM" "$DRIVER"

WORKDIR=$XDG_RUNTIME_DIR
trap 'stop_private_desktop ${SHELL_PID:-} ${DRIVER_PID:-}' EXIT

make_fixture "$WORKDIR/fixture.png"
# The fixture as the background, shown pixel for pixel; no animation.
export XDG_CONFIG_HOME=$WORKDIR/config GSETTINGS_BACKEND=keyfile
mkdir -p "$XDG_CONFIG_HOME/glib-2.0/settings"
cat >"$XDG_CONFIG_HOME/glib-2.0/settings/keyfile" <<KEYS
[org/gnome/desktop/background]
picture-uri='file://$WORKDIR/fixture.png'
picture-uri-dark='file://$WORKDIR/fixture.png'
picture-options='centered'
[org/gnome/desktop/interface]
enable-animations=false
enable-hot-corners=false
KEYS
start_private_bus system
start_private_bus session
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME
gnome-shell --headless --wayland --virtual-monitor 1280x800 >"$WORKDIR/shell.log" 2>&1 &
SHELL_PID=$!
# Mutter's Xwayland lets in those with its cookie.
wait_for 30 bash -c "ls '$WORKDIR'/.mutter-Xwaylandauth.*" ||
    fail "GNOME Shell did not start: $(tail -n 20 "$WORKDIR/shell.log")"
XAUTHORITY=$(ls "$WORKDIR"/.mutter-Xwaylandauth.* | head -n 1)
export XAUTHORITY
join_wayland_session wayland-0 XAUTHORITY XDG_CONFIG_HOME GSETTINGS_BACKEND

coproc DRIVING { exec "$DRIVER" 2>"$WORKDIR/driver.log"; }
DRIVER_PID=$DRIVING_PID
# desk LINE: the driver does it; its answer in $said.
desk() {
    printf '%s\n' "$*" >&"${DRIVING[1]}"
    read -r -t 30 said <&"${DRIVING[0]}" || fail "the driver did not answer $*: $(cat "$WORKDIR/driver.log")"
    [ "${said%% *}" = ok ] || fail "the driver could not $*: $said"
    said=${said#ok}
    said=${said# }
}
seen() { desk seen "$1" "$2"; echo "$said"; }
# The shell starts in its overview.
desk key Escape
seen_is() { [ "$(seen "$1" "$2")" = "$3" ]; }
wait_for 10 seen_is 640 500 "$(fixture_at 640 500)" ||
    fail "the background is not the picture: $(seen 640 500) at 640,500"
echo "ok - GNOME Shell shows the picture"

listen_for_answers
start_book

to() { desk move "$1" "$2"; }
click() { desk press; desk release; }
type_key() { desk key "$1"; }

# Nothing in the permission store yet: GNOME asks the person in the middle
# of the screen. The picker says so below the question, and Escape there
# (the person's "Deny") ends the pick as a cancel, no desktop picker after.
to 640 420
click
pick
wait_for 10 visible_window "Screen Picker" || fail "the picker did not say the desktop asks: $(cat "$WORKDIR/pick.err")"
read -r _ qy _ _ < <(geometry "$(visible_window "Screen Picker")")
[ "$qy" -ge 520 ] || fail "the picker is at y $qy, under GNOME's question"
type_key Escape
pick_ends
[ "$rc" = 1 ] && grep -q "Cancelled" "$WORKDIR/pick.err" ||
    fail "Escape on the question gave $rc and '$(cat "$WORKDIR/pick.err")'"
echo "ok - GNOME's question: the picker below it, Escape cancels"

# The person's answer to the desktop's question, once given.
allow_screenshots
pick_road_over_picture
