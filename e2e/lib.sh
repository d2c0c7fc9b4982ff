# Shared by the end-to-end tests: a private X server with a tray host, the
# real program in it, and small waits that fail loudly.
set -u
# The tests read the windows' English texts, whatever language the machine
# running them speaks; a test of another language asks for it.
export LANGUAGE=en

fail() {
    echo "FAIL: $*" >&2
    # What the program said, sanitizer reports included.
    [ -s "${WORKDIR:-}/app.log" ] && sed 's/^/  app: /' "$WORKDIR/app.log" >&2
    exit 1
}

# wait_for SECONDS COMMAND...: retries COMMAND until it succeeds.
wait_for() {
    local limit=$1; shift
    local end=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -ge $end ] && return 1
        sleep 0.1
    done
}

# start_desktop [--no-tray]: a private X server, with a tray host unless told.
start_desktop() {
    local n
    WORKDIR=$(mktemp -d)
    trap stop_desktop EXIT
    # A runtime folder of its own: the program's one-at-a-time socket lives
    # there, apart from any other test's.
    export XDG_RUNTIME_DIR="$WORKDIR/run"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # Recovery copies of its own: a test that ends the program with a
    # signal must not leave a book for the next test to be offered.
    export XDG_STATE_HOME="$WORKDIR/state"
    # Choices of its own too: the eyedropper's kept sample and enlargement.
    export XDG_CONFIG_HOME="$WORKDIR/config"
    # An X desktop alone, whatever session the test is run from.
    unset WAYLAND_DISPLAY XDG_SESSION_TYPE
    start_x_server
    [ "${1:-}" = "--no-tray" ] && return 0
    start_tray
}

# The X display numbers the tests may take: E2E_DISPLAYS="FIRST-LAST"
# (90-140 unless set), so that a shared machine's own displays are never
# touched.
display_numbers() {
    local range=${E2E_DISPLAYS:-90-140}
    seq "${range%-*}" "${range#*-}"
}

