#!/usr/bin/python3
"""Reads the program's texts over AT-SPI: the main window's tabs, then, on
the Settings page, the box its Save button shows. Each must read as
expected in the program's language.

Usage: language_probe.py PID TABS SAVE BOX   (the main window is showing)
  TABS: the expected tab names, joined with "|"; SAVE: the Save button of
  the Settings page; BOX: the text of the box.
"""
import sys

import pyatspi

from atspi_lib import app_of, children, find, poll, press, showing, walk


def expect(what, seen, wanted):
    if seen != wanted:
        sys.exit("FAIL: %s read %r, expected %r" % (what, seen, wanted))
    print("ok: %s read %s" % (what, " | ".join(seen) if isinstance(seen, list) else seen))


def main():
    pid, tabs, save, box = int(sys.argv[1]), sys.argv[2].split("|"), sys.argv[3], sys.argv[4]
    app = poll("the program is not on the accessibility bus", lambda: app_of(pid))

    frame = poll("no main window", lambda: next((w for w in children(app) if showing(w) and any(
        a.getRole() == pyatspi.ROLE_PAGE_TAB_LIST for a in walk(w))), None))
    tab_list = find(frame, pyatspi.ROLE_PAGE_TAB_LIST)
    expect("tabs", [t.name for t in children(tab_list)], tabs)
    press(children(tab_list)[1])  # Settings

    press(poll("no button '%s' on the Settings page" % save, lambda: next(
        a for a in walk(frame) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == save and showing(a))))
    alert = poll("no message box", lambda: next((w for w in children(app) if showing(w)
                                                 and w.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)), None))
    texts = [a.name for a in walk(alert) if a.getRole() == pyatspi.ROLE_LABEL and a.name]
    expect("message box", [t for t in texts if t == box], [box])
    press(poll("no button on the box", lambda: next(a for a in walk(alert) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON)))
    poll("the box did not close", lambda: not any(showing(w) and w.getRole() == pyatspi.ROLE_ALERT
                                                  for w in children(app)))


if __name__ == "__main__":
    main()
