// The list menu's commands: Clear, Open, Save and Save As, and the folders the dialogs remember.

#include "tests/support/main_form_fixture.h"

namespace {

const std::string kSea = "C:\\Lists\\sea.wlt";
const std::string kSeaBytes = "C:\\Pictures\\one.jpg\r\nD:two.bmp\r\n";

class ListCommands : public MainFormTest {
 protected:
  void SetUp() override {
    for (const char* picture : {"C:\\Pictures\\one.jpg", "D:two.bmp"}) {
      system.files[picture] = "x";
      system.pictures[picture] = {640, 480};
    }
  }
};

TEST_F(ListCommands, ClearEmptiesTheListAndStopsRotationButLeavesTheFile) {
  storeList(kSea, kSeaBytes);
  system.ini["GENERAL"]["Timer"] = "1";
  start();
  ASSERT_TRUE(main().Tmr_ChangeWallpaper->enabled());

  main().pm_clearClick();

  EXPECT_TRUE(main().WallpaperPaths.empty());
  EXPECT_EQ(list().count(), 0);
  EXPECT_FALSE(main().Tmr_ChangeWallpaper->enabled());
  EXPECT_FALSE(main().Tmr_ChangeWallpaperTime->enabled());
  EXPECT_FALSE(main().RotationOn);
  EXPECT_EQ(main().SecondsLeft, 600);
  EXPECT_EQ(main().btn_ED_Timer->text(), kOff);
  EXPECT_FALSE(listControlsEnabled());
  EXPECT_FALSE(main().img_Preview->visible());
  EXPECT_EQ(caption(), kTitle);
  EXPECT_EQ(main().ListFileName, "");
  EXPECT_EQ(system.files[kSea], kSeaBytes);
}

TEST_F(ListCommands, OpenLoadsTheChosenFileAndNamesIt) {
  start();
  system.files[kSea] = kSeaBytes;
  dialog("OpnDlg_LoadList").answers = {kSea};
  main().CurrentIndex = 5;

  main().mm_LoadClick();

  EXPECT_EQ(main().WallpaperPaths,
            (std::vector<std::string>{"C:\\Pictures\\one.jpg", "D:two.bmp"}));
  EXPECT_EQ(list().items(), (std::vector<std::string>{"one.jpg", "two.bmp"}));
  EXPECT_GE(list().itemIndex(), 0);
  EXPECT_TRUE(listControlsEnabled());
  EXPECT_EQ(main().ListFileName, kSea);
  EXPECT_EQ(caption(), kTitle + " - Wallpaper List: sea.wlt");
  EXPECT_TRUE(main().img_Preview->visible());
  EXPECT_EQ(main().CurrentIndex, 5) << "Open keeps the index of the last wallpaper";
}

TEST_F(ListCommands, OpenCancelledOrOnAMissingFileChangesNothing) {
  storeList(kSea, kSeaBytes);
  start();
  auto before = main().WallpaperPaths;
  dialog("OpnDlg_LoadList").answers = {std::nullopt, std::string("C:\\gone.wlt")};

  main().mm_LoadClick();
  main().mm_LoadClick();

  EXPECT_EQ(main().WallpaperPaths, before);
  EXPECT_EQ(caption(), kTitle + " - Wallpaper List: sea.wlt");
  EXPECT_TRUE(system.messageBoxes.empty());
  EXPECT_TRUE(app.errors.empty());
}

TEST_F(ListCommands, OpenOnAnUnreadableFileReportsItAfterEmptyingTheList) {
  storeList(kSea, kSeaBytes);
  start();
  system.files["C:\\locked.wlt"] = "a\r\n";
  system.unreadable.insert("C:\\locked.wlt");
  dialog("OpnDlg_LoadList").answers = {std::string("C:\\locked.wlt")};

  gui::runGuarded(app, [&] { main().mm_LoadClick(); });

  EXPECT_EQ(app.errors, (std::vector<std::string>{"Cannot open file C:\\locked.wlt"}));
  EXPECT_TRUE(main().WallpaperPaths.empty());
  EXPECT_EQ(list().count(), 0);
  EXPECT_EQ(main().ListFileName, kSea);
  EXPECT_EQ(caption(), kTitle + " - Wallpaper List: sea.wlt");
  EXPECT_TRUE(listControlsEnabled());
}

TEST_F(ListCommands, SaveRewritesTheNamedFileInTheListFormat) {
  storeList(kSea, "C:\\Pictures\\one.jpg\nD:two.bmp");
  start();
  main().pm_saveClick();
  EXPECT_EQ(system.files[kSea], kSeaBytes);
  EXPECT_EQ(dialog("SvDlg_SaveList").shown, 0);
}

TEST_F(ListCommands, SaveWithoutANamedFileAsksForOneAndEmptyListsSaveNothing) {
  storeList(kSea, kSeaBytes);
  start();
  main().pm_clearClick();
  main().pm_saveClick();
  main().pm_saveasClick();
  EXPECT_EQ(dialog("SvDlg_SaveList").shown, 0) << "an empty list is not saved";

  main().WallpaperPaths = {"C:\\Pictures\\one.jpg"};  // as adding files leaves it
  main().LstBx_Wallpapers->add("one.jpg");
  dialog("SvDlg_SaveList").answers = {std::nullopt, std::string("C:\\Lists\\new.wlt")};
  main().pm_saveClick();
  EXPECT_EQ(caption(), kTitle) << "a cancelled Save As names nothing";
  main().pm_saveClick();

  EXPECT_EQ(dialog("SvDlg_SaveList").shown, 2);
  EXPECT_EQ(system.files["C:\\Lists\\new.wlt"], "C:\\Pictures\\one.jpg\r\n");
  EXPECT_EQ(main().ListFileName, "C:\\Lists\\new.wlt");
  EXPECT_EQ(caption(), kTitle + " - Wallpaper List: new.wlt");
}

TEST_F(ListCommands, SaveAsThatCannotCreateTheFileReportsItAndKeepsTheNewName) {
  storeList(kSea, kSeaBytes);
  start();
  system.unwritable.insert("C:\\ro\\x.wlt");
  dialog("SvDlg_SaveList").answers = {std::string("C:\\ro\\x.wlt")};

  gui::runGuarded(app, [&] { main().pm_saveasClick(); });

  EXPECT_EQ(app.errors, (std::vector<std::string>{"Cannot create file C:\\ro\\x.wlt"}));
  EXPECT_EQ(main().ListFileName, "C:\\ro\\x.wlt");
  EXPECT_EQ(caption(), kTitle + " - Wallpaper List: sea.wlt");
  EXPECT_EQ(system.files.count("C:\\ro\\x.wlt"), 0u);
}

TEST_F(ListCommands, FolderChangesAreRememberedByTheDialogThatSawThem) {
  start();
  main().OpnDlg_LoadListFolderChange("C:\\Lists\\Summer\\beach.wlt");
  EXPECT_EQ(main().ListDir, "C:\\Lists\\Summer");
  EXPECT_EQ(dialog("OpnDlg_LoadList").initialDir, "C:\\Lists\\Summer");
  EXPECT_EQ(dialog("SvDlg_SaveList").initialDir, "C:\\");

  main().SvDlg_SaveListFolderChange("D:\\x.wlt");
  EXPECT_EQ(main().ListDir, "D:\\");
  EXPECT_EQ(dialog("SvDlg_SaveList").initialDir, "D:\\");

  main().OpnPctrDlg_Add_WallpapersFolderChange("E:\\Photos\\");
  EXPECT_EQ(main().FilesDir, "E:\\Photos");
  EXPECT_EQ(dialog("OpnPctrDlg_Add_Wallpapers").initialDir, "E:\\Photos");
}

TEST_F(ListCommands, AMissingSelectedPictureIsReportedByNameFromTheFirstCheckOn) {
  storeList(kSea, "C:\\gone\\x.jpg\r\n");
  start();
  main().LstBx_WallpapersClick();
  ASSERT_EQ(system.messageBoxes.size(), 2u);
  EXPECT_EQ(system.messageBoxes[0].text, system.messageBoxes[1].text);
  EXPECT_EQ(system.messageBoxes[0].text,
            core::cp1251("Файл x.jpg не найден! Используйте 'Проверку Файлов'"));
  EXPECT_EQ(system.messageBoxes[0].caption, kTitle);
  EXPECT_EQ(system.messageBoxes[0].flags, gui::kMbIconWarning);
}

TEST_F(ListCommands, ThePreviewShowsTheSelectedPictureAndItsSize) {
  system.files["C:\\p\\big.jpg"] = "x";
  system.pictures["C:\\p\\big.jpg"] = {1920, 1200};
  system.files["C:\\p\\empty.emf"] = "x";
  system.pictures["C:\\p\\empty.emf"] = {0, 0};
  system.files["C:\\p\\broken.png"] = "x";
  storeList(kSea, "C:\\p\\big.jpg\r\nC:\\p\\empty.emf\r\nC:\\p\\broken.png\r\n");
  start();
  auto& preview = static_cast<fake::Picture&>(*main().img_Preview);
  auto select = [&](int index) {
    list().setItemIndex(index);
    gui::runGuarded(app, [&] { main().LstBx_WallpapersClick(); });
  };

  select(0);
  EXPECT_EQ(preview.loaded, "C:\\p\\big.jpg");
  EXPECT_EQ(main().lbl_pictsize->text(), "1920 x 1200");
  select(1);
  EXPECT_EQ(preview.loaded, "C:\\p\\empty.emf");
  EXPECT_EQ(main().lbl_pictsize->text(), "1920 x 1200") << "an empty metafile keeps the size";
  app.errors.clear();
  select(2);
  EXPECT_EQ(app.errors, (std::vector<std::string>{"Cannot read the picture C:\\p\\broken.png"}));
  EXPECT_EQ(preview.loaded, "C:\\p\\empty.emf") << "the previous picture stays";
}

}  // namespace
