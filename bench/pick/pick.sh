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
# The program a cold --pick leaves in the tray, by the pid its lock holds.
program_pid() { head -n 1 "$(ls "$XDG_RUNTIME_DIR"/*.lock 2>/dev/null | head -n 1)" 2>/dev/null | tr -dc 0-9; }
# Ends that program and waits until it is gone, so the next "none running"
# really starts cold.
end_program() {
    local pid
    pid=$(program_pid) || true
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || true
    for try in $(seq 100); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.05; done
    kill -9 "$pid" 2>/dev/null || true
}
bench_cleanup=end_program
bench_desktop pick.sh xdotool
probe=$build/bin/grab_probe
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
# one END COMMAND...: microseconds from COMMAND started to the grab; then
# the pick is ended by its own means (END: "key Escape" for ours; gpick
# takes no key and ends with a click), again until the command is over.
one() {
    local end=$1
    shift
    "$@" >/dev/null 2>&1 &
    local pid=$! took
    took=$("$probe" --wait-held 5000) || took=timeout
    xdotool $end
    # One lost to the stop watch's own tries is sent again.
    for try in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
        [ $((try % 10)) = 0 ] && xdotool $end
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$took"
}
for round in $(seq "$rounds"); do
    # None running: this start becomes the program.
    one "key Escape" "$build/bin/huevella" --pick >>"$work/none"
    sleep 0.3
    # Running: the program that stayed picks.
    one "key Escape" "$build/bin/huevella" --pick >>"$work/running"
    end_program
    if command -v gpick >/dev/null; then one "click 1" gpick --pick >>"$work/gpick"; fi
    sleep 0.3
done
echo "huevella --pick, Huevella running:  $(median <"$work/running") us (median of $rounds)"
echo "huevella --pick, none running:      $(median <"$work/none") us (median of $rounds)"
if [ -s "$work/gpick" ]; then
    echo "gpick --pick:                       $(median <"$work/gpick") us (median of $rounds)"
else
    echo "gpick --pick:                       not installed"
fi
"$build/bin/tray_startup" "$rounds" "$build/bin/empty_tray" | head -n 3 | tee "$work/floor"
# The cold pick against the floor: the empty tray program's start, this run.
floor=$(awk '$1 == "empty_tray" {print $2}' "$work/floor")
awk -v none="$(median <"$work/none")" -v floor="$floor" \
    'BEGIN {printf "none running / empty tray start:    %.2fx\n", none / 1000 / floor}'

