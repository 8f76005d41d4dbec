#!/usr/bin/python3
"""Reads the main window's accessibility tree over AT-SPI, as a screen reader
does, and reports controls that a screen reader could not name.

Run by scripts/check-accessibility.sh, which starts the window on a virtual
display with its own session bus. Exits with 1 when it finds a fault."""
import sys
import time

import pyatspi

APP_NAME = sys.argv[1] if len(sys.argv) > 1 else "qx210-screenshot-scene"


def find_app():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == APP_NAME:
                return app
        time.sleep(0.1)
    return None


def walk(node, depth=0):
    yield node, depth
    if node.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_COMBO_BOX):
        return  # cells are named by their texts, a list's entries by theirs
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def value_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        pass
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        try:
            selection = child.querySelection()
            if selection.nSelectedChildren:
                return selection.getSelectedChild(0).name
        except NotImplementedError:
            continue
    return ""


def main():
    app = find_app()
    if app is None:
        print(f"FAULT no application {APP_NAME} on the accessibility bus")
        return 1
    faults = 0
    named = 0
    for node, depth in walk(app):
        role = node.getRoleName()
        name = node.name or ""
        states = node.getState()
        print(f"{'  ' * depth}{role}: {name!r}")
        # Menus are hidden until they drop down, and belong to the tree all the same.
        if not states.contains(pyatspi.STATE_VISIBLE) and node.getRole() not in (
                pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU, pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_SEPARATOR):
            print(f"FAULT hidden control exposed: {role} {name!r}")
            faults += 1
        if name != " ".join(name.split()):
            print(f"FAULT stray blanks in {role} {name!r}")
            faults += 1
        if states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING):
            named += 1
            if not name.strip():
                print(f"FAULT focusable {role} without a name")
                faults += 1
            if node.getRole() == pyatspi.ROLE_COMBO_BOX and name == value_of(node):
                print(f"FAULT list named by its value: {name!r}")
                faults += 1
    if named == 0:
        print("FAULT no focusable control found")
        faults += 1
    print("FAILED" if faults else "OK")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
