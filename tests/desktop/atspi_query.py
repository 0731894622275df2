"""Asks the game's accessibility tree, as a screen reader does, during a
turn's wait. Prints the seconds one question took to answer, then the names
of the shown pieces, one a line.

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
    if depth > 12:
        return
    for child in node:
        if child is None:
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
    if "めくれている" in name:
        print(name)
