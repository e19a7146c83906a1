"""Drives the station's real windows over the accessibility bus (AT-SPI) for end-to-end tests.

Run under tests/e2e/run_under_xvfb.sh with Debian's /usr/bin/python3 (it has pyatspi).
Every wait is bounded; a failed search reports the accessible tree it searched.

    with App.launch([station, "--simulate"]) as app:
        app.find("打开").click()
        entry = app.find("T_3RW_2")
        entry.focus()
        entry.type_text("250")
        app.find("SV1").click()
        app.find("Combo1").select("3 ")

What Qt 6.4 publishes: buttons and labels are named by their captions; other controls by
their accessibleName, except that a combo box is named by its current item and a label
that has an accessibleName hides its text. For those, windows put the control name in
accessibleDescription, and find() matches a name or a description.
"""

import subprocess
import time
import warnings

import pyatspi
from gi.repository import Atspi, GLib

import x11_windows

DEFAULT_TIMEOUT = 10.0
POLL_INTERVAL = 0.02
# Their items (popup entries, grid cells) are not searched: there may be thousands.
# Reach them through Widget.select() and Widget.cell().
ITEM_CONTAINERS = {"list", "table", "tree table", "tree", "list box"}
PRESS_ACTIONS = ("Press", "press", "click", "activate", "Toggle", "toggle")
TREE_LINES = 400


class DriverError(AssertionError):
    """A window, widget, text or state did not turn up in time, or cannot be operated."""


def _pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(condition, what, timeout=DEFAULT_TIMEOUT, detail=None):
    """Polls condition() until it returns something truthy, and returns that.

    A bus error (the object went away mid-call) counts as "not yet". On time-out raises
    DriverError naming what, followed by detail() when given."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        _pump()
        try:
            result = condition()
            if result:
                return result
        except GLib.Error as error:
            last_error = error
        if time.monotonic() >= deadline:
            break
        time.sleep(POLL_INTERVAL)
    message = f"timed out after {timeout:g} s waiting for {what}"
    if last_error is not None:
        message += f" (last bus error: {last_error.message})"
    if detail is not None:
        message += "\n" + detail()
    raise DriverError(message)


def states_of(accessible):
    return {state.value_nick for state in accessible.getState().getStates()}


def _interface(accessible, name):
    """Atspi's class for interface name ("Action", "Text", ...) of accessible."""
    if name not in accessible.get_interfaces():
        raise DriverError(f"{_label(accessible)} has no {name} interface")
    return getattr(Atspi, name)


def _action_names(accessible):
    action = _interface(accessible, "Action")
    with warnings.catch_warnings():
        # Deprecated, yet the only call giving Qt's untranslated action names.
        warnings.simplefilter("ignore", DeprecationWarning)
        return [action.get_action_name(accessible, i)
                for i in range(action.get_n_actions(accessible))]


def _children(accessible):
    for i in range(accessible.childCount):
        child = accessible.getChildAtIndex(i)
        if child is not None:
            yield child


def _descendants(root, showing_only):
    for child in _children(root):
        if showing_only and not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        yield child
        if child.getRoleName() not in ITEM_CONTAINERS:
            yield from _descendants(child, showing_only)


def _label(accessible):
    try:
        return _describe(accessible)
    except GLib.Error:  # the object went away (a dialog closed and destroyed)
        return "an object no longer there"


def _describe(accessible):
    text = f"{accessible.getRoleName()} {accessible.name!r}"
    if accessible.description:
        text += f" ({accessible.description!r})"
    states = states_of(accessible)
    flags = [flag for flag in ("focused", "active") if flag in states]
    flags += [] if "showing" in states else ["hidden"]
    flags += [] if "enabled" in states else ["disabled"]
    return text + (f" [{', '.join(flags)}]" if flags else "")


def describe(accessible):
    """The accessible tree under accessible, one widget a line, hidden ones marked."""
    lines = []

    def visit(node, depth):
        if len(lines) >= TREE_LINES:
            return
        lines.append("  " * depth + _label(node))
        if node.getRoleName() in ITEM_CONTAINERS:
            lines.append("  " * (depth + 1) + f"... {node.childCount} items")
            return
        for child in _children(node):
            visit(child, depth + 1)

    try:
        visit(accessible, 0)
    except GLib.Error as error:
        lines.append(f"(tree incomplete: {error.message})")
    return "accessible tree:\n" + "\n".join(lines)


def _matches(accessible, name, role):
    return ((name is None or name in (accessible.name, accessible.description))
            and (role is None or accessible.getRoleName() == role))


def _what(name, role):
    return " ".join(part for part in (role, repr(name) if name is not None else None) if part)


