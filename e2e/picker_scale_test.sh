#!/usr/bin/env bash
# The eyedropper on a scaled screen (QT_SCALE_FACTOR, whole or fractional):
# the colour is the screen's own under the pointer, the magnifier fills its
# whole view, and the code reaches the clipboard.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")
SCALE=$2
# A place in the program's own units, on the screen: X = left + units * scale.
at() { awk -v base="$1" -v units="$2" -v s="$SCALE" 'BEGIN { printf "%d", base + units * s }'; }

start_desktop
convert -size 240x240 xc:'#1E90FF' "$WORKDIR/square.png"
display -geometry +300+120 -title square "$WORKDIR/square.png" &
SQUARE_PID=$!
wait_for 10 visible_window square || fail "the square did not show"
read -r sx sy _ _ < <(geometry "$(visible_window square)")
tx=$((sx + 120)); ty=$((sy + 120))
wait_for 5 pixel_is $tx $ty 1E90FF || fail "the square is not where it was put"

export QT_SCALE_FACTOR=$SCALE
start_app "$PROGRAM"
book_from_tray
read -r _ _ bw _ < <(geometry "$(visible_window Huevella)")
# A window's size in device pixels is rounded up.
[ "$bw" = "$(awk -v s="$SCALE" 'BEGIN { w = 186 * s; printf "%d", w == int(w) ? w : int(w) + 1 }')" ] ||
    fail "the book is $bw wide at scale $SCALE"

# Drag the eyedropper onto the square.
ex=$(at "$bx" 14); ey=$(at "$by" 10)
xdotool mousemove "$ex" "$ey" mousedown 1
for step in $(seq 1 12); do
    xdotool mousemove $((ex + (tx - ex) * step / 12)) $((ey + (ty - ey) * step / 12))
    sleep 0.03
done
xdotool mouseup 1
wait_for 5 visible_window "Screen Picker" || fail "the screen picker did not open"
read -r px py _ _ < <(geometry "$(visible_window "Screen Picker")")
sleep 0.5
got=$(pixel "$(at "$px" 153)" "$(at "$py" 64)")
[ "$got" = "1E90FF" ] || fail "the picker's colour is $got at scale $SCALE"
# Corners of the magnified view, clear of the overlay's pipette.
for corner in "9 20" "9 95" "116 95"; do
    read -r ux uy <<<"$corner"
    got=$(pixel "$(at "$px" "$ux")" "$(at "$py" "$uy")")
    [ "$got" = "1E90FF" ] || fail "the magnifier shows $got at ($ux, $uy) at scale $SCALE"
done
echo "ok - at scale $SCALE the picker and the whole magnifier show the square's colour"

xdotool mousemove "$(at "$px" 153)" "$(at "$py" 24)" click 1
wait_for 5 clipboard_is 1E90FF ||
    fail "the clipboard holds '$(xclip -o -selection clipboard 2>/dev/null)' at scale $SCALE"
echo "ok - at scale $SCALE the code 1E90FF went to the clipboard"
kill $SQUARE_PID 2>/dev/null

# Lines one device pixel wide, black on white: each one is picked, not the
# point's first pixel, and the magnifier's centre shows it.
convert -size 2x1 xc:white -fill black -draw "point 1,0" -write mpr:pair +delete \
    -size 200x40 tile:mpr:pair "$WORKDIR/lines.png"
display -geometry +40+600 -title lines "$WORKDIR/lines.png" &
LINES_PID=$!
wait_for 10 visible_window lines || fail "the lines did not show"
read -r lx ly _ _ < <(geometry "$(visible_window lines)")
wait_for 5 pixel_is $((lx + 101)) $((ly + 20)) 000000 || fail "the lines are not where they were put"
xdotool mousemove "$ex" "$ey" mousedown 1
# With the lines at x = 40, these columns include ones each scale's
# rounding of points once skipped (odd ones at 2, 2 mod 5 at 1.25).
for target in 101 100 133 60 104 102; do
    xdotool mousemove $((lx + target)) $((ly + 20))
    sleep 0.3
    want=$([ $((target % 2)) = 1 ] && echo 000000 || echo FFFFFF)
    got=$(pixel "$(at "$px" 153)" "$(at "$py" 64)")
    [ "$got" = "$want" ] || fail "at scale $SCALE over device pixel $target the picker shows $got, not $want"
    # The magnifier's centre, beside the overlay's tip.
    got=$(pixel "$(at "$px" 63.5)" "$(at "$py" 56.5)")
    [ "$got" = "$want" ] || fail "at scale $SCALE over device pixel $target the magnifier's centre is $got"
