#include "ui/main_form.h"

#include "core/app_texts.h"
#include "core/cp1251.h"
#include "core/list_file.h"
#include "core/paths.h"
#include "desktop/calendar_form.h"

namespace {
constexpr int kHotKeyCount = 7;
constexpr int kCenterPanelLeft = 125;
constexpr int kSideButtonHeight = 25;
const std::string kGeneral = "GENERAL";
}  // namespace

TMainForm::TMainForm(gui::Factory& factory, gui::System& system, gui::Application& app,
                     core::RandomIndex& random)
    : factory_(factory), system_(system), app_(app), random_(random) {
  createControls();
  createMenus();
  bindEvents();
  // The messages are right even before the interface texts run, for the start-up's own check.
  ApplyInterfaceTexts();
}

TMainForm::~TMainForm() = default;

core::SettingsFile TMainForm::settings() const {
  return core::SettingsFile(system_.profile(),
                            core::replaceExtension(system_.programPath(), ".ini"));
}

void TMainForm::bindEvents() {
  btn_list->onClick = [this] { popupBeside(*pm_list, kListButtonTop); };
  btn_files->onClick = [this] { popupBeside(*pm_files, kFilesButtonTop); };
  btn_wallpapers->onClick = [this] { popupBeside(*pm_wallpapers, kWallpapersButtonTop); };
  btn_help->onClick = [this] { popupBeside(*pm_help, kHelpButtonTop); };
  pm_clear->onClick = [this] { pm_clearClick(); };
  pm_open->onClick = [this] { mm_LoadClick(); };
  pm_save->onClick = [this] { pm_saveClick(); };
  pm_saveas->onClick = [this] { pm_saveasClick(); };
  pm_Restore->onClick = [this] { pm_RestoreClick(); };
  pm_Exit->onClick = [this] { mm_ExitClick(); };
  LstBx_Wallpapers->onClick = [this] { LstBx_WallpapersClick(); };
  CoolTrayIcon->onDoubleClick = [this] { pm_RestoreClick(); };
  OpnDlg_LoadList->onFolderChange = [this](const std::string& p) {
    OpnDlg_LoadListFolderChange(p);
  };
  SvDlg_SaveList->onFolderChange = [this](const std::string& p) { SvDlg_SaveListFolderChange(p); };
  OpnPctrDlg_Add_Wallpapers->onFolderChange = [this](const std::string& p) {
    OpnPctrDlg_Add_WallpapersFolderChange(p);
  };
  window->onCloseQuery = [this] { return FormClose(); };
  window->onQueryEndSession = [this] { WMQueryEndSession(); };
  window->onHotKey = [this](int id) { WMHotKey(id); };
  window->onDropFiles = [this](const std::vector<std::string>& paths) { WMDropFiles(paths); };
  tmp_wallcount->onTimer = [this] { tmp_wallcountTimer(); };
  app_.onMinimize = [this] { ApplicationEventsMinimize(); };
}

void TMainForm::FormCreate() {
  AppDir = core::folderWithDelimiter(system_.programPath());
  random_.seed(system_.secondsNow());
  WallpaperPaths.clear();
  PausedByFullScreen = false;
  CurrentIndex = core::kNoEntry;
  PreviousIndex = core::kNoEntry;
  window->acceptDroppedFiles();
  window->setText(std::string(core::kAppTitle));

  core::SettingsFile ini = settings();
  SpnEdt_Min->setValue(ini.readInteger(kGeneral, "TimerInterval", 10));
  Tmr_ChangeWallpaper->setInterval(static_cast<std::uint32_t>(SpnEdt_Min->value()) * 60000u);
  bool rotation = ini.readBool(kGeneral, "Timer", false);
  Tmr_ChangeWallpaper->setEnabled(rotation);
  RotationOn = rotation;
  SecondsLeft = SpnEdt_Min->value() * 60;
  Tmr_ChangeWallpaperTime->setEnabled(rotation);
  if (rotation) btn_ED_Timer->setText(core::cp1251("Вкл."));
  btn_path->setText(ini.readString(kGeneral, "Path", core::cp1251("Вниз")));
  ListDir = ini.readString(kGeneral, "szSaveLoadDir", "C:\\");
  FilesDir = ini.readString(kGeneral, "szFilesDir", "C:\\");
  OpnDlg_LoadList->initialDir = ListDir;
  SvDlg_SaveList->initialDir = ListDir;
  OpnPctrDlg_Add_Wallpapers->initialDir = FilesDir;
  ListFileName = ini.readString(kGeneral, "szSpisok", "");

  if (system_.fileExists(ListFileName)) {
    loadListFile(ListFileName);
    selectRandomEntry();
    setListControlsEnabled(true);
    window->setText(core::mainCaption(ListFileName, true));
  } else {
    img_Preview->setVisible(false);
    setListControlsEnabled(false);
    stopRotation();
  }
  // The fixed start picture and the update check join the set-up here.
  LstBx_WallpapersClick();
}

