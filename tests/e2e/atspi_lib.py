"""The program's accessible tree over AT-SPI, as the probes that read it
share it: finding the program, walking its tree, pressing its controls and
waiting for what a busy machine shows late."""
import sys
import time

import pyatspi

DEADLINE = 30  # seconds for anything to appear on a busy machine


def poll(what, find, deadline=DEADLINE, fatal=True, before_exit=None):
    """Polls find() until it gives something and returns that. Out of time:
    None when not fatal, else before_exit() and a failure naming WHAT."""
    end = time.monotonic() + deadline
    last = None
    while True:
        try:
            found = find()
        except Exception as e:  # a window being built or torn down
            found, last = None, e
        if found:
            return found
        if time.monotonic() > end:
            if not fatal:
                return None
            if before_exit:
                before_exit()
            sys.exit("FAIL: %s%s" % (what, " (%s)" % last if last else ""))
        time.sleep(0.1)


def children(acc):
    out = []
    try:
        for i in range(acc.childCount):
            c = acc.getChildAtIndex(i)
            if c is not None:
                out.append(c)
    except Exception:  # gone while being read
        pass
    return out


def walk(acc):
    yield acc
    for c in children(acc):
        yield from walk(c)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def find(root, role, name=None):
    for acc in walk(root):
        if acc.getRole() == role and (name is None or acc.name == name):
            return acc
    return None


def app_of(pid):
    for app in children(pyatspi.Registry.getDesktop(0)):
        try:
            if app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def press(acc):
    action = acc.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press") if "Press" in names else 0)
