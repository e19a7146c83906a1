"""Top-level X windows of a process: find one by title, give it the input focus, or ask it
to close.

Under Xvfb no window manager activates windows, so a Qt window never becomes active on
its own and focus-in events (and typed keys) never reach its widgets. Setting the X input
focus on the window makes Qt activate it, exactly as a window manager would; a
WM_DELETE_WINDOW message is what a window manager sends when its close box is pressed.
Uses libX11 through ctypes (package libx11-6), so no Python X bindings are needed.
"""

import ctypes

_ulong = ctypes.c_ulong
_display_p = ctypes.c_void_p
_REVERT_TO_PARENT = 2
_CURRENT_TIME = 0
_IS_VIEWABLE = 2
_CLIENT_MESSAGE = 33
_NO_EVENT_MASK = 0


class _ClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int), ("serial", _ulong), ("send_event", ctypes.c_int),
        ("display", _display_p), ("window", _ulong), ("message_type", _ulong),
        ("format", ctypes.c_int), ("data", ctypes.c_long * 5),
    ]


class _Event(ctypes.Union):
    _fields_ = [("client", _ClientMessageEvent), ("pad", ctypes.c_long * 24)]


class _WindowAttributes(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_int), ("y", ctypes.c_int),
        ("width", ctypes.c_int), ("height", ctypes.c_int),
        ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
        ("visual", ctypes.c_void_p), ("root", _ulong),
        ("c_class", ctypes.c_int), ("bit_gravity", ctypes.c_int),
        ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int),
        ("backing_planes", _ulong), ("backing_pixel", _ulong),
        ("save_under", ctypes.c_int), ("colormap", _ulong),
        ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int),
        ("all_event_masks", ctypes.c_long), ("your_event_mask", ctypes.c_long),
        ("do_not_propagate_mask", ctypes.c_long), ("override_redirect", ctypes.c_int),
        ("screen", ctypes.c_void_p),
    ]


def _load():
    lib = ctypes.cdll.LoadLibrary("libX11.so.6")
    signatures = {
        "XOpenDisplay": (_display_p, [ctypes.c_char_p]),
        "XCloseDisplay": (ctypes.c_int, [_display_p]),
        "XDefaultRootWindow": (_ulong, [_display_p]),
        "XQueryTree": (ctypes.c_int, [_display_p, _ulong, ctypes.POINTER(_ulong),
                                      ctypes.POINTER(_ulong),
                                      ctypes.POINTER(ctypes.POINTER(_ulong)),
                                      ctypes.POINTER(ctypes.c_uint)]),
        "XInternAtom": (_ulong, [_display_p, ctypes.c_char_p, ctypes.c_int]),
        "XGetWindowProperty": (ctypes.c_int, [_display_p, _ulong, _ulong, ctypes.c_long,
                                              ctypes.c_long, ctypes.c_int, _ulong,
                                              ctypes.POINTER(_ulong),
                                              ctypes.POINTER(ctypes.c_int),
                                              ctypes.POINTER(_ulong), ctypes.POINTER(_ulong),
                                              ctypes.POINTER(ctypes.c_void_p)]),
        "XGetWindowAttributes": (ctypes.c_int, [_display_p, _ulong,
                                                ctypes.POINTER(_WindowAttributes)]),
        "XRaiseWindow": (ctypes.c_int, [_display_p, _ulong]),
        "XSetInputFocus": (ctypes.c_int, [_display_p, _ulong, ctypes.c_int, _ulong]),
        "XFlush": (ctypes.c_int, [_display_p]),
        "XSync": (ctypes.c_int, [_display_p, ctypes.c_int]),
        "XSendEvent": (ctypes.c_int, [_display_p, _ulong, ctypes.c_int, ctypes.c_long,
                                      ctypes.POINTER(_Event)]),
        "XFree": (ctypes.c_int, [ctypes.c_void_p]),
        "XStringToKeysym": (_ulong, [ctypes.c_char_p]),
    }
    for name, (restype, argtypes) in signatures.items():
        function = getattr(lib, name)
        function.restype = restype
        function.argtypes = argtypes
    return lib


_x = _load()