# A display of our own: a server that is still going away can leave a
# number looking free, and a test beside this one may take a number just
# freed, so the server started must be the one answering.
start_x_server() {
    local n
    XVFB_PID=
    for n in $(display_numbers); do
        [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
        export DISPLAY=:$n
        ${X_SERVER:-start_xvfb}
        XVFB_PID=$!
        # The lock names the server that holds the number: ours, or one that
        # another test started on it at the same moment.
        if wait_for 10 xdpyinfo && sleep 0.2 && kill -0 "$XVFB_PID" 2>/dev/null &&
            [ "$(tr -dc 0-9 <"/tmp/.X$n-lock" 2>/dev/null)" = "$XVFB_PID" ]; then
            break
        fi
        kill "$XVFB_PID" 2>/dev/null
        XVFB_PID=
    done
    [ -n "$XVFB_PID" ] || fail "${X_SERVER:-Xvfb} did not start"
}

# -noreset: a server whose last client leaves resets, and refuses the
# connections that come meanwhile (a program started just after another
# ended, with no tray or window manager holding the server, failed so).
start_xvfb() {
    Xvfb "$DISPLAY" -screen 0 "1280x800x${XVFB_DEPTH:-24}" -nolisten tcp -noreset >"$WORKDIR/xvfb.log" 2>&1 &
}

# An X server with outputs and monitors as real ones have, which Xvfb's
# RandR lacks: Xorg's dummy driver, one 2560x1024 screen, no input devices
# of the machine's own (XTEST's are enough).
start_xorg_dummy() {
    cat >"$WORKDIR/xorg.conf" <<'CONF'
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
EndSection
Section "Device"
  Identifier "card"
  Driver "dummy"
  VideoRam 64000
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "card"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 2560 1024
  EndSubSection
EndSection
CONF
    Xorg "$DISPLAY" -config "$WORKDIR/xorg.conf" -noreset -nolisten tcp \
        -logfile "$WORKDIR/xorg.log" >"$WORKDIR/xvfb.log" 2>&1 &
}

start_tray() {
    local try
    # trayer now and then dies on a server that has only just come up.
    for try in 1 2 3; do
        trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 \
            --transparent false --tint 0x303030 --SetDockType true >"$WORKDIR/trayer.log" 2>&1 &
        TRAYER_PID=$!
        wait_for 5 xdotool search --onlyvisible --class trayer && return 0
        kill "$TRAYER_PID" 2>/dev/null
    done
    cat "$WORKDIR/trayer.log" >&2
    fail "trayer did not start"
}

# A window manager, as users have: it gives the focus to the window clicked,
# and the companion windows are never among them.
start_window_manager() {
    openbox --sm-disable >"$WORKDIR/openbox.log" 2>&1 &
    WM_PID=$!
    wait_for 5 bash -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window" ||
        fail "openbox did not start"
}

stop_desktop() {
    [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null
    kill "${WM_PID:-}" "${TRAYER_PID:-}" "${XVFB_PID:-}" 2>/dev/null
    wait 2>/dev/null
    # The next test may take the same number at once.
    [ -n "${DISPLAY:-}" ] && wait_for 5 bash -c "[ ! -e /tmp/.X11-unix/X${DISPLAY#:} ]"
    rm -rf "$WORKDIR"
}

# start_app PROGRAM [ARGS...]: starts the program in a fresh working folder.
start_app() {
    local program
    program=$(realpath "$1"); shift
    (cd "$WORKDIR" && exec "$program" "$@" >"$WORKDIR/app.log" 2>&1) &
    APP_PID=$!
}

# Prints the id of the visible window with this title; fails if there is none.
visible_window() {
    local w
    w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$w" ] && echo "$w"
}

# Prints "X Y W H" of a window.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

pixel() { # pixel X Y: the screen's colour there as RRGGBB
    timeout 10 import -silent -window root "$WORKDIR/shot.png" &&
        convert "$WORKDIR/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6
}

# How many message boxes and questions the program shows on $DISPLAY.
message_boxes() {
    local w n=0
    for w in $(xdotool search --onlyvisible --class huevella 2>/dev/null); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG && n=$((n + 1))
    done
    echo "$n"
}

# A question of the program (a message box, a dialog) has the keyboard: a
# key sent now answers it. A key sent on a fixed delay instead goes wherever
# the focus is on a busy machine.
question_focused() {
    local w
    w=$(xdotool getwindowfocus 2>/dev/null) || return 1
    xprop -id "$w" WM_CLASS _NET_WM_WINDOW_TYPE 2>/dev/null | tr '\n' ' ' |
        grep -q 'huevella.*_NET_WM_WINDOW_TYPE_DIALOG'
}

# No question of the program is on the screen (one answered may take a
# while to go on a busy machine, and has the book window's title).
no_question() { [ "$(message_boxes)" = 0 ]; }

# A window with this title has the keyboard: what is typed now goes there.
focused_on() { [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ]; }

# A menu of the program is out, holding the pointer and the keyboard as a
# menu does: the keys sent now choose in it. ($GRAB_PROBE: e2e/grab.)
menu_shown() { [ "$("${GRAB_PROBE:?the grab probe is not given}")" = held ]; }

# kill_own_bus_services ADDRESS: ends the programs a private bus started,
# known by the bus address they were given, and only those.
kill_own_bus_services() {
    local env pid
    for env in /proc/[0-9]*/environ; do
        pid=${env#/proc/}
        pid=${pid%/environ}
        { tr '\0' '\n' <"$env"; } 2>/dev/null | grep -qxF "DBUS_SESSION_BUS_ADDRESS=$1" &&
            [ "$pid" != $$ ] && [ "$pid" != "$BASHPID" ] && kill "$pid" 2>/dev/null
    done
    return 0
}

# Conditions for wait_for, read afresh on every try.
geometry_is() { [ "$(geometry "$1")" = "$2" ]; }
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }
clipboard_is() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }

tray_icon() {
    local w
    for w in $(xdotool search --onlyvisible --class huevella); do
        [ "$(xdotool getwindowname "$w")" != "Huevella" ] && { echo "$w"; return 0; }
    done
    return 1
}

# Prints the id of a visible tooltip of the program; fails if there is none.
tooltip_window() {
    local w
    for w in $(xdotool search --onlyvisible --class huevella 2>/dev/null); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP &&
            { echo "$w"; return 0; }
    done
    return 1
}

# Double-clicks the program's tray icon and waits for the book window; sets
# icon (the tray icon's window) and bx, by (the book's place).
book_from_tray() {
    local ix iy iw ih
    wait_for 15 tray_icon || fail "no tray icon appeared"
    icon=$(tray_icon)
    # The tray may still be laying the icon out when it first shows: the
    # click goes where it has settled, and a busy machine has 10 s to
    # answer it.
    local before=
    until [ "$before" = "$(geometry "$icon")" ]; do
        before=$(geometry "$icon")
        sleep 0.3
    done
    read -r ix iy iw ih <<<"$before"
    xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click --repeat 2 --delay 60 1
    wait_for 10 visible_window Huevella || fail "no book window (icon at $before)"
    read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
}

# Opens the colour palette from the book window's button; sets px, py.
open_palette() {
    xdotool mousemove $((bx + 172)) $((by + 10)) click 1
    wait_for 5 visible_window "Color Palette" || fail "the palette did not open"
    read -r px py _ _ < <(geometry "$(visible_window "Color Palette")")
}

# Drags across the palette's image, as a hand would, from column 10 to
# column 120 on row 30 (hue 270, saturation 75).
drag_on_palette_image() {
    local step
    xdotool mousemove $((px + 16)) $((py + 47)) mousedown 1
    for step in $(seq 1 10); do
        xdotool mousemove $((px + 16 + step * 11)) $((py + 47))
        sleep 0.03
    done
    xdotool mouseup 1
}

# save_as_from_menu NAME: Save As from the book's menu button (Pick from Screen, Open and New
# usable, Save not), through the real dialog; waits for NAME.hvz.
save_as_from_menu() {
    xdotool mousemove $((bx + 145)) $((by + 10)) click 1
    wait_for 5 menu_shown || fail "no menu came out"
    xdotool key Down Down Down Down Down Return
    wait_for 10 visible_window "Save As" || fail "Save As did not open its dialog"
    wait_for 5 focused_on "Save As" || fail "the Save As dialog does not have the keyboard"
    xdotool type --delay 20 "$1"
    xdotool key Return
    wait_for 10 test -s "$1.hvz" || fail "no book was written"
}

# Under Xwayland a warp (xdotool mousemove) can bring the server down:
# there the pointer goes by relative motion and the buttons by XTEST alone.
pointer() { xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\).*/\1 \2/'; }
move_to() {
    local cx cy
    read -r cx cy < <(pointer)
    xdotool mousemove_relative -- $(($1 - cx)) $(($2 - cy))
    sleep 0.1
    read -r cx cy < <(pointer)
    [ "$cx $cy" = "$1 $2" ] || fail "the pointer went to $cx,$cy, not $1,$2"
}
click_at() { move_to "$1" "$2"; xdotool mousedown 1; sleep 0.05; xdotool mouseup 1; sleep 0.3; }

# The recovery copies kept, one path a line; a copy's name and book.
kept_copies() { ls "$XDG_STATE_HOME"/huevella/*.recovery 2>/dev/null; }
# The line with the stamp of the book's file, where there is one, is left out.
copy_lines() { sed '2{/^stamp /d}' "$1"; }
copy_name() { copy_lines "$1" | sed -n 3p; }
copy_book() { copy_lines "$1" | tail -n +4; }

# recover_walk PROGRAM: the next start offers the one kept copy of walk.hvz
# with its second card cleared; Yes (Return) opens it as it was, unsaved; a
# SIGTERM then keeps it anew, in place of the copy it came from, which
# stays until then.
recover_walk() {
    local old new bx by
    old=$(kept_copies)
    [ "$(grep -c . <<<"$old")" = 1 ] || fail "not one copy kept: $old"
    start_app "$1"
    wait_for 15 question_focused || fail "no question at the next start"
    xdotool key Return
    wait_for 10 no_question || fail "the question stayed after Return"
    wait_for 10 visible_window Huevella || fail "no book window after the question"
    read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
    wait_for 5 pixel_is $((bx + 33)) $((by + 84)) FF0000 || fail "the recovered book is not shown"
    [ -e "$old" ] || fail "the copy went before its book was kept anew"
    kill -TERM "$APP_PID"
    wait_for 10 bash -c "! kill -0 $APP_PID 2>/dev/null" || fail "the recovered program did not end"
    new=$(kept_copies)
    [ "$(grep -c . <<<"$new")" = 1 ] && [ "$new" != "$old" ] ||
        fail "the recovered book was not kept anew in place of its copy: $new"
}

# start_sway [CONFIG LINES...]: headless sway (software rendering) with
# Xwayland, for the calling user, its sockets in $WORKDIR (the runtime
# folder); the session's variables exported for what runs after.
start_sway() {
    { echo "xwayland enable"; echo "output HEADLESS-1 resolution 1280x800 position 0 0"
      [ $# -gt 0 ] && printf '%s\n' "$@"; } >"$WORKDIR/sway.cfg"
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
        sway -c "$WORKDIR/sway.cfg" >"$WORKDIR/sway.log" 2>&1 &
    SWAY_PID=$!
    wait_for 20 bash -c "ls /tmp/.X11-unix | grep -q X && ls '$WORKDIR' | grep -q '^wayland-[0-9]*\$'" ||
        { cat "$WORKDIR/sway.log" >&2; fail "sway did not start with Xwayland"; }
    export WAYLAND_DISPLAY=$(ls "$WORKDIR" | grep '^wayland-[0-9]*$' | head -n 1)
    export DISPLAY=:$(ls /tmp/.X11-unix | sed -n 's/^X//p' | head -n 1)
    export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=sway
    export SWAYSOCK=$(ls "$WORKDIR"/sway-ipc.*.sock 2>/dev/null | head -n 1)
    unset QT_QPA_PLATFORM
    wait_for 20 xdpyinfo || fail "Xwayland does not answer on $DISPLAY"
}

# seen X Y: RRGGBB on the screen there, from the wlroots compositor.
seen_on_wlroots() {
    grim -g "$1,$2 1x1" -t ppm - | tail -c 3 | od -An -tx1 | tr -d ' \n' | tr a-f A-F
}

# pick ARGS...: starts `huevella --pick ARGS` as a key binding would, in the
# background; its output in $WORKDIR/pick.out and pick.err, PICK_PID.
pick() {
    (cd "$WORKDIR" && exec "$PROGRAM" --pick "$@" >"$WORKDIR/pick.out" 2>"$WORKDIR/pick.err") &
    PICK_PID=$!
}
# Waits for the pick to end; sets rc to its status.
pick_ends() {
    local i
    for i in $(seq 1 100); do
        kill -0 "$PICK_PID" 2>/dev/null || break
        sleep 0.1
    done
    # Ended here, so that the end of the test does not wait for it.
    kill -0 "$PICK_PID" 2>/dev/null && kill "$PICK_PID" &&
        fail "the pick did not end: $(cat "$WORKDIR/pick.err")"
    wait "$PICK_PID"
    rc=$?
}

# A desktop of the test's own: run_privately_as_nobody SCRIPT FILE... runs
# SCRIPT again in mount and network namespaces of its own, as nobody (the
# compositors will not run as root), with a /tmp of its own (the X sockets,
# and any fixed file a portal writes, are the test's alone) and without the
# machine's systemd (a desktop would look for a login manager there); the
# FILEs (what nobody runs) copied with it, and passed as its arguments.
run_privately_as_nobody() {
    local script=$1 aside home f
    shift
    if [ -z "${HUEVELLA_PRIVATE_NS:-}" ]; then
        unshare -mn true 2>/dev/null || { echo "SKIP: cannot make private namespaces"; exit 77; }
        HUEVELLA_PRIVATE_NS=1 exec unshare -mn "$script" "$@"
    fi
    [ "$(id -u)" = 0 ] || return 0
    # Kept aside while the new /tmp hides the build tree (it may be there).
    aside=$(mktemp -d -p /dev/shm) || fail "nowhere to keep the programs aside"
    for f in "$script" "$(dirname "$script")/lib.sh" "$@"; do cp "$f" "$aside/"; done
    mount -t tmpfs tmpfs /tmp || fail "no private /tmp"
    chmod 1777 /tmp
    mkdir -m 1777 /tmp/.X11-unix
    if [ -d /run/systemd ]; then mount -t tmpfs tmpfs /run/systemd || fail "systemd not hidden"; fi
    home=$(mktemp -d)
    cp -a "$aside"/. "$home"/
    rm -rf "$aside"
    chown -R nobody "$home"
    chmod 700 "$home"
    local carried=()
    for f in "$@"; do carried+=("$home/$(basename "$f")"); done
    HOME=$home XDG_RUNTIME_DIR=$home exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
        "$home/$(basename "$script")" "${carried[@]}"
}

# start_private_bus session|system: a bus of the test's own, on which the
# desktop's real services (portals, the permission store) are started when
# asked for, and nothing of the machine's; its address exported.
start_private_bus() {
    local kind=$1
    cat >"$WORKDIR/$kind.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>$kind</type>
  <keep_umask/>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  $([ "$kind" = session ] && echo "<servicedir>/usr/share/dbus-1/services</servicedir>")
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
    dbus-daemon --config-file="$WORKDIR/$kind.conf" --address="unix:path=$WORKDIR/$kind-bus" \
        --nofork >"$WORKDIR/$kind-bus.log" 2>&1 &
    if [ "$kind" = session ]; then
        BUS_PID=$!
        export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORKDIR/$kind-bus"
    else
        SYSTEM_BUS_PID=$!
        export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$WORKDIR/$kind-bus"
    fi
    wait_for 10 test -S "$WORKDIR/$kind-bus" || fail "no $kind bus"
}

# The screen's picture: every pixel a colour of its own (1280x800).
make_fixture() {
    python3 - "$1" <<'PY' || fail "no fixture picture"
import sys
from PIL import Image
img = Image.new("RGB", (1280, 800))
img.putdata([(x & 255, y & 255, (x >> 8) * 40 + (y >> 8) * 8 + 3)
             for y in range(800) for x in range(1280)])
img.save(sys.argv[1])
PY
}
fixture_at() { # fixture_at X Y: the picture's RRGGBB there
    printf '%02X%02X%02X' $(($1 & 255)) $(($2 & 255)) $((($1 >> 8) * 40 + ($2 >> 8) * 8 + 3))
}

# The portal's answers, as they come.
listen_for_answers() {
    dbus-monitor --session "type='signal',interface='org.freedesktop.portal.Request',member='Response'" \
        >"$WORKDIR/answers.log" 2>&1 &
}
answers() { grep -c "member=Response" "$WORKDIR/answers.log"; }
answered() { [ "$(answers)" -ge "$1" ]; }

# `huevella --pick` handed to the program running, over a Wayland desktop's
# picture: the picker seen above it beside the pointer, the keys the pick's,
# the colour where the pointer really is after jumps that Xwayland did not
# see (it last saw the pointer over the book at bx,by, then it went over
# the bare background), and the code on the Wayland clipboard for native
# programs. The desktop's own parts: to X Y (the pointer), click, type_key
# NAME, seen X Y (RRGGBB in the compositor's picture).
shown_beside() { seen $(($1 + 20 + 153)) $(($2 + 20 + 64)); }
shown_beside_is() { [ "$(shown_beside "$1" "$2")" = "$3" ]; }
wayland_clipboard_is() { [ "$(wl-paste -n 2>/dev/null)" = "$1" ]; }
pick_over_picture() { # pick_over_picture X Y...: the picker seen over each point
    local n x y
    n=$(answers)
    to $((bx + 60)) $((by + 40))
    sleep 0.1
    # A click on the bare background, as a key bound to the command is
    # pressed: the desktop's last input is newer than any the program saw.
    to 640 420
    click
    pick
    wait_for 15 answered $((n + 1)) || fail "the portal did not answer the pick: $(cat "$WORKDIR/pick.err")"
    # The picker is drawn once a move over the picture says where the
    # pointer is.
    wait_for 10 visible_window "Huevella: pick a colour" || fail "no picture over the screen"
    while [ $# -ge 2 ]; do
        x=$1 y=$2
        shift 2
        to "$x" "$y"
        wait_for 5 shown_beside_is "$x" "$y" "$(fixture_at "$x" "$y")" ||
            fail "over $x,$y the picker is not seen above the picture: $(shown_beside "$x" "$y"), not $(fixture_at "$x" "$y")"
    done
}
pick_road_over_picture() {
    local t0=$SECONDS
    pick_over_picture 300 200 900 150 150 600
    type_key Return
    pick_ends
    [ "$rc" = 0 ] && [ "$(cat "$WORKDIR/pick.out")" = "$(fixture_at 150 600)" ] ||
        fail "Enter took '$(cat "$WORKDIR/pick.out")' ($rc), not $(fixture_at 150 600): $(cat "$WORKDIR/pick.err")"
    wait_for 5 wayland_clipboard_is "$(fixture_at 150 600)" ||
        fail "the Wayland clipboard holds '$(wl-paste -n 2>&1)', not $(fixture_at 150 600)"
    echo "ok - --pick: the picker over the picture at every jump, Enter takes, wl-paste has the code"
    pick_over_picture 1000 130
    # No copy of the last pick's picker in the new picture.
    [ "$(seen $((150 + 20 + 153)) $((600 + 20 + 64)))" = "$(fixture_at 323 684)" ] ||
        fail "the picture holds an old picker: $(seen 323 684) at 323,684"
    to 700 300
    click
    pick_ends
    [ "$rc" = 0 ] && [ "$(cat "$WORKDIR/pick.out")" = "$(fixture_at 700 300)" ] ||
        fail "a click at 700,300 took '$(cat "$WORKDIR/pick.out")' ($rc), not $(fixture_at 700 300)"
    pick_over_picture 400 500
    type_key Escape
    pick_ends
    [ "$rc" = 1 ] && [ ! -s "$WORKDIR/pick.out" ] || fail "Escape gave $rc and '$(cat "$WORKDIR/pick.out")'"
    echo "ok - --pick: a click takes where it is, Escape cancels, no old picker in the picture ($((SECONDS - t0)) s)"
}

# A desktop's session as its programs see it, once its compositor
# (pid $COMPOSITOR_PID) has made the Wayland socket $1 and Xwayland: the
# variables exported and given to what the bus starts (the names after the
# socket's too), the screenshot allowed as a person's "Allow" leaves it.
join_wayland_session() {
    local socket=$1
    shift
    wait_for 30 bash -c "ls /tmp/.X11-unix | grep -q X && test -S '$WORKDIR/$socket'" ||
        fail "the desktop did not start with Xwayland"
    export WAYLAND_DISPLAY=$socket
    export DISPLAY=:$(ls /tmp/.X11-unix | sed -n 's/^X//p' | sort -n | head -n 1)
    unset QT_QPA_PLATFORM
    dbus-update-activation-environment DISPLAY WAYLAND_DISPLAY XDG_CURRENT_DESKTOP \
        XDG_SESSION_TYPE "$@" || fail "the bus did not take the session's variables"
    wait_for 20 xdpyinfo || fail "Xwayland does not answer on $DISPLAY"
}
allow_screenshots() {
    gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore \
        --object-path /org/freedesktop/impl/portal/PermissionStore \
        --method org.freedesktop.impl.portal.PermissionStore.SetPermission \
        screenshot true screenshot '' "['yes']" >/dev/null || fail "the permission store did not answer"
}
# The program, its book window out at bx,by.
start_book() {
    (cd "$WORKDIR" && exec "$PROGRAM" >"$WORKDIR/app.log" 2>&1) &
    APP_PID=$!
    wait_for 15 visible_window Huevella || fail "no book window"
    read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
    echo "ok - the book window is out (the desktop put it at $bx,$by)"
}
# Ends what the test started, its buses and what they started; nothing
# else of those names or that user.
stop_private_desktop() {
    kill ${APP_PID:-} "$@" 2>/dev/null
    [ -n "${BUS_PID:-}" ] && kill "$BUS_PID" ${SYSTEM_BUS_PID:-} 2>/dev/null
    [ -n "${BUS_PID:-}" ] && kill_own_bus_services "$DBUS_SESSION_BUS_ADDRESS"
    wait 2>/dev/null
}
