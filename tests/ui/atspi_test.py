#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Copyright 2026 The Zifrel developers
"""Walks Zifrel's window as a screen reader does, through AT-SPI.

Run by atspi_test.sh, which starts the buses, then the program as a desktop
starts it, then this, which plays a screen reader started after it: the
program must be found, and announce nothing until the bus's status says
that a screen reader runs. Checks what a cell offers (role, name, text, a
brief description, states) before and after typing and Solve, that each
command and each message is announced, by the application itself, that
typing a digit reaches the reader as new text, that text typed into a cell
is read as it shows, that only the focused cell reports a selection, that
the hint (Ctrl+H) is announced, that Ctrl+J takes the focus to the hinted
cell, which then tells the hint, that Escape dismisses it, that Shift+F1
is announced, that the solved board is, and that a digit typed twice into
a row is announced and described as a contradiction. Exit status 0 when
all holds.
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

failures = []


def check(holds, what):
    if not holds:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        context.iteration(False)
        time.sleep(0.01)


def wait_for(condition, seconds=60):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.05)
        found = condition()
        if found:
            return found
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Zifrel" and app.childCount > 0:
            return app
    return None


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def states(node):
    return {pyatspi.stateToString(s) for s in node.getState().getStates()}


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


events = []


def on_event(event):
    try:
        parent = event.source.parent.getRoleName() if event.source.parent else ""
        events.append((event.type, event.source.getRoleName(), event.source.name, event.detail1, event.any_data, parent))
    except Exception as error:  # an object gone by the time the event is read
        events.append((event.type, "gone", str(error), 0, None, ""))


def key(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True)


def focus(cell):
    cell.queryComponent().grabFocus()
    wait_for(lambda: "focused" in states(cell))


def announced(prefix):
    for event in events:
        if event[0] == "object:state-changed:showing" and event[1] == "notification" and event[3] == 1 \
                and event[2].startswith(prefix):
            return event[2]
    return None


def said_by(prefix):
    """Who announced the sentence: the role of the notification's parent."""
    return next((e[5] for e in events if e[1] == "notification" and e[2].startswith(prefix)), None)


app = wait_for(application)
if app is None:
    sys.exit("atspi_test: Zifrel never appeared on the accessibility bus, started before any screen reader")
# Listening once the registry has surely started (a listener asked for
# before may never be heard of); the program sends no events until it knows
# that someone listens: Tab and Shift+Tab until their focus moves are heard.
pyatspi.Registry.registerEventListener(on_event, "object:state-changed:showing", "object:text-changed",
                                       "object:state-changed:focused")
check(wait_for(lambda: subprocess.run(["xdotool", "key", "Tab", "shift+Tab"], check=True) and wait_for(
    lambda: any(e[0] == "object:state-changed:focused" for e in events), 1)), "focus moves are told")
window = app.getChildAtIndex(0)
cells = {c.name: c for c in children(window) if c.getRoleName() == "text"}
buttons = {c.name: c for c in children(window) if c.getRoleName() == "push button"}
check(len(cells) == 81, f"81 cells, found {len(cells)}")
check(set(buttons) == {"Solve", "Reset", "Clear", "Set", "Pass", "Save", "Load", "Cell", "Start", "Help"},
      f"the ten buttons, found {sorted(buttons)}")

first = cells["Row 1, column 1"]
wait_for(lambda: "focused" in states(first))
interfaces = pyatspi.listInterfaces(first)
check("Text" in interfaces and "EditableText" in interfaces, f"a cell is editable text: {interfaces}")
check({"editable", "focusable", "focused"} <= states(first), f"r1c1 is editable and focused: {states(first)}")
check(text_of(first) == "", f"an empty cell's text is nothing: {text_of(first)!r}")
check(first.description == "empty", f"an empty cell says so: {first.description!r}")

