#!/usr/bin/python3
"""A GTK 3 or GTK 4 text view (argument 3 or 4) for the caret watcher's tests: prints "ready PID"
once its window has the focus, then "caret X Y HEIGHT" on the root where it draws its caret."""
import os
import re
import subprocess
import sys

import gi

VERSION = sys.argv[1]
gi.require_version("Gtk", f"{VERSION}.0")
gi.require_version("GdkX11", f"{VERSION}.0")
from gi.repository import GdkX11, GLib, Gtk  # noqa: E402

window = Gtk.Window(title="caret view", default_width=400, default_height=300)
view = Gtk.TextView()
said = []


def caret_on_root():
    buffer = view.get_buffer()
    caret, _ = view.get_cursor_locations(buffer.get_iter_at_mark(buffer.get_insert()))
    if VERSION == "3":
        x, y = view.buffer_to_window_coords(Gtk.TextWindowType.TEXT, caret.x, caret.y)
        _, left, top = view.get_window(Gtk.TextWindowType.TEXT).get_origin()
        return left + x, top + y, caret.height
    # GTK 4 knows only where it is on its surface; the X server knows where that is.
    x, y = view.buffer_to_window_coords(Gtk.TextWindowType.WIDGET, caret.x, caret.y)
    x, y = view.translate_coordinates(window, x, y)[-2:]
    xid = GdkX11.X11Surface.get_xid(window.get_surface())
    where = subprocess.run(["xwininfo", "-id", str(xid)], capture_output=True, text=True).stdout
    left, top = (int(re.search(f"upper-left {axis}: *(-?[0-9]+)", where)[1]) for axis in "XY")
    shift_x, shift_y = window.get_surface_transform()
    return round(left + shift_x + x), round(top + shift_y + y), caret.height


def report():  # when idle: after the toolkit has laid the text out
    if window.is_active() and not said:
        said.append(print("ready", os.getpid(), flush=True))
    if said and said[-1] != (place := caret_on_root()):
        said.append(place)
        print("caret %d %d %d" % place, flush=True)


view.get_buffer().connect("notify::cursor-position", lambda *_: GLib.idle_add(report))
window.connect("notify::is-active", lambda *_: GLib.idle_add(report))
window.add(view) if VERSION == "3" else window.set_child(view)
window.show_all() if VERSION == "3" else window.present()
GLib.MainLoop().run()
