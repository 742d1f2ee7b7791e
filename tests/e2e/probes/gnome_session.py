"""Screenshots and input on a GNOME Shell session, for the desktop test.

Reads commands from stdin, one a line, and answers each with one line
("ok" or "error: ..."):
  shot PATH [X Y W H]
               the composited screen or that part of it, through
               org.gnome.Shell.Screenshot
  move X Y     the pointer to X, Y (logical pixels from the top left)
  click [X Y]  a left click where the pointer is, or at X, Y
  key CODE     a key press and release (evdev code)
  input        starts the remote desktop session now: a headless shell
               has a pointer and keyboard only once one has used them

GNOME 43 takes screenshots only for allowed callers; owning the name of
GNOME's screenshot tool is one. Input goes through mutter's remote desktop
session, whose relative motion and buttons need no screen cast.
"""
import sys

from gi.repository import Gio, GLib

BTN_LEFT = 0x110
KEY_LEFTSHIFT = 42
SHELL_SHOT = ("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot", "org.gnome.Shell.Screenshot")
MUTTER_RD = ("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop")
SESSION_IFACE = "org.gnome.Mutter.RemoteDesktop.Session"


def call(bus, name, path, iface, method, args=None, reply=None):
    return bus.call_sync(name, path, iface, method, args,
                         GLib.VariantType(reply) if reply else None,
                         Gio.DBusCallFlags.NONE, 20000, None)


class Session:
    def __init__(self):
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        got = call(self.bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                   "RequestName", GLib.Variant("(su)", ("org.gnome.Screenshot", 4)), "(u)").unpack()[0]
        if got != 1:
            raise RuntimeError("could not own org.gnome.Screenshot (answer %d)" % got)
        self.session = None

    def start(self):
        if self.session is None:
            path = call(self.bus, *MUTTER_RD, "org.gnome.Mutter.RemoteDesktop", "CreateSession",
                        None, "(o)").unpack()[0]
            self.session = path
            call(self.bus, MUTTER_RD[0], path, SESSION_IFACE, "Start")
            # The session's pointer and keyboard appear with their first
            # event: a move into the corner and a tap on Shift.
            self.remote("NotifyPointerMotionRelative", GLib.Variant("(dd)", (-100000.0, -100000.0)))
            self.key(KEY_LEFTSHIFT)

    def remote(self, method, args=None):
        self.start()
        call(self.bus, MUTTER_RD[0], self.session, SESSION_IFACE, method, args)

    def shot(self, path, area=None):
        if area:
            ok, _ = call(self.bus, *SHELL_SHOT, "ScreenshotArea",
                         GLib.Variant("(iiiibs)", (*area, False, path)), "(bs)").unpack()
        else:
            ok, _ = call(self.bus, *SHELL_SHOT, "Screenshot",
                         GLib.Variant("(bbs)", (False, False, path)), "(bs)").unpack()
        if not ok:
            raise RuntimeError("the shell refused the screenshot")

    def move(self, x, y):
        # Into the top left corner first, where the pointer stops; from
        # there a relative move lands exactly.
        self.remote("NotifyPointerMotionRelative", GLib.Variant("(dd)", (-100000.0, -100000.0)))
        self.remote("NotifyPointerMotionRelative", GLib.Variant("(dd)", (float(x), float(y))))

    def click(self, x=None, y=None):
        if x is not None:
            self.move(x, y)
        self.remote("NotifyPointerButton", GLib.Variant("(ib)", (BTN_LEFT, True)))
        self.remote("NotifyPointerButton", GLib.Variant("(ib)", (BTN_LEFT, False)))

    def key(self, code):
        self.remote("NotifyKeyboardKeycode", GLib.Variant("(ub)", (code, True)))
        self.remote("NotifyKeyboardKeycode", GLib.Variant("(ub)", (code, False)))


def main():
    try:
        session = Session()
    except (GLib.Error, RuntimeError) as e:
        print("error: %s" % e, flush=True)
        return 1
    print("ready", flush=True)
    for line in sys.stdin:
        words = line.split()
        try:
            if words[:1] == ["shot"] and len(words) == 2:
                session.shot(words[1])
            elif words[:1] == ["shot"] and len(words) == 6:
                session.shot(words[1], [int(w) for w in words[2:]])
            elif words[:1] == ["click"] and len(words) == 3:
                session.click(int(words[1]), int(words[2]))
            elif words == ["click"]:
                session.click()
            elif words[:1] == ["move"] and len(words) == 3:
                session.move(int(words[1]), int(words[2]))
            elif words[:1] == ["key"] and len(words) == 2:
                session.key(int(words[1]))
            elif words == ["input"]:
                session.start()
            else:
                raise RuntimeError("unknown command: %s" % line.strip())
            print("ok", flush=True)
        except (GLib.Error, RuntimeError, ValueError) as e:
            print("error: %s" % e, flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
