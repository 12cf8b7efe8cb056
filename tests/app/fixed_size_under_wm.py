#!/usr/bin/python3
"""The fixed size comes back after a border drag whatever a window manager does with the
requests the window makes during the drag. Plays the window manager itself: maps the
calculator, resizes it as a border drag does, drops every request the window makes while the
drag lasts (as a manager busy with a grabbed server may), then honours requests again and
checks that the window has its size back. Run on an X display with no window manager."""
import os
import select
import subprocess
import sys
import time

from Xlib import X, display

QUORVEL = sys.argv[1]
DRAG_SECONDS = 0.6
SETTLE_SECONDS = 2.0

d = display.Display()
root = d.screen().root
root.change_attributes(event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
d.sync()

app = subprocess.Popen([QUORVEL], env=dict(os.environ, QT_QPA_PLATFORM="xcb"),
                       stderr=subprocess.DEVNULL)
window = None
fixed = None
drag_start = drag_end = None
deadline = time.monotonic() + 15


def size(w):
    g = w.get_geometry()
    return (g.width, g.height)


def honour(ev):
    changes = {}
    for flag, name in ((X.CWX, "x"), (X.CWY, "y"), (X.CWWidth, "width"),
                       (X.CWHeight, "height"), (X.CWBorderWidth, "border_width")):
        if ev.value_mask & flag:
            changes[name] = getattr(ev, name)
    ev.window.configure(**changes)


try:
    while time.monotonic() < deadline:
        now = time.monotonic()
        if window is not None and fixed is None and now > mapped_at + 1.0:
            fixed = size(window)
            drag_start = now
            window.configure(width=fixed[0] + 300, height=fixed[1] + 200)  # the drag
        if drag_start is not None and drag_end is None and now > drag_start + DRAG_SECONDS:
            drag_end = now
        if drag_end is not None and now > drag_end + SETTLE_SECONDS:
            break
        if d.pending_events() == 0:
            select.select([d.fileno()], [], [], 0.05)
            continue
        ev = d.next_event()
        if ev.type == X.MapRequest:
            ev.window.map()
            window = ev.window
            mapped_at = time.monotonic()
        elif ev.type == X.ConfigureRequest:
            dragging = drag_start is not None and drag_end is None
            if not dragging:
                honour(ev)
        d.flush()
    if fixed is None:
        sys.exit("fixed size: the window never appeared")
    now_size = size(window)
    if now_size != fixed:
        sys.exit(f"fixed size: after the drag the window is {now_size}, not {fixed}")
    print(f"fixed size: {fixed[0]}x{fixed[1]} again after a drag whose requests were dropped")
finally:
    app.terminate()
    app.wait()
