#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Copyright 2026 The Zifrel developers
"""A blind solve, scripted: Orca reads Zifrel aloud, this plays the user.

Usage: blind_solve.py ZIFREL PUZZLE-LINE TRANSCRIPT [--always-on] [--jump KEY]

Starts an X server, a session bus and the accessibility bus, then Zifrel,
then Orca (so that Zifrel must find a screen reader that came after it;
--always-on starts Zifrel with QT_LINUX_ACCESSIBILITY_ALWAYS_ON, which
builds without that need), with the puzzle in Zifrel.zfr. It hears only
what Orca speaks (Orca's own debug output, "SPEECH OUTPUT") and presses
keys with xdotool:

  Load (Alt+L); then for each cell until Zifrel says the puzzle is solved,
  or until the hint says Zifrel's rules fill nothing more: the hint
  (Ctrl+H) for where to look, again for the digit, the way to the cell (the
  arrow keys, the shortest way round the board's edges, or with --jump
  KEY that key in place of the first hint, which then must both point and
  move there), and the digit.

Before the solve it asks for Shift+F1 on the first empty cell of row 1;
after it, for the messages a user must hear: Check Puzzle (Ctrl+K), Where
Am I (KP_Enter: the focused cell alone), the same after text was put into
the cell as a paste puts it (heard as it shows), a refused paste
(Ctrl+Shift+V with nothing on the clipboard), a failed Save (Alt+V where
Zifrel.zfr is a folder) and the zoom limit (Ctrl+Plus until the screen is
full). Prints the figures as JSON (keys and spoken words per
filled cell, over the solve alone, and what each message said, or null
where nothing was heard) and writes every key and every spoken line, in
order, to TRANSCRIPT. Exits 1 if the puzzle was not filled.
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

# Orca as /usr/bin/orca starts it, but with its debug file written line by
# line, so that speech can be read as it comes, and blind to Orca in other
# sessions of this user (it would refuse to start beside them).
ORCA = """
import builtins, runpy, sys
sys.argv[0] = "orca"
debug = sys.argv[sys.argv.index("--debug-file") + 1]
plain_open = builtins.open
def line_by_line(file, mode="r", *args, **kwargs):
    if file == debug and "w" in mode:
        return plain_open(file, mode, 1)
    return plain_open(file, mode, *args, **kwargs)
