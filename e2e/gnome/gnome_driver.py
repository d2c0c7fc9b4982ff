#!/usr/bin/python3
# A person at a headless GNOME Shell, for tests: lines on standard input,
# each answered "ok" (with a value where it has one) once done.
#   move X Y       the pointer to X,Y (to the top-left corner, then there)
#   by DX DY       a relative move
#   press|release  the left button
#   right          a right click
#   key NAME       a key pressed and released (Return, Escape, Right, ...)
#   seen X Y       RRGGBB there in the compositor's own picture
#   shot FILE      the whole screen's picture into FILE
# Through mutter's remote desktop session, as GNOME's remote desktop drives
# the pointer and keyboard, and GNOME Shell's screenshot service, which lets
# this helper in by the name it takes (GNOME Screenshot's).
import os
import sys
import tempfile

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib
from PIL import Image

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(dest, path, interface, method, args=None):
    return bus.call_sync(dest, path, interface, method, args, None, Gio.DBusCallFlags.NONE,
                         20000, None)


call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
     GLib.Variant("(su)", ("org.gnome.Screenshot", 4)))
RD = "org.gnome.Mutter.RemoteDesktop"
session = call(RD, "/org/gnome/Mutter/RemoteDesktop", RD, "CreateSession").unpack()[0]
call(RD, session, RD + ".Session", "Start")


def input_call(method, signature, *values):
    call(RD, session, RD + ".Session", method, GLib.Variant(signature, values))


KEYS = {"Return": 0xFF0D, "Escape": 0xFF1B, "Right": 0xFF53, "Left": 0xFF51, "Up": 0xFF52,
        "Down": 0xFF54, "space": 0x20, "Super_L": 0xFFEB}
BTN_LEFT, BTN_RIGHT = 0x110, 0x111
shots = tempfile.mkdtemp(prefix="shots", dir=os.environ.get("XDG_RUNTIME_DIR"))

for line in sys.stdin:
    words = line.split()
    if not words:
        continue
    value = ""
    try:
        if words[0] == "move":
            input_call("NotifyPointerMotionRelative", "(dd)", -20000.0, -20000.0)
            input_call("NotifyPointerMotionRelative", "(dd)", float(words[1]), float(words[2]))
        elif words[0] == "by":
            input_call("NotifyPointerMotionRelative", "(dd)", float(words[1]), float(words[2]))
        elif words[0] in ("press", "release"):
            input_call("NotifyPointerButton", "(ib)", BTN_LEFT, words[0] == "press")
        elif words[0] == "right":
            input_call("NotifyPointerButton", "(ib)", BTN_RIGHT, True)
            input_call("NotifyPointerButton", "(ib)", BTN_RIGHT, False)
        elif words[0] == "key":
            input_call("NotifyKeyboardKeysym", "(ub)", KEYS[words[1]], True)
            input_call("NotifyKeyboardKeysym", "(ub)", KEYS[words[1]], False)
        elif words[0] == "seen":
            path = os.path.join(shots, "seen.png")
            call("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
                 "org.gnome.Shell.Screenshot", "ScreenshotArea",
                 GLib.Variant("(iiiibs)", (int(words[1]), int(words[2]), 1, 1, False, path)))
            r, g, b = Image.open(path).convert("RGB").getpixel((0, 0))
            os.remove(path)
            value = " %02X%02X%02X" % (r, g, b)
        elif words[0] == "shot":
            call("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
                 "org.gnome.Shell.Screenshot", "Screenshot",
                 GLib.Variant("(bbs)", (False, False, words[1])))
        else:
            raise ValueError("unknown: " + line.strip())
        print("ok" + value, flush=True)
    except Exception as error:  # said, and the next line is read
        print("error %s" % error, flush=True)
