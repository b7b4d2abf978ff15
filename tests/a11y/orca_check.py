#!/usr/bin/python3
"""Listens to the running Armalyx window through the screen reader Orca.

Run by scripts/orca-check, which starts Orca with key echo off (so that what is heard comes from
the program, not from the names of the keys pressed) and a speech-dispatcher whose output module
appends every message it would speak to the file ORCA_CHECK_SPEECH, one line "SECONDS<tab>TEXT"
each, then starts the program on a scratch copy of the sample data (A11Y_DATA_DIR).

Keys go through xdotool's plain "key" (XTEST), as a real keyboard's would; Orca hears them from
the program's accessibility bridge. Before each key the check waits for Orca to fall silent, so
that each utterance belongs to the key before it, and then waits for what it expects to hear
with a deadline; it never sleeps for a fixed time beyond that short settling.

The file holds what a person would hear: speech-dispatcher's symbol processing speaks Orca's
punctuation level ("most"), so "T-34" arrives as "T dash 34", "Months shown:" as "Months shown
colon:" and "Production & Lend Lease" as "Production  and  Lend Lease". The checks match a
normalised text in which those words are the symbols again; the transcript shows the speech as
heard.

Every check is a step printed as "ok - ..." or "FAIL - ...". ORCA_CHECK_LOG=1 prints every
utterance with the key pressed before it. The exit status is 1 when a step failed.
"""

import os
import re
import subprocess
import sys
import time
import traceback

WINDOW_TITLE = "Armalyx 2.1"
CHART_NAME = "Total Available AFVs"
# The chart's months with the sample data, and the span selectors' first choices.
FIRST_MONTH = "Jun 1941"
LAST_MONTH = "May 1945"
SPAN = "Jan 1941 to Dec 1945"
MONTH_NAMES = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
MONTH = r"(?:Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) \d{4}"
# A count as the program writes it, grouped by thousands or not.
COUNT = r"\d{1,3}(?:,\d{3})+|\d+"
# A month cursor read-out: the month, then the first curve's value.
READ_OUT = re.compile(rf"({MONTH})\W+Total In service:? ({COUNT})", re.I)

LOG = os.environ.get("ORCA_CHECK_LOG") == "1"
# How long speech that is already given may take to come, and how long speech that is not given
# yet is waited for (short, so that the steps still to come cost little while they fail).
TIMEOUT = 8.0
LATER_TIMEOUT = 2.5

# Speech-dispatcher's words for symbols at Orca's default punctuation level, as regular
# expressions, and the text they stand for; the first that applies wins.
SPOKEN_SYMBOLS = [
    (r"\s*\bdash\b\s*", "-"),
    (r"\s+colon\b:?", ":"),
    (r"\s+semi\b;?", ";"),
    (r"\s*\bslash\b\s*", "/"),
    (r"\s+percent\b", " %"),
    (r"\s*\bdot\b\s*", "."),
    (r"\s*\bleft paren\b\s*", " ("),
    (r"\s*\bright paren\b\s*", ") "),
    (r"  and  ", " & "),
    # A decimal point is kept but set apart: "2.1" arrives as "2 .1".
    (r"(?<=\d) \.(?=\d)", "."),
    (r"\s{2,}", " "),
]


def normalise(text):
    """The text as written, from the text as speech-dispatcher speaks it."""
    for pattern, replacement in SPOKEN_SYMBOLS:
        text = re.sub(pattern, replacement, text)
    return text.strip()


class NotHeard(Exception):
    pass