void TMainForm::showList(std::vector<std::string> paths) {
  std::vector<std::string> names;
  names.reserve(paths.size());
  for (const auto& path : paths) names.push_back(core::fileNamePart(path));
  WallpaperPaths = std::move(paths);
  LstBx_Wallpapers->assign(names);
}

void TMainForm::loadListFile(const std::string& path) {
  showList({});
  showList(core::parseListFile(system_.readFile(path)));
}

void TMainForm::writeList(const std::string& path) {
  system_.writeFile(path, core::formatListFile(WallpaperPaths));
}

void TMainForm::selectRandomEntry() {
  LstBx_Wallpapers->setItemIndex(random_(LstBx_Wallpapers->count()));
}

void TMainForm::setListControlsEnabled(bool enabled) {
  for (gui::Control* control :
       std::initializer_list<gui::Control*>{btn_ED_Timer.get(), btn_set.get(), SpnEdt_Min.get(),
                                            btn_path.get(), btn_left.get(), btn_right.get()}) {
    control->setEnabled(enabled);
  }
}

void TMainForm::stopRotation() {
  Tmr_ChangeWallpaper->setEnabled(false);
  RotationOn = false;
  SecondsLeft = SpnEdt_Min->value() * 60;
  Tmr_ChangeWallpaperTime->setEnabled(false);
  btn_ED_Timer->setText(core::cp1251("Выкл."));
}

void TMainForm::pm_clearClick() {
  showList({});
  stopRotation();
  setListControlsEnabled(false);
  img_Preview->setVisible(false);
  window->setText(std::string(core::kAppTitle));
  ListFileName.clear();
}

void TMainForm::mm_LoadClick() {
  if (!OpnDlg_LoadList->execute()) return;
  const std::string path = OpnDlg_LoadList->fileName;
  if (!system_.fileExists(path)) return;
  loadListFile(path);
  selectRandomEntry();
  setListControlsEnabled(true);
  ListFileName = path;
  window->setText(core::mainCaption(ListFileName, true));
  LstBx_WallpapersClick();
}

void TMainForm::pm_saveClick() {
  if (WallpaperPaths.empty()) return;
  if (!core::captionNamesListFile(window->text())) {
    pm_saveasClick();
    return;
  }
  window->setText(core::mainCaption(ListFileName, true));
  writeList(ListFileName);
  LstBx_WallpapersClick();
}

void TMainForm::pm_saveasClick() {
  if (WallpaperPaths.empty()) return;
  if (!SvDlg_SaveList->execute()) return;
  ListFileName = SvDlg_SaveList->fileName;
  writeList(ListFileName);
  window->setText(core::mainCaption(ListFileName, true));
  LstBx_WallpapersClick();
}

void TMainForm::OpnDlg_LoadListFolderChange(const std::string& currentPath) {
  ListDir = core::folderOf(currentPath);
  OpnDlg_LoadList->initialDir = ListDir;
}

