// The main window's controls and menus, placed as the window is designed: 689 x 394 client
// pixels, four panels, the list and its controls on the right, the side buttons on the left.

#include "core/app_texts.h"
#include "core/cp1251.h"
#include "ui/command_ids.h"
#include "ui/main_form.h"

using gui::ControlArgs;
using gui::Rect;
using gui::TextKind;

namespace {
constexpr int kTimerMinutesMin = 1;
constexpr int kTimerMinutesMax = 1440;
}  // namespace

void TMainForm::createControls() {
  window = factory_.form({"TMainForm", std::string(core::kAppTitle), 689, 394, true, false});
  gui::Form* w = window.get();
  auto at = [](const char* name, gui::Control* parent, Rect rect, std::string text = {}) {
    return ControlArgs{name, parent, rect, std::move(text), TextKind::Interface};
  };

  pnl_left = factory_.panel(at("pnl_left", w, {0, 0, 125, 360}));
  Image3 = factory_.picture(at("Image3", pnl_left.get(), {0, 0, 125, 34}), gui::PictureLook::Band);
  Image2 = factory_.picture(at("Image2", pnl_left.get(), {24, 0, 78, 76}), gui::PictureLook::Logo);
  btn_list = factory_.button(at("btn_list", pnl_left.get(), {12, kListButtonTop, 101, 25}));
  btn_files = factory_.button(at("btn_files", pnl_left.get(), {12, kFilesButtonTop, 101, 25}));
  btn_wallpapers =
      factory_.button(at("btn_wallpapers", pnl_left.get(), {12, kWallpapersButtonTop, 101, 25}));
  btn_help = factory_.button(at("btn_help", pnl_left.get(), {12, kHelpButtonTop, 101, 25}));
  Panel4 = factory_.panel(at("Panel4", pnl_left.get(), {0, 227, 125, 133}));
  lbl_time =
      factory_.label(at("lbl_time", Panel4.get(), {46, 40, 60, 20}), gui::LabelLook::WhiteBold);
  btn_path = factory_.button(at("btn_path", Panel4.get(), {8, 68, 53, 25}, core::cp1251("Вниз")));
  btn_ED_Timer =
      factory_.button(at("btn_ED_Timer", Panel4.get(), {64, 68, 53, 25}, core::cp1251("Выкл.")));
  SpnEdt_Min = factory_.spinEdit(at("SpnEdt_Min", Panel4.get(), {8, 100, 109, 26}),
                                 kTimerMinutesMin, kTimerMinutesMax);
  SpnEdt_Min->setValue(10);

  pnl_right = factory_.panel(at("pnl_right", w, {564, 0, 125, 360}));
  Image4 = factory_.picture(at("Image4", pnl_right.get(), {0, 0, 125, 34}), gui::PictureLook::Band);
  btn_set = factory_.button(at("btn_set", pnl_right.get(), {12, 36, 103, 25}));
  lbl_pictsize =
      factory_.label(at("lbl_pictsize", pnl_right.get(), {13, 68, 100, 20}, "1280 x 1024"),
                     gui::LabelLook::WhiteBold);
  btn_left = factory_.button(at("btn_left", pnl_right.get(), {12, 96, 47, 25}, "<<"));
  btn_right = factory_.button(at("btn_right", pnl_right.get(), {64, 96, 49, 25}, ">>"));
  auto list = at("LstBx_Wallpapers", pnl_right.get(), {13, 132, 100, 201});
  list.textKind = TextKind::SystemAnsi;
  LstBx_Wallpapers = factory_.listBox(list);
  lbl_wallcount = factory_.label(at("lbl_wallcount", pnl_right.get(), {52, 337, 60, 20}, "0"),
                                 gui::LabelLook::WhiteBold);

  pnl_bottom = factory_.panel(at("pnl_bottom", w, {0, 360, 689, 34}));
  img_bottom =
      factory_.picture(at("img_bottom", pnl_bottom.get(), {0, 0, 689, 34}), gui::PictureLook::Band);
  pnl_center = factory_.panel(at("pnl_center", w, {125, 0, 439, 360}));
  img_center =
      factory_.picture(at("img_center", pnl_center.get(), {0, 0, 439, 34}), gui::PictureLook::Band);
  img_Preview = factory_.picture(at("img_Preview", pnl_center.get(), {0, 34, 439, 326}),
                                 gui::PictureLook::Empty);
  img_Preview->setDrawing({true, false, true});

  Tmr_ChangeWallpaper = factory_.timer(*w, "Tmr_ChangeWallpaper");
  Tmr_ChangeWallpaperTime = factory_.timer(*w, "Tmr_ChangeWallpaperTime");
  Tmr_ChangeWallpaperTime->setInterval(1000);
  tmr_Fullscreen = factory_.timer(*w, "tmr_Fullscreen");
  tmr_Fullscreen->setInterval(1000);
  tmp_wallcount = factory_.timer(*w, "tmp_wallcount");
  tmp_wallcount->setInterval(100);
  tmp_wallcount->setEnabled(true);
  Tmr_Update = factory_.timer(*w, "Tmr_Update");
  Tmr_Update->setInterval(86400000);

  OpnDlg_LoadList = factory_.fileDialog({"OpnDlg_LoadList", w, false});
  OpnDlg_LoadList->filter = "Wallpaper Lists (*.wlt)|*.wlt";
  SvDlg_SaveList = factory_.fileDialog({"SvDlg_SaveList", w, true});
  SvDlg_SaveList->filter = "Wallpaper Lists (*.wlt)|*.wlt";
  SvDlg_SaveList->defaultExt = "wlt";
  OpnPctrDlg_Add_Wallpapers = factory_.fileDialog({"OpnPctrDlg_Add_Wallpapers", w, false});
}