# Asked about an empty cell that no Pass has worked on, the cell says so;
# but while the bus says that no screen reader runs, nothing is announced.
events.clear()
key("shift+F1")
# Typing a digit: the cell's text becomes it, and the reader is told.
key("7")
wait_for(lambda: text_of(first) == "7")
check(text_of(first) == "7", f"typed 7 is the cell's text: {text_of(first)!r}")
check(any(e[0] == "object:text-changed:insert" and e[2] == "Row 1, column 1" and e[4] == "7" for e in events),
      f"the typed 7 reaches the reader as inserted text: {events}")
check(first.description == "You entered 7", f"a typed digit is the person's entry: {first.description!r}")
check(not [e for e in events if e[1] == "notification" and e[3] == 1],
      f"nothing is announced while no screen reader runs: {events}")

# A screen reader starts: it says so in the bus's status, as Orca does.
Gio.bus_get_sync(Gio.BusType.SESSION, None).call_sync(
    "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
    GLib.Variant("(ssv)", ("org.a11y.Status", "IsEnabled", GLib.Variant("b", True))), None,
    Gio.DBusCallFlags.NONE, -1, None)
# Check Puzzle's answer is heard, said by the application itself; pressed
# until the program has heard of the screen reader.
events.clear()
for _ in range(60):
    key("ctrl+k")
    if wait_for(lambda: announced("Check Puzzle: "), 1):
        break
check(announced("Check Puzzle: ") is not None, f"Check Puzzle's answer is announced: {events}")
check(said_by("Check Puzzle: ") == "application", f"by the application, without its window: {said_by('Check Puzzle: ')}")
# A count that ends at once is told once, by what it found: not also as
# "counting", which a reader would hear as the answer twice.
pump(1)
heard = [e for e in events if e[0] == "object:state-changed:showing" and e[1] == "notification" and e[3] == 1
         and e[5] == "application"]
# (On a machine too busy to count within half a second, "counting" may
# come first, and is then heard as itself.)
check(len(heard) == 1 or any("counting" in e[2] for e in heard), f"Check Puzzle is told once: {heard}")
key("0")
wait_for(lambda: text_of(first) == "")
events.clear()
key("shift+F1")
said = wait_for(lambda: announced("Row 1, column 1\n"))
check(said is not None and "Nothing is ruled out here yet" in said, f"Shift+F1 on an untouched cell says so: {said!r}")

# Load, Pass and Solve by the buttons' own actions, as a reader's user
# presses them; each is announced.
for name, prefix in (("Load", "Loaded Zifrel.zfr: "), ("Pass", "Pass: "), ("Solve", "Solve: ")):
    events.clear()
    action = buttons[name].queryAction()
    action.doAction(0)
    said = wait_for(lambda: announced(prefix))
    check(said is not None, f"{name} is announced: {events}")
    if name == "Load":
        # The hint, from the keyboard alone: where to look, then the digit,
        # then why; Escape dismisses it and leaves the window open.
        events.clear()
        key("ctrl+h")
        said = wait_for(lambda: announced("Look at row "))
        check(said is not None, f"the hint's first press is announced: {events}")
        # Ctrl+J takes the focus there, and the cell tells the hint.
        hinted = cells[said[len("Look at "):said.index(":")].capitalize()] if said else first
        key("ctrl+j")
        wait_for(lambda: "focused" in states(hinted))
        check("focused" in states(hinted) and said and "Hint: " + said.split(": ", 1)[1] in hinted.description,
              f"Ctrl+J takes the focus to the hinted cell, which tells the hint without its place again: "
              f"{hinted.description!r}")
        events.clear()
        key("ctrl+h")
        said = wait_for(lambda: announced("") and " goes here: " in announced(""))
        check(said is not None, f"the second press tells the digit: {events}")
        key("ctrl+h")
        said = wait_for(lambda: announced("Hint: row "))
        check(said is not None and " ruled out" in said, f"the third tells why: {said!r}")
        events.clear()
        key("Escape")
        wait_for(lambda: any(e[0] == "object:state-changed:showing" and e[3] == 0 for e in events))
        check("showing" in states(window) and len(children(window)) > 81, "Escape dismisses the hint, not the window")
        focus(first)
    if name == "Pass":
        # An empty cell with pencil marks says what is still possible, in
        # brief: the reasons come with Shift+F1, which a screen reader hears.
        marked = [c for c in cells.values() if text_of(c) == "" and c.description.startswith("empty, still possible ")]
        check(len(marked) > 0, "a pencil-marked cell says what is still possible")
        check(not [c.name for c in marked if " ruled out" in c.description],
              f"in brief: {[c.description for c in marked if ' ruled out' in c.description][:1]}")
        if marked:
            focus(marked[0])
            events.clear()
            key("shift+F1")
            said = wait_for(lambda: announced(marked[0].name + "\n"))
            check(said is not None and " is ruled out: " in said, f"Shift+F1 tells the reasons: {said!r}")
            focus(first)
        # Text typed into such a cell is read as it shows, not as its marks.
        if marked:
            typed = "hello, this is not a puzzle 12345"
            marked[0].queryEditableText().insertText(0, typed, len(typed))
            wait_for(lambda: text_of(marked[0]) == typed)
            check(text_of(marked[0]) == typed, f"typed text is the cell's text: {text_of(marked[0])!r}")
            check(marked[0].description.startswith(typed), f"and its description: {marked[0].description!r}")
    if name == "Solve":
        check(said and ", 0 open. Solved in " in said, f"Solve finishes this puzzle, which is told: {said!r}")

