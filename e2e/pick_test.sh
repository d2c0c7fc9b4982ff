#!/usr/bin/env bash
# huevella --pick as a key bound to it runs it: with no Huevella running and
# with one, a click, the keys or a cancel; the code on standard output and on
# the clipboard in each form; the picker beside the pointer, never over the
# pixel read; the pointer and keyboard given back whatever ends the pick.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")
PROBE=$2

start_desktop
start_window_manager
convert -size 80x80 xc:'#C83264' xc:'#1E90FF' xc:'#2E8B57' xc:'#FFD700' +append \
    "$WORKDIR/squares.png"
display -geometry +200+200 -title squares "$WORKDIR/squares.png" &
wait_for 10 visible_window squares || fail "the squares did not show"
read -r sx sy _ _ < <(geometry "$(visible_window squares)")
wait_for 5 pixel_is $((sx + 120)) $((sy + 40)) 1E90FF || fail "the squares are not where they were put"

# The program allows itself 10 s for the window manager to map the picker
# on a busy machine before it says the grab was refused: so do the waits.
held() { [ "$("$PROBE")" = held ]; }
free() { [ "$("$PROBE")" = free ]; }
picker_shown() { visible_window "Screen Picker"; }
# The picker's place while the pointer is at X Y: beside it, never over it.
picker_beside() {
    local p x y w h
    p=$(picker_shown) || return 1
    read -r x y w h < <(geometry "$p")
    [ "$1" -lt "$x" ] || [ "$1" -ge $((x + w)) ] || [ "$2" -lt "$y" ] || [ "$2" -ge $((y + h)) ]
}
running() { [ -n "$(program_pid)" ] && kill -0 "$(program_pid)" 2>/dev/null; }
program_pid() { head -n 1 "$(ls "$XDG_RUNTIME_DIR"/*.lock 2>/dev/null | head -n 1)" 2>/dev/null | tr -dc 0-9; }

# With none running, the start becomes the program, picks, and stays.
xdotool mousemove 600 600
pick
wait_for 10 picker_shown || fail "the picker did not show: $(cat "$WORKDIR/pick.err")"
wait_for 15 held || fail "the pointer and keyboard were not taken: $(cat "$WORKDIR/pick.err")"
xdotool mousemove $((sx + 120)) $((sy + 40))
# The picker follows the pointer as soon as the program hears of the move: a
# busy machine may take a while.
wait_for 5 picker_beside $((sx + 120)) $((sy + 40)) || fail "the picker covers the pointer: $(geometry "$(picker_shown)")"
shows_blue() {
    local px py
    read -r px py _ _ < <(geometry "$(picker_shown)")
    pixel_is $((px + 153)) $((py + 64)) 1E90FF
}
wait_for 5 shows_blue || fail "the picker does not show the blue square under the pointer"
xdotool click 1
pick_ends
[ "$rc" = 0 ] || fail "a taken colour's status is $rc: $(cat "$WORKDIR/pick.err")"
[ "$(cat "$WORKDIR/pick.out")" = 1E90FF ] || fail "the pick printed '$(cat "$WORKDIR/pick.out")'"
wait_for 5 clipboard_is 1E90FF || fail "the clipboard holds '$(xclip -o -selection clipboard)'"
wait_for 5 free || fail "the pointer was not given back after a take"
running || fail "the program did not stay in the tray"
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Screen Picker\$'" || fail "the picker stayed"
echo "ok - with none running: the colour printed and copied, the program stays, the pointer free"

# With it running: the form asked for, on the right and bottom edges too.
for row in "rgb|40|40|rgb(200 50 100)" "#hex|280|40|#FFD700" "hsl|200|40|hsl(146.5 50.3% 36.3%)" \
    "oklch|200|40|oklch(56.85% 0.1187 154.95)" "lab|40|40|lab(46.856 61.1 8.695)" "hwb|200|40|hwb(146.5 18% 45.5%)" \
    "{r}, {g}, {b} {{{HEX}}}|120|40|30, 144, 255 {1E90FF}"; do
    IFS='|' read -r form dx dy want <<<"$row"
    pick --format "$form"
    wait_for 15 held || fail "--format $form: the pointer was not taken: $(cat "$WORKDIR/pick.err")"
    xdotool mousemove $((sx + dx)) $((sy + dy))
    wait_for 5 picker_beside $((sx + dx)) $((sy + dy)) || fail "--format $form: the picker covers the pointer"
    xdotool click 1
    pick_ends
    [ "$rc" = 0 ] && [ "$(cat "$WORKDIR/pick.out")" = "$want" ] ||
        fail "--format $form printed '$(cat "$WORKDIR/pick.out")' ($rc), not '$want'"
    wait_for 5 clipboard_is "$want" || fail "--format $form copied '$(xclip -o -selection clipboard)'"
done
echo "ok - each form printed and copied by the running program"

# Near the screen's bottom right corner the picker flips to the other side.
pick
wait_for 15 held || fail "the corner pick did not take the pointer"
xdotool mousemove 1270 790
wait_for 5 picker_beside 1270 790 || fail "at the corner the picker covers the pointer"
read -r px py pw ph < <(geometry "$(picker_shown)")
[ $((px + pw)) -le 1280 ] && [ $((py + ph)) -le 800 ] || fail "at the corner the picker is off the screen: $px $py"
# The keys: one device pixel at a time, ten with Shift, Enter takes.
xdotool mousemove $((sx + 75)) $((sy + 40))
sleep 0.2
xdotool key shift+Right
sleep 0.2
xdotool key Left Left Return
pick_ends
[ "$(cat "$WORKDIR/pick.out")" = 1E90FF ] || fail "the keys picked '$(cat "$WORKDIR/pick.out")'"
[ "$(pointer)" = "$((sx + 83)) $((sy + 40))" ] || fail "the keys left the pointer at $(pointer)"
echo "ok - the picker flips at the corner; the arrows move a pixel, ten with Shift; Enter takes"

