#!/bin/bash
# screengrab_test.sh TEST-BINARY SCALE: the screen-reading test on a private
# X server, with Qt scaling by SCALE.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../e2e/lib.sh"
start_desktop --no-tray
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$2 "$1" || fail "the direct read differs from Qt's at scale $2"