check(text_of(first) == "7" or text_of(first).isdigit(), f"r1c1 holds a digit: {text_of(first)!r}")
found = [c for c in cells.values() if text_of(c).isdigit() and "found" in c.description]
check(len(found) > 0 or all(text_of(c).isdigit() for c in cells.values()), "every cell holds a digit after Solve")
check(all(len(text_of(c)) == 1 for c in cells.values()), "after Solve every cell's text is one digit")
# Asked what is selected, the reader hears the focused cell's digit alone.
selected = sorted(name for name, c in cells.items() if c.queryText().getNSelections() > 0)
check(selected == ["Row 1, column 1"], f"only the focused cell has a selection: {selected}")

# A digit typed twice into row 1: announced, and the cell says why.
row_one = [text_of(cells[f"Row 1, column {c}"]) for c in range(1, 10)]
twice = row_one[4]
events.clear()
subprocess.run(["xdotool", "key", twice], check=True)
said = wait_for(lambda: announced("The board contradicts itself: "))
check(said is not None and f"your {twice} in row 1, column 1 clashes with the {twice} in row 1, column 5" in said,
      f"the contradiction is announced: {said!r} {events}")
described = wait_for(lambda: f"{twice} also stands in row 1, column 5" in first.description)
check(described, f"the cell's description says what is wrong: {first.description!r}")

# The menu bar reads each item with its key, and F10 opens its first menu.
bar = next((c for c in children(window) if c.getRoleName() == "menu bar"), None)
check(bar is not None and [m.name for m in children(bar)] == ["Game", "Edit", "View", "Help"],
      f"the menu bar holds Game, Edit, View and Help: {bar and [m.name for m in children(bar)]}")
if bar is not None:
    game = children(bar)[0].getChildAtIndex(0)
    names = [i.name for i in children(game)]
    check("New Puzzle, Level 1\tCtrl+N" in names and "Quit\tCtrl+Q" in names, f"Game's items name their keys: {names}")
    subprocess.run(["xdotool", "key", "F10"], check=True)
    check(wait_for(lambda: "showing" in states(game)), "F10 opens the Game menu")
    subprocess.run(["xdotool", "key", "Escape"], check=True)

# A Save that fails is heard.
work = os.environ["ZIFREL_ATSPI_WORK"]
os.remove(os.path.join(work, "Zifrel.zfr"))
os.mkdir(os.path.join(work, "Zifrel.zfr"))
events.clear()
key("alt+v")
said = wait_for(lambda: announced("Not saved: "))
check(said is not None and said.endswith(" is a folder, not a file"), f"a failed Save is announced: {said!r} {events}")

print(f"atspi_test: {len(failures)} failure(s)")
sys.exit(1 if failures else 0)