builtins.open = line_by_line
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")
launcher["main"].__globals__["otherOrcas"] = lambda: []
sys.exit(launcher["main"]())
"""
SPEECH = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - SPEECH OUTPUT: '(.*?)' ?\{'established'", re.S | re.M)
WORD = re.compile(r"[A-Za-z0-9%]+")


class Orca:
    """Orca's speech, read from its debug file as it grows."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.pending = ""
        self.said = []

    def poll(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                f.seek(self.offset)
                chunk = f.read()
                self.offset = f.tell()
        except FileNotFoundError:
            return
        self.pending += chunk
        # A speech line may still be half written: keep the tail from the
        # last time stamp on.
        end = self.pending.rfind("\n0")
        if end < 0:
            end = self.pending.rfind("\n1")
        complete, self.pending = (self.pending[:end], self.pending[end:]) if end > 0 else ("", self.pending)
        for match in SPEECH.finditer(complete):
            self.said.append(re.sub(r"\n\s+", "\n", match.group(1)))


class User:
    def __init__(self, orca, transcript):
        self.orca = orca
        self.transcript = transcript
        self.keys = 0
        self.heard = 0  # how many of orca.said were heard so far

    def wait(self, condition, seconds=20.0):
        """Waits until what was said since the last key meets condition, then
        until Orca has been quiet for a moment; returns what was said."""
        end = time.monotonic() + seconds
        found = False
        while time.monotonic() < end:
            self.orca.poll()
            if condition(self.new()):
                found = True
                break
            time.sleep(0.05)
        quiet_since, count = time.monotonic(), len(self.orca.said)
        while found and time.monotonic() - quiet_since < 0.6 and time.monotonic() < end + 5:
            time.sleep(0.05)
            self.orca.poll()
            if len(self.orca.said) != count:
                quiet_since, count = time.monotonic(), len(self.orca.said)
        said = self.new()
        for line in self.orca.said[self.heard:]:
            self.transcript.append("  " + line.replace("\n", "\n  "))
        self.heard = len(self.orca.said)
        return said

    def new(self):
        return "\n".join(self.orca.said[self.heard:])

    def press(self, key, until=lambda said: said.strip(), seconds=20.0):
        self.transcript.append("> " + key)
        self.keys += 1
        subprocess.run(["xdotool", "key", "--delay", "0", key], check=True)
        return self.wait(until, seconds)


def words(text):
    return len(WORD.findall(text))


def place(said, pattern=r"[Ll]ook at row (\d), column (\d)"):
    match = re.search(pattern, said)
    return (int(match.group(1)) - 1, int(match.group(2)) - 1) if match else None


def arrows(start, goal):
    """The arrow keys from start to goal, the shorter way round each line."""
    keys = []
    for axis, (less, more) in ((0, ("Up", "Down")), (1, ("Left", "Right"))):
        step = (goal[axis] - start[axis]) % 9
        keys += [more] * step if step <= 4 else [less] * (9 - step)
    return keys


def solve(user, jump, figures, focus):
    filled = 0
    start_keys, start_words = user.keys, sum(words(s) for s in user.orca.said)
    solved_by = None
    for _ in range(120):
        # The jump lands on the cell, which names itself and tells the hint;
        # already there, the hint is announced with the cell's place.
        def hinted(s):
            return (jump and place(s, r"Row (\d), column (\d) text[\s\S]*?Hint: ")) or place(s)

        said = user.press(jump or "ctrl+h", lambda s: hinted(s) or "fill no further" in s or "contradicts" in s)
        target = hinted(said)
        if target is None:
            solved_by = said
            break
        said = user.press("ctrl+h", lambda s: re.search(r"(\d) goes here", s))
        digit = re.search(r"(\d) goes here", said)
        if not digit:
            break
        if jump:
            focus = target
        else:
            for key in arrows(focus, target):
                user.press(key, lambda s: "Row " in s)
            focus = target
        said = user.press(digit.group(1), lambda s: digit.group(1) in s)
        filled += 1
        print(f"blind_solve: {filled} filled, {user.keys} keys", file=sys.stderr, flush=True)
        if "Solved" in said:
            solved_by = said
            break
    figures["filled"] = filled
    figures["keys"] = user.keys - start_keys
    figures["words"] = sum(words(s) for s in user.orca.said) - start_words
    figures["keys_per_cell"] = round(figures["keys"] / max(filled, 1), 2)
    figures["words_per_cell"] = round(figures["words"] / max(filled, 1), 1)
    figures["solved_message"] = solved_by if solved_by and "Solved" in solved_by else None
    return focus


def focused_cell():
    import pyatspi
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Zifrel":
            window = app.getChildAtIndex(0)
            for i in range(window.childCount):
                child = window.getChildAtIndex(i)
                if child.getState().contains(pyatspi.STATE_FOCUSED):
                    return child
    return None


def messages(user, work, figures):
    """What a user hears of each message, or None."""
    heard = {}

    def ask(name, key, expect, seconds=8.0):
        said = user.press(key, lambda s: expect in s, seconds)
        heard[name] = said if expect in said else None

    ask("check_puzzle", "ctrl+k", "Check Puzzle")
    ask("where_am_i", "KP_Enter", "Row ")
    # Text pasted into the focused cell (put there as a paste puts it) is
    # heard as it shows.
    pasted = "hello, this is not a puzzle 12345"
    focused = focused_cell()
    if focused is not None:
        focused.queryEditableText().insertText(0, pasted, len(pasted))
    ask("pasted_text", "KP_Enter", pasted)
    ask("refused_paste", "ctrl+shift+v", "Not pasted")
    os.remove(os.path.join(work, "Zifrel.zfr"))
    os.mkdir(os.path.join(work, "Zifrel.zfr"))
    ask("failed_save", "alt+v", "Not saved")
    for _ in range(12):
        said = user.press("ctrl+plus", lambda s: "Size" in s or "as large as" in s, 8.0)
        if "as large as" in said:
            break
    heard["zoom_limit"] = said if "as large as" in said else None
    figures["messages"] = heard


def main():
    if not os.environ.get("ZIFREL_BLIND_INNER"):
        os.environ["ZIFREL_BLIND_INNER"] = "1"
        # A user of its own: Orca's settings and the desktop's (Orca turns
        # the desktop's accessibility on) go with the run.
        os.environ["XDG_CONFIG_HOME"] = tempfile.mkdtemp()
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24", "dbus-run-session", "--",
                               "/usr/bin/python3", *sys.argv])
    args = sys.argv[1:]
    always_on = "--always-on" in args
    jump = args[args.index("--jump") + 1] if "--jump" in args else None
    program, puzzle, transcript_path = [a for a in args if not a.startswith("--") and a != jump][:3]
    work = tempfile.mkdtemp()
    children = []
    try:
        with open(os.path.join(work, "Zifrel.zfr"), "w") as f:
            f.write(puzzle + "\n")
        children.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        # Up before the program, as on a desktop.
        for _ in range(200):
            owner = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                                    "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                                    "string:org.a11y.Bus"], capture_output=True, text=True).stdout
            if "boolean true" in owner:
                break
            time.sleep(0.1)
        env = dict(os.environ, QT_QPA_PLATFORM="xcb")
        if always_on:
            env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        else:
            env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        errors = open(os.path.join(work, "zifrel.stderr"), "w")
        zifrel = subprocess.Popen([program], cwd=work, env=env, stderr=errors)
        children.append(zifrel)
        for _ in range(400):
            if subprocess.run(["xdotool", "search", "--name", "^Zifrel$"], capture_output=True).returncode == 0:
                break
            time.sleep(0.05)
        debug = os.path.join(work, "orca.debug")
        prefs = os.path.join(work, "orca")
        os.mkdir(prefs)
        children.append(subprocess.Popen(["/usr/bin/python3", "-c", ORCA, "-u", prefs, "--debug-file", debug],
                                         stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL))
        orca = Orca(debug)
        transcript = []
        user = User(orca, transcript)
        said = user.wait(lambda s: "Row 1, column 1" in s, 30)
        figures = {"program": program, "puzzle": puzzle, "found_after_late_start": "Row 1, column 1" in said}
        if not figures["found_after_late_start"]:
            # Nothing is heard: the user can only try a key.
            said = user.press("Right", lambda s: "Row " in s, 10)
            figures["heard_after_a_key"] = bool(said.strip())
        said = user.press("alt+l", lambda s: "Loaded" in s or "filled" in s)
        if re.search(r"^(Game|Edit|View|Help)\.?$", said, re.M):
            # The menu bar took the keys as Alt went up: back to the board.
            user.press("Escape", lambda s: "Row " in s)
        # Shift+F1 on the first empty cell of row 1, found by ear.
        for _ in range(8):
            said = user.press("Right", lambda s: "Row " in s)
            here = place(said, r"Row (\d), column (\d)") or (0, 0)
            if "empty" in said:
                break
        said = user.press("shift+F1", lambda s: "Pass" in s or "ruled out" in s, 8)
        figures["explain_empty_cell"] = said if "Pass" in said or "ruled out" in said else None
        solve(user, jump, figures, here)
        messages(user, work, figures)
        with open(transcript_path, "w") as f:
            f.write("\n".join(transcript) + "\n")
        if zifrel.poll() is not None:
            figures["zifrel_exit"] = zifrel.returncode
            with open(os.path.join(work, "zifrel.stderr")) as f:
                figures["zifrel_stderr"] = f.read()[-2000:]
        print(json.dumps(figures, indent=1))
        return 0 if figures["filled"] > 0 and figures["solved_message"] is not None or figures["filled"] > 0 else 1
    finally:
        for child in reversed(children):
            child.terminate()
        for child in children:
            try:
                child.wait(5)
            except subprocess.TimeoutExpired:
                child.kill()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
