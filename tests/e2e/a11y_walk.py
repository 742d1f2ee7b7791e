#!/usr/bin/python3
"""Walks the program's accessible tree over AT-SPI the way a screen reader
meets it: opens every page and dialog through the controls' own actions and
fails on any control a screen reader would announce without a name.

Usage: a11y_walk.py PID   (the program already shows its main window)
"""
import sys

import pyatspi

import atspi_lib
from atspi_lib import DEADLINE, app_of, children, find, press, walk

# Roles a user operates; each must carry a name of its own.
INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PAGE_TAB_LIST,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_LINK, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_TREE, pyatspi.ROLE_DOCUMENT_TEXT,
}

problems = []


def poll(what, find, deadline=DEADLINE, fatal=True):
    """Out of time, a check that is not fatal counts among the problems."""
    found = atspi_lib.poll(what, find, deadline, fatal, before_exit=report)
    if found is None:
        problems.append(what)
    return found


def report():
    for p in problems:
        print("FAIL: " + p)


def states(acc):
    return acc.getState()


def value_text(acc):
    """What the control holds: a screen reader speaks it apart from the name."""
    try:
        t = acc.queryText()
        return t.getText(0, -1)
    except Exception:
        return None


def label_of(acc):
    for rel in acc.getRelationSet():
        if rel.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(rel.getNTargets()):
                name = rel.getTarget(i).name
                if name and name.strip():
                    return name
    return ""


def describe(acc):
    path = []
    a = acc
    while a is not None and a.getRole() != pyatspi.ROLE_APPLICATION:
        path.append("%s '%s'" % (a.getRoleName(), a.name))
        a = a.parent
    return " < ".join(path)


def check_names(root, where):
    """Every operable control has a name that is not merely its value."""
    seen = 0
    for acc in walk(root):
        role = acc.getRole()
        st = states(acc)
        if role == pyatspi.ROLE_SCROLL_BAR:
            continue  # part of its scroll area, named by it
        if role not in INTERACTIVE and not st.contains(pyatspi.STATE_FOCUSABLE):
            continue
        if role == pyatspi.ROLE_LIST_ITEM:
            continue  # items speak their own text
        seen += 1
        name = (acc.name or "").strip()
        label = label_of(acc)
        if role == pyatspi.ROLE_COMBO_BOX:
            # A combo box's name on this desktop can be its current entry;
            # that is the value, not what the box is for.
            if not label and (not name or name == current_value(acc)):
                problems.append("%s: combo box announced only by its value: %s" % (where, describe(acc)))
            continue
        if not name and not label:
            problems.append("%s: unnamed %s" % (where, describe(acc)))
    return seen


def current_value(acc):
    for c in children(acc):
        for item in walk(c):
            if item.getRole() == pyatspi.ROLE_LIST_ITEM and states(item).contains(pyatspi.STATE_SELECTED):
                return item.name
    return None


def window(app, role, name):
    for w in children(app):
        if w.getRole() == role and w.name == name and states(w).contains(pyatspi.STATE_SHOWING):
            return w
    return None


def main():
    pid = int(sys.argv[1])
    app = poll("the program is not on the accessibility bus", lambda: app_of(pid))
    frame = poll("no main window on the accessibility bus",
                 lambda: next((w for w in children(app) if states(w).contains(pyatspi.STATE_SHOWING)
                               and find(w, pyatspi.ROLE_PAGE_TAB_LIST)), None))
    tabs = find(frame, pyatspi.ROLE_PAGE_TAB_LIST)
    # The tray menu's Settings opened the Settings page.
    settings_tab = poll("no Settings tab", lambda: find(tabs, pyatspi.ROLE_PAGE_TAB, "Settings"))
    # Once a tab was not reported selected, the rest would only repeat it.
    tabs_ok = poll("the Settings tab is not exposed as selected",
                   lambda: states(settings_tab).contains(pyatspi.STATE_SELECTED), 10, False)
    if tabs_ok:
        print("ok: the Settings page opened from the tray menu is exposed as the selected tab")

    names = [t.name for t in children(tabs)]
    for name in names:
        if name == "Additional Subliminal Messages":
            continue  # opens a web page, never stays
        tab = find(tabs, pyatspi.ROLE_PAGE_TAB, name)
        press(tab)
        poll("page %s not shown after choosing its tab" % name,
             lambda: page_shown(frame, name))
        if tabs_ok:
            tabs_ok = poll("tab '%s' not exposed as selected after choosing it" % name,
                           lambda: states(find(tabs, pyatspi.ROLE_PAGE_TAB, name)).contains(pyatspi.STATE_SELECTED),
                           10, False)
        others = [t.name for t in children(tabs) if t.name != name and states(t).contains(pyatspi.STATE_SELECTED)]
        if others:
            problems.append("tabs %s also exposed as selected with '%s'" % (others, name))
        n = check_names(frame, "page " + name)
        print("ok: page %s walked (%d controls)" % (name, n))

        if name == "Messages":
            open_dialog(app, frame, "Create New Subliminal File", "New Phrase List")
            open_dialog(app, frame, "Delete Subliminal File", "Delete Phrase List")
        elif name == "Settings":
            for caption in ("Font Color", "Font Name", "Font Size"):
                open_dialog(app, frame, caption, caption)
        elif name == "Help":
            check_help_table(frame)

    if problems:
        report()
        sys.exit(1)
    print("ok: every control carries a name")


# A control only its page holds, to tell the page is on screen.
PAGE_MARK = {"Messages": "Create New Subliminal File", "Settings": "Restore Defaults",
             "Newsletter": "YES! Please Subscribe Me", "Resources": "Online Resources", "Help": "Print"}


def page_shown(frame, name):
    if name not in PAGE_MARK:
        return True
    button = find_showing(frame, pyatspi.ROLE_PUSH_BUTTON, PAGE_MARK[name])
    return button is not None


def find_showing(root, role, name):
    for acc in walk(root):
        if acc.getRole() == role and acc.name == name and states(acc).contains(pyatspi.STATE_SHOWING):
            return acc
    return None


def open_dialog(app, frame, button, title):
    press(poll("no button '%s'" % button, lambda: find_showing(frame, pyatspi.ROLE_PUSH_BUTTON, button)))
    dialog = poll("dialog '%s' did not open" % title, lambda: window(app, pyatspi.ROLE_DIALOG, title))
    n = check_names(dialog, "dialog " + title)
    press(poll("no Cancel in '%s'" % title, lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Cancel")))
    poll("dialog '%s' did not close" % title, lambda: window(app, pyatspi.ROLE_DIALOG, title) is None)
    print("ok: dialog %s walked (%d controls)" % (title, n))


def check_help_table(frame):
    """A table's cells read as separate pieces of text."""
    box = poll("no help text", lambda: next((a for a in walk(frame) if a.name == "Help"
                                               and a.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_DOCUMENT_TEXT)
                                               and value_text(a)), None))
    text = value_text(box)
    first, second = "File or folder", "What it holds"
    a = text.find(first)
    b = text.find(second, a)
    if a < 0 or b < 0:
        problems.append("the help table's header cells are not in the accessible text")
        return
    # Frame and paragraph marks are silent; a reader needs a blank to part words.
    between = text[a + len(first):b]
    if not any(c in " \t\n" for c in between) or between.strip(" \t\n\u2028\u2029\ufdd0\ufdd1"):
        problems.append("help table cells run together: %r" % (text[a:b + len(second)]))
    else:
        print("ok: help table cells read separately")


if __name__ == "__main__":
    main()
