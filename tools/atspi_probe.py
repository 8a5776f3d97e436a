#!/usr/bin/python3
"""What a screen reader gets from the running game, read through AT-SPI.

usage: atspi_probe.py tree     prints the game's accessibility tree
       atspi_probe.py listen   prints every accessibility event until killed

Run it with Debian's own python3 (it needs python3-pyatspi), on the session
bus where the game runs with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. Read each
tree in a fresh process: a long-lived reader may show cached names.
"""
import sys

import pyatspi

STATES = (("showing", pyatspi.STATE_SHOWING), ("focusable", pyatspi.STATE_FOCUSABLE),
          ("focused", pyatspi.STATE_FOCUSED))


def describe(node):
    return f"[{node.getRoleName()}] {node.name!r}"


def print_tree(node, depth=0):
    try:
        ext = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        box = f"{ext.x},{ext.y} {ext.width}x{ext.height}"
    except NotImplementedError:
        box = "-"
    state = node.getState()
    flags = " ".join(name for name, s in STATES if state.contains(s))
    try:
        action = node.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        names = []
    actions = f" actions={names}" if names else ""
    description = f" description={node.description!r}" if node.description else ""
    print(f"{'  ' * depth}{describe(node)}{description} {box} {flags}{actions}")
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            print_tree(child, depth + 1)


def print_event(event):
    data = event.any_data
    if isinstance(data, pyatspi.Accessible):
        data = describe(data)
    source = describe(event.source) if event.source is not None else "-"
    print(f"{event.type} {source} detail1={event.detail1} data={data!r}", flush=True)


def main():
    mode = sys.argv[1] if len(sys.argv) > 1 else ""
    if mode == "tree":
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Lorvane":
                print_tree(app)
    elif mode == "listen":
        pyatspi.Registry.registerEventListener(print_event, "object:", "focus:", "window:")
        pyatspi.Registry.start()
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
