# probe.exe's part for the native program where the X tools cannot help:
#   msgbox [ok]    "title T", "text T" of its message box over AT-SPI (\, CR, LF written \\, \r, \n);
#                  "ok" presses OK; 2 while there is none
#   close WINDOW   asks the window to close as a window manager does (WM_DELETE_WINDOW)
#   cursor         "cursor DX DY": the cursor image's first column and row that show, from its hotspot
#   composited     0 once a compositing manager runs
#   backdrop FILE  the picture at (0, 0) in a window kept below all others, until killed
import ctypes
import sys

import gi

gi.require_version("Atspi", "2.0")
gi.require_version("Gdk", "3.0")
gi.require_version("Gtk", "3.0")
from gi.repository import Atspi, Gdk, Gtk  # noqa: E402

C = ctypes
X11, XFIXES = C.CDLL("libX11.so.6"), C.CDLL("libXfixes.so.3")
X11.XOpenDisplay.restype = C.c_void_p
X11.XInternAtom.restype = C.c_ulong
X11.XInternAtom.argtypes = [C.c_void_p, C.c_char_p, C.c_int]
X11.XSendEvent.argtypes = [C.c_void_p, C.c_ulong, C.c_int, C.c_long, C.c_void_p]
X11.XCloseDisplay.argtypes = [C.c_void_p]


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def shown(text):
    return text.replace("\\", "\\\\").replace("\r", "\\r").replace("\n", "\\n")


def msgbox(press_ok):
    apps = [a for a in children(Atspi.get_desktop(0)) if a is not None and a.get_name() == "zedez"]
    for box in [b for a in apps for b in children(a) if b.get_role() == Atspi.Role.ALERT]:
        parts = children(box) + [c for p in children(box) for c in children(p)]
        print("title", shown(box.get_name()))
        print("text", shown(next(p.get_name() for p in parts if p.get_role() == Atspi.Role.LABEL)))
        ok = [p for p in parts if p.get_role() == Atspi.Role.PUSH_BUTTON]
        return 0 if not press_ok or ok[0].do_action(0) else 1
    return 2


class ClientMessage(C.Structure):  # XClientMessageEvent, padded to an XEvent's 24 longs
    _fields_ = [("type", C.c_int), ("serial", C.c_ulong), ("send_event", C.c_int),
                ("display", C.c_void_p), ("window", C.c_ulong), ("message_type", C.c_ulong),
                ("format", C.c_int), ("data", C.c_long * 5), ("pad", C.c_long * 12)]


def close(window):
    display = X11.XOpenDisplay(None)
    event = ClientMessage(type=33, window=window, format=32,
                          message_type=X11.XInternAtom(display, b"WM_PROTOCOLS", 0))
    event.data[0] = X11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    sent = X11.XSendEvent(display, window, 0, 0, C.byref(event))
    X11.XCloseDisplay(display)
    return 0 if sent else 1


class CursorImage(C.Structure):  # XFixesCursorImage
    _fields_ = [("x", C.c_short), ("y", C.c_short), ("width", C.c_ushort), ("height", C.c_ushort),
                ("xhot", C.c_ushort), ("yhot", C.c_ushort), ("serial", C.c_ulong),
                ("pixels", C.POINTER(C.c_ulong))]


def cursor():
    XFIXES.XFixesGetCursorImage.restype = C.POINTER(CursorImage)
    XFIXES.XFixesGetCursorImage.argtypes = [C.c_void_p]
    image = XFIXES.XFixesGetCursorImage(X11.XOpenDisplay(None)).contents
    seen = [(i % image.width, i // image.width) for i in range(image.width * image.height)
            if image.pixels[i] >> 24]  # alpha in the low 32 bits' top byte
    print("cursor", min(x for x, _ in seen) - image.xhot, min(y for _, y in seen) - image.yhot)
    return 0


def backdrop(path):
    window = Gtk.Window(type_hint=Gdk.WindowTypeHint.DESKTOP, decorated=False)
    window.add(Gtk.Image.new_from_file(path))
    window.move(0, 0)
    window.show_all()
    Gtk.main()


COMMANDS = {"msgbox": lambda arg="": msgbox(arg == "ok"), "close": lambda w: close(int(w, 0)),
            "cursor": cursor, "backdrop": backdrop,
            "composited": lambda: 0 if Gdk.Screen.get_default().is_composited() else 1}
if __name__ == "__main__":
    sys.exit(COMMANDS[sys.argv[1]](*sys.argv[2:]))