class App:
    """One application on the accessibility bus, usually a process started by launch()."""

    def __init__(self, accessible, process=None):
        self.accessible = accessible
        self.process = process

    @classmethod
    def launch(cls, argv, timeout=20.0, **popen_options):
        """Starts argv and waits until it shows up on the bus."""
        process = subprocess.Popen(argv, **popen_options)
        try:
            accessible = wait_for(lambda: cls._alive(process) and _application(process.pid),
                                  f"{argv[0]} on the accessibility bus", timeout,
                                  detail=_desktop_contents)
        except BaseException:
            _stop(process, 0)
            raise
        return cls(accessible, process)

    @classmethod
    def attach(cls, pid, timeout=DEFAULT_TIMEOUT):
        """The already running application with process id pid."""
        return cls(wait_for(lambda: _application(pid), f"process {pid} on the accessibility bus",
                            timeout, detail=_desktop_contents))

    @property
    def pid(self):
        return self.accessible.get_process_id()

    def wait_for(self, condition, what, timeout=DEFAULT_TIMEOUT, detail=None):
        """wait_for() that fails at once, with the exit status, if the process has ended."""
        return wait_for(lambda: self._alive(self.process) and condition(), what, timeout,
                        detail)

    def find(self, name=None, role=None, showing=True, timeout=DEFAULT_TIMEOUT):
        """The first widget, in tree order, whose accessible name or description is name
        and whose role (e.g. "push button", "text", "combo box") is role. With showing,
        waits until such a widget is on screen."""
        return self._find(self.accessible, name, role, showing, timeout)

    def find_all(self, name=None, role=None, showing=True):
        """Every such widget now, without waiting."""
        return [Widget(self, a) for a in _descendants(self.accessible, showing)
                if _matches(a, name, role)]

    def window(self, title, timeout=DEFAULT_TIMEOUT):
        """The shown top-level window titled title."""
        return Widget(self, self.wait_for(
            lambda: next((w for w in _descendants(self.accessible, True) if w.name == title
                          and w.parent.getRoleName() == "application"), None),
            f"window {title!r}", timeout, detail=self.tree))

    def press_key(self, key):
        """Presses and releases a key ("Return", "Tab", "Escape", "Down", ...) on whatever
        has the keyboard."""
        pyatspi.Registry.generateKeyboardEvent(x11_windows.keysym(key), None, pyatspi.KEY_SYM)

    def tree(self):
        return describe(self.accessible)

    def close(self, timeout=5.0):
        """Ends the process started by launch() (SIGTERM, then SIGKILL); returns its status."""
        return _stop(self.process, timeout) if self.process else None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def _find(self, root, name, role, showing, timeout):
        found = self.wait_for(
            lambda: next((a for a in _descendants(root, showing) if _matches(a, name, role)),
                         None),
            _what(name, role) + (" on screen" if showing else ""), timeout,
            detail=lambda: describe(root))
        return Widget(self, found)

    @staticmethod
    def _alive(process):
        if process is not None and process.poll() is not None:
            raise DriverError(f"the application exited with status {process.returncode}")
        return True


def _application(pid):
    return next((a for a in _children(pyatspi.Registry.getDesktop(0))
                 if a.get_process_id() == pid), None)


def _desktop_contents():
    apps = [f"{a.name!r} (pid {a.get_process_id()})"
            for a in _children(pyatspi.Registry.getDesktop(0))]
    return "applications on the bus: " + (", ".join(apps) or "none")


def _stop(process, timeout):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout)
        except subprocess.TimeoutExpired:
            process.kill()
    return process.wait()


