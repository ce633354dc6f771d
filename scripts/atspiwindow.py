"""Finding Weftara and its controls on the AT-SPI bus, for the scripts that
drive it as a screen reader would."""

import contextlib
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def find_application(name, seconds, process):
    deadline = time.time() + seconds
    while time.time() < deadline and process.poll() is None:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name and app.name.lower() == name:
                return app
        time.sleep(0.5)
    return None


@contextlib.contextmanager
def running(command):
    """Starts the program and gives (process, application); the application
    is None when it never appeared on the bus. The program is ended
    afterwards unless it has ended by itself."""
    # On a busy machine the virtual screen now and then refuses the first
    # connection; a program that ended before it appeared is started again.
    for _ in range(3):
        process = subprocess.Popen(command)
        app = find_application("weftara", 30, process)
        if app is not None or process.poll() is None:
            break
    try:
        if app is None:
            print("Weftara did not appear on the accessibility bus", file=sys.stderr)
        else:
            time.sleep(1)  # the window's start-up runs after it registers
        yield process, app
    finally:
        if process.poll() is None:
            process.terminate()
            process.wait(timeout=10)


def walk(node, path=()):
    try:
        children = list(node)
    except Exception:
        return
    for child in children:
        if child is None:
            continue
        yield child, path
        yield from walk(child, path + (child.getRoleName(),))


def trigger(app, caption):
    """Runs the menu item with this caption (without the access key's "&")."""
    for node, _ in walk(app):
        if node.getRole() == pyatspi.ROLE_MENU_ITEM and node.name == caption:
            press(node)
            return True
    return False


def press(node):
    """The control's first action (a click). Qt answers only once the
    action's handler has returned; a late answer is no failure."""
    try:
        node.queryAction().doAction(0)
    except GLib.GError:
        pass


def find(app, role, name):
    for node, _ in walk(app):
        if node.getRole() == role and node.name == name:
            return node
    return None
