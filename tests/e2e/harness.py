"""Helpers for the end-to-end tests: Windows programs run under Wine, driven by driver.exe.

Run the tests through tests/e2e/under-wine (ctest does): it starts Xvfb, prepares the Wine
prefix and exports DISPLAY and the WINE* variables. A test module calls start_wine() once
before its tests and stop_wine() after them.
"""

from build_paths import CROSS_DIR, DRIVER, WIN32_DIR
from driver_client import Child, Driver, ListBox, MessageBox
from program_folder import ProgramFolder, linux_path, windows_path
from waiting import DriverError, wait_until
from wine_process import Program, start
from wine_session import screenshot, start_wine, stop_wine

__all__ = ["CROSS_DIR", "DRIVER", "WIN32_DIR", "Child", "Driver", "ListBox", "MessageBox",
           "ProgramFolder", "linux_path", "windows_path", "DriverError", "wait_until", "Program",
           "start", "screenshot", "start_wine", "stop_wine"]
