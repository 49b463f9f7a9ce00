"""What probe.exe does for the Windows program, for the native one where the X tools cannot.

  msgbox [ok]     "title T", "text T" of the program's message box (AT-SPI: the program runs with
                  its accessibility bridge on), \\, CR and LF written \\\\, \\r, \\n; "ok" presses
                  OK. Exit code 2 while there is none
  close WINDOW    asks the window to close as a window manager does (WM_DELETE_WINDOW)
  cursor          "cursor DX DY": where the cursor image's first column and row that are not wholly
                  transparent lie from its hotspot (XFixes)
  composited      exit code 0 once a compositing manager runs
  backdrop FILE   shows the picture at (0, 0) in an undecorated window that the window manager keeps
                  below all others, until killed
"""
import ctypes
import sys

import gi

gi.require_version("Atspi", "2.0")
gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Atspi, Gdk, Gtk  # noqa: E402


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def shown(text):
    return text.replace("\\", "\\\\").replace("\r", "\\r").replace("\n", "\\n")


def msgbox(press_ok):
    for app in children(Atspi.get_desktop(0)):
        if app is None or app.get_name() != "zedez":
            continue
        for box in children(app):
            if box.get_role() not in (Atspi.Role.ALERT, Atspi.Role.DIALOG):
                continue
            parts = children(box) + [c for p in children(box) for c in children(p)]
            labels = [p.get_name() for p in parts if p.get_role() == Atspi.Role.LABEL]
            print("title", shown(box.get_name()))
            print("text", shown(labels[0] if labels else ""))
            buttons = [p for p in parts if p.get_role() == Atspi.Role.PUSH_BUTTON]
            return 0 if not press_ok or (buttons and buttons[0].do_action(0)) else 1
    return 2


class ClientMessage(ctypes.Structure):  # XClientMessageEvent, padded to an XEvent's 24 longs
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


def close(window):
    xlib = ctypes.CDLL("libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = xlib.XOpenDisplay(None)
    if not display:
        return 1
    event = ClientMessage(type=33, window=window, format=32,  # ClientMessage
                          message_type=xlib.XInternAtom(display, b"WM_PROTOCOLS", 0))
    event.data[0] = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    sent = xlib.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    xlib.XCloseDisplay(display)
    return 0 if sent else 1


class CursorImage(ctypes.Structure):  # XFixesCursorImage
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong))]


def cursor():
    xlib, xfixes = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(CursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    image = xfixes.XFixesGetCursorImage(xlib.XOpenDisplay(None)).contents
    seen = [(i % image.width, i // image.width) for i in range(image.width * image.height)
            if image.pixels[i] >> 24 & 0xFF]
    print("cursor", min(x for x, _ in seen) - image.xhot, min(y for _, y in seen) - image.yhot)
    return 0


def backdrop(path):
    window = Gtk.Window(type_hint=Gdk.WindowTypeHint.DESKTOP, decorated=False)
    window.add(Gtk.Image.new_from_file(path))
    window.move(0, 0)
    window.show_all()
    Gtk.main()


def main(command, argument=""):
    if command == "msgbox":
        return msgbox(argument == "ok")
    if command == "close":
        return close(int(argument, 0))
    if command == "cursor":
        return cursor()
    if command == "composited":
        return 0 if Gdk.Screen.get_default().is_composited() else 1
    if command == "backdrop":
        return backdrop(argument)
    return 2


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
