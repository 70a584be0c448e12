"""What a screen reader finds of Tesselle: reads the program's accessibility
tree through AT-SPI (pyatspi) while run-screen-reader-tests.sh runs it on a
virtual desktop, and drives it with xdotool and its own command line.

Usage: read-screen-reader-tree.py TESSELLE_BINARY
Prints PASS or FAIL per check; exits 1 when one failed. TESSELLE_DESKTOP_PATIENCE
(ms) bounds each wait.
"""

import os
import subprocess
import sys
import time

import pyatspi

program = sys.argv[1]
patience = int(os.environ.get("TESSELLE_DESKTOP_PATIENCE", "10000")) / 1000
failed = 0

# Roles a user reaches or operates: each needs a name.
CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_LINK, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_LIST,
    pyatspi.ROLE_HEADING,
}


def check(what, holds):
    global failed
    print(("PASS: " if holds else "FAIL: ") + what, flush=True)
    if not holds:
        failed += 1


def eventually(condition):
    """The condition's value once it holds, or its last value after the patience."""
    deadline = time.monotonic() + patience
    while True:
        value = condition()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(0.05)


def fresh(node):
    """The node as the program says it now, not as libatspi cached it."""
    node.clearCache()
    return node


def children(node):
    node = fresh(node)
    return [child for child in (node.getChildAtIndex(i) for i in range(node.childCount))
            if child is not None]


def walk(node):
    """The node and its descendants, those hidden included."""
    found = [node]
    for child in children(node):
        found += walk(child)
    return found


def find(node, role, name=None):
    for each in walk(node):
        if each.getRole() == role and (name is None or each.name == name):
            return each
    return None


def has(node, state):
    return fresh(node).getState().contains(state)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "tesselle":
            return app
    return None


def window(app, title):
    """The program's shown top-level window of that title."""
    for top in children(app):
        if top.name == title and has(top, pyatspi.STATE_SHOWING):
            return top
    return None


def unnamed_controls(top):
    return [f"{each.getRoleName()} in {each.parent.getRoleName()} '{each.parent.name}'"
            for each in walk(top)
            if each.getRole() in CONTROLS and has(each, pyatspi.STATE_SHOWING)
            and not each.name.strip()]


def key(*names):
    subprocess.run(["xdotool", "key", *names], check=True)


app = eventually(application)
check("the program is on the accessibility bus", app is not None)
if app is None:
    sys.exit(1)

# --- the welcome window of a first start -----------------------------------
welcome = eventually(lambda: window(app, "Welcome to Tesselle"))
check("the welcome window is in the tree", welcome is not None)
if welcome:
    check("... with every control named (unnamed: %s)" % unnamed_controls(welcome),
          not unnamed_controls(welcome))
    check("... its appearance choices are radio buttons named Person, Woman, Man",
          [each.name for each in walk(welcome) if each.getRole() == pyatspi.ROLE_RADIO_BUTTON][:3]
          == ["Person", "Woman", "Man"])
    check("... and its button says \"Install Tesselle\"",
          find(welcome, pyatspi.ROLE_PUSH_BUTTON, "Install Tesselle") is not None)

# --- the panel ---------------------------------------------------------------
subprocess.run([program, "--toggle"], check=True, timeout=30)
panel = eventually(lambda: window(app, "Tesselle"))
check("tesselle --toggle shows the panel in the tree", panel is not None)
if panel is None:
    sys.exit(1)
search = find(panel, pyatspi.ROLE_TEXT, "Search emoji")
check("the search field is a text field named \"Search emoji\"", search is not None)
check("... and has the keyboard", search is not None and
      eventually(lambda: has(search, pyatspi.STATE_FOCUSED)))
tabs = find(panel, pyatspi.ROLE_PAGE_TAB_LIST)
tab_names = [tab.name for tab in children(tabs)] if tabs else []
check("the group tabs are ten named page tabs (%s)" % ", ".join(tab_names),
      len(tab_names) == 10 and all(tab_names) and tab_names[:3] ==
      ["Favorites", "Recent", "Smileys & People"])
emoji = find(panel, pyatspi.ROLE_LIST, "Emoji")
check("the grid is a list named \"Emoji\"", emoji is not None)
if emoji is None:
    sys.exit(1)
items = children(emoji)
names = [item.name for item in items if item.getRole() == pyatspi.ROLE_LIST_ITEM]
check("... whose items are named by their emoji (%s...)" % ", ".join(names[:3]),
      names[:3] == ["grinning face", "grinning face with big eyes",
                    "grinning face with smiling eyes"] and "winking face" in names)
heading = None
for item in items:
    if item.getRole() == pyatspi.ROLE_HEADING:
        heading = item.name
    elif item.name == "grinning face":
        break
check("every control of the panel is named (unnamed: %s)" % unnamed_controls(panel),
      not unnamed_controls(panel))
check("... each group's under a heading: \"grinning face\" under \"%s\"" % heading,
      heading == "Smileys & People")


def selected():
    """The names of the list's selected items, and whether they have the focus."""
    return [(item.name, has(item, pyatspi.STATE_FOCUSED)) for item in children(emoji)
            if has(item, pyatspi.STATE_SELECTED)]


def detail_names():
    """The texts of the panel's labels, in lower case."""
    return [label.name.lower() for label in walk(panel) if label.getRole() == pyatspi.ROLE_LABEL]


# From the search field, Down goes to the first emoji.
for arrow, name in [("Down", "grinning face"), ("Right", "grinning face with big eyes"),
                    ("Down", "upside-down face")]:
    key(arrow)
    check(f"{arrow} selects and focuses \"{name}\"",
          eventually(lambda: selected() == [(name, True)]))
    check("... and the detail panel names it", eventually(lambda: name in detail_names()))
key("Escape")

# --- the settings window -----------------------------------------------------
subprocess.run([program, "--settings"], check=True, timeout=30)
settings = eventually(lambda: window(app, "Tesselle Settings"))
check("tesselle --settings shows the settings window in the tree", settings is not None)
if settings:
    pages = [tab.name for tab in walk(settings) if tab.getRole() == pyatspi.ROLE_PAGE_TAB]
    check("... with its pages as named tabs (%s)" % ", ".join(pages),
          pages == ["General", "Support", "About"])
    check("... and every control of the General page named (unnamed: %s)"
          % unnamed_controls(settings), not unnamed_controls(settings))
    check("... the keyboard shortcut's field among them",
          find(settings, pyatspi.ROLE_TEXT, "Keyboard shortcut") is not None)

sys.exit(1 if failed else 0)
