# SPDX-License-Identifier: MIT
"""What a blind student hears: the program driven by keys alone under the
real screen reader, Orca, whose speech goes through speech-dispatcher into a
file. Every check compares what Orca said with the texts the window shows,
read through the accessibility bus.

    orca_test.py PROGRAM WORKDIR [de]    (inside a private X server and session bus)

ORCA_TEST_LANGUAGE=Python (or any other entry of the Language menu) chooses
that language by keys before Start; without it the listing stays in BASIC.
With "de" the program runs in German (Orca itself stays in English): the
sign-in window, a problem and a verdict are heard in the student's language.
"""

import os
import re
import subprocess
import sys
import time

import pyatspi
from atspi_tree import application, descendants

PROGRAM, WORKDIR = sys.argv[1], sys.argv[2]
LANGUAGES = ["Java", "BASIC", "Python", "C/C++", "JavaScript"]  # the Language menu, in order
LANGUAGE = os.environ.get("ORCA_TEST_LANGUAGE", "")
GERMAN = sys.argv[3:] == ["de"]
SAID = os.path.join(WORKDIR, "said.txt")
SPEECH_SOCKET = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
failures = []
passed = 0


def orca_major():
    """Orca 43 says "43.1", Orca 48 "Orca version 48.1, AT-SPI2 version: 2.56.2"."""
    said = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout
    found = re.search(r"(\d+)\.\d+", said)
    return int(found.group(1)) if found else 0


ORCA_MAJOR = orca_major()


def check(condition, message):
    global passed
    if condition:
        passed += 1
    else:
        failures.append(message)
        print("FAIL:", message, flush=True)


def let_orca_forget():
    """Orca 48 keeps what it said of an object for up to two seconds (its
    generator's cache, cleared every two seconds), so a description changed
    within that time is heard as it was. Coming back to a cell at once after a
    test would hear its old state; a pause longer than that hears the new."""
    if ORCA_MAJOR >= 48:
        time.sleep(2.2)


# --- the processes -----------------------------------------------------------

processes = []


def start(args, raised=False, env=None):
    """Starts a process of the session. The screen reader and the accessibility
    processes run at a higher priority than the program: on a loaded machine
    Orca otherwise claims its keys too late and the program takes them."""
    def priority():
        if raised:
            try:
                os.nice(-15)
            except OSError:
                pass  # not allowed: the program is lowered instead
        elif os.geteuid() != 0:
            os.nice(15)
    process = subprocess.Popen(args, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               preexec_fn=priority, env=env)
    processes.append(process)
    return process


def stop_all():
    for process in reversed(processes):
        process.terminate()
    for process in processes:
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()


# --- what Orca said ----------------------------------------------------------


def decoded(line):
    """A line of the speech file: UTF-8, or Latin-1 where a speech-dispatcher
    (Debian 13's) writes a language it has no charset for in its own default."""
    try:
        return line.decode("utf-8")
    except UnicodeDecodeError:
        return line.decode("latin-1")


class Speech:
    """The utterances appended to the file, one a line."""

    def __init__(self):
        self.seen = 0

    @staticmethod
    def lines():
        try:
            with open(SAID, "rb") as said:
                return [decoded(line).rstrip("\n") for line in said]
        except FileNotFoundError:
            return []

    def mark(self):
        """Forgets everything said so far."""
        self.seen = len(self.lines())

    def new(self):
        return self.lines()[self.seen:]

    def wait_for(self, *texts, seconds=10):
        """Waits until every text has been said since the mark, in this order;
        returns the utterances said since the mark (also on a time-out)."""
        deadline = time.monotonic() + seconds
        while True:
            said = self.new()
            if in_order(said, texts):
                time.sleep(0.3)  # what follows at once belongs to the same step
                return self.new()
            if time.monotonic() > deadline:
                return said
            time.sleep(0.05)

    def settle(self, quiet=0.6, seconds=5):
        """Waits until Orca has been quiet for `quiet` seconds."""
        deadline = time.monotonic() + seconds
        count, since = len(self.lines()), time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.1)
            now = len(self.lines())
            if now != count:
                count, since = now, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return