void TMainForm::SvDlg_SaveListFolderChange(const std::string& currentPath) {
  ListDir = core::folderOf(currentPath);
  SvDlg_SaveList->initialDir = ListDir;
}

void TMainForm::OpnPctrDlg_Add_WallpapersFolderChange(const std::string& currentPath) {
  FilesDir = core::folderOf(currentPath);
  OpnPctrDlg_Add_Wallpapers->initialDir = FilesDir;
}

void TMainForm::LstBx_WallpapersClick() {
  std::int64_t selected = LstBx_Wallpapers->itemIndex();
  if (WallpaperPaths.empty() || selected < 0) return;
  const std::string& path = WallpaperPaths[static_cast<std::size_t>(selected)];
  if (system_.fileExists(path)) {
    img_Preview->setVisible(true);
    img_Preview->loadFromFile(path);
    // The size comes from the header, so the picture is decoded only once, at preview size.
    auto [width, height] = system_.pictureSize(path);
    if (width > 0 && height > 0) {
      lbl_pictsize->setText(std::to_string(width) + " x " + std::to_string(height));
    }
    return;
  }
  using gui::TextKind;
  gui::MixedText warning{{MsgFile + " ", TextKind::Interface},
                         {LstBx_Wallpapers->item(selected), TextKind::SystemAnsi},
                         {" " + MsgNotFoundUseCheck, TextKind::Interface}};
  system_.messageBox(window.get(), warning, std::string(core::kAppTitle), gui::kMbIconWarning);
}

void TMainForm::mm_ExitClick() {
  int answer = system_.messageBox(window.get(), MsgConfirmExit, std::string(core::kAppTitle),
                                  gui::kMbIconQuestion | gui::kMbYesNo, gui::TextKind::Interface);
  if (answer != gui::kIdYes) return;
  SaveStateOnExit();
  app_.terminate();
}

bool TMainForm::FormClose() {
  app_.minimize();
  return false;
}

void TMainForm::WMQueryEndSession() { SaveStateOnExit(); }

void TMainForm::SaveStateOnExit() {
  core::SettingsFile ini = settings();
  ini.writeInteger(kGeneral, "TimerInterval", SpnEdt_Min->value());
  ini.writeBool(kGeneral, "Timer", Tmr_ChangeWallpaper->enabled());
  ini.writeString(kGeneral, "Path", btn_path->text());
  ini.writeString(kGeneral, "szFilesDir", FilesDir);
  if (!core::captionNamesListFile(window->text()) && !WallpaperPaths.empty()) {
    ListFileName = AppDir + "Default.wlt";
    ListDir = AppDir;
    writeList(ListFileName);
  }
  ini.writeString(kGeneral, "szSaveLoadDir", ListDir);
  ini.writeString(kGeneral, "szSpisok", ListFileName);
  if (calendar_) {
    gui::Rect place = calendar_->form().bounds();
    ini.writeInteger("CALENDAR", "Top", place.top);
    ini.writeInteger("CALENDAR", "Left", place.left);
  }
  // The fixed picture at exit joins here with the options dialog.
  for (int id = 0; id < kHotKeyCount; ++id) window->unregisterHotKey(id);
  // The update library is released here once it is loaded at start.
}

void TMainForm::WMHotKey(int id) {
  switch (id) {
    case 2:
      app_.minimize();
      break;
    case 3:
      pm_RestoreClick();
      break;
    case 4:
      mm_ExitClick();
      break;
    default:
      break;
  }
}

void TMainForm::ApplicationEventsMinimize() { window->hide(); }

void TMainForm::pm_RestoreClick() {
  app_.restore();
  window->show();
}

// The menu opens right of the left panel, level with the button's lower edge counted from the
// window's outer top: the title bar is not added.
void TMainForm::popupBeside(gui::PopupMenu& menu, int buttonTop) {
  gui::Rect place = window->bounds();
  menu.popup(place.left + kCenterPanelLeft, place.top + buttonTop + kSideButtonHeight);
}
