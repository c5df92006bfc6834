#!/usr/bin/python3
"""Watches a program on an X11 desktop from outside, as a user's tools would see it.

Windows and their places come from the X server (every top-level window whose _NET_WM_PID is the
program's, including the override-redirect ones the window manager never sees); texts from the
accessibility bus (AT-SPI), where Qt publishes every widget with its name and text; selections from
their owners. Every wait has a bound and says what it saw last when it runs out.

  probe.py windows PID                      every mapped top-level window of PID
  probe.py wait-window PID PATTERN SECONDS  the first one whose line matches PATTERN
  probe.py wait-gone PID PATTERN SECONDS    until none matches
  probe.py texts PID                        the program's accessible objects that are showing
  probe.py wait-text PID PATTERN SECONDS    the first such line matching PATTERN
  probe.py selection primary|clipboard      the selection's text (empty when it has no owner)
  probe.py active                           the active window and its _NET_WM_PID
  probe.py bench PID X Y DX ROUNDS PATTERN  release -> icon and release -> translation (ms), the
                                            drag made with XTest from X,Y over DX pixels, the
                                            moments taken from the X server's map events

A window line is "0xID x y w h name=NAME override=0|1"; a text line is
"role|name|text|x y w h".
"""

import re
import select
import sys
import time

from Xlib import X, Xatom, display
from Xlib.ext import xtest

dpy = display.Display()
root = dpy.screen().root
A = dpy.intern_atom


def prop(win, name, kind=X.AnyPropertyType):
    try:
        p = win.get_full_property(A(name), kind)
    except Exception:
        return None
    return p.value if p is not None else None


def window_lines(pid):
    lines = []
    try:
        children = root.query_tree().children
    except Exception:
        return lines
    # Top-level windows are root's children, or the clients inside the window manager's frames.
    candidates = []
    for w in children:
        candidates.append(w)
        try:
            candidates.extend(w.query_tree().children)
        except Exception:
            pass
    for w in candidates:
        try:
            pids = prop(w, "_NET_WM_PID", Xatom.CARDINAL)
            if pids is None or int(pids[0]) != pid:
                continue
            attrs = w.get_attributes()
            if attrs.map_state != X.IsViewable:
                continue
            g = w.get_geometry()
            at = w.translate_coords(root, 0, 0)
            name = prop(w, "_NET_WM_NAME") or prop(w, "WM_NAME") or b""
            if isinstance(name, bytes):
                name = name.decode("utf-8", "replace")
            lines.append("0x%x %d %d %d %d name=%s override=%d" % (w.id, -at.x, -at.y, g.width, g.height,
                                                                    name, attrs.override_redirect))
        except Exception:
            continue
    return lines


def accessible_app(pid):
    import pyatspi

    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def text_lines(pid):
    import pyatspi

    app = accessible_app(pid)
    lines = []

    def walk(a):
        try:
            if a.getRole() != pyatspi.ROLE_APPLICATION and not a.getState().contains(pyatspi.STATE_SHOWING):
                return
            text = ""
            try:
                t = a.queryText()
                text = t.getText(0, -1)
            except Exception:
                pass
            ext = ""
            try:
                e = a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                ext = "%d %d %d %d" % (e.x, e.y, e.width, e.height)
            except Exception:
                pass
            if a.name or text:
                lines.append("%s|%s|%s|%s" % (a.getRoleName(), a.name, text.replace("\n", "\\n"), ext))
            for i in range(a.childCount):
                walk(a.getChildAtIndex(i))
        except Exception:
            pass

    if app is not None:
        walk(app)
    return lines


def wait(what, pattern, seconds, want_match=True):
    rx = re.compile(pattern)
    end = time.monotonic() + float(seconds)
    last = []
    while True:
        last = what()
        hits = [line for line in last if rx.search(line)]
        if want_match and hits:
            return hits[0]
        if not want_match and not hits:
            return ""
        if time.monotonic() >= end:
            sys.stderr.write("probe: gave up after %s s; last seen:\n  %s\n" % (seconds, "\n  ".join(last)))
            sys.exit(1)
        time.sleep(0.05)


def selection(name):
    sel = A("PRIMARY" if name == "primary" else "CLIPBOARD")
    if dpy.get_selection_owner(sel) == X.NONE:
        return ""
    w = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
    target, dest = A("UTF8_STRING"), A("PLV_PROBE_SELECTION")
    w.convert_selection(sel, target, dest, X.CurrentTime)
    dpy.flush()
    end = time.monotonic() + 5
    while time.monotonic() < end:
        while dpy.pending_events():
            e = dpy.next_event()
            if e.type == X.SelectionNotify:
                if e.property == X.NONE:
                    return ""
                value = w.get_full_property(dest, X.AnyPropertyType)
                data = value.value if value is not None else b""
                return data.decode("utf-8", "replace") if isinstance(data, bytes) else str(data)
        time.sleep(0.01)
    sys.stderr.write("probe: the %s selection's owner did not answer in 5 s\n" % name)
    sys.exit(1)


