#!/usr/bin/python3
"""A text view that says where its toolkit draws the caret, for the caret watcher's tests.

atspi_text_view.py 3|4 shows a GTK 3 or GTK 4 text view. It prints "ready" once its window has
the focus, then "caret X Y HEIGHT WINDOW" whenever the caret's rectangle changes: X and Y count
from the origin of the X window WINDOW, or from the root's when WINDOW is 0 (GTK 3 knows where it
is on the root; GTK 4 knows only its own surface)."""
import sys

import gi

VERSION = sys.argv[1]
gi.require_version("Gtk", f"{VERSION}.0")
gi.require_version("GdkX11", f"{VERSION}.0")
from gi.repository import GdkX11, GLib, Gtk  # noqa: E402

window = Gtk.Window(title=f"caret view {VERSION}")
window.set_default_size(400, 300)
view = Gtk.TextView()
said = {"ready": False, "caret": None}


def caret_place():
    buffer = view.get_buffer()
    strong, _ = view.get_cursor_locations(buffer.get_iter_at_mark(buffer.get_insert()))
    if VERSION == "3":
        x, y = view.buffer_to_window_coords(Gtk.TextWindowType.TEXT, strong.x, strong.y)
        _, left, top = view.get_window(Gtk.TextWindowType.TEXT).get_origin()
        return left + x, top + y, strong.height, 0
    x, y = view.buffer_to_window_coords(Gtk.TextWindowType.WIDGET, strong.x, strong.y)
    x, y = view.translate_coordinates(window, x, y)[-2:]
    shift_x, shift_y = window.get_surface_transform()
    return (round(x + shift_x), round(y + shift_y), strong.height,
            GdkX11.X11Surface.get_xid(window.get_surface()))


def report():
    if window.is_active() and not said["ready"]:
        said["ready"] = True
        print("ready", flush=True)
    place = caret_place()
    if said["ready"] and place != said["caret"]:
        said["caret"] = place
        print("caret %d %d %d %d" % place, flush=True)
    return GLib.SOURCE_REMOVE


def report_soon(*_):
    GLib.idle_add(report)  # after the toolkit has laid the text out


view.get_buffer().connect("notify::cursor-position", report_soon)
window.connect("notify::is-active", report_soon)
loop = GLib.MainLoop()
if VERSION == "3":
    window.add(view)
    window.connect("destroy", lambda *_: loop.quit())
    window.show_all()
else:
    window.set_child(view)
    window.connect("close-request", lambda *_: loop.quit())
    window.present()
loop.run()
