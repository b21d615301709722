// Pictures, folders and list files dropped on the main window.

#include "tests/support/main_form_fixture.h"

namespace {

class Drop : public MainFormTest {
 protected:
  void SetUp() override { start(); }
  std::vector<std::string> paths() { return main().WallpaperPaths; }
};

TEST_F(Drop, PicturesJoinTheListWhichStaysWithoutAFile) {
  system.files["C:\\p\\a.JPG"] = "x";
  system.pictures["C:\\p\\a.JPG"] = {1, 1};
  main().WMDropFiles({"C:\\p\\a.JPG", "C:\\p\\notes.txt", "C:\\p\\b.png"});
  EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\p\\a.JPG", "C:\\p\\b.png"}));
  EXPECT_EQ(list().items(), (std::vector<std::string>{"a.JPG", "b.png"}));
  EXPECT_TRUE(listControlsEnabled());
  EXPECT_EQ(caption(), kTitle);
  main().tmp_wallcountTimer();
  EXPECT_EQ(main().lbl_wallcount->text(), "2");
}

TEST_F(Drop, AListFileReplacesTheListAndEndsTheDrop) {
  system.files["C:\\l\\x.wlt"] = "C:\\one.bmp\r\n";
  main().WMDropFiles({"C:\\p\\a.bmp", "C:\\l\\x.wlt", "C:\\p\\c.bmp"});
  EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\one.bmp"}));
  EXPECT_EQ(main().ListFileName, "C:\\l\\x.wlt");
  EXPECT_EQ(caption(), kTitle + " - Wallpaper List: x.wlt");
}

TEST_F(Drop, AFolderIsWalkedDepthFirstTakingMaskFragmentsToo) {
  for (const char* file : {"C:\\f\\a.bmp", "C:\\f\\deep\\b.gif", "C:\\f\\deep\\c.txt",
                           "C:\\f\\e.jp", "C:\\f\\noext", "C:\\f\\z.PNG"}) {
    system.files[file] = "x";
    system.pictures[file] = {1, 1};
  }
  main().WMDropFiles({"C:\\f"});
  EXPECT_EQ(paths(), (std::vector<std::string>{"C:\\f\\a.bmp", "C:\\f\\deep\\b.gif", "C:\\f\\e.jp",
                                               "C:\\f\\z.PNG"}));
  EXPECT_EQ(list().itemIndex(), 0);
  EXPECT_TRUE(listControlsEnabled());
}

}  // namespace
