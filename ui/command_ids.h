#pragma once
// The commands the main window's menu items send; fixed, so that a test driver outside the
// program can send them too. Separators send nothing.

enum CommandId : int {
  kCmd_pm_sep = 0,
  kCmd_N1 = 0,
  kCmd_N2 = 0,
  kCmd_pm_clear = 101,
  kCmd_pm_open = 102,
  kCmd_pm_save = 103,
  kCmd_pm_saveas = 104,
  kCmd_pm_addfile = 111,
  kCmd_pm_addfolder = 112,
  kCmd_pm_delete = 113,
  kCmd_pm_delete_file = 114,
  kCmd_pm_info = 115,
  kCmd_pm_check = 116,
  kCmd_pm_setwall = 121,
  kCmd_pm_backwall = 122,
  kCmd_pm_settings = 131,
  kCmd_pm_contents = 132,
  kCmd_pm_homepage = 133,
  kCmd_pm_update = 134,
  kCmd_pm_about = 135,
  kCmd_pm_Restore = 141,
  kCmd_pm_delete2 = 142,
  kCmd_pm_delete2_file = 143,
  kCmd_pm_Exit = 144,
};
