#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Copyright 2026 The Zifrel developers
"""A screen reader that starts after the program, timed.

Usage (on an X server, under with_a11y_bus): late_reader.py ZIFREL

Starts the program while no screen reader runs, finds it on the
accessibility bus, presses Check Puzzle (Ctrl+K) and then an arrow key, and
counts what was announced meanwhile (nothing should be). Then says in the
bus's status that a screen reader runs, as Orca does when it starts, and
presses Ctrl+K until its answer is heard. Prints "found 0|1", "silent 0|1"
and "heard MS" (from the status change to the answer; -1 if never).
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import Gio, GLib

events = []


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        context.iteration(False)
        time.sleep(0.005)


def wait_for(condition, seconds=20.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.01)
        found = condition()
        if found:
            return found
    return None


def application():
    return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Zifrel"
                 and a.childCount > 0), None)


def on_event(event):
    try:
        events.append((event.type, event.source.getRoleName(), event.source.name, event.detail1))
    except Exception:  # gone by the time it is read
        events.append((event.type, "gone", "", 0))


def heard(prefix):
    """A notification that appeared with the sentence: what screen readers speak."""
    return any(e[1] == "notification" and e[2].startswith(prefix) and e[3] == 1 for e in events)


def main():
    work = tempfile.mkdtemp()
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
    program = subprocess.Popen([sys.argv[1]], cwd=work, env=env, stderr=subprocess.DEVNULL)
    try:
        app = wait_for(application)
        print(f"found {1 if app else 0}")
        if app is None:
            print("silent 0\nheard -1")
            return 1
        pyatspi.Registry.registerEventListener(on_event, "object:state-changed:showing",
                                               "object:state-changed:focused")
        pump(1.0)
        # Nobody listens yet: Check Puzzle shows its answer but announces
        # nothing. The arrow key's focus change comes after it on the bus.
        subprocess.run(["xdotool", "key", "ctrl+k", "Right"], check=True)
        wait_for(lambda: any(e[0] == "object:state-changed:focused" and e[2] == "Row 1, column 2" for e in events))
        print(f"silent {0 if heard('Check Puzzle: ') else 1}")
        Gio.bus_get_sync(Gio.BusType.SESSION, None).call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
            GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))), None,
            Gio.DBusCallFlags.NONE, -1, None)
        start = time.monotonic()
        for _ in range(100):
            subprocess.run(["xdotool", "key", "ctrl+k"], check=True)
            if wait_for(lambda: heard("Check Puzzle: "), 0.2):
                break
        print(f"heard {(time.monotonic() - start) * 1000:.0f}" if heard("Check Puzzle: ") else "heard -1")
        return 0
    finally:
        program.terminate()
        program.wait()


if __name__ == "__main__":
    sys.exit(main())