# Escape and a right click cancel: status 1, nothing printed, the clipboard
# as it was.
echo -n untouched | xclip -selection clipboard
for cancel in "key Escape" "click 3"; do
    pick
    wait_for 15 held || fail "$cancel: the pointer was not taken: $(cat "$WORKDIR/pick.err")"
    xdotool mousemove $((sx + 40)) $((sy + 40))
    sleep 0.2
    xdotool $cancel
    pick_ends
    [ "$rc" = 1 ] && [ ! -s "$WORKDIR/pick.out" ] || fail "$cancel gave $rc and '$(cat "$WORKDIR/pick.out")'"
    wait_for 5 free || fail "$cancel: the pointer was not given back"
done
clipboard_is untouched || fail "a cancelled pick changed the clipboard to '$(xclip -o -selection clipboard)'"
echo "ok - Escape and a right click cancel: status 1, nothing printed or copied, the pointer free"

# Two picks at once share one: each hears the colour in its own form.
pick --format rgb
first=$PICK_PID
wait_for 15 held || fail "the first of two picks did not take the pointer"
(cd "$WORKDIR" && exec "$PROGRAM" --pick >"$WORKDIR/second.out" 2>"$WORKDIR/second.err") &
second=$!
# Joined once the program has acknowledged it: the caller then waits with no
# time limit (poll, or ppoll, with none). A click before that would end the
# first pick alone and leave the second to start its own.
joined() {
    local call
    read -r -a call <"/proc/$second/syscall" || return 1
    { [ "${call[0]}" = 7 ] && [ "$((call[3] & 0xffffffff))" = 4294967295 ]; } ||
        { [ "${call[0]}" = 271 ] && [ "${call[3]}" = 0x0 ]; }
}
wait_for 10 joined || fail "the second pick did not join the first: $(cat "$WORKDIR/second.err")"
xdotool mousemove $((sx + 40)) $((sy + 40)) click 1
PICK_PID=$first pick_ends
wait "$second"
[ "$(cat "$WORKDIR/pick.out")|$(cat "$WORKDIR/second.out")" = "rgb(200 50 100)|C83264" ] ||
    fail "two picks printed '$(cat "$WORKDIR/pick.out")' and '$(cat "$WORKDIR/second.out")'"
echo "ok - a second pick joins the first"

# A caller that goes away takes its pick with it.
pick
wait_for 15 held || fail "the pointer was not taken for the caller that goes"
kill -9 "$PICK_PID"
wait "$PICK_PID" 2>/dev/null
wait_for 5 free || fail "the pick outlived its caller"
running || fail "the program ended with its caller"
echo "ok - the pick ends with its caller; the program stays"

# Mistakes on the command line are status 2, and said.
for args in "--format bogus" "--pick --format" "--pick extra.hvz" "--format rgb" "--pick --average 4" \
    "--pick --average" "--average 3" "--multiple"; do
    # shellcheck disable=SC2086
    "$PROGRAM" $args >/dev/null 2>"$WORKDIR/usage.err"
    status=$?
    [ "$status" = 2 ] && [ -s "$WORKDIR/usage.err" ] || fail "'$args' gave status $status"
done
echo "ok - a wrong command line is status 2 with its reason"

# The program's end answers a waiting caller.
pick
wait_for 15 held || fail "the pointer was not taken before the end: $(cat "$WORKDIR/pick.err")"
kill "$(program_pid)"
pick_ends
[ "$rc" = 1 ] && grep -q "ended before a colour was taken" "$WORKDIR/pick.err" ||
    fail "the program's end gave $rc: $(cat "$WORKDIR/pick.err")"
wait_for 5 free || fail "the pointer stayed taken after the program ended"
echo "ok - the program's end tells the caller, and the pointer is free"

# With no tray, the start that becomes the program brings the book out (kept
# above other windows); the picker is over it wherever the pointer goes.
kill "$TRAYER_PID"
wait "$TRAYER_PID" 2>/dev/null
pick
wait_for 15 held || fail "with no tray, the pointer was not taken: $(cat "$WORKDIR/pick.err")"
wait_for 10 visible_window Huevella || fail "with no tray, the book did not come out"
read -r bx by _ _ < <(geometry "$(visible_window Huevella)")
# The red square under the pointer, the picker's place the book's.
xdotool windowmove "$(visible_window squares)" $((bx - 60)) $((by - 60))
wait_for 5 pixel_is $((bx - 20)) $((by - 20)) C83264 || fail "the squares did not move"
xdotool mousemove $((bx - 20)) $((by - 20))
wait_for 5 pixel_is $((bx + 153)) $((by + 64)) C83264 ||
    fail "the book covers the picker: $(pixel $((bx + 153)) $((by + 64))) where the picker shows C83264"
xdotool key Escape
pick_ends
[ "$rc" = 1 ] || fail "Escape over the book gave $rc"
echo "ok - with no tray, the picker shows over the book that came out"
