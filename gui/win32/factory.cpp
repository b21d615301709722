#include "gui/win32/controls.h"
#include "gui/win32/file_dialog.h"
#include "gui/win32/form.h"
#include "gui/win32/menu.h"
#include "gui/win32/notify_icon.h"
#include "gui/win32/timer.h"
#include "gui/win32/win32_gui.h"

namespace win32 {
namespace {

Form& native(gui::Form& form) { return static_cast<Form&>(form); }

}  // namespace

std::unique_ptr<gui::Form> Factory::form(const gui::FormArgs& args) {
  // The main window is the one with a taskbar button; the others belong to the application.
  bool taskbarButton = args.name == "TMainForm";
  HWND owner = args.name == "TSplashForm" ? nullptr : app_.handle();
  return std::make_unique<Form>(args, owner, taskbarButton);
}

std::unique_ptr<gui::Panel> Factory::panel(const gui::ControlArgs& args) { return makePanel(args); }

std::unique_ptr<gui::Button> Factory::button(const gui::ControlArgs& args) {
  return makeButton(args);
}

std::unique_ptr<gui::Label> Factory::label(const gui::ControlArgs& args, gui::LabelLook look) {
  return makeLabel(args, look);
}

std::unique_ptr<gui::Picture> Factory::picture(const gui::ControlArgs& args,
                                               gui::PictureLook look) {
  return makePicture(args, look);
}

std::unique_ptr<gui::ListBox> Factory::listBox(const gui::ControlArgs& args) {
  return makeListBox(args);
}

std::unique_ptr<gui::SpinEdit> Factory::spinEdit(const gui::ControlArgs& args, int minimum,
                                                 int maximum) {
  return makeSpinEdit(args, minimum, maximum);
}

std::unique_ptr<gui::ProgressBar> Factory::progressBar(const gui::ControlArgs& args, int maximum) {
  return makeProgressBar(args, maximum);
}

std::unique_ptr<gui::Timer> Factory::timer(gui::Form& owner, const std::string&) {
  return makeTimer(native(owner));
}

std::unique_ptr<gui::PopupMenu> Factory::popupMenu(gui::Form& owner, const std::string&) {
  return makePopupMenu(native(owner));
}

std::unique_ptr<gui::MenuItem> Factory::menuItem(gui::PopupMenu& menu, const std::string&,
                                                 const std::string& text, int commandId,
                                                 bool isDefault) {
  return makeMenuItem(menu, text, commandId, isDefault);
}

std::unique_ptr<gui::FileDialog> Factory::fileDialog(const gui::FileDialogArgs& args) {
  return makeFileDialog(args.owner ? windowOf(args.owner) : nullptr, args.save);
}

std::unique_ptr<gui::NotifyIcon> Factory::notifyIcon(gui::Form& owner, const std::string& hint,
                                                     gui::PopupMenu& menu) {
  return makeNotifyIcon(native(owner), hint, menu);
}

}  // namespace win32
