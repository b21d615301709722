"""wallpaper.exe under Wine: the first start, the single instance, the stored list, closing,
and the exit save."""

import unittest

import harness
from wallpaper_app import CONFIRM_EXIT, LIST_CAPTION, TITLE, WallpaperTest, cp1251, ini_text


def setUpModule():
    harness.start_wine()


def tearDownModule():
    harness.stop_wine()


class StartUp(WallpaperTest):
    def write_list(self, name, entries):
        data = b"".join(cp1251(e) + b"\r\n" for e in entries)
        self.folder.write(name, data)
        return self.folder.windows_path(name)

    def assert_list_controls(self, enabled, rotation="Выкл."):
        for text in ("Вниз", rotation, "Установить", "<<", ">>"):
            self.assertEqual(self.driver.enabled(self.app.button(text)), enabled, text)

    def test_first_start_without_settings_file_uses_every_default(self):
        self.app.start()
        self.assertEqual(self.app.caption(), TITLE)
        self.assertEqual(self.app.list_items(), harness.ListBox(-1, []))
        self.assert_list_controls(False)
        self.assertTrue(self.driver.visible(self.app.window))
        self.assertIsNone(self.app.ini(), "start-up writes nothing")

        self.app.exit("yes")
        self.assertEqual(self.app.program.wait_exit(15), 0)
        self.assertEqual(self.app.ini(), {
            "GENERAL": {"TimerInterval": "10", "Timer": "0", "Path": "Вниз",
                        "szFilesDir": "C:\\", "szSaveLoadDir": "C:\\", "szSpisok": ""},
            "CALENDAR": {"Top": "100", "Left": "700"}})
        self.assertFalse(self.folder.path("Default.wlt").exists())

    def test_second_instance_says_so_and_leaves_the_first_alone(self):
        pictures = [self.picture(n) for n in ("a.bmp", "b.bmp")]
        listed = self.write_list("two.wlt", pictures)
        self.folder.write("wallpaper.ini", ini_text({"GENERAL": {"szSpisok": listed}}))
        self.app.start()
        before = self.app.list_items()

        second = harness.start(self.folder.path("wallpaper.exe"))
        self.addCleanup(second.stop)
        box = self.driver.answer("ok", expect_text="Error 0x00000003! Refer to developer!")
        self.assertEqual((box.caption, box.buttons), (TITLE, ["OK"]))
        self.assertEqual(second.wait_exit(15), 0)

        self.assertEqual(self.app.caption(), LIST_CAPTION + "two.wlt")
        self.assertEqual(self.app.list_items(), before)
        self.assertTrue(self.driver.visible(self.app.window))

    def test_stored_list_is_loaded_with_a_selection(self):
        pictures = [self.picture(f"pics/{name}") for name in ("sea.bmp", "Лес.bmp", "sky.bmp")]
        listed = self.write_list("Отпуск.wlt", pictures)
        self.folder.write("wallpaper.ini", ini_text({"GENERAL": {
            "szSpisok": listed, "Timer": "1", "TimerInterval": "3"}}))
        self.app.start(russian=True)  # the list's file names are code page 1251

        self.assertEqual(self.app.caption(), LIST_CAPTION + "Отпуск.wlt")
        items = self.app.list_items()
        self.assertEqual(items.items, ["sea.bmp", "Лес.bmp", "sky.bmp"])
        self.assertIn(items.selected, (0, 1, 2))
        self.assert_list_controls(True, rotation="Вкл.")

    def test_stored_list_file_that_is_gone_gives_the_empty_state(self):
        self.folder.write("wallpaper.ini", ini_text({"GENERAL": {
            "szSpisok": self.folder.windows_path("gone.wlt"), "Timer": "1"}}))
        self.app.start()
        self.assertEqual(self.app.caption(), TITLE)
        self.assertEqual(self.app.list_items().items, [])
        self.assert_list_controls(False)

        self.app.exit("yes")
        self.app.program.wait_exit(15)
        general = self.app.ini()["GENERAL"]
        self.assertEqual(general["szSpisok"], self.folder.windows_path("gone.wlt"))
        self.assertEqual(general["Timer"], "0")

    def test_exit_writes_a_list_without_file_to_default_wlt_which_the_next_start_loads(self):
        self.app.start()
        pictures = [self.picture("a.bmp"), self.picture("b.bmp")]
        self.driver.drop_files(self.app.window, *pictures)
        harness.wait_until(lambda: len(self.app.list_items().items) == 2, what="the drop")
        self.assertEqual(self.app.caption(), TITLE)

        self.app.exit("yes")
        self.assertEqual(self.app.program.wait_exit(15), 0)
        default = self.folder.read("Default.wlt")
        self.assertEqual(default, b"".join(p.encode("cp1251") + b"\r\n" for p in pictures))
        general = self.app.ini()["GENERAL"]
        self.assertEqual(general["szSpisok"], self.folder.windows_path("Default.wlt"))
        self.assertEqual(general["szSaveLoadDir"], self.folder.windows_path() + "\\")

        self.app.start()
        self.assertEqual(self.app.caption(), LIST_CAPTION + "Default.wlt")
        self.assertEqual(self.app.list_items().items, ["a.bmp", "b.bmp"])

    def test_shut_down_query_saves_the_state_and_the_program_goes_on(self):
        self.app.start()
        self.driver.drop_files(self.app.window, self.picture("a.bmp"))
        harness.wait_until(lambda: self.app.list_items().items == ["a.bmp"], what="the drop")
        self.driver.post(self.app.window, 0x0011)  # WM_QUERYENDSESSION
        harness.wait_until(lambda: self.folder.path("Default.wlt").exists(),
                           what="the save at the shut-down query")
        self.assertEqual(self.app.ini()["GENERAL"]["szSpisok"],
                         self.folder.windows_path("Default.wlt"))
        self.assertIsNone(self.app.program.process.poll())

        self.driver.drop_files(self.app.window, self.picture("b.bmp"))
        harness.wait_until(lambda: len(self.app.list_items().items) == 2, what="the second drop")
        self.app.exit("yes")
        self.assertEqual(self.app.program.wait_exit(15), 0)
        self.assertEqual(self.folder.read("Default.wlt").count(b"\r\n"), 2)

    def test_close_box_only_hides_the_program(self):
        self.app.start()
        self.driver.close(self.app.window)
        harness.wait_until(lambda: not self.driver.visible(self.app.window),
                           what="the window to hide")
        self.assertIsNone(self.app.program.process.poll())
        self.app.command("pm_Restore")
        harness.wait_until(lambda: self.driver.visible(self.app.window),
                           what="the window to come back")

    def test_notification_area_menu_restores_and_exits(self):
        self.app.start()
        self.driver.close(self.app.window)
        harness.wait_until(lambda: not self.driver.visible(self.app.window),
                           what="the window to hide")
        self.app.choose_from_tray_menu("first")  # "Восстановить"
        harness.wait_until(lambda: self.driver.visible(self.app.window),
                           what="the window to come back")
        self.app.choose_from_tray_menu("last")  # "Выход"
        self.driver.answer("yes", expect_text=CONFIRM_EXIT)
        self.assertEqual(self.app.program.wait_exit(15), 0)

    def test_minimised_start_shows_only_the_notification_area_icon(self):
        self.folder.write("wallpaper.ini", ini_text({"GENERAL": {"Minimize": "1", "Splash": "0"}}))
        self.app.start(shown=False)
        self.driver.no_message_box(1000)  # start-up has finished by then
        self.assertFalse(self.driver.visible(self.app.window))
        self.app.choose_from_tray_menu("first")
        harness.wait_until(lambda: self.driver.visible(self.app.window),
                           what="the window to come back")

    def test_exit_answered_no_writes_nothing(self):
        self.app.start()
        box = self.app.exit("no")
        self.assertEqual((box.caption, box.buttons), (TITLE, ["Yes", "No"]))
        self.driver.no_message_box(500)
        self.assertIsNone(self.app.program.process.poll())
        self.assertIsNone(self.app.ini())

    def test_settings_file_that_cannot_be_written_at_exit_is_reported_and_the_program_goes_on(self):
        # Tests run as root, for whom a read-only file is writable: a folder in its place is not.
        self.folder.path("wallpaper.ini").mkdir()
        self.app.start()
        self.app.exit("yes")
        ini_path = self.folder.windows_path("wallpaper.ini")
        self.driver.answer("ok", expect_text=f"Unable to write to {ini_path}")
        self.assertIsNone(self.app.program.process.poll())
        self.assertTrue(self.driver.visible(self.app.window))


if __name__ == "__main__":
    unittest.main()
