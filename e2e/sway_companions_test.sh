#!/usr/bin/env bash
# The companions on a compositor that places windows itself: sway (wlroots,
# headless, software rendering) centres every floating window it manages,
# so companions left to it would lie over the book window's controls. They
# must come out docked to the book wherever sway put it, take clicks and
# the keyboard, and leave the book's buttons free.
#   sway_companions_test.sh HUEVELLA
# sway will not run as root: the desktop and the program run as nobody.
source "$(dirname "$0")/lib.sh"
PROGRAM=$(realpath "$1")

if [ -z "${HUEVELLA_PRIVATE_NS:-}" ]; then
    unshare -mn true 2>/dev/null || { echo "SKIP: cannot make private namespaces"; exit 77; }
    HUEVELLA_PRIVATE_NS=1 exec unshare -mn "$0" "$@"
fi
if [ "$(id -u)" = 0 ]; then
    mount -t tmpfs tmpfs /tmp/.X11-unix 2>/dev/null || {
        mkdir -p /tmp/.X11-unix && mount -t tmpfs tmpfs /tmp/.X11-unix
    } || fail "no private X socket folder"
    chmod 1777 /tmp/.X11-unix
    home=$(mktemp -d)
    # The program and this test where nobody may run them: the tree they
    # are in may be closed (a clone in root's home).
    cp "$PROGRAM" "$home/huevella"
    cp "$0" "$home/sway_companions_test.sh"
    cp "$(dirname "$0")/lib.sh" "$home/lib.sh"
    chown -R nobody "$home"
    chmod 700 "$home"
    HOME=$home XDG_RUNTIME_DIR=$home exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
        "$home/sway_companions_test.sh" "$home/huevella"
fi

WORKDIR=$XDG_RUNTIME_DIR
cleanup() {
    kill ${APP_PID:-} ${SWAY_PID:-} 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT
start_sway
seen() { seen_on_wlroots "$@"; }
seen_is() { [ "$(seen "$1" "$2")" = "$3" ]; }
place_of() { geometry "$(visible_window "$1")" | cut -d' ' -f1,2; }
place_is() { [ "$(place_of "$1")" = "$2" ]; }

(cd "$WORKDIR" && exec "$PROGRAM" >"$WORKDIR/app.log" 2>&1) &
APP_PID=$!
wait_for 15 visible_window Huevella || fail "no book window"
read -r bx by < <(place_of Huevella)
echo "ok - the book window is out (sway put it at $bx,$by)"

# The card from the book's button, then the palette from its own.
click_at $((bx + 42)) $((by + 10))
wait_for 5 visible_window "Swatch Card" || fail "the card did not come out"
# Ours from its first moment: a window sway placed first would show over
# the book until taken over and made anew.
first_card=$(visible_window "Swatch Card")
xwininfo -id "$first_card" | grep -q "Override Redirect State: yes" ||
    fail "the card first came out as a window sway places"
wait_for 5 place_is "Swatch Card" "$bx $((by - 103))" ||
    fail "the card is at $(place_of "Swatch Card"), not above the book at $bx,$by"
click_at $((bx + 172)) $((by + 10))
wait_for 5 visible_window "Color Palette" ||
    fail "the book's palette button was not free to click"
read -r px py < <(place_of "Color Palette")
[ "$px $py" = "$((bx + 185)) $((by + 20))" ] ||
    fail "the palette is at $px,$py, not beside the book at $bx,$by"
[ "$(visible_window "Swatch Card")" = "$first_card" ] || fail "the card was made anew after it came out"
echo "ok - the companions are docked to the book where sway put it, from their first show"

# The keyboard reaches the palette's code.
click_at $((px + 80)) $((py + 80))
xdotool key ctrl+a
xdotool type --delay 40 336699
wait_for 5 seen_is $((px + 20)) $((py + 80)) 336699 ||
    fail "typed 336699, the palette's swatch shows $(seen $((px + 20)) $((py + 80)))"
echo "ok - the palette takes typed codes"