void TMainForm::createMenus() {
  gui::Form& w = *window;
  auto item = [this](gui::PopupMenu& menu, const char* name, const char* utf8, CommandId id,
                     bool isDefault = false) {
    return factory_.menuItem(menu, name, core::cp1251(utf8), id, isDefault);
  };
  pm_list = factory_.popupMenu(w, "pm_list");
  pm_clear = item(*pm_list, "pm_clear", "Очистить", kCmd_pm_clear);
  pm_open = item(*pm_list, "pm_open", "Открыть...", kCmd_pm_open);
  pm_save = item(*pm_list, "pm_save", "Сохранить", kCmd_pm_save);
  pm_saveas = item(*pm_list, "pm_saveas", "Сохранить как...", kCmd_pm_saveas);

  pm_files = factory_.popupMenu(w, "pm_files");
  pm_addfile = item(*pm_files, "pm_addfile", "Добавить файлы...", kCmd_pm_addfile);
  pm_addfolder = item(*pm_files, "pm_addfolder", "Добавить папку...", kCmd_pm_addfolder);
  pm_delete = item(*pm_files, "pm_delete", "Удалить", kCmd_pm_delete);
  pm_delete_file = item(*pm_files, "pm_delete_file", "Удалить файл", kCmd_pm_delete_file);
  pm_info = item(*pm_files, "pm_info", "Свойства...", kCmd_pm_info);
  pm_check = item(*pm_files, "pm_check", "Проверить файлы", kCmd_pm_check);

  pm_wallpapers = factory_.popupMenu(w, "pm_wallpapers");
  pm_setwall = item(*pm_wallpapers, "pm_setwall", "Установить", kCmd_pm_setwall);
  pm_backwall = item(*pm_wallpapers, "pm_backwall", "Предыдущая", kCmd_pm_backwall);
  pm_backwall->setEnabled(false);

  pm_help = factory_.popupMenu(w, "pm_help");
  pm_settings = item(*pm_help, "pm_settings", "Настройки...", kCmd_pm_settings);
  pm_sep = item(*pm_help, "pm_sep", "", kCmd_pm_sep);
  pm_contents = item(*pm_help, "pm_contents", "Вызов справки", kCmd_pm_contents);
  pm_homepage = item(*pm_help, "pm_homepage", "Домашняя страница...", kCmd_pm_homepage);
  pm_update = item(*pm_help, "pm_update", "Проверить обновления...", kCmd_pm_update);
  pm_update->setEnabled(false);
  pm_about = item(*pm_help, "pm_about", "О программе...", kCmd_pm_about);

  pm_tray = factory_.popupMenu(w, "pm_tray");
  pm_Restore = item(*pm_tray, "pm_Restore", "Восстановить", kCmd_pm_Restore, true);
  N1 = item(*pm_tray, "N1", "", kCmd_N1);
  pm_delete2 = item(*pm_tray, "pm_delete2", "Удалить текущую обоину", kCmd_pm_delete2);
  pm_delete2_file =
      item(*pm_tray, "pm_delete2_file", "Удалить файл текущей обоины", kCmd_pm_delete2_file);
  N2 = item(*pm_tray, "N2", "", kCmd_N2);
  pm_Exit = item(*pm_tray, "pm_Exit", "Выход", kCmd_pm_Exit);

  CoolTrayIcon = factory_.notifyIcon(w, "Varnok Wallpaper", *pm_tray);
}