def active():
    w = prop(root, "_NET_ACTIVE_WINDOW", Xatom.WINDOW)
    if not w:
        return "none"
    win = dpy.create_resource_object("window", int(w[0]))
    pids = prop(win, "_NET_WM_PID", Xatom.CARDINAL)
    return "0x%x pid=%s" % (int(w[0]), int(pids[0]) if pids is not None else "?")


def fake(kind, detail=0, x=None, y=None):
    if x is not None:
        xtest.fake_input(dpy, X.MotionNotify, x=x, y=y)
    if kind is not None:
        xtest.fake_input(dpy, kind, detail)
    dpy.sync()


def pid_of(win):
    pids = prop(win, "_NET_WM_PID", Xatom.CARDINAL)
    return int(pids[0]) if pids is not None else None


def next_map(pid, bound, other_than=None):
    """The moment (time.monotonic) a window of PID other than OTHER_THAN is mapped, as the X server
    tells every client that watches the root window; and the window's id and place. The popup
    starts its glide small, so windows are told apart by id, not size."""
    end = time.monotonic() + bound
    while time.monotonic() < end:
        if not dpy.pending_events():
            select.select([dpy.fileno()], [], [], 0.005)
            continue
        e = dpy.next_event()
        at = time.monotonic()
        if e.type != X.MapNotify or e.window.id == other_than or pid_of(e.window) != pid:
            continue
        g = e.window.get_geometry()
        return at, e.window.id, (g.x, g.y, g.width, g.height)
    return None, None, None


def bench(pid, x, y, dx, rounds, pattern):
    """Drags like a user (steps of 20 ms, XTest), releases, and takes the moments the X server maps the
    icon and, the icon pressed at once, the popup; the popup's text must match PATTERN then."""
    rx = re.compile(pattern)
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    dpy.sync()
    icon_ms, trans_ms = [], []
    for _ in range(rounds):
        fake(None, x=x, y=y)
        time.sleep(0.2)
        fake(X.ButtonPress, 1)
        for step in range(1, 6):
            time.sleep(0.02)
            fake(None, x=x + dx * step // 5, y=y)
        time.sleep(0.05)
        while dpy.pending_events():
            dpy.next_event()
        fake(X.ButtonRelease, 1)
        release = time.monotonic()
        shown, icon_id, icon = next_map(pid, 5)
        if shown is None:
            sys.stderr.write("probe: no icon within 5 s of a release\n")
            sys.exit(1)
        icon_ms.append((shown - release) * 1000)
        fake(None, x=icon[0] + icon[2] // 2, y=icon[1] + icon[3] // 2)
        fake(X.ButtonPress, 1)
        fake(X.ButtonRelease, 1)
        opened, _, _ = next_map(pid, 10, other_than=icon_id)
        if opened is None:
            sys.stderr.write("probe: no popup within 10 s of a press on the icon\n")
            sys.exit(1)
        # The popup maps with the answer in it when the answer came first; else the moment the
        # answer shows counts.
        lines = text_lines(pid)
        while not any(rx.search(line) for line in lines) and time.monotonic() - release < 10:
            lines = text_lines(pid)
            opened = time.monotonic()
        if not any(rx.search(line) for line in lines):
            sys.stderr.write("probe: no popup text matching %s within 10 s\n" % pattern)
            sys.exit(1)
        trans_ms.append((opened - release) * 1000)
        # A click elsewhere in the application closes the popup before the next round.
        fake(None, x=x + 400, y=y + 60)
        time.sleep(0.3)
        fake(X.ButtonPress, 1)
        time.sleep(0.05)
        fake(X.ButtonRelease, 1)
        wait(lambda: window_lines(pid), r"override=1", 5, want_match=False)
        # The program looks at the button every 50 ms and fades the popup out: the next press
        # must not come before it has seen this release.
        time.sleep(0.5)
    for name, values in (("icon", icon_ms), ("translation in the popup", trans_ms)):
        values.sort()
        print("release -> %s: median %.0f ms, p95 %.0f ms over %d selections" %
              (name, values[len(values) // 2], values[min(len(values) - 1, int(len(values) * 0.95))],
               len(values)))


def main(argv):
    if len(argv) < 2:
        sys.stderr.write(__doc__)
        return 2
    cmd, args = argv[1], argv[2:]
    if cmd == "windows":
        print("\n".join(window_lines(int(args[0]))))
    elif cmd == "wait-window":
        print(wait(lambda: window_lines(int(args[0])), args[1], args[2]))
    elif cmd == "wait-gone":
        wait(lambda: window_lines(int(args[0])), args[1], args[2], want_match=False)
    elif cmd == "texts":
        print("\n".join(text_lines(int(args[0]))))
    elif cmd == "wait-text":
        print(wait(lambda: text_lines(int(args[0])), args[1], args[2]))
    elif cmd == "selection":
        print(selection(args[0]))
    elif cmd == "active":
        print(active())
    elif cmd == "bench":
        bench(int(args[0]), int(args[1]), int(args[2]), int(args[3]), int(args[4]), args[5])
    else:
        sys.stderr.write("probe: unknown command %s\n" % cmd)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
