"""quellor.dll under Wine: the real library, a local server, its message boxes answered."""

import sys
import time
import unittest

from browser_recorder import recording_browser
from local_servers import VERSION_FILE_PATH, SilentServer, VersionFileServer, refused_port
from probe import run_check

CAPTION = "Обновление"
UP_TO_DATE = "У вас самая последняя версия программы."
SITE_ROOT = "http://www.example.com/"


def question(build):
    return (f"Доступна новая версия Varnok Wallpaper 2008 (Build {build}). "
            "Открыть страничку программы?")


UP_TO_DATE_BOX = (CAPTION, "information", ("ok",), UP_TO_DATE)


def question_box(build):
    return (CAPTION, "information", ("yes", "no"), question(build))


BOTH_PRODUCTS = b"WallpaperBuild 281\r\nConverterBuild 15\r\n"
MEGABYTES = 4 * 1024 * 1024

# name, version file, selector, own build, quiet, answer, boxes shown, addresses opened
ANSWERED_CHECKS = [
    ("same build, quiet", b"WallpaperBuild 280\r\n", 0, "280", 1, "ok", [], []),
    ("same build, aloud", b"WallpaperBuild 280\r\n", 0, "280", 0, "ok", [UP_TO_DATE_BOX], []),
    ("newer build, quiet, yes", b"WallpaperBuild 281\r\n", 0, "280", 1, "yes",
     [question_box("281")], [SITE_ROOT + "wallpaper.php"]),
    ("newer build, aloud, no", b"WallpaperBuild 281\r\n", 0, "280", 0, "no",
     [question_box("281")], []),
    ("1000 is not newer than 280", b"WallpaperBuild 1000", 0, "280", 0, "ok",
     [UP_TO_DATE_BOX], []),
    ("29 is newer than 280", b"WallpaperBuild 29", 0, "280", 0, "yes", [question_box("29")],
     [SITE_ROOT + "wallpaper.php"]),
    ("second product on the second line", BOTH_PRODUCTS, 1, "14", 1, "yes",
     [question_box("15")], [SITE_ROOT + "converter.php"]),
    ("line end before the marker", b"\r\nWallpaperBuild 281\r\n", 0, "280", 0, "ok",
     [UP_TO_DATE_BOX], []),
]

HOSTILE_CHECKS = [
    ("megabytes without line ends", b"WallpaperBuild 281 " + b"9" * MEGABYTES, 0, "280", 0,
     "ok", [UP_TO_DATE_BOX], []),
    ("NUL byte inside the build", b"WallpaperBuild 2\x0081\r\n", 0, "280", 0, "ok",
     [UP_TO_DATE_BOX], []),
    ("megabytes after a NUL byte", b"WallpaperBuild 281\r\n\x00" + b"x" * MEGABYTES, 0, "280",
     0, "no", [question_box("281")], []),
    ("10,000-character build", b"WallpaperBuild " + b"9" * 10000, 0, "280", 0, "ok",
     [UP_TO_DATE_BOX], []),
    ("second marker at the end of a full buffer",
     (b"WallpaperBuild 280\n" + b" " * 1023)[:1023 - 16] + b"ConverterBuild 9", 1, "280", 0,
     "no", [question_box("9")], []),
    ("one byte more than the buffer",
     (b"WallpaperBuild 280\n" + b" " * 1024)[:1024 - 16] + b"ConverterBuild 9", 1, "280", 0,
     "ok", [UP_TO_DATE_BOX], []),
]


class CheckTable:
    def run_table(self, table):
        with VersionFileServer() as server:
            for name, body, selector, own_build, quiet, answer, boxes, opened in table:
                with self.subTest(name):
                    server.body = body
                    del server.requests[:]
                    run = run_check(server.url(), selector, own_build, quiet, answer)
                    self.assertEqual([tuple(box) for box in run.boxes], boxes)
                    self.assertEqual(list(run.opened), opened)
                    self.assertEqual(server.requests, [(VERSION_FILE_PATH, "Varnok Quellor")])
                    self.assertLess(run.released_ms, 1000, "nothing of the check outlives it")


class AnsweredChecks(CheckTable, unittest.TestCase):
    def test_each_version_file_gets_its_answer(self):
        self.run_table(ANSWERED_CHECKS)

    def test_error_page_counts_as_up_to_date(self):
        with VersionFileServer() as server:
            run = run_check(server.url("/download/missing.ver"))
        self.assertEqual([tuple(box) for box in run.boxes], [UP_TO_DATE_BOX])


class HostileFiles(CheckTable, unittest.TestCase):
    def test_nothing_past_a_buffer_and_no_cut_build(self):
        self.run_table(HOSTILE_CHECKS)


class BadNetwork(unittest.TestCase):
    def test_refused_port_is_silent_and_quick(self):
        with refused_port() as port:
            run = run_check(f"http://127.0.0.1:{port}{VERSION_FILE_PATH}", quiet=0)
        print(f"refused port: iUpdate returned after {run.returned_ms} ms")
        self.assertEqual(run.boxes, [])
        self.assertLess(run.returned_ms, 5000)

    def test_slow_server_is_still_heard(self):
        with VersionFileServer() as server:
            server.body, server.delay_seconds = b"WallpaperBuild 281", 3
            run = run_check(server.url(), answer="no")
        self.assertEqual([tuple(box) for box in run.boxes], [question_box("281")])
        self.assertGreaterEqual(run.returned_ms, 3000)

    def test_silent_server_is_given_up_on_without_leaving_anything(self):
        # Wine does not abort a blocked WinINet call when its handles are closed, so the
        # abandoned worker is still blocked after the call and must keep the library loaded
        # until the server lets go; then it has to end and let the library go.
        hold_ms = 1000

        def let_go_later(server):
            time.sleep(hold_ms / 1000)
            server.release()

        with SilentServer() as server:
            run = run_check(server.url(), quiet=0, on_freed=lambda: let_go_later(server),
                            grace_seconds=60)
        print(f"silent server: iUpdate returned after {run.returned_ms} ms; its worker and the "
              f"library were gone {run.released_ms} ms after FreeLibrary, the server having "
              f"let go after {hold_ms} ms")
        self.assertEqual(run.boxes, [])
        self.assertGreaterEqual(run.returned_ms, 14000)
        self.assertLess(run.returned_ms, 18000)
        self.assertIsNotNone(run.released_ms, "the abandoned download outlived the server")
        self.assertGreaterEqual(run.released_ms, hold_ms, "unloaded under a blocked worker")

if __name__ == "__main__":
    with recording_browser():
        result = unittest.main(argv=sys.argv, exit=False, verbosity=2).result
    sys.exit(0 if result.wasSuccessful() else 1)
