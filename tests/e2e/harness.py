"""Helpers for the end-to-end tests: Windows programs run under Wine, driven by driver.exe.

Run the tests through tests/e2e/under-wine (ctest does): it starts Xvfb, prepares the Wine
prefix and exports DISPLAY and the WINE* variables. A test module calls start_wine() once
before its tests and stop_wine() after them.
"""

import atexit
import ctypes
import os
import shutil
import signal
import subprocess
import tempfile
import time
from collections import namedtuple
from pathlib import Path, PureWindowsPath

WIN32_DIR = Path(os.environ.get("WALLPAPER_WIN32_DIR", ""))
CROSS_DIR = Path(os.environ.get("WALLPAPER_CROSS_DIR", ""))
DRIVER = CROSS_DIR / "tests" / "driver.exe"

DEFAULT_TIMEOUT_MS = 10000
# What a wine call may take on top of the driver's own wait.
WINE_MARGIN_S = 30


class DriverError(AssertionError):
    """A driver call failed; the message holds the command and what the driver said."""


def _run_quietly(args, timeout_s):
    subprocess.run(args, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=timeout_s, check=False)


def _die_with_parent():
    """Runs in the child before exec: the kernel kills it when the test process dies."""
    pr_set_pdeathsig = 1
    ctypes.CDLL(None, use_errno=True).prctl(pr_set_pdeathsig, signal.SIGKILL)


def _spawn(args, stdout, stderr, cwd=None):
    """Starts a Wine process in its own process group (stopped as a whole by _kill_group)
    that does not outlive this one."""
    return subprocess.Popen(args, cwd=cwd, stdin=subprocess.DEVNULL, stdout=stdout,
                            stderr=stderr, start_new_session=True, preexec_fn=_die_with_parent)


def _kill_group(process):
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()


_desktop_holder = None


def start_wine():
    """Starts the Wine side once: the wineserver, the prefix's services and a process that
    holds the virtual desktop for the whole run.

    Whatever Wine starts first inherits the caller's stdout and stderr and keeps them open
    for as long as it runs; started here with /dev/null, the driver's later calls can read
    their output from pipes without waiting for a wineserver or a service to exit.
    Should this process die without stop_wine(), the holder and the programs die with it
    (see _spawn), and the desktop and the wineserver follow a few seconds later.
    """
    global _desktop_holder
    if _desktop_holder is not None:
        return
    if not DRIVER.is_file():
        raise DriverError(f"no {DRIVER}: build first; WALLPAPER_CROSS_DIR names the cross build")
    _run_quietly(["wineserver", "-k"], 20)
    _run_quietly(["wineboot"], 120)
    _desktop_holder = _spawn(["wine", str(DRIVER), "hold-desktop"], stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    atexit.register(stop_wine)
    # The desktop's taskbar: once it is there, programs started next join this desktop.
    Driver().wait_window(prefix="", cls="Shell_TrayWnd")


def stop_wine():
    """Stops every Wine process of the prefix."""
    global _desktop_holder
    if _desktop_holder is not None:
        _kill_group(_desktop_holder)
        _desktop_holder = None
        _run_quietly(["wineserver", "-k"], 20)


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
        process = _spawn(["wine", self.path, *args], subprocess.PIPE, subprocess.PIPE)
        try:
            out, err = process.communicate(timeout=wait_ms / 1000 + WINE_MARGIN_S)
        except subprocess.TimeoutExpired:
            _kill_group(process)
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


def _drive_mappings():
    """(Windows drive root, Linux folder) pairs from the prefix's dosdevices, longest first."""
    devices = Path(os.environ["WINEPREFIX"]) / "dosdevices"
    pairs = []
    for link in devices.glob("?:"):
        pairs.append((link.name.upper() + "\\", (devices / os.readlink(link)).resolve()))
    return sorted(pairs, key=lambda pair: len(str(pair[1])), reverse=True)


def windows_path(linux_path):
    """The path Wine's programs see for a Linux path (Z:\\tmp\\... or C:\\...)."""
    path = Path(linux_path).resolve()
    for drive, folder in _drive_mappings():
        if path == folder or folder in path.parents:
            return str(PureWindowsPath(drive, *path.relative_to(folder).parts))
    raise ValueError(f"no Wine drive holds {path}")


def linux_path(win_path):
    """The Linux path of a Windows path on one of the prefix's drives."""
    path = PureWindowsPath(win_path)
    for drive, folder in _drive_mappings():
        if path.anchor.upper() == drive:
            return folder.joinpath(*path.parts[1:])
    raise ValueError(f"no Wine drive {path.anchor}")


class ProgramFolder:
    """A throw-away Windows program folder: copies of the built files plus prepared ones.

    Under /tmp by default (drive Z:), or under `parent`, e.g. the prefix's drive_c.
    """

    def __init__(self, files=(), source=WIN32_DIR, parent=None):
        self.root = Path(tempfile.mkdtemp(prefix="wallpaper-e2e-", dir=parent))
        for name in files:
            self.copy(Path(source) / name, name)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.remove()

    def path(self, name=""):
        return self.root / name

    def windows_path(self, name=""):
        return windows_path(self.path(name))

    def copy(self, source, name=None):
        """Copies a file or a whole folder (a plug-in folder, say) into the folder."""
        target = self.path(name or Path(source).name)
        target.parent.mkdir(parents=True, exist_ok=True)
        if Path(source).is_dir():
            shutil.copytree(source, target)
        else:
            shutil.copy2(source, target)
        return target

    def write(self, name, data):
        """Writes raw bytes: the program's files are in its own encodings, not Python's."""
        target = self.path(name)
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(data)
        return target

    def read(self, name):
        return self.path(name).read_bytes()

    def wait_for_content(self, name, part, timeout_s=10):
        """Waits until the file exists and holds the bytes `part`; gives its whole content."""
        file = self.path(name)

        def content():
            data = file.read_bytes() if file.exists() else b""
            return data if part in data else None
        try:
            return wait_until(content, timeout_s, what=f"{part!r} in {name}")
        except DriverError as error:
            found = file.read_bytes() if file.exists() else "no file"
            raise DriverError(f"{error}; {name} holds {found!r}") from None

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)


