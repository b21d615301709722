"""The driver and the harness working a small sample program under Wine."""

import os
import unittest
from pathlib import Path

import harness
from harness import CROSS_DIR, DriverError, ListBox, ProgramFolder

SAMPLE = CROSS_DIR / "tests" / "sample_app.exe"
TITLE = "Образец драйвера"
QUESTION = "Удалить «Груша»?\nЭто C:\\навсегда."
ASK_ID, OPEN_ID, SAVE_ID, WARN_ID = 101, 102, 103, 104


def setUpModule():
    harness.start_wine()


def tearDownModule():
    harness.stop_wine()


class SampleTest(unittest.TestCase):
    """Each test gets the sample running from a fresh folder."""

    def setUp(self):
        self.driver = harness.Driver()
        self.folder = ProgramFolder(["sample_app.exe"], source=SAMPLE.parent)
        self.addCleanup(self.folder.remove)
        self.program = harness.start(self.folder.path("sample_app.exe"))
        self.addCleanup(self.program.stop)
        self.window = self.driver.wait_window(title=TITLE)

    def button(self, caption):
        return self.driver.find_child(self.window, cls="Button", text=caption)

    def wait_for_log(self, line):
        self.folder.wait_for_content("sample.log", f"{line}\n".encode())


class WindowsTest(SampleTest):
    def test_list_box_items_come_in_utf8(self):
        list_box = self.driver.find_child(self.window, cls="ListBox")
        self.assertEqual(self.driver.list_items(list_box),
                         ListBox(-1, ["Яблоко", "Груша", "Слива"]))

    def test_select_changes_the_list_and_tells_the_program(self):
        list_box = self.driver.find_child(self.window, cls="ListBox")
        self.driver.select(list_box, 2)
        self.assertEqual(self.driver.list_items(list_box).selected, 2)
        self.wait_for_log("selected=2")

    def test_command_and_post_reach_the_window(self):
        self.driver.command(self.window, WARN_ID)
        self.assertEqual(self.driver.answer("ok").text, "Осторожно")
        wm_command = 0x111
        self.driver.post(self.window, wm_command, ASK_ID, 0)
        self.assertEqual(self.driver.answer("no").text, QUESTION)

    def test_children_give_class_id_and_text(self):
        buttons = [(c.id, c.text, c.visible, c.enabled)
                   for c in self.driver.children(self.window) if c.cls == "Button"]
        self.assertEqual(buttons, [(ASK_ID, "&Ask", True, True), (OPEN_ID, "&Open", True, True),
                                   (SAVE_ID, "&Save", True, True), (WARN_ID, "&Warn", True, True)])

    def test_find_child_matches_a_caption_with_or_without_its_ampersand(self):
        self.assertEqual(self.button("Open"), self.button("&Open"))
        self.assertEqual(self.driver.caption(self.button("Open")), "&Open")

    def test_window_facts(self):
        self.assertEqual(self.driver.caption(self.window), TITLE)
        self.assertEqual(self.driver.window_class(self.window), "DriverSample")
        self.assertTrue(self.driver.visible(self.window))
        self.assertEqual(self.driver.rect(self.window), (100, 100, 420, 280))

    def test_waits_that_find_nothing_fail(self):
        with self.assertRaisesRegex(DriverError, "exit 1"):
            self.driver.wait_window(title=TITLE + " 2", timeout_ms=200)
        with self.assertRaisesRegex(DriverError, "exit 1"):
            self.driver.find_child(self.window, cls="Edit", timeout_ms=200)
        with self.assertRaisesRegex(DriverError, "exit 1"):
            self.driver.no_window(300, prefix="Образец")
        self.driver.no_window(300, title="Образец")

    def test_bad_usage_exits_2(self):
        with self.assertRaisesRegex(DriverError, "exit 2"):
            self.driver.run("wait-window")
        with self.assertRaisesRegex(DriverError, "exit 2"):
            self.driver.run("click", "not-a-handle")
        with self.assertRaisesRegex(DriverError, "unknown option --clas"):
            self.driver.run("find-child", hex(self.window), "--clas", "Button")


