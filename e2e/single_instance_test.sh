#!/usr/bin/env bash
# One program at a time: a second start brings the running book window out
# and leaves one tray icon; a second start with a book opens it in the first
# program; a socket left by a program that was killed does not stop the next.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")

tray_icons() {
    local w n=0
    for w in $(xdotool search --onlyvisible --class huevella); do
        xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && continue
        [ "$(xdotool getwindowname "$w")" = "Huevella" ] || n=$((n + 1))
    done
    echo "$n"
}

start_desktop
start_app "$PROGRAM"
wait_for 15 tray_icon || fail "no tray icon appeared"
first=$APP_PID
[ -z "$(visible_window Huevella)" ] || fail "a window is visible at start"
socket="$XDG_RUNTIME_DIR/org.huevella.huevella.${DISPLAY//[^A-Za-z0-9-]/_}.socket"
[ "$(stat -c %a "$socket")" = 700 ] || fail "the socket is open to others: $(stat -c %a "$socket")"
(cd "$WORKDIR" && timeout 10 "$PROGRAM"); rc=$?
[ "$rc" = 0 ] || fail "the second start exited with $rc"
wait_for 5 visible_window Huevella || fail "the second start did not bring the book window out"
sleep 0.5
[ "$(tray_icons)" = 1 ] || fail "$(tray_icons) tray icons after a second start"
kill -0 "$first" || fail "the first program is gone"
echo "ok - a second start brought the running book window out, one tray icon"

read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
printf '0\r\n65280\r\n255\r\n16711680\r\n00FF00\r\nFF0000\r\n0000FF\r\nHanded over' >"$WORKDIR/handed.hvz"
(cd "$WORKDIR" && timeout 10 "$PROGRAM" handed.hvz); rc=$?
[ "$rc" = 0 ] || fail "the second start with a book exited with $rc"
wait_for 5 pixel_is $((bx + 33)) $((by + 84)) 00FF00 || fail "the book was not opened in the first program"
echo "ok - a second start with a book opened it in the running program"

# Whatever else comes to the socket (a stranger's bytes, far too many of
# them, a peer that goes without a word) is dropped, and requests go on.
/usr/bin/python3 - "$socket" <<'PY' || fail "could not write to the socket"
import socket, sys
for payload in (b"", b"Xjunk", b"O" * 200000):
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    s.connect(sys.argv[1])
    try:
        s.sendall(payload)
    except BrokenPipeError:
        pass
    s.close()
PY
sleep 0.5
kill -0 "$first" || fail "the program died of a stray request"
(cd "$WORKDIR" && timeout 10 "$PROGRAM"); rc=$?
[ "$rc" = 0 ] || fail "a start after stray requests exited with $rc"
echo "ok - stray bytes on the socket were dropped and requests still came through"

kill -9 "$first"
wait "$first" 2>/dev/null
[ -S "$socket" ] || fail "no socket was left to test with"
start_app "$PROGRAM"
wait_for 15 tray_icon || fail "after a crash the next start did not come up"
(cd "$WORKDIR" && timeout 10 "$PROGRAM"); rc=$?
[ "$rc" = 0 ] || fail "a start after the crash exited with $rc"
wait_for 5 visible_window Huevella || fail "the program started after the crash does not take requests"
echo "ok - a socket left by a killed program did not stop the next start"
