"""Throw-away Windows program folders and the paths Wine's programs see."""

import os
import shutil
import tempfile
from pathlib import Path, PureWindowsPath

from build_paths import WIN32_DIR
from waiting import DriverError, wait_until


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