class Speech:
    """Follows the file the speech output module writes, and presses keys."""

    def __init__(self, path, program_pid=None):
        self.path = path
        self.program_pid = program_pid
        self.utterances = []  # (seconds, text as heard)
        self.offset = 0
        self.pending = b""
        self.keys = []  # (index of the first utterance after the key, seconds, key)
        self.logged = 0

    def read(self):
        """Takes in the lines written since the last call; a line not yet ended waits."""
        try:
            with open(self.path, "rb") as capture:
                capture.seek(self.offset)
                data = capture.read()
        except OSError as error:
            raise NotHeard(f"cannot read the speech file {self.path}: {error}") from error
        self.offset += len(data)
        lines = (self.pending + data).split(b"\n")
        self.pending = lines.pop()
        for line in lines:
            stamp, _, text = line.decode("utf-8", "replace").partition("\t")
            try:
                seconds = float(stamp)
            except ValueError:
                seconds, text = time.time(), line.decode("utf-8", "replace")
            if text.strip():
                self.utterances.append((seconds, text.strip()))
        return len(self.utterances)

    def mark(self):
        """The position after everything spoken so far."""
        return self.read()

    def heard(self, since=0, raw=False):
        """What was spoken since the mark, one utterance after the other."""
        self.read()
        texts = [text for _, text in self.utterances[since:]]
        return " ".join(texts if raw else [normalise(text) for text in texts])

    def wait_for(self, pattern, since=0, timeout=TIMEOUT):
        """The (normalised) text spoken since the mark, once it matches `pattern`.

        The match ignores case and may span utterances; NotHeard says what was spoken instead.
        """
        expression = re.compile(pattern, re.I | re.S)
        deadline = time.monotonic() + timeout
        while True:
            text = self.heard(since)
            if expression.search(text):
                return text
            if time.monotonic() >= deadline:
                raise NotHeard(f"expected /{pattern}/ within {timeout:g} s, heard "
                               f"{self.heard(since, raw=True)!r}")
            self.ensure_program()
            time.sleep(0.05)

    def quiet(self, seconds=0.6, timeout=5.0):
        """Waits until nothing was spoken for `seconds`, for up to `timeout`."""
        deadline = time.monotonic() + timeout
        count, since = self.read(), time.monotonic()
        while time.monotonic() < deadline:
            time.sleep(0.05)
            if self.read() != count:
                count, since = len(self.utterances), time.monotonic()
            elif time.monotonic() - since >= seconds:
                return True
        return False

    def key(self, *names):
        """Presses keys ("Tab", "ctrl+Tab", two in a row for a double press) once Orca is
        silent; returns the mark before them."""
        self.quiet()
        self.ensure_program()
        self.log()
        position = self.mark()
        self.keys.append((position, time.time(), " ".join(names)))
        subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True, timeout=10)
        return position

    def event(self, name):
        """Records something other than a key that the next utterances follow; returns the mark."""
        self.quiet()
        self.log()
        position = self.mark()
        self.keys.append((position, time.time(), name))
        return position

    def ensure_program(self):
        if self.program_pid and not os.path.exists(f"/proc/{self.program_pid}"):
            raise NotHeard("the program is no longer running")

    def log(self):
        """Prints the utterances not printed yet, each after the key it followed."""
        if not LOG:
            return
        self.read()
        for index in range(self.logged, len(self.utterances)):
            seconds, text = self.utterances[index]
            after = [k for k in self.keys if k[0] <= index]
            # Before the first key the times count from the first utterance.
            key, pressed = ((after[-1][2], after[-1][1]) if after
                            else ("start", self.utterances[0][0]))
            print(f"#   [{key}] +{seconds - pressed:.2f} s: {text}", flush=True)
        self.logged = len(self.utterances)


failures = []


def step(name, check):
    """Runs one check: `check()` returns a detail or raises NotHeard / AssertionError.

    Returns whether the check passed.
    """
    try:
        detail = check()
        print(f"ok - {name}" + (f": {detail}" if detail else ""), flush=True)
        return True
    except (NotHeard, AssertionError) as error:
        print(f"FAIL - {name}: {error}", flush=True)
        failures.append(name)
        return False


def note(text):
    print(f"# {text}", flush=True)


def require(condition, message):
    if not condition:
        raise AssertionError(message)


def short(text, length=160):
    text = " ".join(text.split())
    return text if len(text) <= length else text[:length - 3] + "..."


def month_index(text):
    name, year = text.split(" ")
    return int(year) * 12 + [m.lower() for m in MONTH_NAMES].index(name[:3].lower())


def month_text(index):
    return f"{MONTH_NAMES[index % 12]} {index // 12}"


def vehicle_names(folder):
    """The vehicle types of TankData.txt, the longest first (so that "T-34-85" beats "T-34")."""
    names = set()
    try:
        with open(os.path.join(folder, "TankData.txt"), encoding="latin-1") as data:
            for line in data:
                name = line.split(",", 1)[0].strip()
                if name and name != "Name" and not name.startswith(";"):
                    names.add(name)
    except OSError:
        pass
    return sorted(names, key=len, reverse=True)


status_line = []


