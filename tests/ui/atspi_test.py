#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Copyright 2026 The Zifrel developers
"""Walks Zifrel's window as a screen reader does, through AT-SPI.

Run by atspi_test.sh, which starts the buses, the program and this. Checks
what a cell offers (role, name, text, description, states) before and after
typing and Solve, that each command is announced, that typing a digit
reaches the reader as new text, that text typed into a cell is read as it
shows, that only the focused cell reports a selection, that the hint
(Ctrl+H) is announced and Escape dismisses it, and that a digit typed twice
into a row is announced and described as a contradiction. Exit status 0
when all holds.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

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


def wait_for(condition, seconds=10):
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
        events.append((event.type, event.source.getRoleName(), event.source.name, event.detail1, event.any_data))
    except Exception as error:  # an object gone by the time the event is read
        events.append((event.type, "gone", str(error), 0, None))


app = wait_for(application)
if app is None:
    sys.exit("atspi_test: Zifrel never appeared on the accessibility bus")
# Listening once the registry has surely started (a listener asked for
# before may never be heard of), and then a moment for the program to learn
# that someone listens: until then it sends no events.
pyatspi.Registry.registerEventListener(on_event, "object:state-changed:showing", "object:text-changed")
pump(1.0)
window = app.getChildAtIndex(0)
cells = {c.name: c for c in children(window) if c.getRoleName() == "text"}
buttons = {c.name: c for c in children(window) if c.getRoleName() == "push button"}
check(len(cells) == 81, f"81 cells, found {len(cells)}")
check(set(buttons) == {"Solve", "Reset", "Clear", "Set", "Pass", "Save", "Load", "Cell", "Start", "Help"},
      f"the ten buttons, found {sorted(buttons)}")

first = cells["Row 1, column 1"]
interfaces = pyatspi.listInterfaces(first)
check("Text" in interfaces and "EditableText" in interfaces, f"a cell is editable text: {interfaces}")
check({"editable", "focusable", "focused"} <= states(first), f"r1c1 is editable and focused: {states(first)}")
check(text_of(first) == "", f"an empty cell's text is nothing: {text_of(first)!r}")
check(first.description == "empty", f"an empty cell says so: {first.description!r}")

# Typing a digit: the cell's text becomes it, and the reader is told.
events.clear()
subprocess.run(["xdotool", "key", "7"], check=True)
wait_for(lambda: text_of(first) == "7")
check(text_of(first) == "7", f"typed 7 is the cell's text: {text_of(first)!r}")
check(any(e[0] == "object:text-changed:insert" and e[2] == "Row 1, column 1" and e[4] == "7" for e in events),
      f"the typed 7 reaches the reader as inserted text: {events}")
check(first.description == "You entered 7", f"a typed digit is the person's entry: {first.description!r}")


def announced(prefix):
    for event in events:
        if event[0] == "object:state-changed:showing" and event[1] == "notification" and event[3] == 1 \
                and event[2].startswith(prefix):
            return event[2]
    return None


# Load, Pass and Solve by the buttons' own actions, as a reader's user
# presses them; each is announced.
for name, prefix in (("Load", "Loaded Zifrel.zfr: "), ("Pass", "Pass: "), ("Solve", "Solve: ")):
    events.clear()
    action = buttons[name].queryAction()
    action.doAction(0)
    said = wait_for(lambda: announced(prefix))
    check(said is not None, f"{name} is announced: {events}")
    if name == "Load":
        # The hint, from the keyboard alone: where to look, then the digit
        # and why; Escape dismisses it and leaves the window open.
        events.clear()
        subprocess.run(["xdotool", "key", "ctrl+h"], check=True)
        said = wait_for(lambda: announced("Hint\nLook at row "))
        check(said is not None, f"the hint's first press is announced: {events}")
        events.clear()
        subprocess.run(["xdotool", "key", "ctrl+h"], check=True)
        said = wait_for(lambda: announced("Hint: row "))
        check(said is not None and " goes here: " in said, f"the second press tells the digit and why: {said!r}")
        subprocess.run(["xdotool", "key", "Escape"], check=True)
        pump(0.5)
        check("showing" in states(window) and len(children(window)) > 81, "Escape dismisses the hint, not the window")
    if name == "Pass":
        # An empty cell with pencil marks says what is still possible.
        marked = [c for c in cells.values() if text_of(c) == "" and c.description.startswith("empty, still possible ")]
        check(len(marked) > 0, "a pencil-marked cell says what is still possible")
        # Text typed into such a cell is read as it shows, not as its marks.
        if marked:
            typed = "hello, this is not a puzzle 12345"
            marked[0].queryEditableText().insertText(0, typed, len(typed))
            wait_for(lambda: text_of(marked[0]) == typed)
            check(text_of(marked[0]) == typed, f"typed text is the cell's text: {text_of(marked[0])!r}")
            check(marked[0].description.startswith(typed), f"and its description: {marked[0].description!r}")
    if name == "Solve":
        check(said and said.endswith(", 0 open"), f"Solve finishes this puzzle: {said!r}")

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

print(f"atspi_test: {len(failures)} failure(s)")
sys.exit(1 if failures else 0)
