"""The real wallpaper.exe under Wine, started from a throw-away program folder and driven
through driver.exe: what the end-to-end tests of the program share."""

import os
import re
import subprocess
import unittest
from pathlib import Path

import harness
import picture_files

TITLE = "Varnok Wallpaper 2008"
LIST_CAPTION = TITLE + " - Wallpaper List: "
CONFIRM_EXIT = "Вы действительно хотите закрыть Varnok Wallpaper?"
SOURCE = Path(__file__).resolve().parents[2]


def _command_ids():
    """The menu commands' ids, read from the program's own table."""
    text = (SOURCE / "ui" / "command_ids.h").read_text()
    return {name: int(value) for name, value in re.findall(r"kCmd_(\w+) = (\d+)", text)}


COMMANDS = _command_ids()


def cp1251(text):
    return text.encode("cp1251")


def ini_text(sections):
    """Settings file bytes: {"GENERAL": {"Timer": "1"}} with cp1251 values."""
    lines = []
    for section, keys in sections.items():
        lines.append(f"[{section}]")
        lines.extend(f"{key}={value}" for key, value in keys.items())
    return "\r\n".join(lines).encode("cp1251") + b"\r\n"


def read_ini(data):
    """{section: {key: value}} of settings file bytes, values decoded from cp1251."""
    result, section = {}, None
    for line in data.decode("cp1251").splitlines():
        if line.startswith("[") and line.endswith("]"):
            section = result.setdefault(line[1:-1], {})
        elif "=" in line and section is not None:
            key, value = line.split("=", 1)
            section[key] = value
    return result


class Wallpaper:
    """One run of the program in its own folder."""

    def __init__(self, driver, folder):
        self.driver = driver
        self.folder = folder
        self.program = None
        self.window = None

    def start(self, russian=False, shown=True):
        """Starts the program; `russian` gives it the ANSI code page of a Russian Windows;
        `shown` false when it is to start hidden in the notification area."""
        if self.program:
            self.program.stop()
        saved = os.environ.get("LC_ALL")
        if russian:
            os.environ["LC_ALL"] = "ru_RU.UTF-8"
        try:
            self.program = harness.start(self.folder.path("wallpaper.exe"))
        finally:
            if saved is None:
                os.environ.pop("LC_ALL", None)
            else:
                os.environ["LC_ALL"] = saved
        self.window = self.driver.wait_window(prefix=TITLE, cls="TMainForm", timeout_ms=20000)
        if shown:
            harness.wait_until(lambda: self.driver.visible(self.window),
                               what="the main window's start-up")
        return self

    def stop(self):
        if self.program:
            self.program.stop()

    def caption(self):
        return self.driver.caption(self.window)

    def list_box(self):
        return self.driver.find_child(self.window, cls="ListBox")

    def list_items(self):
        return self.driver.list_items(self.list_box())

    def button(self, text):
        return self.driver.find_child(self.window, cls="Button", text=text)

    def command(self, name):
        self.driver.command(self.window, COMMANDS[name])

    def exit(self, answer="yes"):
        self.command("pm_Exit")
        return self.driver.answer(answer, expect_text=CONFIRM_EXIT)

    def choose_from_tray_menu(self, item):
        """Right-clicks the notification-area icon and clicks "first" or "last" item of its menu,
        as a user would with the mouse."""
        # The icon is the only one in the corner of the virtual desktop's taskbar.
        _xdotool("mousemove", "1013", "757", "click", "3")
        menu = self.driver.wait_window(title="", cls="#32768")
        left, top, right, bottom = self.driver.rect(menu)
        y = top + 11 if item == "first" else bottom - 11
        _xdotool("mousemove", str(left + 20), str(y), "click", "1")

    def ini(self):
        path = self.folder.path("wallpaper.ini")
        return read_ini(path.read_bytes()) if path.exists() else None


def _xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=10)


def hold_file(path):
    """A process that keeps a file open without sharing, so the program cannot open it."""
    holder = harness.start(harness.DRIVER, args=["hold-file", harness.windows_path(path)])
    harness.wait_until(lambda: b"held" in holder.output(), what=f"{path} to be held")
    return holder


class WallpaperTest(unittest.TestCase):
    """A fresh program folder holding wallpaper.exe for every test, and the driver."""

    def setUp(self):
        self.driver = harness.Driver()
        self.folder = harness.ProgramFolder(["wallpaper.exe"])
        self.addCleanup(self.folder.remove)
        self.app = Wallpaper(self.driver, self.folder)
        self.addCleanup(self.app.stop)

    def picture(self, name):
        """A small real bitmap in the program folder; gives its Windows path."""
        self.folder.write(name, picture_files.bmp(8, 6, (90, 140, 200)))
        return self.folder.windows_path(name)