def status_line_text():
    """The status line's text through the accessibility bus, or None.

    The status line is looked for once; a search on every call would keep the program busy
    answering while Orca waits for it too.
    """
    try:
        import pyatspi
        for _ in range(2):
            if not status_line:
                status_line.extend(find_role(pyatspi.ROLE_STATUS_BAR)[:1])
            if not status_line:
                return None
            try:
                return status_line[0].queryText().getText(0, -1)
            except Exception:  # gone with a rebuilt window: look for it again
                status_line.clear()
    except Exception as error:  # the bindings missing, or the program not answering
        note(f"the status line's text is not readable: {error!r}")
    return None


def find_role(role):
    """The program's objects of `role`, not looking into tables, charts and lists."""
    import pyatspi
    found = []
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.name != "armalyx":
            continue
        queue = list(app)
        while queue:
            node = queue.pop(0)
            if node is None:
                continue
            if node.getRole() == role:
                found.append(node)
            elif node.getRole() not in (pyatspi.ROLE_TABLE, pyatspi.ROLE_CHART,
                                        pyatspi.ROLE_LIST):
                queue.extend(node)
    return found


class Session:
    """The steps, in the order a person would go through the window."""

    def __init__(self, speech):
        self.speech = speech
        self.vehicle = None

    def start(self):
        speech = self.speech
        step("Orca is up and speaking ('Screen reader on')",
             lambda: short(speech.wait_for(r"Screen reader on", 0, 5)))
        step(f"the window title '{WINDOW_TITLE}' is spoken when the window opens",
             lambda: short(speech.wait_for(re.escape(WINDOW_TITLE), 0, 30)))
        step("the control with the focus is spoken when the window opens",
             lambda: short(speech.wait_for(r"page tab|table|combo box|chart|button|text", 0)))

    def tab_through_selection(self):
        speech = self.speech
        names = vehicle_names(os.environ.get("A11Y_DATA_DIR", ""))
        mark = speech.key("Tab")
        step("Tab: the vehicle table is spoken by its name and role",
             lambda: short(speech.wait_for(r"Vehicle table\W+table", mark)))

        def vehicle_heard(first, since):
            """The first vehicle of TankData.txt heard since the mark, once speech has settled."""
            speech.wait_for(first, since)
            speech.quiet()
            text = speech.heard(since)
            found = [name for name in names if re.search(rf"(?<![\w-]){re.escape(name)}(?![\w-])",
                                                         text)]
            require(found, f"no vehicle of TankData.txt in {text!r}")
            return found[0], text

        def current_row():
            vehicle, text = vehicle_heard(r"Vehicle table\W+table", mark)
            return f"{vehicle}: {short(text)}"

        step("Tab into the vehicle table speaks its current row", current_row)

        mark = speech.key("Down")

        def picked():
            self.vehicle, text = vehicle_heard(r"\w", mark)
            return f"{self.vehicle}: {short(text)}"

        if step("Down in the vehicle table picks the next vehicle and speaks its name", picked):
            step(f"the pick is announced ('{self.vehicle} picked')",
                 lambda: short(speech.wait_for(rf"{re.escape(self.vehicle)}\W+picked", mark,
                                               LATER_TIMEOUT)))

        for name, value in [("Start month", "Jan"), ("End month", "Dec"), ("Start year", "1941"),
                            ("End year", "1945")]:
            mark = speech.key("Tab")
            step(f"Tab: the next span selector is spoken as a combo box with '{value}'",
                 lambda: short(speech.wait_for(rf"combo box\W+{value}\b", mark)))
            step(f"the span selector is named '{name}'",
                 lambda: short(speech.wait_for(rf"\b{name}\W+(editable )?combo box", mark)))

        picked_subject = f"Production of {self.vehicle}" if self.vehicle else "Production of"
        for subject in [picked_subject, "Production of all vehicles", "Losses"]:
            mark = speech.key("Tab")
            step(f"Tab: the figure box for '{subject}' is spoken as a text with a number",
                 lambda: short(speech.wait_for(r"(?=.*\d).*\b(text|production|losses)\b", mark)))
            speech.quiet()
            step(f"the figure box is spoken whole as '{subject}, {SPAN}: N'",
                 lambda: short(speech.wait_for(
                     rf"{re.escape(subject)}, {SPAN}: ({COUNT})\b", mark, LATER_TIMEOUT)))
            step("the figure box's number is never spoken cut short",
                 lambda: self.figure_numbers_agree(mark))
        self.reload_on_figure()
        mark = speech.key("Tab")
        step("Tab after the figures comes round to the page tabs",
             lambda: short(speech.wait_for(r"page tab", mark)))

    def touch_data(self, name):
        """Touches TankData.txt and waits until the status line tells of the reload; returns the
        mark before the touch, or None without a data folder."""
        speech = self.speech
        folder = os.environ.get("A11Y_DATA_DIR")
        if not folder:
            note("no data folder given (A11Y_DATA_DIR): no reload of a changed file")
            return None
        before = status_line_text()
        mark = speech.event("touch TankData.txt")
        os.utime(os.path.join(folder, "TankData.txt"))

        def reloaded():
            deadline = time.monotonic() + TIMEOUT
            while time.monotonic() < deadline:
                after = status_line_text()
                if after is not None and after != before:
                    return short(after)
                time.sleep(0.2)
            raise AssertionError(f"the status line still says {before!r}")

        step(name, reloaded)
        return mark

    def reload_on_figure(self):
        """A reload while a figure box has the focus: Orca reads out the box's text changes."""
        mark = self.touch_data("a changed data file is read again (the status line says so)")
        if mark is None:
            return
        self.speech.quiet(1.0)

        def no_passing_zero():
            said = [normalise(text) for _, text in self.speech.utterances[mark:]]
            require(not any(re.fullmatch(r"0\.?", text) for text in said), f"heard {said!r}")
            return f"heard {said!r}"

        step("the reload does not have the figure box speak a passing 0", no_passing_zero)

    def figure_numbers_agree(self, mark):
        """Each number Orca gives as a figure's text or selection is the same number."""
        text = self.speech.heard(mark)
        numbers = re.findall(rf"\b({COUNT}) selected", text)
        numbers += re.findall(rf"{re.escape(SPAN)}: ({COUNT})\b", text)
        numbers = [number.replace(",", "") for number in numbers]
        require(numbers, f"no number heard in {text!r}")
        require(len(set(numbers)) == 1, f"different numbers {numbers} in {text!r}")
        return f"{numbers[0]} each time"

    def chart(self):
        speech = self.speech
        mark = speech.key("ctrl+Tab")
        step("Ctrl+Tab: the page 'Graph' is spoken",
             lambda: short(speech.wait_for(r"\bGraph\W+page tab", mark)))
        mark = speech.key("Tab")
        step(f"Tab: the chart is spoken as the chart '{CHART_NAME}'",
             lambda: short(speech.wait_for(rf"{CHART_NAME}\W+chart", mark)))
        speech.quiet()

        def focus_sentence():
            text = speech.heard(mark)
            words = len(text.split())
            require(words <= 40, f"{words} words: {short(text)!r}")
            require(re.search(rf"{FIRST_MONTH} to {LAST_MONTH}", text),
                    f"no months shown in {text!r}")
            if self.vehicle:
                require(re.search(rf"(?<![\w-]){re.escape(self.vehicle)}(?![\w-])", text),
                        f"no pick '{self.vehicle}' in {text!r}")
            return text

        step("the chart's focus speech is a short sentence: title, months shown, picks",
             focus_sentence)

        cursor = None
        for key, move, label in [("Right", None, "Right shows the month cursor"),
                                 ("Right", 1, "Right moves a month on"),
                                 ("Left", -1, "Left moves a month back"),
                                 ("Next", 12, "Page Down moves a year on"),
                                 ("Prior", -12, "Page Up moves a year back")]:
            mark = speech.key(key)
            month = self.read_out(f"{label} and speaks the month and its values", mark,
                                  None if cursor is None or move is None else cursor + move)
            cursor = month if month is not None else None
        for key, month, end in [("ctrl+Right", LAST_MONTH, "Last month"),
                                ("ctrl+Left", FIRST_MONTH, "First month")]:
            mark = speech.key(key)
            step(f"{key} moves the cursor to {month}, speaks its values and says '{end}'",
                 lambda: short(speech.wait_for(rf"{month}\W+Total In service:? {COUNT}.*{end}",
                                               mark)))
        mark = speech.key("s")
        picks = (rf"Picked: [^.]*(?<![\w-]){re.escape(self.vehicle)}(?![\w-])" if self.vehicle
                 else r"Picked:|No vehicle picked")
        step("S on the chart speaks the full summary",
             lambda: short(speech.wait_for(rf"Months shown: {FIRST_MONTH} to {LAST_MONTH}\..*"
                                           rf"{picks}", mark, LATER_TIMEOUT)))

    def read_out(self, name, mark, expected):
        """Checks a month cursor read-out; returns its month index, or None."""
        found = []

        def check():
            text = self.speech.wait_for(READ_OUT.pattern, mark, LATER_TIMEOUT)
            match = READ_OUT.search(text)
            month = month_index(match.group(1))
            if expected is not None:
                require(month == expected, f"heard {match.group(1)}, expected "
                        f"{month_text(expected)}: {short(text)!r}")
            found.append(month)
            return short(text)

        step(name, check)
        return found[0] if found else None

    def orca_commands(self):
        speech = self.speech
        mark = speech.key("KP_Enter")
        step("Where am I (KP_Enter) on the chart speaks the cursor's month and its values",
             lambda: short(speech.wait_for(rf"list item\W+{FIRST_MONTH}\W+Total In service", mark)))
        mark = speech.key("Insert+KP_Enter")
        step(f"Orca's title command (Insert+KP_Enter) speaks the window title '{WINDOW_TITLE}'",
             lambda: short(speech.wait_for(re.escape(WINDOW_TITLE), mark, LATER_TIMEOUT)))
        status = status_line_text()
        note(f"status line text: {status!r}")
        # Its first words, whatever the punctuation between them is spoken as.
        words = re.findall(r"\w+", status or "")[:4]
        pattern = r"\W+".join(words) if words else r"TotalData|TankData"
        mark = speech.key("Insert+KP_Enter", "Insert+KP_Enter")
        step("Orca's status bar command (Insert+KP_Enter twice) speaks the status line's text",
             lambda: short(speech.wait_for(pattern, mark, LATER_TIMEOUT)))

    def reload(self):
        speech = self.speech
        mark = self.touch_data("with the focus on the chart a changed data file is read again")
        if mark is not None:
            self.announced_once("a changed data file's reload is announced once", mark)
        mark = speech.key("F5")
        self.announced_once("F5's reload is announced once", mark)
        mark = speech.key("KP_Enter")
        step("after the reloads Where am I still speaks the cursor's month and its values",
             lambda: short(speech.wait_for(rf"list item\W+{FIRST_MONTH}\W+Total In service", mark)))

    def menu(self):
        speech = self.speech
        mark = speech.key("F10")
        step("F10 opens the window's menu and speaks its first entry with its shortcut",
             lambda: short(speech.wait_for(r"Open data folder\W+Ctrl(\W+plus)?\W+O\b", mark)))
        speech.quiet()
        mark = speech.key("Down")
        speech.wait_for(r"\w", mark)
        speech.quiet()
        mark = speech.key("Down")
        step("Down in the menu speaks an entry with its shortcut",
             lambda: short(speech.wait_for(r"Reload data files\W+F5", mark)))
        speech.quiet()
        mark = speech.key("Escape")
        step("Escape closes the menu and comes back to the chart",
             lambda: short(speech.wait_for(rf"{CHART_NAME}|{MONTH}", mark)))

    def announced_once(self, name, mark):
        speech = self.speech

        def check():
            speech.wait_for(r"\breload|\bread\b", mark, LATER_TIMEOUT)
            speech.quiet(1.0)
            said = [normalise(text) for _, text in speech.utterances[mark:]]
            times = [text for text in said if re.search(r"\breload|\bread\b", text, re.I)]
            require(len(times) == 1, f"announced {len(times)} times: {said!r}")
            return short(times[0])

        step(name, check)


def main():
    path = os.environ.get("ORCA_CHECK_SPEECH")
    if not path:
        print("FAIL - no speech file given (ORCA_CHECK_SPEECH)", flush=True)
        return 1
    pid = os.environ.get("ORCA_CHECK_PROGRAM_PID")
    speech = Speech(path, int(pid) if pid and pid.isdigit() else None)
    session = Session(speech)
    started = time.monotonic()
    try:
        session.start()
        if not failures:
            session.tab_through_selection()
            session.chart()
            session.orca_commands()
            session.reload()
            session.menu()
    except NotHeard as error:
        print(f"FAIL - the check ran to its end: {error}", flush=True)
        failures.append("the check ran to its end")
    finally:
        speech.quiet()
        speech.log()
    note(f"the steps took {time.monotonic() - started:.0f} s")
    if failures:
        print(f"{len(failures)} step(s) failed: {'; '.join(failures)}", flush=True)
        return 1
    print("all steps passed", flush=True)
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Exception:
        traceback.print_exc()
        print(f"FAIL - the check ran to its end: stopped with {sys.exc_info()[1]!r}", flush=True)
        sys.exit(1)
