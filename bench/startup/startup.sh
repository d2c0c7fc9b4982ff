#!/bin/bash
# startup.sh BUILD-DIR [ROUNDS]: start-up of huevella against an empty Qt
# tray program, on a private X server with a tray host, in alternating
# rounds; prints the times, the resident sizes and the ratios.
set -eu
build=$(cd "$1" && pwd)
rounds=${2:-20}
source "$(dirname "$0")/../lib.sh"
bench_desktop startup.sh
# The floor first; the same with one line edit shows what fonts alone cost.
"$build/bin/tray_startup" "$rounds" "$build/bin/empty_tray" "$build/bin/empty_tray_edit" \
    "$build/bin/huevella"
