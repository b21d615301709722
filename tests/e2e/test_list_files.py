"""wallpaper.exe under Wine: opening, saving and clearing list files through the list menu,
byte for byte on disk."""

import unittest

import harness
from wallpaper_app import TITLE, LIST_CAPTION, WallpaperTest, hold_file, ini_text


def setUpModule():
    harness.start_wine()


def tearDownModule():
    harness.stop_wine()


class ListFiles(WallpaperTest):
    def setUp(self):
        super().setUp()
        self.folder.write("wallpaper.ini", ini_text({"GENERAL": {"Splash": "0"}}))
        self.pictures = [self.picture(f"pics/{name}").encode("cp1251")
                         for name in ("one.bmp", "two.bmp")]
        self.app.start()

    def open_list(self, path, name=None):
        self.app.command("pm_open")
        self.driver.file_dialog(self.folder.windows_path(path))
        name = name or path
        harness.wait_until(lambda: self.app.caption() == LIST_CAPTION + name,
                           what=f"{name} to open")

    def test_open_save_and_save_as_round_trip_byte_for_byte(self):
        crlf = b"".join(p + b"\r\n" for p in self.pictures) + b"\r\n"  # an empty entry too
        self.folder.write("lists/crlf.wlt", crlf)
        self.open_list("lists/crlf.wlt", "crlf.wlt")
        self.assertEqual(self.app.list_items().items, ["one.bmp", "two.bmp", ""])

        self.app.command("pm_save")
        harness.wait_until(lambda: self.folder.read("lists/crlf.wlt") == crlf,
                           what="the list to be saved")
        self.app.command("pm_saveas")
        self.driver.file_dialog(self.folder.windows_path("lists/copy.wlt"))
        harness.wait_until(lambda: self.folder.path("lists/copy.wlt").exists(),
                           what="the copy to be written")
        self.assertEqual(self.folder.read("lists/copy.wlt"), crlf)
        self.assertEqual(self.app.caption(), LIST_CAPTION + "copy.wlt")
        self.assertEqual(sorted(p.name for p in self.folder.path("lists").iterdir()),
                         ["copy.wlt", "crlf.wlt"], "no temporary file is left beside the list")

    def test_save_rewrites_other_line_ends_as_crlf(self):
        self.folder.write("lf.wlt", self.pictures[0] + b"\n" + self.pictures[1])
        self.open_list("lf.wlt")
        self.app.command("pm_save")
        expected = self.pictures[0] + b"\r\n" + self.pictures[1] + b"\r\n"
        harness.wait_until(lambda: self.folder.read("lf.wlt") == expected,
                           what="the list to be rewritten")

    def test_clear_empties_the_list_and_leaves_its_file(self):
        data = self.pictures[0] + b"\r\n"
        self.folder.write("one.wlt", data)
        self.open_list("one.wlt")
        self.app.command("pm_clear")
        harness.wait_until(lambda: self.app.caption() == TITLE, what="the list to clear")
        self.assertEqual(self.app.list_items().items, [])
        self.assertFalse(self.driver.enabled(self.app.button("Выкл.")))
        self.assertEqual(self.folder.read("one.wlt"), data)

        self.app.command("pm_save")  # an empty list is not saved: no dialog comes
        self.driver.no_window(800, title="Save As")

    def test_cancelled_open_changes_nothing(self):
        self.app.command("pm_open")
        self.driver.cancel_file_dialog()
        self.driver.no_message_box(500)
        self.assertEqual(self.app.caption(), TITLE)

    def test_unreadable_list_is_reported_and_the_list_emptied(self):
        self.folder.write("one.wlt", self.pictures[0] + b"\r\n")
        self.open_list("one.wlt")
        locked = self.folder.write("locked.wlt", b"x\r\n")
        self.addCleanup(hold_file(locked).stop)
        self.app.command("pm_open")
        self.driver.file_dialog(self.folder.windows_path("locked.wlt"))
        self.driver.answer("ok", expect_text="Cannot open file " +
                           self.folder.windows_path("locked.wlt"))
        self.assertEqual(self.app.list_items().items, [])
        self.assertEqual(self.app.caption(), LIST_CAPTION + "one.wlt")


if __name__ == "__main__":
    unittest.main()
