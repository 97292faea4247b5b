"""What Pomwit's desktop tests share: the accessibility tree and its events,
read over the real accessibility bus, and keys typed on the X server."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


events = []


def record(event):
    try:
        events.append((event.type, event.source.getRoleName(), event.source.name, event.source.description))
    except Exception:  # the source may be gone already
        pass


pyatspi.Registry.registerEventListener(record, "object:property-change:accessible-name", "window:activate",
                                       "object:state-changed:selected")


def pump(seconds):
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, check, timeout=20):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            result = check()
        except Exception:  # the tree changes under the walk
            result = None
        if result:
            return result
        pump(0.05)
    sys.exit(f"FAIL: {what}")


def walk(accessible):
    yield accessible
    for child in accessible:
        if child is not None:
            yield from walk(child)


def application(process):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == process.pid:
            return app
    return None


def find(app, role, name=None, description=None):
    for node in walk(app):
        if node.getRoleName() == role and name in (None, node.name) and description in (None, node.description):
            return node
    return None


def window(app, role, name):
    return wait_for(f"no {role} named {name!r}", lambda: find(app, role, name))


seen = 0  # activation events before this one have been waited for
program = None  # the application started last


def activated(name):
    """Waits until the named window has been activated: its activation event,
    or its active state (a program that joins the bus while its first window
    is being activated sends no event for it)."""
    def found():
        global seen
        for index in range(seen, len(events)):
            if events[index][0] == "window:activate" and events[index][2] == name:
                seen = index + 1
                return True
        return program is not None and any(
            node.getRoleName() in ("frame", "dialog", "alert") and node.name == name
            and node.getState().contains(pyatspi.STATE_ACTIVE) for node in program)
    wait_for(f"{name!r} was not activated", found)


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def menu(app, frame, title, item):
    """Opens a menu with its access key and picks an entry once it shows; on a
    busy machine the first key may come before the window takes keys."""
    def showing():
        try:
            top = find(app, "frame", frame)
            bar_item = top and find(top, "menu item", title)
            popup = bar_item and bar_item.getChildAtIndex(0)
            return bool(popup and popup.getState().contains(pyatspi.STATE_SHOWING))
        except Exception:  # the tree changes under the walk
            return False
    for attempt in range(3):
        key("alt+" + title[0].lower())
        end = time.monotonic() + 5
        while time.monotonic() < end and not showing():
            pump(0.05)
        if showing():
            key(item)
            return
        key("Escape")
    sys.exit(f"FAIL: the {title} menu did not open")


def everything_said(app):
    return [text for node in walk(app) for text in (node.name, node.description)]


def start(folder):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    process = subprocess.Popen([os.path.join(folder, "pomwit")], env=env)
    global program
    program = wait_for("the program is not on the bus", lambda: application(process))
    return process, program