def keysym(name):
    """The X keysym of a key name such as "Return", "Tab", "Down" or "F5"."""
    value = _x.XStringToKeysym(name.encode())
    if not value:
        raise ValueError(f"unknown key name {name!r}")
    return value


class _Display:
    def __enter__(self):
        self.handle = _x.XOpenDisplay(None)
        if not self.handle:
            raise RuntimeError("cannot open the X display (is DISPLAY set?)")
        return self

    def __exit__(self, *exc):
        _x.XCloseDisplay(self.handle)

    def top_levels(self):
        root, parent = _ulong(), _ulong()
        children, count = ctypes.POINTER(_ulong)(), ctypes.c_uint()
        _x.XQueryTree(self.handle, _x.XDefaultRootWindow(self.handle), ctypes.byref(root),
                      ctypes.byref(parent), ctypes.byref(children), ctypes.byref(count))
        windows = [children[i] for i in range(count.value)]
        if children:
            _x.XFree(children)
        return windows

    def property(self, window, name, type_name):
        """A UTF-8 text (format 8) or a list of numbers (format 32), or None."""
        atom = _x.XInternAtom(self.handle, name.encode(), 0)
        wanted = _x.XInternAtom(self.handle, type_name.encode(), 0)
        actual, fmt, count, after = _ulong(), ctypes.c_int(), _ulong(), _ulong()
        data = ctypes.c_void_p()
        if _x.XGetWindowProperty(self.handle, window, atom, 0, 4096, 0, wanted,
                                 ctypes.byref(actual), ctypes.byref(fmt), ctypes.byref(count),
                                 ctypes.byref(after), ctypes.byref(data)) != 0 or not data:
            return None
        try:
            if fmt.value == 8:
                return ctypes.string_at(data.value, count.value).decode("utf-8", "replace")
            numbers = ctypes.cast(data, ctypes.POINTER(_ulong))
            return [numbers[i] for i in range(count.value)]
        finally:
            _x.XFree(data)

    def viewable(self, window):
        attributes = _WindowAttributes()
        return (_x.XGetWindowAttributes(self.handle, window, ctypes.byref(attributes)) != 0
                and attributes.map_state == _IS_VIEWABLE)


def windows_of(pid):
    """(window id, title) of every mapped top-level window of process pid."""
    with _Display() as display:
        return [(window, display.property(window, "_NET_WM_NAME", "UTF8_STRING") or "")
                for window in display.top_levels()
                if display.property(window, "_NET_WM_PID", "CARDINAL") == [pid]
                and display.viewable(window)]


def _titled(name, title):
    # Qt appends " — <application display name>" to titles when a display name is set.
    return name == title or name.startswith(title + " \u2014 ")


def _window(pid, title):
    """The mapped window of process pid titled title (or its only mapped window), or None."""
    windows = windows_of(pid)
    matches = [window for window, name in windows if _titled(name, title)]
    if not matches and len(windows) == 1:
        matches = [windows[0][0]]
    return matches[0] if matches else None


def activate(pid, title):
    """Raises the mapped window of process pid titled title (or its only mapped window)
    and gives it the input focus. Returns False when no such window is mapped (yet)."""
    window = _window(pid, title)
    if window is None:
        return False
    with _Display() as display:
        _x.XRaiseWindow(display.handle, window)
        _x.XSetInputFocus(display.handle, window, _REVERT_TO_PARENT, _CURRENT_TIME)
        _x.XFlush(display.handle)
    return True


def request_close(pid, title):
    """Asks that window to close, as its close box does (WM_DELETE_WINDOW). The server has
    queued the message when this returns, ahead of any input generated later. Returns
    False when no such window is mapped (yet)."""
    window = _window(pid, title)
    if window is None:
        return False
    with _Display() as display:
        event = _Event()
        message = event.client
        message.type = _CLIENT_MESSAGE
        message.window = window
        message.message_type = _x.XInternAtom(display.handle, b"WM_PROTOCOLS", 0)
        message.format = 32
        message.data[0] = _x.XInternAtom(display.handle, b"WM_DELETE_WINDOW", 0)
        message.data[1] = _CURRENT_TIME
        _x.XSendEvent(display.handle, window, 0, _NO_EVENT_MASK, ctypes.byref(event))
        _x.XSync(display.handle, 0)
    return True
