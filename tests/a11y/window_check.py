#!/usr/bin/python3
"""Checks the running Armalyx window through the accessibility bus, as a screen reader sees it.

Run by scripts/a11y-check, which starts the program on a scratch copy of the sample data with the
accessibility bridge on. Every check is a named step printed as "ok - ..." or "FAIL - ..."; the
steps go on after a failure where the later ones do not depend on it, and the exit status is 1
when any step failed.

Events: pyatspi.Registry.registerEventListener registers the event type with the accessibility
registry, and the program only sends the types that some client asked for, so a listener is
registered before the keys are pressed and the main loop is run for a moment before pressing.
The events arrive through GLib's default main context: Pump() iterates it without blocking until
the awaited event came in or a deadline passed (Registry.start() would block for good).

Keys go through xdotool's plain "key" (XTEST), which reaches the window like a real keyboard; the
program's window has the keyboard focus without a window manager, as Qt gives it the focus when
it is shown. Without xdotool the keys are synthesised through the registry instead.
"""

import os
import re
import shutil
import subprocess
import sys
import time
import traceback

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402

import pyatspi  # noqa: E402

WINDOW_TITLE = "Armalyx 2.1"
CHART_NAME = "Total Available AFVs"
# The chart shows the months its bottom axis spans, June 1941 to May 1945, and the sample data
# in data/ has values in each of them.
SAMPLE_FIRST_MONTH = "Jun 1941"
SAMPLE_LAST_MONTH = "May 1945"
SAMPLE_MONTHS = 48

MONTH_NAMES = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
# "Apr 1941" or "April 1941": the month as the program writes it, then the year.
MONTH_PATTERN = r"(?:Jan|Feb|Mar|Apr(?:il)?|May|June?|July?|Aug|Sep|Oct|Nov|Dec) \d{4}"
MONTH = re.compile(rf"^{MONTH_PATTERN}$")
# A number as the chart's data table gives it: no grouping.
# A cell of the chart's table: a count grouped by thousands, or a share with one decimal in percent.
READ_NUMBER = re.compile(r"^-?\d{1,3}(?:,\d{3})*(?:\.\d %)?$")
# A number as the summary writes it: grouped by thousands, a share of the fleet in percent.
GROUPED = r"-?\d{1,3}(?:,\d{3})*(?:\.\d+)?(?: %)?"
CURVE_SENTENCE = re.compile(
    rf"(.+?): ({GROUPED}) in ({MONTH_PATTERN}), lowest ({GROUPED}) in ({MONTH_PATTERN}), "
    rf"highest ({GROUPED}) in ({MONTH_PATTERN})\. "
)
SUMMARY = re.compile(
    rf"^Months shown: ({MONTH_PATTERN}) to ({MONTH_PATTERN})\. (.*)"
    r"(No vehicle picked\.|Picked: (.+)\.)$",
    re.S,
)

FIGURE_NAMES = ["Production of the picked vehicle", "Production of all vehicles", "Losses"]
SPAN_SELECTORS = [("Start month", "Jan"), ("End month", "Dec"), ("Start year", "1941"),
                  ("End year", "1945")]

failures = []


def Step(name, passed, detail=""):
    """Prints one step's outcome; a failed step is remembered for the exit status."""
    line = f"{'ok' if passed else 'FAIL'} - {name}"
    if detail:
        line += f": {detail}"
    print(line, flush=True)
    if not passed:
        failures.append(name)
    return passed


def Note(text):
    print(f"# {text}", flush=True)