def in_order(said, texts):
    """True when the texts were said one after another. speech-dispatcher
    may cut an utterance into sentences, so what was said is read as one."""
    # Orca 43 says a button's role as "push button", newer Orca as "button".
    heard = " ".join(" ".join(said).split()).replace("push button", "button")
    place = 0
    for text in texts:
        text = text.replace("push button", "button")
        place = heard.find(" ".join(text.split()), place)
        if place < 0:
            return False
        place += len(text)
    return True


speech = Speech()
log = []  # (step, utterances) for the report


def step(name, keys, *expected, seconds=10):
    """Presses keys and returns what Orca said, expecting `expected` in order."""
    if len(failures) >= 8:
        raise AssertionError("too many failures to go on")
    speech.mark()
    press(*keys)
    said = speech.wait_for(*expected, seconds=seconds)
    log.append((name, said))
    check(in_order(said, expected), "%s: expected %r in order, Orca said %r" % (name, expected, said))
    return said


def press(*keys):
    """Each key as a person presses it: down, a moment, up."""
    for key in keys:
        subprocess.run(["xdotool", "keydown", key], check=True)
        time.sleep(0.08)
        subprocess.run(["xdotool", "keyup", key], check=True)
        time.sleep(0.15)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)


# --- what the window shows ---------------------------------------------------

