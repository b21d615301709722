"""The window layer's picture control under Wine: one picture of each format, stretched over its
cell in a small window, read back from a screenshot; and the start picture in wallpaper.exe."""

import unittest

import harness
import picture_files

CELL, GAP = 120, 10
COLOURS = {"bmp": (220, 40, 40), "jpg": (40, 180, 60), "gif": (40, 60, 220),
           "png": (230, 210, 40), "wmf": (200, 40, 200), "emf": (40, 200, 210)}


def setUpModule():
    harness.start_wine()


def tearDownModule():
    harness.stop_wine()


def read_ppm(path):
    """A function giving the (r, g, b) of a pixel of a binary PPM file."""
    data = path.read_bytes()
    fields, offset = [], 0
    while len(fields) < 4:
        if data[offset:offset + 1] == b"#":
            offset = data.index(b"\n", offset)
        elif data[offset:offset + 1].isspace():
            offset += 1
        else:
            end = offset
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[offset:end])
            offset = end
    width = int(fields[1])
    pixels = data[offset + 1:]
    return lambda x, y: tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3])


class PictureControl(unittest.TestCase):
    def test_every_format_shows_in_a_picture_control(self):
        driver = harness.Driver()
        with harness.ProgramFolder() as folder:
            folder.copy(harness.CROSS_DIR / "tests" / "gallery.exe")
            folder.copy(harness.WIN32_DIR / "wallpaper.exe")
            names = []
            for extension, colour in COLOURS.items():
                name = f"solid.{extension}"
                folder.write(name, picture_files.MAKERS[extension](40, 30, colour))
                names.append(folder.windows_path(name))
            gallery = harness.start(folder.path("gallery.exe"), args=[
                *names, "--start-picture", folder.windows_path("wallpaper.exe")])
            self.addCleanup(gallery.stop)
            window = driver.wait_window(title="Gallery", cls="PictureGallery")
            harness.wait_until(lambda: driver.visible(window), what="the gallery")
            log = harness.wait_until(lambda: gallery.output().count(b" x ") == 7 and gallery.output(),
                                     what="the pictures to load")
            shot = folder.path("gallery.ppm")
            harness.screenshot(shot)
            pixel = read_ppm(shot)
            harness.screenshot(harness.CROSS_DIR / "tests" / "picture-gallery.png")

        self.assertIn(b"solid.emf 40 x 30", log)
        self.assertIn(b"wallpaper.exe.start.jpg 1280 x 1024", log)
        for index, (extension, colour) in enumerate(COLOURS.items()):
            x, y = GAP + index * (CELL + GAP) + CELL // 2, GAP + CELL // 2
            seen = pixel(x, y)
            self.assertTrue(all(abs(a - b) <= 24 for a, b in zip(seen, colour)),
                            f"{extension}: {seen} where {colour} belongs")
        start = pixel(GAP + 6 * (CELL + GAP) + CELL // 2, GAP + CELL // 2)
        self.assertNotEqual(start, (38, 38, 40), "the start picture is drawn")


if __name__ == "__main__":
    unittest.main()
