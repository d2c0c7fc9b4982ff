#!/bin/bash
# pick.sh BUILD-DIR [ROUNDS]: from `huevella --pick` started to the pointer
# and keyboard taken with the picker shown, with Huevella running and with
# none, side by side on a private X server with a tray host; gpick --pick
# beside them where it is installed. Prints each case's median and the
# empty Qt tray program's start for the second. The stop watch is
# grab_probe, started with the pick, polling for the grab every 0.5 ms (its
# own tries can make ours wait up to 10 ms now and then).
set -eu
build=$(cd "$1" && pwd)
rounds=${2:-20}
source "$(dirname "$0")/../lib.sh"
bench_cleanup='pkill -f "$build/bin/huevella"'
bench_desktop pick.sh xdotool
probe=$build/bin/grab_probe
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
# one COMMAND...: microseconds from COMMAND started to the grab, then Escape.
one() {
    "$@" >/dev/null 2>&1 &
    local pid=$! took
    took=$("$probe" --wait-held 5000) || took=timeout
    xdotool key Escape
    # A key lost to the stop watch's own tries is sent again.
    for try in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
        [ $((try % 10)) = 0 ] && xdotool key Escape
    done
    wait "$pid" 2>/dev/null || true
    echo "$took"
}
program_pid() { tr -dc 0-9 <"$(ls "$XDG_RUNTIME_DIR"/*.lock | head -n 1)"; }
for round in $(seq "$rounds"); do
    # None running: this start becomes the program.
    one "$build/bin/huevella" --pick >>"$work/none"
    sleep 0.3
    # Running: the program that stayed picks.
    one "$build/bin/huevella" --pick >>"$work/running"
    kill "$(program_pid)" 2>/dev/null || true
    sleep 0.3
    if command -v gpick >/dev/null; then one gpick --pick >>"$work/gpick"; fi
done
echo "huevella --pick, Huevella running:  $(median <"$work/running") us (median of $rounds)"
echo "huevella --pick, none running:      $(median <"$work/none") us (median of $rounds)"
if [ -s "$work/gpick" ]; then
    echo "gpick --pick:                       $(median <"$work/gpick") us (median of $rounds)"
else
    echo "gpick --pick:                       not installed"
fi
"$build/bin/tray_startup" "$rounds" "$build/bin/empty_tray" | head -n 3
