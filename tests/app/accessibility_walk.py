#!/usr/bin/python3
"""Walks the running calculator's accessibility tree through AT-SPI, as a screen reader does,
and checks what it would announce; then opens the market window with Ctrl+M and walks its
cells. Run beside a started `quorvel`, on the same X display and D-Bus session."""
import sys
import time

import pyatspi

RESULTS = {"Back Stake", "Lay Liability", "Total Stake", "Net P/L"}  # mode 1
failures = []


def expect(condition, message):
    if not condition:
        failures.append(message)


def find_app(name, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"accessibility: no application {name!r} on the accessibility bus")


def nodes(node):
    yield node
    for i in range(node.childCount):
        yield from nodes(node.getChildAtIndex(i))


def has(node, state):
    return node.getState().contains(state)


def showing(app, role):
    return [n for n in nodes(app) if n.getRoleName() == role and has(n, pyatspi.STATE_SHOWING)]


def selected_tabs(app):
    return [t.name for t in showing(app, "page tab") if has(t, pyatspi.STATE_SELECTED)]


def press_alt(letter):
    alt = 64  # Alt_L in the X server's default keymap
    pyatspi.Registry.generateKeyboardEvent(alt, None, pyatspi.KEY_PRESS)
    pyatspi.Registry.generateKeyboardEvent(ord(letter), None, pyatspi.KEY_SYM)
    pyatspi.Registry.generateKeyboardEvent(alt, None, pyatspi.KEY_RELEASE)


def wait_for(condition, seconds=5):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and not condition():
        time.sleep(0.05)
    return condition()


app = find_app("Quorvel")
windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
expect([w.getRoleName() for w in windows] in (["frame"], ["window"]),
       f"the window is announced as {[w.getRoleName() for w in windows]}, not as a frame")

labels = {n.name for n in showing(app, "label")}
fields = showing(app, "text")
expect(len(fields) == 8, f"{len(fields)} fields show, not 8")
for field in fields:
    expect(field.name in labels, f"field {field.name!r} is not named by a label that shows")
    expect(has(field, pyatspi.STATE_READ_ONLY) == (field.name in RESULTS),
           f"field {field.name!r}: read-only is {has(field, pyatspi.STATE_READ_ONLY)}")

boxes = showing(app, "check box")
expect([b.name for b in boxes] == ["Single Betting Market"], f"check boxes: {boxes}")
expect(all(has(b, pyatspi.STATE_CHECKED) for b in boxes), "the check box is not announced ticked")

expect(wait_for(lambda: selected_tabs(app) == ["Bet Back"]),
       f"selected tabs at start: {selected_tabs(app)}")
focused = lambda: [n.name for n in nodes(app) if has(n, pyatspi.STATE_FOCUSED)]
expect(wait_for(lambda: focused() == ["Lay Price"]), f"focused at start: {focused()}")

press_alt("a")
expect(wait_for(lambda: selected_tabs(app) == ["Lay Back"]),
       f"selected tabs after Alt+A: {selected_tabs(app)}")
expect(wait_for(lambda: focused() == ["Back Price"]), f"focused after Alt+A: {focused()}")

# The market window: each cell called by its runner and column, the results read-only.
control = 37  # Control_L in the X server's default keymap
pyatspi.Registry.generateKeyboardEvent(control, None, pyatspi.KEY_PRESS)
pyatspi.Registry.generateKeyboardEvent(ord("m"), None, pyatspi.KEY_SYM)
pyatspi.Registry.generateKeyboardEvent(control, None, pyatspi.KEY_RELEASE)
market = lambda: [w for w in (app.getChildAtIndex(i) for i in range(app.childCount))
                  if w is not None and w.name == "Quorvel Market"]
expect(wait_for(lambda: market() != []), "Ctrl+M opened no window \"Quorvel Market\"")
if market():
    cells = {n.name: n for n in nodes(market()[0]) if n.getRoleName() == "text"}
    for name, read_only in (("Runner 1, Runner", False), ("Runner 2, Back", False),
                            ("Runner 10, Bets", False), ("Runner 1, If wins", True),
                            ("Runner 3, Hedge", True), ("Runner 10, Net", True)):
        expect(name in cells, f"no market cell {name!r}")
        if name in cells:
            expect(has(cells[name], pyatspi.STATE_READ_ONLY) == read_only,
                   f"market cell {name!r}: read-only is {not read_only}")
    expect(wait_for(lambda: focused() == ["Runner 1, Runner"]),
           f"focused in the market window: {focused()}")

for failure in failures:
    print("accessibility:", failure, file=sys.stderr)
print(f"accessibility: {'failed' if failures else 'the tree reads right'}")
sys.exit(1 if failures else 0)
