// The Russian interface texts, set once at start-up after every window exists.

#include "core/cp1251.h"
#include "ui/main_form.h"
#include "ui/simple_form.h"

void TMainForm::ApplyInterfaceTexts() {
  using core::cp1251;
  btn_list->setText(cp1251("Список"));
  btn_files->setText(cp1251("Файлы"));
  btn_wallpapers->setText(cp1251("Обои"));
  btn_help->setText(cp1251("Разное"));
  pm_clear->setText(cp1251("Очистить"));
  pm_open->setText(cp1251("Открыть..."));
  pm_save->setText(cp1251("Сохранить"));
  pm_saveas->setText(cp1251("Сохранить как..."));
  pm_addfile->setText(cp1251("Добавить файлы..."));
  pm_addfolder->setText(cp1251("Добавить папку..."));
  pm_delete->setText(cp1251("Удалить"));
  pm_info->setText(cp1251("Свойства..."));
  pm_check->setText(cp1251("Проверить файлы"));
  pm_setwall->setText(cp1251("Установить"));
  pm_backwall->setText(cp1251("Предыдущая"));
  pm_settings->setText(cp1251("Настройки..."));
  pm_contents->setText(cp1251("Вызов справки"));
  pm_homepage->setText(cp1251("Домашняя страница..."));
  pm_update->setText(cp1251("Проверить обновления..."));
  pm_about->setText(cp1251("О программе..."));
  pm_Restore->setText(cp1251("Восстановить"));
  pm_Exit->setText(cp1251("Выход"));
  btn_set->setText(pm_setwall->text());
  if (preview_) preview_->form().setText(cp1251("Просмотр"));
  if (options_) options_->form().setText(cp1251("Настройки"));
  // The options dialog's own controls take their texts here once it has them.
  if (about_) about_->form().setText(pm_about->text());
  MsgFile = cp1251("Файл");
  MsgNotFoundUseCheck = cp1251("не найден! Используйте 'Проверку Файлов'");
  MsgConfirmExit = cp1251("Вы действительно хотите закрыть Varnok Wallpaper?");
  MsgAskRemoveMissing = cp1251("Удалять несуществующие файлы из списка?");
  MsgNotFoundAskRemove = cp1251("не найден. Удалить из списка?");
  MsgCheckDone = cp1251("Проверка файлов завершена!");
}
