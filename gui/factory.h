#pragma once
// Creates the controls of a window from plain arguments, so a window's layout reads like a table.

#include <memory>
#include <string>

#include "gui/widgets.h"

namespace gui {

struct ControlArgs {
  std::string name;           // the control's name, by which tests find it
  Control* parent = nullptr;  // the Form or Panel it sits on
  Rect rect;                  // relative to the parent's client area
  std::string text;
  TextKind textKind = TextKind::Interface;
};

struct FormArgs {
  std::string name;
  std::string caption;
  int clientWidth = 0;
  int clientHeight = 0;
  bool dialogFrame = true;  // fixed border with the close box only
  bool popup = false;       // no frame at all (the splash)
};

enum class LabelLook { Plain, WhiteBold };

// What a picture shows before it is given one: nothing, the glossy band of the headers, the
// program's logo, or the splash's title picture.
enum class PictureLook { Empty, Band, Logo, Title };

struct FileDialogArgs {
  std::string name;
  const Form* owner = nullptr;
  bool save = false;
};

class Factory {
 public:
  virtual ~Factory() = default;
  virtual std::unique_ptr<Form> form(const FormArgs& args) = 0;
  virtual std::unique_ptr<Panel> panel(const ControlArgs& args) = 0;
  virtual std::unique_ptr<Button> button(const ControlArgs& args) = 0;
  virtual std::unique_ptr<Label> label(const ControlArgs& args, LabelLook look) = 0;
  virtual std::unique_ptr<Picture> picture(const ControlArgs& args, PictureLook look) = 0;
  virtual std::unique_ptr<ListBox> listBox(const ControlArgs& args) = 0;
  virtual std::unique_ptr<SpinEdit> spinEdit(const ControlArgs& args, int minimum, int maximum) = 0;
  virtual std::unique_ptr<ProgressBar> progressBar(const ControlArgs& args, int maximum) = 0;
  virtual std::unique_ptr<Timer> timer(Form& owner, const std::string& name) = 0;
  virtual std::unique_ptr<PopupMenu> popupMenu(Form& owner, const std::string& name) = 0;
  // Items join their menu in the order they are made; an empty text makes a separator. The
  // command id is what the item sends to its window when chosen.
  virtual std::unique_ptr<MenuItem> menuItem(PopupMenu& menu, const std::string& name,
                                             const std::string& text, int commandId,
                                             bool isDefault = false) = 0;
  virtual std::unique_ptr<FileDialog> fileDialog(const FileDialogArgs& args) = 0;
  virtual std::unique_ptr<NotifyIcon> notifyIcon(Form& owner, const std::string& hint,
                                                 PopupMenu& menu) = 0;
};

}  // namespace gui
