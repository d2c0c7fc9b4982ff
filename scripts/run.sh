#!/usr/bin/env bash
# Installs what is missing, builds the program (nothing else), and starts
# Huevella into the system tray.
set -euo pipefail
cd "$(dirname "$0")/.."

display=yes
[ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && display=
[ -n "$display" ] || echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): building only." >&2
scripts/setup.sh huevella hvz

if [ -z "$display" ]; then
    cat >&2 <<'MSG'

Huevella is built (build/bin/huevella) but there is no display to show it on.

To try it on a virtual screen with a tray (apt-get install xvfb trayer
imagemagick, or run scripts/test.sh once, which brings them):
    Xvfb :99 -screen 0 1280x800x24 &
    DISPLAY=:99 trayer --edge bottom --align right --widthtype pixel --width 120 &
    DISPLAY=:99 build/bin/huevella &
and look at it by taking screenshots:
    DISPLAY=:99 import -window root screenshot.png
MSG
    exit 1
fi

echo "Starting Huevella: look for its icon in the system tray."
exec build/bin/huevella "$@"
