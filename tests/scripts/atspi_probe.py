#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""A screen reader's view of the running program, through AT-SPI.

  atspi_probe.py walk WINDOW_NAME          print the window's tree, one object a line:
                                           depth, role, name, description, states, actions,
                                           x y w h (in the window); exit 1 on a nameless
                                           object that acts
  atspi_probe.py act WINDOW PATH ACTION    do ACTION (press, toggle, increase, decrease) on
                                           the object at PATH ("role:name/role:name")
  atspi_probe.py set WINDOW PATH VALUE     set the value of a slider
  atspi_probe.py value WINDOW PATH         print the value of a slider
  atspi_probe.py windows                   names of the program's windows
"""
import sys

import pyatspi

APP = "vantrel"
ACTING = {"push button", "check box", "radio button", "slider", "list item",
          "page tab", "combo box", "menu item", "toggle button", "text", "entry"}


def app():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for a in desktop:
            if a is not None and a.name == APP:
                return a
        import time
        time.sleep(0.1)
    sys.exit("no accessible application named %s" % APP)


def window(name):
    for w in app():
        if w is not None and w.name == name:
            return w
    sys.exit("no window named %r among %r" % (name, [w.name for w in app() if w]))


def actions(o):
    try:
        a = o.queryAction()
    except NotImplementedError:
        return []
    return [a.getName(i).lower() for i in range(a.nActions)]


def states(o):
    s = o.getState()
    names = []
    for st, label in ((pyatspi.STATE_CHECKED, "checked"), (pyatspi.STATE_SELECTED, "selected"),
                      (pyatspi.STATE_FOCUSED, "focused"), (pyatspi.STATE_EXPANDED, "expanded"),
                      (pyatspi.STATE_SENSITIVE, "sensitive")):
        if s.contains(st):
            names.append(label)
    return names


def extents(o, origin):
    try:
        e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return (0, 0, 0, 0)
    return (e.x - origin[0], e.y - origin[1], e.width, e.height)


def one_line(text):
    return text.replace("\n", "\\n").replace("\t", "\\t")


def walk(name):
    w = window(name)
    e = w.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    origin = (e.x, e.y)
    bad = 0

    def visit(o, depth):
        nonlocal bad
        acts = actions(o)
        role = o.getRoleName()
        if depth > 0 and not o.name.strip() and (acts or role in ACTING):
            bad += 1
            print("NAMELESS", file=sys.stderr)
        x, y, ww, hh = extents(o, origin)
        print("\t".join([str(depth), role, one_line(o.name), one_line(o.description),
                         ",".join(states(o)),
                         ",".join(acts), "%d %d %d %d" % (x, y, ww, hh)]))
        for i in range(o.childCount):
            c = o.getChildAtIndex(i)
            if c is not None:
                visit(c, depth + 1)

    visit(w, 0)
    return 1 if bad else 0


def find(name, path):
    o = window(name)
    for step in path.split("/"):
        role, _, label = step.partition(":")
        for i in range(o.childCount):
            c = o.getChildAtIndex(i)
            if c is not None and c.getRoleName() == role and c.name == label:
                o = c
                break
        else:
            sys.exit("no %r under %r" % (step, o.name))
    return o


def main(argv):
    cmd = argv[1]
    if cmd == "walk":
        return walk(argv[2])
    if cmd == "windows":
        for w in app():
            if w is not None:
                print(w.name)
        return 0
    o = find(argv[2], argv[3])
    if cmd == "act":
        names = actions(o)
        if argv[4] not in names:
            sys.exit("%r has the actions %r, not %r" % (o.name, names, argv[4]))
        o.queryAction().doAction(names.index(argv[4]))
        return 0
    if cmd == "set":
        o.queryValue().currentValue = float(argv[4])
        return 0
    if cmd == "value":
        print(int(o.queryValue().currentValue))
        return 0
    sys.exit(__doc__)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
