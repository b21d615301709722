#include "core/paths.h"

#include <gtest/gtest.h>

namespace {

struct PathCase {
  const char* path;
  const char* fileName;
  const char* folder;
};

TEST(Paths, TakePathsApartAtBackslashAndColon) {
  const PathCase cases[] = {
      {"C:\\Pictures\\sea.jpg", "sea.jpg", "C:\\Pictures"},
      {"C:\\sea.jpg", "sea.jpg", "C:\\"},
      {"D:pic.jpg", "pic.jpg", "D:"},
      {"pic.jpg", "pic.jpg", ""},
      {"\\\\server\\share\\a.bmp", "a.bmp", "\\\\server\\share"},
      {"C:\\Lists\\", "", "C:\\Lists"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(core::fileNamePart(c.path), c.fileName) << c.path;
    EXPECT_EQ(core::folderOf(c.path), c.folder) << c.path;
  }
  EXPECT_EQ(core::folderWithDelimiter("C:\\Program\\wallpaper.exe"), "C:\\Program\\");
}

TEST(Paths, ReplaceExtensionOfTheFileNameOnly) {
  EXPECT_EQ(core::replaceExtension("C:\\App\\wallpaper.exe", ".ini"), "C:\\App\\wallpaper.ini");
  EXPECT_EQ(core::replaceExtension("C:\\my.app\\wallpaper", ".ini"), "C:\\my.app\\wallpaper.ini");
}

}  // namespace