def Pump(seconds, until=None):
    """Runs the main loop for up to `seconds`, or until `until()` holds; returns whether it held."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if until is not None and until():
            return True
        if time.monotonic() >= deadline:
            return until is None
        time.sleep(0.02)


def Wait(seconds, probe):
    """Calls `probe` until it returns something other than None, for up to `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            found = probe()
        except Exception:  # the tree may be half built while the window comes up
            found = None
        if found is not None or time.monotonic() >= deadline:
            return found
        Pump(0.2)


def Role(accessible):
    try:
        return accessible.getRoleName()
    except Exception:
        return "?"


def Has(accessible, interface):
    try:
        return interface in pyatspi.listInterfaces(accessible)
    except Exception:
        return False


def Text(accessible):
    """The whole text of an object with the Text interface, or None without one."""
    if accessible is None or not Has(accessible, "Text"):
        return None
    return accessible.queryText().getText(0, -1)


def Describe(accessible):
    if accessible is None:
        return "nothing"
    return f"{Role(accessible)} '{accessible.name}'"


# Children of these are items or cells, many and of no interest to the search.
LEAF_ROLES = {pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_CHART, pyatspi.ROLE_TREE_TABLE}


def Descendants(root):
    """Every object below `root`, breadth first, not looking into tables and lists."""
    queue = [root]
    while queue:
        node = queue.pop(0)
        try:
            if node.getRole() in LEAF_ROLES and node is not root:
                continue
            children = [child for child in node if child is not None]
        except Exception:
            continue
        for child in children:
            yield child
            queue.append(child)


def FindAll(root, predicate):
    return [node for node in Descendants(root) if predicate(node)]


def FindNamed(root, name, role=None):
    """The first object named `name` (and of the role `role`, when given), or None."""
    for node in Descendants(root):
        if node.name == name and (role is None or node.getRole() == role):
            return node
    return None


def Missing(root, name, role):
    """Says what is there instead of the object `name` of the role `role`."""
    named = FindAll(root, lambda node: node.name == name)
    of_role = FindAll(root, lambda node: node.getRole() == role)
    return (f"found {[Describe(n) for n in named]} by that name, "
            f"{[Describe(n) for n in of_role][:8]} of that role")


def States(accessible):
    try:
        return [pyatspi.stateToString(s) for s in accessible.getState().getStates()]
    except Exception as error:
        return repr(error)


def MonthIndex(text):
    """Months since Jan of year 0 for "Feb 1941" and the like, None for anything else."""
    if text is None or not MONTH.match(text):
        return None
    name, year = text.split(" ")
    return int(year) * 12 + MONTH_NAMES.index(name[:3])


def MonthText(index):
    return None if index is None else f"{MONTH_NAMES[index % 12]} {index // 12}"


class Listener:
    """Collects the events of the given types as (type, source name, source role, any_data)."""

    def __init__(self, *event_types):
        self.event_types = event_types
        self.events = []
        pyatspi.Registry.registerEventListener(self.Receive, *event_types)
        # The program hears of the new listener through the registry; give it a moment.
        Pump(0.7)

    def Receive(self, event):
        try:
            source = event.source
            self.events.append((event.type, source.name, source.getRole(), event.any_data))
        except Exception as error:
            self.events.append((event.type, None, None, repr(error)))

    def Close(self):
        pyatspi.Registry.deregisterEventListener(self.Receive, *self.event_types)

    def Await(self, seconds, kind, name, role, start=0):
        """The first event of `kind` from the object named `name` after the `start`th, or None."""

        def Match():
            for event in self.events[start:]:
                if event[0].startswith(kind) and event[1] == name and event[2] == role:
                    return event
            return None

        Pump(seconds, lambda: Match() is not None)
        return Match()


KEYSYMS = {"Right": 0xFF53, "Left": 0xFF51, "Up": 0xFF52, "Down": 0xFF54, "Prior": 0xFF55,
           "Next": 0xFF56, "Home": 0xFF50, "End": 0xFF57, "Escape": 0xFF1B, "Tab": 0xFF09}
CONTROL_MASK = 1 << 2


def Press(key):
    """Presses a key ("Right", "ctrl+Right") as the keyboard would, then lets the events in."""
    if shutil.which("xdotool") and os.environ.get("DISPLAY"):
        subprocess.run(["xdotool", "key", key], check=True, timeout=10)
    else:
        modifiers, _, name = key.rpartition("+")
        mask = CONTROL_MASK if modifiers == "ctrl" else 0
        if mask:
            pyatspi.Registry.generateKeyboardEvent(mask, None, pyatspi.KEY_LOCKMODIFIERS)
        pyatspi.Registry.generateKeyboardEvent(KEYSYMS[name], None, pyatspi.KEY_SYM)
        if mask:
            pyatspi.Registry.generateKeyboardEvent(mask, None, pyatspi.KEY_UNLOCKMODIFIERS)
    Pump(0.1)


def IsFocused(accessible):
    try:
        return accessible.getState().contains(pyatspi.STATE_FOCUSED)
    except Exception:
        return False


def Focus(accessible, tabs=20):
    """Gives `accessible` the keyboard focus: asks for it, else presses Tab until it has it.

    Qt grants Component.grabFocus() only to objects that offer the "SetFocus" action (a table
    offers none); Tab walks the window's focus chain, which comes round again.
    """
    if IsFocused(accessible):
        return True
    if Has(accessible, "Component"):
        try:
            accessible.queryComponent().grabFocus()
        except Exception as error:
            Note(f"grabFocus on {Describe(accessible)} failed: {error}")
        if Pump(1, lambda: IsFocused(accessible)):
            return True
    for _ in range(tabs):
        Press("Tab")
        if Pump(0.5, lambda: IsFocused(accessible)):
            return True
    return False


def FindApplication():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        if app.name == "armalyx":
            return app
        if any(child is not None and child.name == WINDOW_TITLE for child in app):
            return app
    return None


def SwitchPage(tabs, title):
    """Switches to the page tab `title` by its action, else through the tab list's selection."""
    tab = FindNamed(tabs, title, pyatspi.ROLE_PAGE_TAB) if tabs is not None else None
    if tab is None:
        return False

    # Qt marks the current page tab as focused rather than selected.
    def Selected():
        states = tab.getState()
        return states.contains(pyatspi.STATE_SELECTED) or states.contains(pyatspi.STATE_FOCUSED) \
            or None

    if Has(tab, "Action"):
        action = tab.queryAction()
        if action.nActions > 0:
            action.doAction(0)
            if Wait(3, Selected):
                return True
    if Has(tabs, "Selection"):
        index = [child.name for child in tabs].index(title)
        tabs.querySelection().selectChild(index)
        if Wait(3, Selected):
            return True
    return False


def CheckWindow(app):
    frame = Wait(10, lambda: next(c for c in app if c is not None and c.name == WINDOW_TITLE))
    Step(f"the window '{WINDOW_TITLE}'", frame is not None,
         Describe(frame) if frame else f"top level objects: {[Describe(c) for c in app]}")
    return frame


def CheckPageTabs(frame):
    tabs = Wait(5, lambda: FindAll(frame, lambda n: n.getRole() == pyatspi.ROLE_PAGE_TAB_LIST)[0])
    names = [c.name for c in tabs if c.getRole() == pyatspi.ROLE_PAGE_TAB] if tabs else []
    Step("page tab list with the pages 'Tank Selection' and 'Graph'",
         tabs is not None and {"Tank Selection", "Graph"} <= set(names), f"page tabs {names}")
    return tabs


def CheckVehicleTable(frame):
    table = FindNamed(frame, "Vehicle table", pyatspi.ROLE_TABLE)
    if table is None:
        tables = FindAll(frame, lambda n: n.getRole() == pyatspi.ROLE_TABLE)
        Step("vehicle table named 'Vehicle table'", False,
             Missing(frame, "Vehicle table", pyatspi.ROLE_TABLE))
        # The remaining steps still look at the vehicle table, found by its role.
        table = tables[0] if tables else None
    else:
        Step("vehicle table named 'Vehicle table'", True, Describe(table))
    if table is None or not Has(table, "Table"):
        Step("vehicle table rows through the Table interface", False, "no Table interface")
        return table
    cells = table.queryTable()
    first = cells.getAccessibleAt(1, 0) if cells.nRows > 1 else None
    Step("vehicle table rows through the Table interface",
         cells.nRows > 1 and first is not None and first.name.strip() != "",
         f"{cells.nRows} rows, {cells.nColumns} columns, cell (1, 0) "
         f"'{first.name if first else None}'")
    return table


def CheckSpanSelectors(frame):
    for name, value in SPAN_SELECTORS:
        box = FindNamed(frame, name, pyatspi.ROLE_COMBO_BOX)
        if box is None:
            Step(f"combo box '{name}'", False, Missing(frame, name, pyatspi.ROLE_COMBO_BOX))
            continue
        text = Text(box)
        Step(f"combo box '{name}' with the value '{value}' in its Text interface", text == value,
             f"{Describe(box)}, value {text!r}")


def FigureBoxes(frame):
    return [FindNamed(frame, name, pyatspi.ROLE_TEXT) for name in FIGURE_NAMES]


def CheckFigureBoxes(frame):
    for name, box in zip(FIGURE_NAMES, FigureBoxes(frame)):
        if box is None:
            Step(f"figure box '{name}'", False, Missing(frame, name, pyatspi.ROLE_TEXT))
        else:
            Step(f"figure box '{name}'", True, f"{Describe(box)}, value {Text(box)!r}")


def FindStatusLine(frame):
    return FindNamed(frame, "Data files", pyatspi.ROLE_STATUS_BAR)


def CheckStatusLine(frame):
    status = FindStatusLine(frame)
    if status is None:
        Step("status line 'Data files'", False,
             Missing(frame, "Data files", pyatspi.ROLE_STATUS_BAR))
        return
    text = Text(status)
    Step("status line 'Data files': its Text interface holds the status", bool(text),
         f"text {text!r}")


def CheckMenuButton(frame):
    button = FindNamed(frame, "Menu", pyatspi.ROLE_PUSH_BUTTON)
    Step("menu button 'Menu'", button is not None,
         Describe(button) if button else Missing(frame, "Menu", pyatspi.ROLE_PUSH_BUTTON))


def ChartSummary(chart):
    """The summary of the chart's curves: the name of its last child."""
    count = chart.childCount
    child = chart.getChildAtIndex(count - 1) if count > 0 else None
    return child.name if child is not None else None


def CheckSummary(description, columns, picked=None, when=""):
    """Checks a chart summary against its curves; returns the picked names (or None)."""
    match = SUMMARY.match(description or "")
    if not Step(f"chart summary{when}: months shown, a sentence for each curve, the pick",
                match is not None and match.group(1) == SAMPLE_FIRST_MONTH
                and match.group(2) == SAMPLE_LAST_MONTH, repr(description)):
        return None
    sentences = CURVE_SENTENCE.findall(match.group(3))
    rest = CURVE_SENTENCE.sub("", match.group(3))
    curves = [sentence[0] for sentence in sentences]
    # The data table heads a share column "T-34 share %"; the summary names the curve "T-34 share".
    table_curves = None if columns is None else [
        column[:-2] if column.endswith(" %") else column for column in columns]
    Step(f"chart summary{when} names the curves of its data table",
         rest == "" and (table_curves is None or curves == table_curves),
         f"summary curves {curves}, table curves {columns}"
         + (f", not understood: {rest!r}" if rest else ""))
    if picked is not None:
        Step(f"chart summary{when} names the pick '{picked}'",
             match.group(5) in (picked, ) or (match.group(5) or "").startswith(picked + " and ")
             or (match.group(5) or "").endswith(" and " + picked),
             f"ends {match.group(4)!r}")
    return match.group(5)


def CheckChartTable(chart):
    """Checks the chart's data table; returns its curve names, or None without the interface."""
    if not Has(chart, "Table"):
        Step("chart data through the Table interface", False,
             f"interfaces {pyatspi.listInterfaces(chart)}")
        return None
    table = chart.queryTable()
    rows, columns = table.nRows, table.nColumns
    months = [table.getRowDescription(r) for r in range(rows)]
    curves = [table.getColumnDescription(c) for c in range(columns)]
    Step("chart data table: a row for each month with a value, a column for each curve",
         columns >= 1 and rows == SAMPLE_MONTHS and all(curves)
         and all(MONTH.match(m or "") for m in months)
         and months[:1] == [SAMPLE_FIRST_MONTH] and months[-1:] == [SAMPLE_LAST_MONTH]
         and [MonthIndex(m) for m in months] == list(range(MonthIndex(months[0]),
                                                            MonthIndex(months[0]) + rows)),
         f"{rows} rows ({months[:1]} to {months[-1:]}), curves {curves}")
    bad = []
    for r in range(rows):
        names = [table.getAccessibleAt(r, c).name for c in range(columns)]
        if not any(names) or not all(READ_NUMBER.match(n) for n in names if n):
            bad.append((months[r], names))
    Step("chart data table cells are numbers rounded for reading", not bad, f"first rows not: {bad[:3]}"
         if bad else f"first row {[table.getAccessibleAt(0, c).name for c in range(columns)]}")
    return curves


def CheckReadOut(name, event, chart, expected_month=None):
    """Checks a read-out announced by the chart; returns its month or None."""
    if event is None:
        Step(name, False, "the chart announced no text")
        return None
    lines = event[3].split("\n") if isinstance(event[3], str) else []
    month = lines[0] if lines else None
    values = lines[1:]
    good = (MONTH.match(month or "") is not None and len(values) >= 1
            and all(re.match(r"^.+: \S.*\d", line) for line in values))
    if expected_month is not None:
        good = good and MonthIndex(month) == expected_month
    shown = Text(chart)
    Step(name, good and shown == event[3],
         f"announced {event[3]!r}" + ("" if shown == event[3] else f", chart text {shown!r}"))
    return MonthIndex(month) if good else None


def CheckCursor(chart):
    focused = Focus(chart)
    Step("the chart takes the keyboard focus", focused,
         f"states {States(chart)}")
    listener = Listener("object:text-changed:insert")
    try:
        start = len(listener.events)
        Press("Right")
        event = listener.Await(3, "object:text-changed:insert", CHART_NAME, pyatspi.ROLE_CHART,
                               start)
        month = CheckReadOut("Right shows the month cursor and announces its read-out", event,
                             chart)
        if month is not None:
            start = len(listener.events)
            Press("Right")
            event = listener.Await(3, "object:text-changed:insert", CHART_NAME,
                                   pyatspi.ROLE_CHART, start)
            CheckReadOut("Right again moves the cursor a month on", event, chart, month + 1)
        start = len(listener.events)
        Press("ctrl+Right")
        event = listener.Await(3, "object:text-changed:insert", CHART_NAME, pyatspi.ROLE_CHART,
                               start)
        last = CheckReadOut(f"Ctrl+Right moves the cursor to the last month, {SAMPLE_LAST_MONTH}",
                            event, chart, MonthIndex(SAMPLE_LAST_MONTH))
        start = len(listener.events)
        Press("ctrl+Left")
        event = listener.Await(3, "object:text-changed:insert", CHART_NAME, pyatspi.ROLE_CHART,
                               start)
        first = CheckReadOut(f"Ctrl+Left moves the cursor to the first month, {SAMPLE_FIRST_MONTH}",
                             event, chart, MonthIndex(SAMPLE_FIRST_MONTH))
        if first is not None and last is not None:
            # From the first month, one of Page Up and Page Down goes a year on and the other
            # comes back to it.
            months = []
            for key in ("Next", "Prior"):
                start = len(listener.events)
                Press(key)
                listener.Await(3, "object:text-changed:insert", CHART_NAME, pyatspi.ROLE_CHART,
                               start)
                months.append(MonthIndex((Text(chart) or "").split("\n")[0]))
            Step("Page Down and Page Up move the cursor by a year",
                 months in ([first + 12, first], [first, first + 12]),
                 f"months {[MonthText(m) for m in months]}")
        Press("Escape")
        Pump(2, lambda: Text(chart) == "")
        Step("Escape hides the cursor and empties the chart's text", Text(chart) == "",
             f"chart text {Text(chart)!r}")
    finally:
        listener.Close()


def CheckPick(frame, tabs, table, chart):
    if not SwitchPage(tabs, "Tank Selection"):
        Step("switch back to the page 'Tank Selection'", False)
        return
    if table is None:
        Step("pick a vehicle with the keyboard", False, "no vehicle table")
        return
    figures = FigureBoxes(frame)
    before = [Text(box) for box in figures]
    listener = Listener("object:property-change:accessible-description")
    try:
        Step("the vehicle table takes the keyboard focus", Focus(table),
             f"states {States(table)}")
        start = len(listener.events)
        Press("Down")
        event = listener.Await(5, "object:property-change:accessible-description", CHART_NAME,
                               pyatspi.ROLE_CHART, start)
        # The vehicle on the row that now holds the focus (the current cell).
        cells = table.queryTable()
        current = None
        for r in range(cells.nRows):
            cell = cells.getAccessibleAt(r, 0)
            if cell is not None and IsFocused(cell):
                current = cell.name
                break
        if current is None and cells.nRows > 1:
            # The current cell starts on the first vehicle; Down moves it onto the second.
            current = cells.getAccessibleAt(1, 0).name
            Note(f"no cell reports the focus; taking row 1, '{current}', as the current one")
        Step("picking a vehicle announces the chart's new summary", event is not None,
             f"picked '{current}'")
        if chart is not None:
            CheckSummary(ChartSummary(chart), CheckChartTableCurves(chart), current,
                         " after the pick")
            Step("after the pick the chart's description names the pick",
                 current is not None and current in (chart.description or ""),
                 repr(chart.description))
        after = [Text(box) for box in figures]
        Step("picking a vehicle fills the figure boxes",
             all(box is not None for box in figures)
             and all(text not in (None, "", "0") for text in after),
             f"before {before}, after {after}")
    finally:
        listener.Close()


def CheckChartTableCurves(chart):
    if not Has(chart, "Table"):
        return None
    table = chart.queryTable()
    return [table.getColumnDescription(c) for c in range(table.nColumns)]


def CheckReload(frame):
    status = FindStatusLine(frame)
    folder = os.environ.get("A11Y_DATA_DIR")
    if status is None or not folder:
        Step("a reload is announced on the status line", False,
             "no status line" if status is None else "no data folder given (A11Y_DATA_DIR)")
        return
    listener = Listener("object:text-changed:insert")
    try:
        start = len(listener.events)
        # A changed file is read again shortly after; the status line says which one.
        os.utime(os.path.join(folder, "TankData.txt"))
        event = listener.Await(8, "object:text-changed:insert", "Data files",
                               pyatspi.ROLE_STATUS_BAR, start)
        text = Text(status)
        Step("a reload is announced on the status line",
             event is not None and "Read again at" in (event[3] or "")
             and "TankData.txt changed." in (text or ""),
             f"announced {event[3] if event else None!r}, status {text!r}")
    finally:
        listener.Close()


def Main():
    app = Wait(20, FindApplication)
    if not Step("the program on the accessibility bus", app is not None,
                f"applications: {[a.name for a in pyatspi.Registry.getDesktop(0) if a]}"):
        return 1
    frame = CheckWindow(app)
    if frame is not None and frame.getRole() != pyatspi.ROLE_FRAME:
        Note(f"the window's role is {Role(frame)}, not frame")
    if frame is None:
        return 1
    tabs = CheckPageTabs(frame)
    table = CheckVehicleTable(frame)
    CheckSpanSelectors(frame)
    CheckFigureBoxes(frame)
    CheckStatusLine(frame)
    CheckMenuButton(frame)

    chart = None
    if Step("switch to the page 'Graph' through its page tab", SwitchPage(tabs, "Graph")):
        chart = Wait(5, lambda: FindNamed(frame, CHART_NAME, pyatspi.ROLE_CHART))
        Step(f"chart '{CHART_NAME}'", chart is not None,
             Describe(chart) if chart else Missing(frame, CHART_NAME, pyatspi.ROLE_CHART))
    if chart is None:
        Note("skipped: the chart's data table, summary and month cursor (no chart)")
    else:
        curves = CheckChartTable(chart)
        summary = ChartSummary(chart) or ""
        Note(f"chart summary: {summary!r}")
        CheckSummary(summary, curves)
        Step("chart summary says that no vehicle is picked yet",
             summary.endswith(" No vehicle picked."))
        brief = (f"Months shown: {SAMPLE_FIRST_MONTH} to {SAMPLE_LAST_MONTH}. No vehicle picked. "
                 "S reads the summary.")
        Step("the chart is described in brief: the months shown and the picks",
             chart.description == brief, repr(chart.description))
        CheckCursor(chart)
    CheckPick(frame, tabs, table, chart)
    CheckReload(frame)

    if failures:
        print(f"{len(failures)} step(s) failed: {'; '.join(failures)}", flush=True)
        return 1
    print("all steps passed", flush=True)
    return 0


if __name__ == "__main__":
    try:
        sys.exit(Main())
    except Exception:
        # A program that crashed or stopped answering: say so as a failed step, with the cause.
        traceback.print_exc()
        Step("the check ran to its end", False, f"stopped with {sys.exc_info()[1]!r}")
        sys.exit(1)
