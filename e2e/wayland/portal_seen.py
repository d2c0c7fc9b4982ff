#!/usr/bin/python3
# The desktop's own picture, through its screenshot portal, for tests: lines
# on standard input, each answered "ok" (with a value where it has one).
#   seen X Y     RRGGBB there
#   shot FILE    the whole picture into FILE
# The permission to take one without asking is the caller's to give.
import os
import shutil
import sys

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib
from PIL import Image

bus = Gio.bus_get_sync(Gio.BusType.SESSION)
sender = bus.get_unique_name()[1:].replace(".", "_")
serial = 0


def picture():
    global serial
    serial += 1
    token = "seen%d" % serial
    path = "/org/freedesktop/portal/desktop/request/%s/%s" % (sender, token)
    loop = GLib.MainLoop()
    answer = {}

    def response(_bus, _sender, _path, _interface, _signal, parameters):
        answer["code"], answer["results"] = parameters.unpack()
        loop.quit()

    watch = bus.signal_subscribe("org.freedesktop.portal.Desktop", "org.freedesktop.portal.Request",
                                 "Response", path, None, Gio.DBusSignalFlags.NONE, response)
    bus.call_sync("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                  "org.freedesktop.portal.Screenshot", "Screenshot",
                  GLib.Variant("(sa{sv})", ("", {"handle_token": GLib.Variant("s", token),
                                                 "interactive": GLib.Variant("b", False)})),
                  None, Gio.DBusCallFlags.NONE, 20000, None)
    GLib.timeout_add(20000, loop.quit)
    loop.run()
    bus.signal_unsubscribe(watch)
    if answer.get("code") != 0:
        raise RuntimeError("the portal answered %s" % answer.get("code"))
    return Gio.File.new_for_uri(answer["results"]["uri"]).get_path()


for line in sys.stdin:
    words = line.split()
    try:
        file = picture()
        if words[0] == "seen":
            r, g, b = Image.open(file).convert("RGB").getpixel((int(words[1]), int(words[2])))
            os.remove(file)
            print("ok %02X%02X%02X" % (r, g, b), flush=True)
        elif words[0] == "shot":
            shutil.move(file, words[1])
            print("ok", flush=True)
        else:
            raise ValueError("unknown: " + line.strip())
    except Exception as error:  # said, and the next line is read
        print("error %s" % error, flush=True)
