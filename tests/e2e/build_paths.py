"""Where the build put the Windows binaries; set by ctest (tests/CMakeLists.txt)."""

import os
from pathlib import Path

WIN32_DIR = Path(os.environ.get("WALLPAPER_WIN32_DIR", ""))
CROSS_DIR = Path(os.environ.get("WALLPAPER_CROSS_DIR", ""))
DRIVER = CROSS_DIR / "tests" / "driver.exe"