done
xdotool mouseup 1
echo "ok - at scale $SCALE every device pixel is picked, each line of one pixel"

# huevella --pick: the picker beside the pointer, a line taken by a click,
# its neighbour by the arrow key, one device pixel over.
for way in click key; do
    (cd "$WORKDIR" && exec "$PROGRAM" --pick >"$WORKDIR/pick.out" 2>"$WORKDIR/pick.err") &
    pick=$!
    sleep 0.6
    xdotool mousemove $((lx + 101)) $((ly + 20))
    sleep 0.4
    read -r px py pw ph < <(geometry "$(visible_window "Screen Picker")")
    [ $((lx + 101)) -lt "$px" ] || [ $((lx + 101)) -ge $((px + pw)) ] || [ $((ly + 20)) -lt "$py" ] ||
        [ $((ly + 20)) -ge $((py + ph)) ] || fail "--pick at scale $SCALE: the picker covers the pointer"
    if [ $way = click ]; then xdotool click 1; want=000000; else xdotool key Right Return; want=FFFFFF; fi
    PICK_PID=$pick
    pick_ends
    [ "$rc" = 0 ] || fail "--pick by $way at scale $SCALE ended $rc: $(cat "$WORKDIR/pick.err")"
    [ "$(cat "$WORKDIR/pick.out")" = $want ] ||
        fail "--pick by $way at scale $SCALE printed $(cat "$WORKDIR/pick.out"), not $want"
done
kill $LINES_PID 2>/dev/null
echo "ok - at scale $SCALE --pick takes the device pixel under the pointer, by a click and by the keys"

# The card above a book near the bottom of a scaled screen: wholly on the
# screen, its Add Card button within reach.
# The picker is out: the book's button first collapses the companions.
xdotool mousemove "$(at "$bx" 42)" "$(at "$by" 10)" click 1
sleep 0.6
xdotool click 1
wait_for 5 visible_window "Swatch Card" || fail "the card did not come out at scale $SCALE"
read -r cx cy cw ch < <(geometry "$(visible_window "Swatch Card")")
read -r screen_w screen_h < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
[ "$cy" -ge 0 ] && [ $((cy + ch)) -le "$screen_h" ] && [ "$cx" -ge 0 ] &&
    [ $((cx + cw)) -le "$screen_w" ] || fail "at scale $SCALE the card lies at $cx,$cy ${cw}x$ch"
echo "ok - at scale $SCALE the card is wholly on the screen"

# A checkerboard of single device pixels, the pointer on a white one: the
# average of 3×3 is five whites in nine, of 5×5 thirteen in twenty-five, and
# the enlargement shows whole blocks of that many points a pixel at each
# step (checked at whole scales, where a point is whole device pixels).
convert -size 2x2 xc:white -fill black -draw "point 1,0 point 0,1" -write mpr:cell +delete \
    -size 120x120 tile:mpr:cell "$WORKDIR/checks.png"
