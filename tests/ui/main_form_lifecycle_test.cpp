// Start-up set-up from the settings file, closing, the hot keys of the window, and the exit save.

#include "core/random_index.h"
#include "tests/support/main_form_fixture.h"

namespace {

const std::string kList = "C:\\Lists\\sea.wlt";

TEST_F(MainFormTest, StartsWithDefaultsWithoutASettingsFile) {
  start();
  EXPECT_EQ(app.title(), kTitle);
  EXPECT_EQ(caption(), kTitle);
  EXPECT_EQ(main().SpnEdt_Min->value(), 10);
  EXPECT_EQ(main().Tmr_ChangeWallpaper->interval(), 600000u);
  EXPECT_FALSE(main().Tmr_ChangeWallpaper->enabled());
  EXPECT_EQ(main().btn_ED_Timer->text(), kOff);
  EXPECT_EQ(main().btn_path->text(), core::cp1251("Вниз"));
  EXPECT_EQ(main().ListDir, "C:\\");
  EXPECT_EQ(main().FilesDir, "C:\\");
  EXPECT_EQ(main().AppDir, "C:\\Program\\");
  EXPECT_EQ(main().CurrentIndex, -1);
  EXPECT_EQ(main().PreviousIndex, -1);
  EXPECT_FALSE(listControlsEnabled());
  EXPECT_FALSE(main().img_Preview->visible());
  EXPECT_TRUE(main().window->visible());
  EXPECT_TRUE(factory.forms.at("TMainForm")->acceptsDrops);
  EXPECT_FALSE(factory.forms.count("TSplashForm")) << "the splash that was shown is gone";
  EXPECT_TRUE(app.errors.empty());
  EXPECT_TRUE(system.iniWrites.empty()) << "start-up writes nothing";
}

TEST_F(MainFormTest, LoadsTheStoredListAndSelectsADrawnEntry) {
  storeList(kList, "C:\\a.jpg\r\nC:\\b.jpg\r\nC:\\c.jpg\r\n");
  system.ini["GENERAL"] = {{"szSpisok", kList},
                           {"Timer", "1"},
                           {"TimerInterval", "5000"},
                           {"Path", core::cp1251("Наугад")},
                           {"szSaveLoadDir", "D:\\L"}};
  system.clock = 99;
  start();

  core::RandomIndex expected(99);
  EXPECT_EQ(list().itemIndex(), expected(3));
  EXPECT_EQ(list().items(), (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg"}));
  EXPECT_EQ(caption(), kTitle + " - Wallpaper List: sea.wlt");
  EXPECT_TRUE(listControlsEnabled());
  EXPECT_EQ(main().SpnEdt_Min->value(), 1440);
  EXPECT_TRUE(main().Tmr_ChangeWallpaper->enabled());
  EXPECT_TRUE(main().Tmr_ChangeWallpaperTime->enabled());
  EXPECT_TRUE(main().RotationOn);
  EXPECT_EQ(main().SecondsLeft, 1440 * 60);
  EXPECT_EQ(main().btn_ED_Timer->text(), kOn);
  EXPECT_EQ(main().btn_path->text(), core::cp1251("Наугад"));
  EXPECT_EQ(dialog("OpnDlg_LoadList").initialDir, "D:\\L");
}

TEST_F(MainFormTest, AStoredListFileThatIsGoneGivesTheEmptyStateWithRotationOff) {
  system.ini["GENERAL"] = {{"szSpisok", "C:\\gone.wlt"}, {"Timer", "1"}};
  start();
  EXPECT_EQ(list().count(), 0);
  EXPECT_FALSE(listControlsEnabled());
  EXPECT_FALSE(main().Tmr_ChangeWallpaper->enabled());
  EXPECT_FALSE(main().RotationOn);
  EXPECT_EQ(main().btn_ED_Timer->text(), kOff);
  EXPECT_EQ(caption(), kTitle);
  EXPECT_EQ(main().ListFileName, "C:\\gone.wlt");
}

TEST_F(MainFormTest, AnEmptyStoredListEnablesTheControlsWithNothingSelected) {
  storeList(kList, "");
  start();
  EXPECT_TRUE(listControlsEnabled());
  EXPECT_EQ(list().itemIndex(), -1);
  EXPECT_EQ(caption(), kTitle + " - Wallpaper List: sea.wlt");
}

TEST_F(MainFormTest, AnUnreadableStoredListIsReportedAndStartUpGoesOn) {
  storeList(kList, "C:\\a.jpg\r\n");
  system.unreadable.insert(kList);
  start();
  EXPECT_EQ(app.errors, (std::vector<std::string>{"Cannot open file " + kList}));
  EXPECT_TRUE(main().window->visible());
  EXPECT_TRUE(factory.forms.count("TSettingsForm"));
  EXPECT_EQ(main().btn_set->text(), core::cp1251("Установить"));
}

TEST_F(MainFormTest, StartsMinimisedWithoutSplashWhenAsked) {
  system.ini["GENERAL"] = {{"Minimize", "1"}, {"Splash", "0"}};
  start();
  EXPECT_TRUE(app.minimized);
  EXPECT_FALSE(main().window->visible());
  EXPECT_FALSE(factory.forms.at("TSplashForm")->visible());
}

TEST_F(MainFormTest, CloseBoxAndHotKeyTwoHideTheProgramAndThreeRestoresIt) {
  start();
  EXPECT_FALSE(main().FormClose());
  EXPECT_TRUE(app.minimized);
  EXPECT_FALSE(main().window->visible());
  main().WMHotKey(3);
  EXPECT_TRUE(main().window->visible());
  main().WMHotKey(2);
  EXPECT_FALSE(main().window->visible());
  EXPECT_FALSE(app.terminated());
}

TEST_F(MainFormTest, ExitAnsweredNoWritesNothing) {
  storeList(kList, "C:\\a.jpg\r\n");
  system.files["C:\\a.jpg"] = "picture";
  start();
  system.answers = {gui::kIdNo};
  main().WMHotKey(4);
  ASSERT_EQ(system.messageBoxes.size(), 1u);
  EXPECT_EQ(system.messageBoxes[0].text,
            core::cp1251("Вы действительно хотите закрыть Varnok Wallpaper?"));
  EXPECT_EQ(system.messageBoxes[0].flags, gui::kMbIconQuestion | gui::kMbYesNo);
  EXPECT_TRUE(system.messageBoxes[0].owned);
  EXPECT_TRUE(system.iniWrites.empty());
  EXPECT_FALSE(app.terminated());
}

TEST_F(MainFormTest, ExitConfirmedSavesTheStateAndEnds) {
  storeList(kList, "C:\\a.jpg\r\n");
  system.ini["GENERAL"]["Timer"] = "1";
  system.ini["GENERAL"]["TimerInterval"] = "0";
  system.ini["CALENDAR"] = {{"Top", "12"}, {"Left", "34"}};
  start();
  system.answers = {gui::kIdYes};
  main().mm_ExitClick();

  EXPECT_TRUE(app.terminated());
  EXPECT_EQ(system.iniWrites, (std::vector<std::string>{
                                  "GENERAL/TimerInterval=1", "GENERAL/Timer=1",
                                  "GENERAL/Path=" + core::cp1251("Вниз"), "GENERAL/szFilesDir=C:\\",
                                  "GENERAL/szSaveLoadDir=C:\\", "GENERAL/szSpisok=" + kList,
                                  "CALENDAR/Top=12", "CALENDAR/Left=34"}));
  EXPECT_EQ(factory.forms.at("TMainForm")->unregisteredHotKeys,
            (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
  EXPECT_FALSE(system.files.count("C:\\Program\\Default.wlt"));
}

TEST_F(MainFormTest, ExitWithAListWithoutFileWritesDefaultWltThatTheNextStartLoads) {
  start();
  main().WallpaperPaths = {"C:\\a.jpg", "C:\\b.jpg"};
  main().SaveStateOnExit();

  EXPECT_EQ(system.files["C:\\Program\\Default.wlt"], "C:\\a.jpg\r\nC:\\b.jpg\r\n");
  EXPECT_EQ(system.ini["GENERAL"]["szSpisok"], "C:\\Program\\Default.wlt");
  EXPECT_EQ(system.ini["GENERAL"]["szSaveLoadDir"], "C:\\Program\\");
  EXPECT_EQ(caption(), kTitle) << "the caption is not changed";

  program.reset();
  start();
  EXPECT_EQ(list().items(), (std::vector<std::string>{"a.jpg", "b.jpg"}));
}

TEST_F(MainFormTest, ExitAfterClearWritesTheListNameEmpty) {
  storeList(kList, "C:\\a.jpg\r\n");
  start();
  main().pm_clearClick();
  main().SaveStateOnExit();
  EXPECT_EQ(system.ini["GENERAL"]["szSpisok"], "");
  EXPECT_FALSE(system.files.count("C:\\Program\\Default.wlt"));
}

TEST_F(MainFormTest, AReadOnlySettingsFileStopsTheExitSaveAndTheProgramGoesOn) {
  start();
  system.iniReadOnly = true;
  system.answers = {gui::kIdYes};
  gui::runGuarded(app, [&] { main().mm_ExitClick(); });
  EXPECT_EQ(app.errors,
            (std::vector<std::string>{"Unable to write to C:\\Program\\wallpaper.ini"}));
  EXPECT_FALSE(app.terminated());
}

TEST_F(MainFormTest, TheShutDownQuerySavesAndALaterExitSavesAgain) {
  start();
  main().WallpaperPaths = {"C:\\a.jpg"};
  main().WMQueryEndSession();
  EXPECT_FALSE(app.terminated());
  system.files.erase("C:\\Program\\Default.wlt");
  system.iniWrites.clear();

  main().WallpaperPaths.push_back("C:\\b.jpg");
  system.answers = {gui::kIdYes};
  main().mm_ExitClick();
  EXPECT_EQ(system.files["C:\\Program\\Default.wlt"], "C:\\a.jpg\r\nC:\\b.jpg\r\n");
  EXPECT_EQ(system.iniWrites.size(), 8u);
  EXPECT_TRUE(app.terminated());
}

TEST_F(MainFormTest, TheSplashCountsTheFiveWindows) {
  system.ini["GENERAL"]["Splash"] = "0";  // a splash never shown stays, so it can be read
  start();
  auto* bar = static_cast<fake::ProgressBar*>(factory.controls.at("ProgressBar"));
  EXPECT_EQ(bar->position(), 5);
}

}  // namespace
