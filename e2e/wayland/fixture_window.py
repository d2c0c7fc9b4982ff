#!/usr/bin/python3
# A picture shown pixel for pixel over a whole screen, full screen and
# without a frame: the desktop's background for a test where the desktop
# draws none of its own.   fixture_window.py PICTURE
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import Gtk

window = Gtk.Window(title="fixture")
window.set_decorated(False)
window.add(Gtk.Image.new_from_file(sys.argv[1]))
window.connect("destroy", Gtk.main_quit)
window.show_all()
window.fullscreen()
Gtk.main()