def wait_until(find, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def shown(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def named(root, pattern, role=None):
    """The showing nodes whose name matches pattern, in tree order."""
    return [n for n in descendants(root)
            if re.fullmatch(pattern, n.name or "") and shown(n)
            and (role is None or n.getRole() == role)]


def described(root, description):
    found = [n for n in descendants(root) if n.description == description and shown(n)]
    return found[0].name if found else None


# A loop header in each language: its variable, first value, bound, step.
HEADERS = [
    (r"For ([XY]) = (\d) [Tt]o (\d)(?: Step (\d))?$", 0),  # the bound is the last value
    (r"for \(([xy])= (\d); \1< (\d); \1(?:\+\+| \+= (\d)) \) \{$", 1),  # the others' is past it
    (r"for ([xy]) in range\((\d), (\d)(?:, (\d))?\):$", 1),
    (r"for \((?:int|let) ([xy]) = (\d); \1 < (\d); \1(?:\+\+| \+= (\d))\) \{$", 1),
]


def headers(window):
    """The listing's two loop headers, as the window shows them."""
    return [n.name for n in named(window, ".+", pyatspi.ROLE_LABEL)
            if any(re.match(pattern, n.name) for pattern, _ in HEADERS)]


def listing(window):
    """Every non-empty line of the listing, top to bottom."""
    frame = named(window, "Program Code")[0]
    lines = [n for n in descendants(frame) if n.getRole() == pyatspi.ROLE_LABEL and n.name]
    lines.sort(key=lambda n: n.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).y)
    return [n.name for n in lines]


def loop(header):
    """First value, last value and step of a loop header."""
    for pattern, past in HEADERS:
        found = re.match(pattern, header)
        if found:
            return int(found[2]), int(found[3]) - past, int(found[4] or 1)
    raise ValueError("not a loop header: %r" % header)


def visit_order(window):
    (x0, x1, xs), (y0, y1, ys) = [loop(h) for h in headers(window)]
    return [(x, y) for x in range(x0, x1 + 1, xs) for y in range(y0, y1 + 1, ys)]


def counters(window):
    return {label: described(window, label)
            for label in ("Problem Number", "of", "Right", "Wrong", "Score")}


def cell_description(window, place):
    for node in descendants(window):
        if (node.getRole() == pyatspi.ROLE_PUSH_BUTTON and
                (node.description or "").startswith("row %d, column %d, " % place)):
            return node.name, node.description
    return None, None


# --- the student's steps -----------------------------------------------------

def sign_in(app):
    """Orca's first words on the program: the caller marked the speech before
    the program started, since Orca may speak before the program is found."""
    wait_until(lambda: named(app, "Please Sign In", pyatspi.ROLE_DIALOG), "the sign-in window")
    said = speech.wait_for("Please Sign In dialog", "Period text", seconds=20)
    log.append(("sign-in window", said))
    check(in_order(said, ["Please Sign In dialog", "Period text"]),
          "the sign-in window and its first box: %r" % said)
    title = [u for u in said if u.startswith("Please Sign In dialog")]
    check(title and title[0].rstrip(".") == "Please Sign In dialog",
          "the window title is said alone: %r" % title)
    check(sum(u.count("Period") for u in said) == 1, "Period is said once: %r" % said)
    for text, caption in (("3", "Class ID#"), ("A12", "Name (Last, First)"),
                          ("Doe, Jane", "Teacher")):
        speech.mark()
        type_text(text)
        said = step("Tab to " + caption, ["Tab"], caption + " text")
        check(sum(u.count(caption) for u in said) == 1, "%s is said once: %r" % (caption, said))
    type_text("Smith")
    step("Tab to OK", ["Tab"], "OK push button")
    step("OK", ["space"], "Start push button")


def announced_problem(window, said, name):
    shown_counters = counters(window)
    number = "Problem %s of %s" % (shown_counters["Problem Number"], shown_counters["of"])
    check(in_order(said, [number] + headers(window)),
          "%s: the problem number and the loops %r, Orca said %r"
          % (name, [number] + headers(window), said))


def choose_language(name):
    """The Language menu by keys, from the Start button: Alt, Right to
    Language, Down into it and to the entry, Enter."""
    entry = LANGUAGES.index(name)
    step("Alt, Right and Down into the Language menu", ["alt", "Right", "Down"], "Java")
    if entry > 0:
        step("Down to " + name, ["Down"] * entry, name)
    step("Enter on " + name, ["Return"], "Start push button")


def start_series(window):
    said = step("Start", ["space"], "Problem 1 of 20", seconds=10)
    wait_until(lambda: headers(window), "the listing")
    announced_problem(window, said, "Start")


def unvisited(order):
    """A cell of the grid that the loops do not visit, or None."""
    cells = ((row, column) for row in range(5) for column in range(5))
    return next((place for place in cells if place not in order), None)


def move_to(start, target):
    """The arrow keys that move the focus from one shown cell to another."""
    rows, columns = target[0] - start[0], target[1] - start[1]
    return (["Down"] * rows + ["Up"] * -rows + ["Right"] * columns + ["Left"] * -columns)


def explain(window, order):
    """Explain from the menu bar by Alt, the arrows and Enter: the diagnosis,
    the replay's first step, and the exercise's "Next" again after Escape."""
    app = window.parent
    step("Alt", ["alt"])
    step("Right, Right to Explain", ["Right", "Right"], "Instructions", "Explain")
    dialog = lambda: (named(app, "Explain", pyatspi.ROLE_DIALOG) or [None])[0]
    speech.mark()
    press("Return")
    explain_window = wait_until(dialog, "the Explain window", seconds=10)
    text = named(explain_window, "Diagnosis", pyatspi.ROLE_TEXT)[0].queryText()
    diagnosis = text.getText(0, text.characterCount)
    said = speech.wait_for("Explain", diagnosis)
    log.append(("Enter on Explain", said))
    check(in_order(said, ["Explain", diagnosis]),
          "Enter on Explain: the window and the diagnosis %r, Orca said %r" % (diagnosis, said))
    step("Right in the replay", ["Right"], "Step 1 of %d" % len(order),
         "row %d, column %d" % order[0])
    step("Escape", ["Escape"], "Next push button")


def first_problem(window):
    """Three marks, one taken back, Test Now!, a look at the cells, Next."""
    order = visit_order(window)
    step("Shift+Tab into the grid", ["shift+Tab"], "0 push button", "row 0, column 0, not marked")
    at = (0, 0)
    stray = unvisited(order) or order[2]  # the mark to take back
    marks = [order[0], order[1], stray]
    for number, place in enumerate(marks, start=1):
        keys = move_to(at, place)
        if keys:
            speech.mark()
            press(*keys)
            speech.settle(quiet=0.4)
        at = place
        step("Space on cell %s" % (place,), ["space"], "%d, marked" % number)
    step("Space again on cell %s" % (stray,), ["space"], "0, not marked")
    step("Tab to Test Now!", ["Tab"], "Test Now! push button")
    visited = len(order)
    verdict = ("Problem 1 wrong: 2 of %d cells right, 0 stray marks. Right 0, Wrong 1, Score 0%%"
               % visited)
    said = step("Test Now!", ["space"], verdict)
    shown_counters = counters(window)
    check(verdict.endswith("Right %s, Wrong %s, Score %s" % (
        shown_counters["Right"], shown_counters["Wrong"], shown_counters["Score"])),
        "the verdict's totals are the window's: %r" % shown_counters)
    explain(window, order)
    # Back into the grid: the cell left last, now tested.
    let_orca_forget()
    said = step("Shift+Tab back into the grid", ["shift+Tab"], "push button")
    _, description = cell_description(window, stray)
    check(in_order(said, [description]), "the cell is described as the window says: %r, %r"
          % (description, said))
    speech.mark()
    press(*move_to(stray, order[0]))
    said = speech.wait_for("right")
    check(in_order(said, ["row %d, column %d, right" % order[0]]), "a right cell: %r" % said)
    step("Tab to Next", ["Tab"], "Next push button")
    said = step("Next", ["space"], "Problem 2 of 20")
    announced_problem(window, said, "Next")


def flat_review(window):
    """Orca's flat review reads the whole window, the listing in its order."""
    speech.mark()
    press("KP_Add", "KP_Add")
    said = speech.wait_for(*listing(window), seconds=15)
    speech.settle()
    said = speech.new()
    log.append(("flat review, read all", said))
    lines = listing(window)
    # Flat review reads the window line by line as it lies on the screen, so
    # the rows of the grid beside the listing come between its lines.
    check(in_order(said, lines), "flat review reads the listing in its order %r: %r"
          % (lines, said))
    shown_counters = counters(window)
    check(in_order(said, ["Problem Number %s of 20" % shown_counters["Problem Number"],
                          "%s %s %s" % (shown_counters["Right"], shown_counters["Wrong"],
                                        shown_counters["Score"])]),
          "flat review reads the current counters %r: %r" % (shown_counters, said))
    press("KP_Subtract")  # leave flat review
    speech.settle()


def second_problem(window):
    """A stray mark alone (a wrong mark when the loops visit every cell): the
    verdict counts it, and the cell says so."""
    order = visit_order(window)
    stray = unvisited(order)
    cell = stray or order[-1]
    step("Shift+Tab into the grid of problem 2", ["shift+Tab"], "row 0, column 0, not marked")
    speech.mark()
    press(*move_to((0, 0), cell))
    speech.settle(quiet=0.4)
    step("Space on cell %s" % (cell,), ["space"], "1, marked")
    step("Tab to Test Now!", ["Tab"], "Test Now! push button")
    step("Test Now! with one mark", ["space"],
         "Problem 2 wrong: 0 of %d cells right, %s. Right 0, Wrong 2, Score 0%%"
         % (len(order), "1 stray mark" if stray else "0 stray marks"))
    name, description = cell_description(window, cell)
    expected = ("X", "stray mark") if stray else (str(len(order)), "wrong")
    check(name == expected[0] and description.endswith(expected[1]),
          "the window shows %r: %r, %r" % (expected, name, description))
    let_orca_forget()
    step("Shift+Tab back to the marked cell", ["shift+Tab"], name + " push button", description)
    step("Tab to Next", ["Tab"], "Next push button")
    said = step("Next", ["space"], "Problem 3 of 20")
    announced_problem(window, said, "Next after problem 2")


def rest_of_series(window, first):
    for problem in range(first, 21):
        visited = len(visit_order(window))
        right, wrong = 0, problem
        verdict = ("Problem %d wrong: 0 of %d cells right, 0 stray marks. "
                   "Right %d, Wrong %d, Score 0%%" % (problem, visited, right, wrong))
        if problem < 20:
            step("Test Now! on problem %d" % problem, ["space"], verdict)
            said = step("Next after problem %d" % problem, ["space"],
                        "Problem %d of 20" % (problem + 1))
            announced_problem(window, said, "Next after problem %d" % problem)
        else:
            step("Test Now! on the last problem", ["space"], verdict,
                 "The series is over. Print prints the result sheet.")


def start_orca():
    """Starts Orca and waits until it says so. Once in a while on a busy
    machine Orca stays silent from its start; a second start then speaks."""
    for attempt in (1, 2):
        orca = start(["orca", "--debug-file=" + os.path.join(WORKDIR, "orca%d.log" % attempt),
                      "--user-prefs", os.path.join(WORKDIR, "orca")], raised=True)
        said = speech.wait_for("Screen reader on.", seconds=20)
        if in_order(said, ["Screen reader on."]):
            return
        print("Orca said nothing in 20 s after its start %d" % attempt, flush=True)
        if orca.poll() is not None:
            # Orca 43 ends at once when another Orca of this user runs,
            # anywhere on the machine (a chroot's too).
            try:
                others = subprocess.run(["pgrep", "-x", "-u", str(os.getuid()), "orca"],
                                        capture_output=True, text=True).stdout.split() or "none"
            except FileNotFoundError:
                others = "unknown (no pgrep)"
            print("Orca ended with status %d; other Orcas running: %s"
                  % (orca.returncode, others), flush=True)
        orca.terminate()
        orca.wait()
    check(False, "Orca starts")


def play_series():
    """Signs in and plays a whole series by keys, checking what Orca says."""
    start_orca()
    speech.mark()
    program = start([PROGRAM])
    app = wait_until(lambda: application(program.pid), "the program on the accessibility bus")
    sign_in(app)
    window = wait_until(lambda: (named(app, "Tessaly", pyatspi.ROLE_FRAME) or [None])[0],
                        "the exercise window")
    if LANGUAGE:
        choose_language(LANGUAGE)
    start_series(window)
    first_problem(window)
    flat_review(window)
    second_problem(window)
    rest_of_series(window, 3)


def german_environment():
    """A desktop in German. orca_test.sh generates the locale into a folder of
    its own (GERMAN_LOCPATH) when the system has none."""
    env = dict(os.environ, LANGUAGE="de", LC_ALL="de_DE.UTF-8", LANG="de_DE.UTF-8")
    if os.environ.get("GERMAN_LOCPATH"):
        env["LOCPATH"] = os.environ["GERMAN_LOCPATH"]
    return env


def play_in_german():
    """Signs in with the sign-in code, starts and tests one problem, in German."""
    start_orca()
    speech.mark()
    program = start([PROGRAM], env=german_environment())
    app = wait_until(lambda: application(program.pid), "the program on the accessibility bus")
    wait_until(lambda: named(app, "Bitte anmelden", pyatspi.ROLE_DIALOG), "the German sign-in")
    said = speech.wait_for("Bitte anmelden dialog", "Stunde text", seconds=20)
    log.append(("sign-in window", said))
    check(in_order(said, ["Bitte anmelden dialog", "Stunde text"]),
          "the sign-in window and its first box in German: %r" % said)
    type_text("~")
    step("Tab to OK", ["Tab", "Tab", "Tab", "Tab"], "OK push button")
    step("OK", ["space"], "Starten push button")
    window = wait_until(lambda: (named(app, "Tessaly", pyatspi.ROLE_FRAME) or [None])[0],
                        "the exercise window")
    said = step("Starten", ["space"], "Aufgabe 1 von 20")
    wait_until(lambda: headers(window), "the listing")
    check(in_order(said, ["Aufgabe 1 von 20"] + headers(window)),
          "the problem and its loops: %r" % said)
    step("Jetzt prüfen!", ["space"],
         "Aufgabe 1 falsch: 0 von %d Zellen richtig, 0 überzählige Markierungen. "
         "Richtig 0, Falsch 1, Ergebnis 0%%" % len(visit_order(window)))


def main():
    began = time.monotonic()
    try:
        start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], raised=True)
        start(["speech-dispatcher", "--run-single", "--timeout", "0"], raised=True)
        # Orca would start one of its own, which outlives the test, if it
        # came before this one is ready.
        wait_until(lambda: os.path.exists(SPEECH_SOCKET), "speech-dispatcher", seconds=15)
        start(["openbox"])
        play_in_german() if GERMAN else play_series()
    except Exception as error:  # the test ends, with what was said so far
        check(False, "%s: %s" % (type(error).__name__, error))
    finally:
        stop_all()
    print("Orca and the series took %.0f s; what Orca said:" % (time.monotonic() - began))
    for name, said in log:
        print("  %s: %r" % (name, said))
    print("%d passed, %d failed (Orca %d)" % (passed, len(failures), ORCA_MAJOR))
    return 1 if failures else 0


sys.exit(main())
