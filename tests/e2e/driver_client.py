"""driver.exe from Python: one method a command, parsed results."""

import subprocess
from collections import namedtuple

from build_paths import DRIVER
from waiting import DriverError
from wine_process import kill_group, spawn

DEFAULT_TIMEOUT_MS = 10000
# What a wine call may take on top of the driver's own wait.
WINE_MARGIN_S = 30


def _unescape(value):
    """Undoes the driver's escaping of backslash, tab and newline."""
    out, chars = [], iter(value)
    for c in chars:
        if c == "\\":
            c = {"n": "\n", "t": "\t"}.get(next(chars, ""), "\\")
        out.append(c)
    return "".join(out)


Child = namedtuple("Child", "handle cls id visible enabled text")
ListBox = namedtuple("ListBox", "selected items")
# icon: "question", "warning", "error", "information" or "" (none, or not a standard one).
MessageBox = namedtuple("MessageBox", "hwnd caption text buttons icon")


class Driver:
    """One method a driver command; handles are ints. A failed command raises DriverError."""

    def __init__(self, path=DRIVER, timeout_ms=DEFAULT_TIMEOUT_MS):
        self.path = str(path)
        self.timeout_ms = timeout_ms

    def run(self, *args, timeout_ms=None):
        """Runs `wine driver.exe args...` and gives its output lines."""
        args = [str(a) for a in args]
        wait_ms = timeout_ms if timeout_ms is not None else self.timeout_ms
        if args[0] in _WAITING_COMMANDS:
            args += ["--timeout-ms", str(wait_ms)]
        process = spawn(["wine", self.path, *args], subprocess.PIPE, subprocess.PIPE)
        try:
            out, err = process.communicate(timeout=wait_ms / 1000 + WINE_MARGIN_S)
        except subprocess.TimeoutExpired:
            kill_group(process)
            raise DriverError(f"driver {' '.join(args)}: no answer from Wine") from None
        text = out.decode("utf-8", "replace")
        if process.returncode != 0:
            raise DriverError(f"driver {' '.join(args)}: exit {process.returncode}\n"
                              f"stdout:\n{text}stderr:\n{err.decode('utf-8', 'replace')}")
        # Split at \n only: splitlines() would also split at characters a text may hold.
        return text.split("\n")[:-1] if text else []

    def _handle(self, *args, **kwargs):
        return int(self.run(*args, **kwargs)[0], 16)

    # Finding windows.
    def wait_window(self, title=None, prefix=None, cls=None, timeout_ms=None):
        return self._handle("wait-window", *_title_options(title, prefix, cls),
                            timeout_ms=timeout_ms)

    def no_window(self, for_ms, title=None, prefix=None, cls=None):
        self.run("no-window", *_title_options(title, prefix, cls), "--for-ms", for_ms,
                 timeout_ms=for_ms)

    def find_child(self, parent, cls=None, text=None, id=None, timeout_ms=None):
        options = _options(("--class", cls), ("--text", text), ("--id", id))
        return self._handle("find-child", hex(parent), *options, timeout_ms=timeout_ms)

    def children(self, parent):
        rows = []
        for line in self.run("children", hex(parent)):
            handle, cls, id_, visible, enabled, text = line.split("\t")
            rows.append(Child(int(handle, 16), cls, int(id_), visible == "1", enabled == "1",
                              _unescape(text)))
        return rows

    # Reading them.
    def caption(self, hwnd):
        lines = self.run("caption", hex(hwnd))
        return _unescape(lines[0]) if lines else ""

    def window_class(self, hwnd):
        return self.run("class", hex(hwnd))[0]

    def visible(self, hwnd):
        return self.run("visible", hex(hwnd))[0] == "1"

    def enabled(self, hwnd):
        return self.run("enabled", hex(hwnd))[0] == "1"

    def pid(self, hwnd):
        """The Windows process id of the window's owner (for owner_pid)."""
        return int(self.run("pid", hex(hwnd))[0])

    def rect(self, hwnd):
        """(left, top, right, bottom) in screen coordinates."""
        return tuple(int(n) for n in self.run("rect", hex(hwnd))[0].split())

    def list_items(self, hwnd):
        """The items of a list box and the selected index (-1 for none)."""
        header, *items = self.run("list-items", hex(hwnd))
        fields = dict(field.split("=") for field in header.split())
        return ListBox(int(fields["selected"]), [_unescape(item) for item in items])

    # Working them.
    def click(self, hwnd):
        self.run("click", hex(hwnd))

    def command(self, hwnd, command_id):
        self.run("command", hex(hwnd), command_id)

    def post(self, hwnd, message, wparam=0, lparam=0):
        self.run("post", hex(hwnd), message, wparam, lparam)

    def close(self, hwnd):
        self.run("close", hex(hwnd))

    def select(self, list_box, index):
        self.run("select", hex(list_box), index)

    # Dialogs.
    def message_box(self, owner_pid=None, timeout_ms=None):
        return _message_box(self.run("message-box", *_options(("--owner-pid", owner_pid)),
                                     timeout_ms=timeout_ms))

    def no_message_box(self, for_ms, owner_pid=None):
        self.run("no-message-box", "--for-ms", for_ms, *_options(("--owner-pid", owner_pid)),
                 timeout_ms=for_ms)

    def answer(self, button, expect_text=None, owner_pid=None, timeout_ms=None):
        """Presses ok, cancel, yes, no, abort, retry or ignore; gives the box as it was."""
        options = _options(("--expect-text", expect_text), ("--owner-pid", owner_pid))
        return _message_box(self.run("answer", button, *options, timeout_ms=timeout_ms))

    def file_dialog(self, windows_path, timeout_ms=None):
        """Types the path into the open or save dialog and presses OK; gives the dialog."""
        return self._handle("file-dialog", windows_path, timeout_ms=timeout_ms)

    def cancel_file_dialog(self, timeout_ms=None):
        return self._handle("file-dialog", "--cancel", timeout_ms=timeout_ms)

    # Files, as the shell and other programs use them.
    def drop_files(self, hwnd, *windows_paths):
        self.run("drop-files", hex(hwnd), *windows_paths)


_WAITING_COMMANDS = {"wait-window", "find-child", "message-box", "answer", "file-dialog"}


def _options(*pairs):
    return [str(part) for name, value in pairs if value is not None for part in (name, value)]


def _title_options(title, prefix, cls):
    return _options(("--title", title), ("--title-prefix", prefix), ("--class", cls))


def _message_box(lines):
    fields = dict(line.split("=", 1) for line in lines)
    buttons = fields["buttons"].split(",") if fields["buttons"] else []
    return MessageBox(int(fields["hwnd"], 16), _unescape(fields["caption"]),
                      _unescape(fields["text"]), buttons, fields.get("icon", ""))
