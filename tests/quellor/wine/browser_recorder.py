"""Points Wine's browser at a recorder of ours for the length of a test run.

Wine opens web addresses with winebrowser, which starts the first program of the
HKCU\\Software\\Wine\\WineBrowser "Browsers" list. The recorder appends the address it is given
to the file named by QUELLOR_OPENED, which every check sets to a file of its own.
"""

import contextlib
import pathlib
import re
import tempfile

from probe import wine

KEY = r"HKCU\Software\Wine\WineBrowser"
VALUE = "Browsers"
RECORDER = '#!/bin/sh\nprintf \'%s\\n\' "$@" >> "$QUELLOR_OPENED"\n'


def current_browsers(work):
    listing = pathlib.Path(work, "query.txt")
    with listing.open("w") as out:
        wine("reg", "query", KEY, "/v", VALUE, output=out)
    found = re.search(rf"^\s*{VALUE}\s+REG_SZ\s+(.*)$", listing.read_text(errors="replace"),
                      re.MULTILINE)
    return found.group(1).rstrip("\r") if found else None


@contextlib.contextmanager
def recording_browser():
    with tempfile.TemporaryDirectory() as work:
        recorder = pathlib.Path(work, "record-address")
        recorder.write_text(RECORDER)
        recorder.chmod(0o755)
        before = current_browsers(work)
        wine("reg", "add", KEY, "/v", VALUE, "/d", str(recorder), "/f")
        try:
            yield
        finally:
            if before is None:
                wine("reg", "delete", KEY, "/v", VALUE, "/f")
            else:
                wine("reg", "add", KEY, "/v", VALUE, "/d", before, "/f")
