#!/usr/bin/python3
"""What a screen reader finds in one window of a running program.

    screenreader.py PID TITLE

Walks the accessible tree of the window titled TITLE of the program PID over
the accessibility bus and prints every control a user acts on that has no
name, and every command-tree item that says neither that it is a command nor
that it is a heading. Exits 0 when there is none, 1 when there is, 2 when
the window is not on the bus (after 10 s).
"""
import sys
import time

import pyatspi

# The controls a user acts on; the name is what the screen reader says.
CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_LIST,
    pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_ITEM,
}
# A table's cells are data, not controls; a large grid would only slow the walk.
NOT_ENTERED = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX}
LIMIT = 3000


def find_window(pid, title):
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.get_process_id() != pid:
                continue
            for window in app:
                if window is not None and window.name == title:
                    return window
        time.sleep(0.2)
    return None


def faults(window):
    found, seen, stack = [], 0, [(window, window.name)]
    while stack and seen < LIMIT:
        node, path = stack.pop()
        seen += 1
        role = node.getRole()
        name = (node.name or "").strip()
        where = f"{path} > {node.getRoleName()} {name!r}"
        if role in CONTROLS and not name:
            found.append(f"no name: {where}")
        # Said after the node's text; a tooltip alone would not tell it.
        if role == pyatspi.ROLE_TREE_ITEM and not (node.description or "").startswith(("Command", "Heading")):
            found.append(f"neither command nor heading: {where}")
        if role not in NOT_ENTERED:
            stack.extend((child, where) for child in reversed(list(node)) if child is not None)
    return found, seen


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    window = find_window(int(sys.argv[1]), sys.argv[2])
    if window is None:
        print(f"no window {sys.argv[2]!r} of process {sys.argv[1]} on the accessibility bus")
        return 2
    found, seen = faults(window)
    print("\n".join(found) or f"{sys.argv[2]}: every control of {seen} accessible objects is named")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
