"""The Wine side of a test run: wineserver, services, the virtual desktop, the display."""

import atexit
import os
import subprocess

from build_paths import DRIVER
from driver_client import Driver
from waiting import DriverError
from wine_process import kill_group, run_quietly, spawn

_desktop_holder = None


def start_wine():
    """Starts the Wine side once: the wineserver, the prefix's services and a process that
    holds the virtual desktop for the whole run.

    Whatever Wine starts first inherits the caller's stdout and stderr and keeps them open
    for as long as it runs; started here with /dev/null, the driver's later calls can read
    their output from pipes without waiting for a wineserver or a service to exit.
    Should this process die without stop_wine(), the holder and the programs die with it
    (see wine_process.spawn), and the desktop and the wineserver follow a few seconds later.
    """
    global _desktop_holder
    if _desktop_holder is not None:
        return
    if not DRIVER.is_file():
        raise DriverError(f"no {DRIVER}: build first; WALLPAPER_CROSS_DIR names the cross build")
    run_quietly(["wineserver", "-k"], 20)
    run_quietly(["wineboot"], 120)
    _desktop_holder = spawn(["wine", str(DRIVER), "hold-desktop"], stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)
    atexit.register(stop_wine)
    # The desktop's taskbar: once it is there, programs started next join this desktop.
    # The first start on a new display or prefix can take a while (fonts, services).
    Driver().wait_window(prefix="", cls="Shell_TrayWnd", timeout_ms=90000)


def stop_wine():
    """Stops every Wine process of the prefix."""
    global _desktop_holder
    if _desktop_holder is not None:
        kill_group(_desktop_holder)
        _desktop_holder = None
        run_quietly(["wineserver", "-k"], 20)


def screenshot(path):
    """Saves the virtual desktop as a PNG (or whatever the suffix of `path` names)."""
    xwd = subprocess.Popen(["xwd", "-root", "-display", os.environ["DISPLAY"]],
                           stdin=subprocess.DEVNULL, stdout=subprocess.PIPE)
    subprocess.run(["convert", "xwd:-", str(path)], stdin=xwd.stdout, check=True, timeout=60)
    xwd.stdout.close()
    if xwd.wait(timeout=60) != 0:
        raise DriverError("xwd failed")
