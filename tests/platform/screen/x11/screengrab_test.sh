#!/bin/bash
# screengrab_test.sh TEST-BINARY SCALE [DEPTH]: the screen-reading test on a
# private X server of DEPTH bits (24 unless told), with Qt scaling by SCALE.
# At a depth other than 24 the direct read must step aside for Qt's grab.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../../../e2e/lib.sh"
export XVFB_DEPTH=${3:-24}
start_desktop --no-tray
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$2 EXPECT_DIRECT_READ=$([ "$XVFB_DEPTH" = 24 ] && echo 1 || echo 0) \
    "$1" || fail "the direct read differs from Qt's at scale $2, depth $XVFB_DEPTH"
