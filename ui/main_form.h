#pragma once
// The main window: the wallpaper list, its list files, the side buttons and their menus, the
// notification-area icon, and the start-up set-up and exit save of the running state.

#include <memory>
#include <string>
#include <vector>

#include "core/entry_index.h"
#include "core/random_index.h"
#include "core/settings_file.h"
#include "gui/factory.h"
#include "gui/system.h"

class SimpleForm;
class TCalendarForm;

class TMainForm {
 public:
  TMainForm(gui::Factory& factory, gui::System& system, gui::Application& app,
            core::RandomIndex& random);
  ~TMainForm();

  // The windows made after this one, which the interface texts and the exit save reach.
  void setLaterWindows(SimpleForm* about, TCalendarForm* calendar, SimpleForm* preview,
                       SimpleForm* options) {
    about_ = about;
    calendar_ = calendar;
    preview_ = preview;
    options_ = options;
  }

  gui::Form& form() { return *window; }

  void FormCreate();
  void ApplyInterfaceTexts();

  // Commands of the list menu.
  void pm_clearClick();
  void mm_LoadClick();
  void pm_saveClick();
  void pm_saveasClick();
  void OpnDlg_LoadListFolderChange(const std::string& currentPath);
  void SvDlg_SaveListFolderChange(const std::string& currentPath);
  void OpnPctrDlg_Add_WallpapersFolderChange(const std::string& currentPath);

  void LstBx_WallpapersClick();

  // Files, folders and list files dropped from the shell.
  void WMDropFiles(const std::vector<std::string>& paths);
  void ScanFolder(const std::string& folder);
  void tmp_wallcountTimer();

  // The ends of the program's life.
  void mm_ExitClick();
  bool FormClose();
  void WMQueryEndSession();
  void SaveStateOnExit();
  void WMHotKey(int id);

  // Hiding to the notification area and coming back.
  void ApplicationEventsMinimize();
  void pm_RestoreClick();

  // Running state shared with the rest of the program.
  std::string AppDir;
  std::string ListFileName;
  std::string ListDir;
  std::string FilesDir;
  std::int64_t SecondsLeft = 0;
  bool RotationOn = false;
  bool PausedByFullScreen = false;
  core::EntryIndex CurrentIndex = 0;
  core::EntryIndex PreviousIndex = 0;
  std::vector<std::string> WallpaperPaths;

  std::string MsgFile;
  std::string MsgNotFoundUseCheck;
  std::string MsgConfirmExit;
  std::string MsgAskRemoveMissing;
  std::string MsgNotFoundAskRemove;
  std::string MsgCheckDone;

  // The window and its controls, named as the program's texts and tests know them.
  std::unique_ptr<gui::Form> window;
  std::unique_ptr<gui::Panel> pnl_left, Panel4, pnl_right, pnl_bottom, pnl_center;
  std::unique_ptr<gui::Picture> Image3, Image2, Image4, img_bottom, img_center, img_Preview;
  std::unique_ptr<gui::Button> btn_list, btn_files, btn_wallpapers, btn_help;
  std::unique_ptr<gui::Button> btn_path, btn_ED_Timer, btn_set, btn_left, btn_right;
  std::unique_ptr<gui::Label> lbl_time, lbl_pictsize, lbl_wallcount;
  std::unique_ptr<gui::SpinEdit> SpnEdt_Min;
  std::unique_ptr<gui::ListBox> LstBx_Wallpapers;
  std::unique_ptr<gui::Timer> Tmr_ChangeWallpaper, Tmr_ChangeWallpaperTime, tmr_Fullscreen,
      tmp_wallcount, Tmr_Update;
  std::unique_ptr<gui::FileDialog> OpnDlg_LoadList, SvDlg_SaveList, OpnPctrDlg_Add_Wallpapers;
  std::unique_ptr<gui::PopupMenu> pm_list, pm_files, pm_wallpapers, pm_help, pm_tray;
  std::unique_ptr<gui::MenuItem> pm_clear, pm_open, pm_save, pm_saveas;
  std::unique_ptr<gui::MenuItem> pm_addfile, pm_addfolder, pm_delete, pm_delete_file, pm_info,
      pm_check;
  std::unique_ptr<gui::MenuItem> pm_setwall, pm_backwall;
  std::unique_ptr<gui::MenuItem> pm_settings, pm_sep, pm_contents, pm_homepage, pm_update, pm_about;
  std::unique_ptr<gui::MenuItem> pm_Restore, N1, pm_delete2, pm_delete2_file, N2, pm_Exit;
  std::unique_ptr<gui::NotifyIcon> CoolTrayIcon;

 private:
  void createControls();
  void createMenus();
  void bindEvents();
  core::SettingsFile settings() const;

  // Replaces the whole list, keeping WallpaperPaths and the list box items index-parallel.
  void showList(std::vector<std::string> paths);
  void loadListFile(const std::string& path);
  void appendEntry(const std::string& path);
  void writeList(const std::string& path);
  void setListControlsEnabled(bool enabled);
  void stopRotation();
  void selectRandomEntry();
  void popupBeside(gui::PopupMenu& menu, int buttonTop);
  static constexpr int kListButtonTop = 84;
  static constexpr int kFilesButtonTop = 116;
  static constexpr int kWallpapersButtonTop = 148;
  static constexpr int kHelpButtonTop = 180;

  gui::Factory& factory_;
  gui::System& system_;
  gui::Application& app_;
  core::RandomIndex& random_;
  SimpleForm* about_ = nullptr;
  TCalendarForm* calendar_ = nullptr;
  SimpleForm* preview_ = nullptr;
  SimpleForm* options_ = nullptr;
};
