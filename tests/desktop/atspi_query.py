"""Asks the game's accessibility tree, as a screen reader does, during a
turn's wait. Prints the seconds one question took to answer, then the names
of the face-up pieces and of the pause cover that show, one a line.

Usage: atspi_query.py APPLICATION_NAME
"""
import sys
import time

import pyatspi


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    sys.exit("no application " + name)


def names(node, depth=0):
    """The names of what shows under node."""
    if depth > 12:
        return
    for child in node:
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        yield child.name
        yield from names(child, depth + 1)


app = application(sys.argv[1])
frame = app.getChildAtIndex(0)
# Where the window is: a question no cache answers, so the game itself must.
start = time.monotonic()
frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
print(f"{time.monotonic() - start:.3f}", frame.name)
for name in names(frame):
    if "めくれている" in name or name == "一時停止中":
        print(name)
