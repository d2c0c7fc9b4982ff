#!/usr/bin/env bash
# One program a desktop, under any timing: starts released together leave
# one program; requests are handled one at a time; idle connections cost
# nothing; a stopped program is said to be so; another desktop of the same
# user gets its own program; a runtime folder that is not ours is not used.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")

alive() { # alive PID...: how many of them still run
    local n=0 pid
    for pid in "$@"; do kill -0 "$pid" 2>/dev/null && n=$((n + 1)); done
    echo "$n"
}

start_desktop
# Ten starts at once, and three books opened together.
pids=()
for i in $(seq 10); do
    (cd "$WORKDIR" && exec "$PROGRAM" >>"$WORKDIR/starts.log" 2>&1) &
    pids+=($!)
done
wait_for 20 bash -c "[ \$(for p in ${pids[*]}; do kill -0 \$p 2>/dev/null && echo; done | wc -l) = 1 ]" ||
    fail "$(alive "${pids[@]}") programs run after ten starts together: $(cat "$WORKDIR/starts.log")"
for pid in "${pids[@]}"; do
    kill -0 "$pid" 2>/dev/null && { APP_PID=$pid; continue; }
    wait "$pid" || fail "a start that handed over exited with $?: $(cat "$WORKDIR/starts.log")"
done
echo "ok - ten starts together left one program, the others handed over"

printf '0\r\n65280\r\n255\r\n16711680\r\n00FF00\r\nFF0000\r\n0000FF\r\nBook\r\n' >"$WORKDIR/a.hvz"
cp "$WORKDIR/a.hvz" "$WORKDIR/b.hvz"
cp "$WORKDIR/a.hvz" "$WORKDIR/c.hvz"
books=()
for b in a b c; do
    (cd "$WORKDIR" && exec "$PROGRAM" "$b.hvz" >>"$WORKDIR/starts.log" 2>&1) &
    books+=($!)
done
for pid in "${books[@]}"; do wait "$pid" || fail "a start with a book exited with $?"; done
[ "$(alive "$APP_PID")" = 1 ] || fail "the program is gone after three books"
echo "ok - three books opened together went to the one program"