class Widget:
    """One accessible object of an App: a window, a control, an item or a cell."""

    def __init__(self, app, accessible):
        self.app = app
        self.accessible = accessible

    def __repr__(self):
        return _label(self.accessible)

    name = property(lambda self: self.accessible.name)
    description = property(lambda self: self.accessible.description)
    role = property(lambda self: self.accessible.getRoleName())
    states = property(lambda self: states_of(self.accessible))

    def find(self, name=None, role=None, showing=True, timeout=DEFAULT_TIMEOUT):
        """App.find() within this widget."""
        return self.app._find(self.accessible, name, role, showing, timeout)

    def wait_until(self, predicate, what, timeout=DEFAULT_TIMEOUT):
        """Waits until predicate(self) holds; what completes "timed out waiting for <widget> ..."."""
        return self.app.wait_for(lambda: predicate(self), f"{self!r} {what}", timeout,
                                 detail=self.app.tree)

    def wait_hidden(self, timeout=DEFAULT_TIMEOUT):
        self.wait_until(lambda w: w.gone() or "showing" not in w.states, "to be hidden", timeout)

    def gone(self):
        """The object is no longer on the bus (its window was destroyed)."""
        try:
            states_of(self.accessible)
            return False
        except GLib.Error:
            return True

    def text(self):
        """The text of an entry box, else the accessible name (a caption, a label's text,
        a combo box's current item, a cell's content)."""
        if "Text" in self.accessible.get_interfaces():
            return Atspi.Text.get_text(self.accessible, 0, -1)
        return self.name

    def top_level(self):
        """The window this widget sits in."""
        node = self.accessible
        while node.parent is not None and node.parent.getRoleName() != "application":
            node = node.parent
        return Widget(self.app, node)

    def activate(self):
        """Raises this widget's window and makes it the active window (what a window
        manager does on a click); needed before keyboard focus can move into it."""
        window = self.top_level()
        if "active" in window.states:
            return
        self.app.wait_for(lambda: x11_windows.activate(self.app.pid, window.name),
                          f"the X window of {window!r}")
        window.wait_until(lambda w: "active" in w.states,
                          "to become active (a modal window may hold the focus)")

    def request_close(self):
        """Presses the close box of this widget's window (the message a window manager
        sends for it); whether the window closes is up to the application."""
        window = self.top_level()
        self.app.wait_for(lambda: x11_windows.request_close(self.app.pid, window.name),
                          f"the X window of {window!r}")

    def click(self):
        """Presses a button (or toggles a check box) once it is shown and enabled, and
        returns when the press has been delivered."""
        self._wait_usable()
        names = _action_names(self.accessible)
        chosen = next((n for n in PRESS_ACTIONS if n in names), None)
        if chosen is None:
            raise DriverError(f"{self!r} has no press action (actions: {names})")
        Atspi.Action.do_action(self.accessible, names.index(chosen))
        # Qt presses a button for a moment before it emits clicked().
        self.wait_until(lambda w: "pressed" not in w.states, "to be released")

    def mouse_click(self, x=None, y=None):
        """Clicks with the mouse at (x, y) inside the widget, by default its centre."""
        self._wait_usable()
        self.activate()
        box = _interface(self.accessible, "Component").get_extents(self.accessible,
                                                                   Atspi.CoordType.SCREEN)
        pyatspi.Registry.generateMouseEvent(box.x + (box.width // 2 if x is None else x),
                                            box.y + (box.height // 2 if y is None else y),
                                            "b1c")

    def focus(self):
        """Gives the widget the keyboard focus, as a click into it would."""
        self._wait_usable()
        if "focused" in self.states:
            return
        self.activate()
        _interface(self.accessible, "Component").grab_focus(self.accessible)
        self.wait_until(lambda w: "focused" in w.states, "to take the focus")

    def set_text(self, text):
        """Replaces an entry box's text at once (any characters; no key events)."""
        self._wait_usable()
        if not _interface(self.accessible, "EditableText").set_text_contents(self.accessible,
                                                                              text):
            raise DriverError(f"{self!r} refused the text {text!r}")
        self.wait_until(lambda w: w.text() == text, f"to read {text!r}")

    def type_text(self, text):
        """Focuses the widget and types text at its cursor as key presses (keys of the
        keyboard only, e.g. digits, '.', '-'); waits until its text contains text."""
        self.focus()
        pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)
        self.wait_until(lambda w: text in w.text(), f"to contain {text!r}")

    def press_key(self, key):
        """Focuses the widget and presses a key, e.g. "Return"."""
        self.focus()
        self.app.press_key(key)

    def select(self, item):
        """Picks an item of a combo box the way a keyboard user does: open the list, move
        to the item, Return. The combo box changes once, straight to item."""
        self._wait_usable()
        popup = next((c for c in _children(self.accessible) if c.getRoleName() == "list"),
                     None)
        if popup is None:
            raise DriverError(f"{self!r} has no item list")
        items = [c.name for c in _children(popup)]
        if item not in items:
            raise DriverError(f"{self!r} has no item {item!r}; items: {items}")
        self.activate()
        self.click()
        Widget(self.app, popup).wait_until(lambda w: "showing" in w.states, "to open")
        current = self._current_index(popup, items)
        step = "Down" if items.index(item) > current else "Up"
        for _ in range(abs(items.index(item) - current)):
            self.app.press_key(step)
        self.app.press_key("Return")
        self.wait_until(lambda w: w.text() == item and "showing" not in states_of(popup),
                        f"to show {item!r} with its list closed")

    def cell(self, row, column):
        """A cell of a grid (0-based); its text() is the cell's content."""
        table = _interface(self.accessible, "Table")
        return Widget(self.app, table.get_accessible_at(self.accessible, row, column))

    def value(self):
        """The value of a slider, scroll bar or spin box."""
        return _interface(self.accessible, "Value").get_current_value(self.accessible)

    def set_value(self, value):
        self._wait_usable()
        _interface(self.accessible, "Value").set_current_value(self.accessible, value)
        self.wait_until(lambda w: w.value() == value, f"to hold {value}")

    def _wait_usable(self):
        self.wait_until(lambda w: {"showing", "enabled"} <= w.states, "to be shown and enabled")

    def _current_index(self, popup, items):
        for index, child in enumerate(_children(popup)):
            if {"selected", "focused"} & states_of(child):
                return index
        if self.text() in items:
            return items.index(self.text())
        raise DriverError(f"cannot tell the current item of {self!r}")