display -geometry +1000+60 -title checks "$WORKDIR/checks.png" &
wait_for 10 visible_window checks || fail "the checkerboard did not show"
read -r kx ky _ _ < <(geometry "$(visible_window checks)")
cx=$((kx + 60)); cy=$((ky + 60))
wait_for 5 pixel_is $cx $cy FFFFFF || fail "the checkerboard is not where it was put"
over_checks() { # over_checks [ARGS...]: a pick begun over the white pixel
    pick "$@"
    wait_for 10 visible_window "Screen Picker" || fail "--pick $*: no picker at scale $SCALE"
    xdotool mousemove $((cx - 3)) "$cy"
    sleep 0.3
    xdotool mousemove "$cx" "$cy"
    sleep 0.5
}
# blocks_are Z: the view's blocks left and below the middle, each Z points
# square, their first and last points, white where the board is.
blocks_are() {
    local z=$1 px py k j edge x y want got
    case $SCALE in 1 | 2) ;; *) return 0 ;; esac
    read -r px py _ _ < <(geometry "$(visible_window "Screen Picker")")
    timeout 10 import -silent -window root "$WORKDIR/view.png"
    for k in $((-32 / z)) $((-32 / z + 1)); do
        for j in 1 2; do
            want=$([ $(((k + j) % 2)) = 0 ] && echo FFFFFF || echo 000000)
            for edge in 0 $((z - 1)); do
                x=$((px + SCALE * (6 + 56 - z / 2 + k * z + edge)))
                y=$((py + SCALE * (17 + 40 - z / 2 + j * z + edge)))
                got=$(convert "$WORKDIR/view.png" -format "%[hex:p{$x,$y}]" info: | cut -c1-6)
                [ "$got" = "$want" ] ||
                    fail "at ${z}x and scale $SCALE the view's block ($k, $j) shows $got at $x,$y, not $want"
            done
        done
    done
}
over_checks --average 3
xdotool click 1
pick_ends
[ "$(cat "$WORKDIR/pick.out")" = 8E8E8E ] ||
    fail "--average 3 at scale $SCALE took $(cat "$WORKDIR/pick.out"), not 8E8E8E"
over_checks
# One pixel, its ring alone round the middle, while the blocks are looked at.
xdotool key 1
sleep 0.3
blocks_are 6
xdotool click 4
sleep 0.3
blocks_are 8
xdotool key plus
sleep 0.3
blocks_are 16
xdotool key minus minus minus minus
sleep 0.3
blocks_are 2
xdotool key 5
sleep 0.3
xdotool key Return
pick_ends
[ "$(cat "$WORKDIR/pick.out")" = 858585 ] ||
    fail "the key 5 at scale $SCALE took $(cat "$WORKDIR/pick.out"), not 858585"
echo "ok - at scale $SCALE the average of 3×3 and 5×5 is the board's mean; the view is whole blocks at 6, 8, 16 and 2"

# Both choices are kept: a new start averages 5×5 and enlarges twice.
kill "$APP_PID"
# Gone, or a zombie waiting to be reaped.
ended() { case $(ps -o stat= -p "$APP_PID" 2>/dev/null) in "" | Z*) ;; *) return 1 ;; esac; }
wait_for 10 ended || fail "the program did not end on SIGTERM at scale $SCALE"
wait "$APP_PID" 2>/dev/null
over_checks
blocks_are 2
xdotool key Return
pick_ends
[ "$(cat "$WORKDIR/pick.out")" = 858585 ] ||
    fail "after a new start at scale $SCALE the pick took $(cat "$WORKDIR/pick.out"), not 858585"
echo "ok - at scale $SCALE the average and the enlargement are kept across starts"

# Several picks in one go: Shift with a click, then Shift+Enter a pixel on,
# each code printed as it is taken; Escape ends, the status 0.
over_checks --multiple --average 1
xdotool keydown shift click 1 keyup shift
sleep 0.3
xdotool key Right shift+Return
sleep 0.3
xdotool key Escape
pick_ends
[ "$rc" = 0 ] && [ "$(paste -sd' ' "$WORKDIR/pick.out")" = "FFFFFF 000000" ] ||
    fail "--multiple at scale $SCALE printed '$(paste -sd' ' "$WORKDIR/pick.out")' ($rc)"
echo "ok - at scale $SCALE --multiple printed each colour taken with Shift, and ended with Escape"

# Every colour taken is kept, newest first, across the start above; an
# unreadable list is set aside at the next colour, which starts a new one.
recent=$("$PROGRAM" --recent | head -n 4 | paste -sd' ')
[ "$recent" = "000000 FFFFFF 858585 8E8E8E" ] || fail "--recent at scale $SCALE printed '$recent'"
echo "not a colour" >"$XDG_STATE_HOME/huevella/recent"
"$PROGRAM" --recent >/dev/null 2>&1 && fail "--recent read an unreadable list"
over_checks
xdotool click 1
pick_ends
[ "$("$PROGRAM" --recent --format '#hex')" = "#FFFFFF" ] && [ -s "$XDG_STATE_HOME/huevella/recent.broken" ] ||
    fail "at scale $SCALE the unreadable list gave '$("$PROGRAM" --recent)'"
echo "ok - at scale $SCALE the colours taken are kept across starts, and an unreadable list is set aside"