socket=$(ls "$XDG_RUNTIME_DIR"/*.socket)
# Two hundred requests for a book that cannot be read: one question at a
# time, not one inside another, and the same request not asked twice.
printf 'not a book' >"$WORKDIR/broken.hvz"
/usr/bin/python3 - "$socket" "$WORKDIR/broken.hvz" <<'PY' || fail "could not send the requests"
import socket, sys
for _ in range(200):
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    s.connect(sys.argv[1])
    s.sendall(b"O" + sys.argv[2].encode())
    s.shutdown(socket.SHUT_WR)
    s.recv(1)
    s.close()
PY
some_box() { [ "$(message_boxes)" -ge 1 ]; }
wait_for 5 some_box ||
    fail "no message about the broken book"
sleep 1
[ "$(message_boxes)" = 1 ] || fail "$(message_boxes) message boxes for 200 requests of one book"
xdotool key Return
sleep 1
[ "$(message_boxes)" = 0 ] || fail "the same request was asked about again ($(message_boxes) boxes)"
[ "$(alive "$APP_PID")" = 1 ] || fail "the program died of stacked requests"
echo "ok - 200 requests of one broken book: one message, the program alive"

# Books asked for while the person's own question is open (New on a
# changed book) wait for its answer, folded into one: the last one asked
# for, and a word on how many were let go.
printf '1\r\n255\r\n65280\r\n16711680\r\nFF0000\r\n00FF00\r\n0000FF\r\nOne\r\n65280\r\n65280\r\n65280\r\n00FF00\r\n00FF00\r\n00FF00\r\nTwo\r\n' >"$WORKDIR/two.hvz"
(cd "$WORKDIR" && timeout 10 "$PROGRAM" two.hvz) || fail "two.hvz was not handed over"
read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
wait_for 5 pixel_is $((bx + 33)) $((by + 84)) 00FF00 || fail "two.hvz was not opened"
xdotool mousemove $((bx + 15)) $((by + 28)) click 1
wait_for 5 pixel_is $((bx + 33)) $((by + 84)) FF0000 || fail "the card was not cleared"
xdotool windowfocus --sync "$(visible_window Huevella)" key ctrl+n
wait_for 5 some_box || fail "New on a changed book asked nothing"
printf '0\r\n16711680\r\n16711680\r\n16711680\r\n0000FF\r\n0000FF\r\n0000FF\r\nLast\r\n' >"$WORKDIR/last.hvz"
/usr/bin/python3 - "$socket" "$WORKDIR" <<'PY' || fail "could not send the requests"
import socket, sys
for i in range(2000):
    book = "%s/%s.hvz" % (sys.argv[2], "last" if i == 1999 else "many-%d" % i)
    s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    s.connect(sys.argv[1])
    s.sendall(b"O" + book.encode())
    s.shutdown(socket.SHUT_WR)
    s.recv(1)
    s.close()
PY
sleep 1
[ "$(message_boxes)" = 1 ] || fail "$(message_boxes) boxes after 2,000 requests inside a question"
xdotool key Escape
sleep 0.5
wait_for 5 some_box || fail "the waiting request was not taken after the question"
xdotool key alt+n
sleep 0.5
[ "$(message_boxes)" = 1 ] || fail "no word on the requests let go ($(message_boxes) boxes)"
xdotool key Return
sleep 0.5
[ "$(message_boxes)" = 0 ] || fail "more questions came: $(message_boxes)"
read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
wait_for 5 pixel_is $((bx + 33)) $((by + 84)) 0000FF || fail "the last book asked for was not opened"
echo "ok - 2,000 books asked for inside a question: one question at a time, the last one opened"

# A thousand idle connections: held at a few, no spinning, and afterwards
# starts go on; a start in the middle of a flood that keeps the queue full
# is heard all the same.
cpu() { awk '{print $14 + $15}' "/proc/$APP_PID/stat"; }
/usr/bin/python3 - "$socket" <<'PY' &
import socket, sys, time
held = []
end = time.time() + 6
while time.time() < end:
    for _ in range(1020 if not held else 40):
        s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        s.setblocking(False)
        try:
            s.connect(sys.argv[1])
            held.append(s)
        except OSError:
            s.close()
    time.sleep(0.005)
PY
IDLE_PID=$!
sleep 1
before=$(cpu)
sleep 2
used=$(($(cpu) - before))
[ "$used" -lt 50 ] || fail "idle connections took $used hundredths of a second of CPU in two seconds"
out=$(cd "$WORKDIR" && timeout 20 "$PROGRAM" 2>&1); rc=$?
[ "$rc" = 0 ] || fail "a start during a flood of idle connections exited with $rc: $out"
wait "$IDLE_PID"
(cd "$WORKDIR" && timeout 20 "$PROGRAM"); rc=$?
[ "$rc" = 0 ] || fail "a start after the idle connections exited with $rc"
echo "ok - a thousand idle connections: no spinning, and starts during and after handed over"

# A hundred slow senders, a byte every 100 ms each, back as soon as they are
# let go: they take their turns quickly, and a start among them is heard.
/usr/bin/python3 - "$socket" <<'PY' &
import socket, sys, threading, time
end = time.time() + 6
def sender():
    while time.time() < end:
        s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        try:
            s.connect(sys.argv[1])
            while time.time() < end:
                s.send(b"O")
                time.sleep(0.1)
        except OSError:
            pass
        s.close()
threads = [threading.Thread(target=sender) for _ in range(100)]
for t in threads: t.start()
for t in threads: t.join()
PY
SLOW_PID=$!
sleep 1.5
out=$(cd "$WORKDIR" && timeout 20 "$PROGRAM" 2>&1); rc=$?
wait "$SLOW_PID"
[ "$rc" = 0 ] || fail "a start among 100 slow senders exited with $rc: $out"
echo "ok - a start among 100 slow senders handed over"

# A stopped program does not answer: every start says so and fails within
# its own time, however many come while the queue is full.
kill -STOP "$APP_PID"
starts=()
for i in $(seq 25); do
    (cd "$WORKDIR" && exec timeout 10 "$PROGRAM" >"$WORKDIR/stopped-$i.log" 2>&1) &
    starts+=($!)
done
codes=""
for pid in "${starts[@]}"; do wait "$pid"; codes+="$? "; done
kill -CONT "$APP_PID"
[ "$codes" = "$(printf '1 %.0s' $(seq 25))" ] || fail "25 starts beside a stopped program exited with $codes"
for i in $(seq 25); do
    grep -q "Huevella is running (process $APP_PID) but does not answer (it is stopped)" \
        "$WORKDIR/stopped-$i.log" || fail "start $i beside a stopped program said: $(cat "$WORKDIR/stopped-$i.log")"
done
echo "ok - 25 starts beside a stopped program each said so and exited 1 in time"

# Another desktop of the same user gets a program of its own.
first_display=$DISPLAY
# Whatever else runs, the second server and its program go with the test.
trap 'kill ${SECOND_PID:-} ${XVFB2_PID:-} 2>/dev/null; stop_desktop' EXIT
for n in $(display_numbers | tac); do
    [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >"$WORKDIR/xvfb2.log" 2>&1 &
    XVFB2_PID=$!
    # The server started must be the one answering (a number can look free
    # while another server is still going away).
    DISPLAY=":$n" wait_for 10 xdpyinfo && sleep 0.2 && kill -0 "$XVFB2_PID" 2>/dev/null && break
    kill "$XVFB2_PID" 2>/dev/null
    XVFB2_PID=
done
[ -n "${XVFB2_PID:-}" ] || fail "no second X server"
second_display=":$n"
(cd "$WORKDIR" && DISPLAY=$second_display exec "$PROGRAM" >"$WORKDIR/second.log" 2>&1) &
SECOND_PID=$!
DISPLAY=$second_display wait_for 15 visible_window Huevella ||
    fail "nothing came out on the second desktop: $(cat "$WORKDIR/second.log")"
[ "$(alive "$SECOND_PID" "$APP_PID")" = 2 ] || fail "the two desktops do not have a program each"
kill "$SECOND_PID" "$XVFB2_PID"
wait "$SECOND_PID" "$XVFB2_PID" 2>/dev/null
DISPLAY=$first_display
echo "ok - another desktop of the same user got a program of its own"

# Without XDG_RUNTIME_DIR, a folder another user made in its place is not
# used: the start says so and keeps its socket in the user's own cache.
if [ "$(id -u)" = 0 ]; then
    mkdir -p "$WORKDIR/tmp/huevella-0"
    chown nobody "$WORKDIR/tmp/huevella-0"
    chmod 0777 "$WORKDIR/tmp/huevella-0"
    mkdir -p "$WORKDIR/home"
    (cd "$WORKDIR" && env -u XDG_RUNTIME_DIR -u XDG_CACHE_HOME HOME="$WORKDIR/home" \
        TMPDIR="$WORKDIR/tmp" timeout 3 "$PROGRAM" >"$WORKDIR/fallback.log" 2>&1)
    grep -q "$WORKDIR/tmp/huevella-0 is refused (it belongs to another user); using $WORKDIR/home/.cache/huevella-runtime" \
        "$WORKDIR/fallback.log" || fail "a foreign runtime folder was not refused: $(cat "$WORKDIR/fallback.log")"
    [ "$(stat -c %a "$WORKDIR/home/.cache/huevella-runtime")" = 700 ] ||
        fail "the folder in the cache is not private"
    [ -z "$(ls -A "$WORKDIR/tmp/huevella-0")" ] || fail "the foreign folder was used"
    echo "ok - a runtime folder of another user was refused, the cache served"
fi
