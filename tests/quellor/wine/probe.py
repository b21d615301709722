"""Runs one update check under Wine through the test program quellor-probe.exe."""

import collections
import os
import pathlib
import subprocess
import tempfile
import time

Box = collections.namedtuple("Box", "caption icon buttons text")
Run = collections.namedtuple("Run", "boxes returned_ms released_ms opened")

WIN32_DIR = pathlib.Path(os.environ["WALLPAPER_WIN32_DIR"])
CROSS_DIR = pathlib.Path(os.environ["WALLPAPER_CROSS_DIR"])
LIBRARY = WIN32_DIR / "Plug-Ins" / "quellor.dll"
PROBE = CROSS_DIR / "tests" / "quellor" / "probe" / "quellor-probe.exe"

# How long a browser may take to start after the check asked for one. A page may only be opened
# after Yes, so other answers wait the short time only, to catch a page opened by mistake.
BROWSER_START_SECONDS = 10.0
UNASKED_BROWSER_SECONDS = 1.0


def windows_path(path):
    return "Z:" + str(path.resolve()).replace("/", "\\")


def wine(*args, timeout=60, output=subprocess.DEVNULL):
    # Never hand Wine a pipe: a wineserver that it starts would keep the pipe open.
    return subprocess.run(["wine", *args], stdin=subprocess.DEVNULL, stdout=output,
                          stderr=subprocess.DEVNULL, timeout=timeout, check=False).returncode


def read_lines(path):
    return path.read_text(encoding="utf-8").splitlines() if path.exists() else []


def wait_for_browser(opened, seconds):
    deadline = time.monotonic() + seconds
    while not opened.exists() and time.monotonic() < deadline:
        time.sleep(0.05)
    time.sleep(0.2)  # a second address would follow at once


def parse(lines):
    boxes, returned_ms, released_ms = [], None, None
    for line in lines:
        kind, *fields = line.split("\t")
        if kind == "box":
            caption, icon, buttons, text = fields
            boxes.append(Box(caption, icon, tuple(buttons.split(",")), text))
        elif kind == "returned":
            returned_ms = int(fields[0])
        elif kind == "released":
            released_ms = int(fields[0])
    return boxes, returned_ms, released_ms


def run_check(url, selector=0, own_build="280", quiet=0, answer="ok", on_freed=None,
              grace_seconds=5, timeout=90):
    """Calls iUpdate once. `on_freed` runs once the probe has freed the library after the call,
    while it waits for the library and its threads to be gone."""
    with tempfile.TemporaryDirectory() as work:
        output = pathlib.Path(work, "probe.out")
        opened = pathlib.Path(work, "opened")
        env = dict(os.environ, QUELLOR_OPENED=str(opened))
        args = ["wine", str(PROBE), windows_path(LIBRARY), url, str(selector), own_build,
                str(quiet), answer, str(grace_seconds)]
        with output.open("w") as out:
            probe = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=out,
                                     stderr=subprocess.DEVNULL, env=env)
        try:
            deadline = time.monotonic() + timeout
            while probe.poll() is None:
                if on_freed and "freed" in read_lines(output):
                    on_freed()
                    on_freed = None
                if time.monotonic() > deadline:
                    raise AssertionError(f"the probe did not end within {timeout} s")
                time.sleep(0.05)
        finally:
            if probe.poll() is None:
                probe.kill()
                probe.wait()
        if probe.returncode != 0:
            raise AssertionError(f"the probe ended with {probe.returncode}")
        wait_for_browser(opened, BROWSER_START_SECONDS if answer == "yes" else
                         UNASKED_BROWSER_SECONDS)
        return Run(*parse(read_lines(output)), tuple(read_lines(opened)))
