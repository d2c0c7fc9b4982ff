#!/bin/bash
# startup.sh BUILD-DIR [ROUNDS]: start-up of huevella against an empty Qt
# tray program, on a private X server with a tray host, in alternating
# rounds; prints the times, the resident sizes and the ratios.
set -eu
build=$(cd "$1" && pwd)
rounds=${2:-20}
for tool in Xvfb trayer xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "startup.sh needs $tool" >&2; exit 1; }
done
work=$(mktemp -d)
for n in $(seq 150 199); do
    [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] || break
done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $tray $xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
tray=
for try in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 \
    --transparent false --SetDockType true >"$work/trayer.log" 2>&1 &
tray=$!
sleep 1
# No desktop settings or theme lookups of the machine's own user.
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
# The floor first; the same with one line edit shows what fonts alone cost.
"$build/bin/tray_startup" "$rounds" "$build/bin/empty_tray" "$build/bin/empty_tray_edit" \
    "$build/bin/huevella"