class Program:
    """A Windows program running under Wine. Its stdout and stderr go to a temporary file, not
    a pipe (Wine processes it starts could hold a pipe open), and not into its folder."""

    def __init__(self, program, cwd, args=()):
        self._log = tempfile.TemporaryFile()
        self.process = _spawn(["wine", str(program), *map(str, args)], self._log,
                              subprocess.STDOUT, cwd)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()

    def wait_exit(self, timeout_s=10):
        """The exit code; DriverError when the program is still running after `timeout_s`."""
        try:
            return self.process.wait(timeout=timeout_s)
        except subprocess.TimeoutExpired:
            raise DriverError(f"{self.process.args[1]} still runs after {timeout_s} s") from None

    def stop(self):
        """Kills the program and every process it started; output() still works after."""
        _kill_group(self.process)
        if not self._log.closed:
            self._stopped_output = self.output()
            self._log.close()

    def output(self):
        """What the program (and Wine) wrote to stdout and stderr, as bytes."""
        if self._log.closed:
            return self._stopped_output
        self._log.seek(0)
        return self._log.read()


def start(program, cwd=None, args=()):
    """Starts a Windows program, in its own folder unless `cwd` says otherwise."""
    return Program(program, cwd or Path(program).parent, args)


def screenshot(path):
    """Saves the virtual desktop as a PNG (or whatever the suffix of `path` names)."""
    xwd = subprocess.Popen(["xwd", "-root", "-display", os.environ["DISPLAY"]],
                           stdin=subprocess.DEVNULL, stdout=subprocess.PIPE)
    subprocess.run(["convert", "xwd:-", str(path)], stdin=xwd.stdout, check=True, timeout=60)
    xwd.stdout.close()
    if xwd.wait(timeout=60) != 0:
        raise DriverError("xwd failed")


def wait_until(condition, timeout_s=10, interval_s=0.05, what="the condition"):
    """Polls `condition` until it gives a true value and gives that value: for effects a
    program shows a little after the driver's post (a file written, a line logged)."""
    deadline = time.monotonic() + timeout_s
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise DriverError(f"{what} did not come within {timeout_s} s")
        time.sleep(interval_s)
