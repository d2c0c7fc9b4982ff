#!/usr/bin/env bash
# The eyedropper across two monitors of one X screen, the left at scale 1 and
# the right at scale 2: on each the colour is the device pixel under the
# pointer, and the magnifier shows device pixels one for one on both sides of
# the boundary, never one monitor's pixels at the other's scale.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")

command -v Xorg >/dev/null && [ -e /usr/lib/xorg/modules/drivers/dummy_drv.so ] ||
    { echo "skip - Xorg's dummy driver is not installed"; exit 77; }
X_SERVER=start_xorg_dummy start_desktop --no-tray
xrandr --fb 2560x1024 --output DUMMY0 --mode 1280x1024 --pos 0x0 ||
    fail "the first monitor could not be set"
# A monitor of RandR's without an output of its own is out of the
# pointer's reach on Xorg: the second is a second output.
xrandr --addmode DUMMY1 1280x1024 && xrandr --output DUMMY1 --mode 1280x1024 --pos 1280x0 ||
    fail "the second monitor could not be set"
[ "$(xrandr --listmonitors | head -n 1)" = "Monitors: 2" ] || fail "$(xrandr --listmonitors)"
start_tray

# Lines one device pixel wide on both sides of the boundary at x = 1280:
# black on white to its left, red on yellow to its right.
lines() { # lines ODD EVEN FILE
    convert -size 2x1 "xc:$2" -fill "$1" -draw "point 1,0" -write mpr:pair +delete \
        -size 200x60 tile:mpr:pair "$3"
}
lines black white "$WORKDIR/left.png"
lines red yellow "$WORKDIR/right.png"
convert "$WORKDIR/left.png" "$WORKDIR/right.png" +append "$WORKDIR/lines.png"
display -borderwidth 0 -geometry +1080+300 -title lines "$WORKDIR/lines.png" &
wait_for 10 visible_window lines || fail "the lines did not show"
read -r lx ly _ _ < <(geometry "$(visible_window lines)")
[ "$lx" = 1080 ] || fail "the lines are at $lx, not 1080"
colour_at() { # the colour the lines have at device column X
    local c=$(($1 - lx))
    if [ $c -lt 200 ]; then [ $((c % 2)) = 1 ] && echo 000000 || echo FFFFFF
    else [ $((c % 2)) = 1 ] && echo FF0000 || echo FFFF00; fi
}
wait_for 5 pixel_is 1279 $((ly + 30)) 000000 || fail "the lines are not where they were put"
wait_for 5 pixel_is 1280 $((ly + 30)) FFFF00 || fail "the lines are not where they were put"

export QT_SCREEN_SCALE_FACTORS="DUMMY0=1;DUMMY1=2"
start_app "$PROGRAM"
book_from_tray
read -r _ _ bw _ < <(geometry "$(visible_window Huevella)")
[ "$bx" -ge 1280 ] && scale=2 || scale=1
[ "$bw" = $((186 * scale)) ] || fail "the book is $bw wide on a monitor at scale $scale"
at() { awk -v base="$1" -v units="$2" -v s="$3" 'BEGIN { printf "%d", base + units * s }'; }

ex=$(at "$bx" 14 $scale); ey=$(at "$by" 10 $scale)
xdotool mousemove "$ex" "$ey" mousedown 1
ty=$((ly + 30))
for step in $(seq 1 8); do
    xdotool mousemove $((ex + (1279 - ex) * step / 8)) $((ey + (ty - ey) * step / 8))
    sleep 0.03
done
wait_for 5 visible_window "Screen Picker" || fail "the screen picker did not open"
read -r px py _ _ < <(geometry "$(visible_window "Screen Picker")")
[ "$px" -ge 1280 ] && ps=2 || ps=1
for target in 1278 1279 1280 1281 1282 1333 1191; do
    xdotool mousemove "$target" "$ty"
    sleep 0.3
    want=$(colour_at "$target")
    got=$(pixel "$(at "$px" 153 $ps)" "$(at "$py" 64 $ps)")
    [ "$got" = "$want" ] || fail "over device column $target the picker shows $got, not $want"
    # The magnifier's centre and the cells either side of it, below the
    # overlay's frame: each one device pixel of the screen.
    for cell in "-1 55.5 57.5" "0 61.5 57.5" "1 68.5 57.5"; do
        read -r offset ux uy <<<"$cell"
        want=$(colour_at $((target + offset)))
        got=$(pixel "$(at "$px" "$ux" $ps)" "$(at "$py" "$uy" $ps)")
        [ "$got" = "$want" ] ||
            fail "over device column $target the magnifier's cell $offset shows $got, not $want"
    done
done
xdotool mouseup 1
echo "ok - on monitors at scales 1 and 2 every device pixel is picked and magnified one for one"

# huevella --pick on both monitors: the picker beside the pointer on the
# pointer's own monitor, at its scale, and each device pixel taken.
for target in 1279 1280 1281; do
    (cd "$WORKDIR" && exec "$PROGRAM" --pick >"$WORKDIR/pick.out" 2>"$WORKDIR/pick.err") &
    pick=$!
    sleep 0.6
    xdotool mousemove "$target" "$ty"
    sleep 0.4
    read -r px py pw ph < <(geometry "$(visible_window "Screen Picker")")
    [ "$px" -ge 1280 ] && ps=2 || ps=1
    if [ "$target" -lt 1280 ]; then on=$((px + pw <= 1280)); else on=$((px >= 1280 && ps == 2)); fi
    [ "$on" = 1 ] || fail "--pick over column $target: the picker is at $px,$py ($pw wide), off the pointer's monitor"
    [ "$target" -lt "$px" ] || [ "$target" -ge $((px + pw)) ] || [ "$ty" -lt "$py" ] ||
        [ "$ty" -ge $((py + ph)) ] || fail "--pick over column $target: the picker covers the pointer"
    got=$(pixel "$(at "$px" 153 $ps)" "$(at "$py" 64 $ps)")
    [ "$got" = "$(colour_at "$target")" ] || fail "--pick over column $target: the picker shows $got"
    xdotool click 1
    wait "$pick" || fail "--pick over column $target ended $?: $(cat "$WORKDIR/pick.err")"
    [ "$(cat "$WORKDIR/pick.out")" = "$(colour_at "$target")" ] ||
        fail "--pick over column $target printed $(cat "$WORKDIR/pick.out")"
done
echo "ok - --pick on monitors at scales 1 and 2: the picker on the pointer's monitor, each device pixel taken"