class MessageBoxTest(SampleTest):
    def test_answer_reads_the_box_and_presses_the_button(self):
        self.driver.click(self.button("Ask"))
        box = self.driver.answer("yes", expect_text=QUESTION)
        self.assertEqual((box.caption, box.text, box.buttons), ("Вопрос", QUESTION, ["Yes", "No"]))
        self.wait_for_log("answer=yes")
        self.driver.no_message_box(300)

    def test_answer_leaves_a_box_with_other_text_or_buttons_open(self):
        self.driver.click(self.button("Ask"))
        with self.assertRaisesRegex(DriverError, "says something else"):
            self.driver.answer("yes", expect_text="Удалить?")
        with self.assertRaisesRegex(DriverError, "no button ok"):
            self.driver.answer("ok")
        self.assertEqual(self.driver.message_box().text, QUESTION)
        self.driver.answer("no")
        self.wait_for_log("answer=no")

    def test_message_box_tells_the_standard_icon(self):
        self.driver.click(self.button("Ask"))
        self.assertEqual(self.driver.answer("no").icon, "question")
        self.driver.click(self.button("Warn"))
        self.assertEqual(self.driver.answer("ok").icon, "warning")
        self.wait_for_log("warned")

    def test_message_box_waits_for_the_process_asked_for(self):
        with self.assertRaisesRegex(DriverError, "no message box"):
            self.driver.message_box(timeout_ms=200)
        self.driver.click(self.button("Ask"))
        taskbar = self.driver.wait_window(prefix="", cls="Shell_TrayWnd")
        with self.assertRaisesRegex(DriverError, "no message box"):
            self.driver.message_box(owner_pid=self.driver.pid(taskbar), timeout_ms=500)
        self.driver.answer("no", owner_pid=self.driver.pid(self.window))


class FileDialogTest(SampleTest):
    def test_open_dialog_takes_the_typed_path(self):
        # GetOpenFileNameA: the name stays ASCII, whatever the code page.
        picture = self.folder.write("my picture.bmp", b"BM")
        self.driver.click(self.button("Open"))
        self.driver.file_dialog(harness.windows_path(picture))
        self.wait_for_log("open=" + self.folder.windows_path("my picture.bmp"))

    def test_save_dialog_leaves_the_overwrite_question_to_answer(self):
        existing = self.folder.write("old.bmp", b"BM")
        self.driver.click(self.button("Save"))
        self.driver.file_dialog(harness.windows_path(existing))
        self.assertEqual(self.driver.answer("yes").buttons, ["Yes", "No"])
        self.wait_for_log("save=" + harness.windows_path(existing))

    def test_refused_path_leaves_the_dialog_for_the_next_commands(self):
        self.driver.click(self.button("Open"))
        missing = self.folder.windows_path("missing.bmp")
        dialog = self.driver.file_dialog(missing)
        self.driver.answer("ok")
        self.assertEqual(self.driver.caption(self.driver.find_child(dialog, id=0x47c)), missing)
        self.driver.cancel_file_dialog()
        self.wait_for_log("open=cancelled")
        with self.assertRaisesRegex(DriverError, "no window"):
            self.driver.caption(dialog)


class ProgramTest(SampleTest):
    def test_wait_exit_gives_the_exit_code(self):
        self.driver.close(self.window)
        self.assertEqual(self.program.wait_exit(), 3)

    def test_stop_ends_the_program_and_its_windows(self):
        self.program.stop()
        self.driver.no_window(300, title=TITLE)

    def test_windows_paths_map_back_to_linux(self):
        with ProgramFolder(parent=Path(os.environ["WINEPREFIX"]) / "drive_c") as on_c:
            self.assertTrue(on_c.windows_path("a.ini").startswith("C:\\wallpaper-e2e-"))
            for linux in (self.folder.path("sub dir/Файл.ini"), on_c.path("a.ini")):
                self.assertEqual(harness.linux_path(harness.windows_path(linux)), linux)
        self.assertTrue(self.folder.windows_path().startswith("Z:\\tmp\\"))

    def test_folder_copies_files_and_folders(self):
        with ProgramFolder(["tests"], source=CROSS_DIR) as copy:
            self.assertEqual(copy.read("tests/driver.exe"), harness.DRIVER.read_bytes())

    def test_screenshot_writes_a_png(self):
        shot = self.folder.path("shot.png")
        harness.screenshot(shot)
        self.assertEqual(shot.read_bytes()[:8], b"\x89PNG\r\n\x1a\n")


if __name__ == "__main__":
    unittest.main()
