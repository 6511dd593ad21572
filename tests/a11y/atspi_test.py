# SPDX-License-Identifier: MIT
"""The windows as a screen reader sees them through AT-SPI: names and
descriptions of both windows, and one problem answered through AT-SPI actions
alone (sign-in text set through the editable-text interface)."""

import re
import subprocess
import sys
import time

import pyatspi
from atspi_tree import application, descendants
from gi.repository import GLib

failures = []
# Description changes the bridge sent: (accessible name, new description).
description_events = []


def on_description(event):
    description_events.append((event.source.name, event.source.description))


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL:", message)


def wait_for(find, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        found = find()
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def by_name(root, name, role=None):
    for node in descendants(root):
        if node.name == name and (role is None or node.getRole() == role):
            return node
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))


def cells(window):
    """Shown (row, column) to the accessible cell, read off the descriptions."""
    found = {}
    for node in descendants(window):
        match = re.match(r"row (\d), column (\d), ", node.description or "")
        if match and node.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            found[(int(match[1]), int(match[2]))] = node
    return found


def loop(header):
    basic = re.match(r"For [XY] = (\d) to (\d)(?: Step (\d))?$", header)
    if basic:
        return int(basic[1]), int(basic[2]), int(basic[3] or 1)
    java = re.match(r"for \(([xy])= (\d); \1< (\d); \1(?:\+\+| \+= (\d)) \) \{$", header)
    return int(java[2]), int(java[3]) - 1, int(java[4] or 1)


def check_sign_in(app):
    window = wait_for(lambda: by_name(app, "Please Sign In"), "the sign-in window")
    for caption in ("Period", "Class ID#", "Name (Last, First)", "Teacher"):
        box = by_name(window, caption, pyatspi.ROLE_TEXT)
        check(box is not None, "a text box named " + repr(caption))
    return window


def sign_in(app, window):
    period = by_name(window, "Period", pyatspi.ROLE_TEXT)
    period.queryEditableText().setTextContents("~")
    ok = wait_for(lambda: (lambda b: b if b and b.getState().contains(pyatspi.STATE_ENABLED) else None)(
        by_name(window, "OK", pyatspi.ROLE_PUSH_BUTTON)), "OK enabled")
    press(ok)
    return wait_for(lambda: by_name(app, "Tessaly", pyatspi.ROLE_FRAME), "the exercise window")


def check_exercise(window):
    grid = wait_for(lambda: cells(window) if len(cells(window)) == 25 else None, "25 cells")
    check(grid[(1, 2)].name == "0", "a cell is named by its caption")
    check(grid[(1, 2)].description == "row 1, column 2, not marked", "a cell's description")
    check(grid[(1, 2)].getState().contains(pyatspi.STATE_FOCUSABLE), "a cell is focusable")
    for label, described in (("Right", "0"), ("Wrong", "0"), ("Score", "0%")):
        counter = [n for n in descendants(window) if n.description == label and n.name == described]
        check(len(counter) == 1, "the counter described as " + label)
    check(by_name(window, "Instructions", pyatspi.ROLE_TEXT) is not None, "the instructions text")
    check(by_name(window, "Frame1", pyatspi.ROLE_TEXT) is None, "no text named Frame1")
    check(by_name(window, "Student Data", pyatspi.ROLE_LABEL) is None,
          "no label named after the student-data frame")
    return grid


def answer_one_problem(window, grid):
    press(by_name(window, "Start", pyatspi.ROLE_PUSH_BUTTON))
    run = wait_for(lambda: by_name(window, "Test Now!", pyatspi.ROLE_PUSH_BUTTON), "Test Now!")
    headers = [n.name for n in descendants(window)
               if re.match(r"(For [XY] =|for \([xy]=)", n.name or "")]
    (x0, x1, xs), (y0, y1, ys) = loop(headers[0]), loop(headers[1])
    order = [(x, y) for x in range(x0, x1 + 1, xs) for y in range(y0, y1 + 1, ys)]
    for number, place in enumerate(order, start=1):
        press(grid[place])
        wait_for(lambda: grid[place].name == str(number), "cell %s stamped" % (place,))
        check(grid[place].description.endswith(", marked"), "a marked cell says so")
    press(run)
    wait_for(lambda: grid[order[0]].description.endswith(", right"), "the verdict")
    for place in order:
        check(grid[place].description == "row %d, column %d, right" % place, "cell %s right" % (place,))
    verdict = "Problem 1 right: %d of %d cells right, 0 stray marks. Right 1, Wrong 0, Score 100%%" % (
        len(order), len(order))
    check(run.description == verdict, "the verdict on Test Now!: " + repr(run.description))
    # A screen reader learns of it as an event on the focused button.
    wait_for(lambda: ("Next", verdict) in description_events, "the verdict's description event")


def main():
    pyatspi.Registry.registerEventListener(on_description,
                                           "object:property-change:accessible-description")
    program = subprocess.Popen([sys.argv[1]])
    try:
        app = wait_for(lambda: application(program.pid), "the program on the accessibility bus")
        sign_in_window = check_sign_in(app)
        window = sign_in(app, sign_in_window)
        answer_one_problem(window, check_exercise(window))
    finally:
        program.kill()
        program.wait()
    print("%d passed, %d failed" % (0 if failures else 1, len(failures)))
    return 1 if failures else 0


sys.exit(main())
