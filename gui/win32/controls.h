#pragma once
// The standard controls over real child windows. Each owns its HWND and nothing else.

#include <windows.h>

#include <memory>

#include "gui/factory.h"
#include "gui/win32/events.h"

namespace win32 {

// Anything with a window that children can sit on.
class HasWindow {
 public:
  virtual ~HasWindow() = default;
  HWND hwnd() const { return hwnd_; }

 protected:
  HWND hwnd_ = nullptr;
};

HWND windowOf(const gui::Control* control);

std::unique_ptr<gui::Panel> makePanel(const gui::ControlArgs& args);
std::unique_ptr<gui::Button> makeButton(const gui::ControlArgs& args);
std::unique_ptr<gui::Label> makeLabel(const gui::ControlArgs& args, gui::LabelLook look);
std::unique_ptr<gui::Picture> makePicture(const gui::ControlArgs& args, gui::PictureLook look);
std::unique_ptr<gui::ListBox> makeListBox(const gui::ControlArgs& args);
std::unique_ptr<gui::SpinEdit> makeSpinEdit(const gui::ControlArgs& args, int minimum, int maximum);
std::unique_ptr<gui::ProgressBar> makeProgressBar(const gui::ControlArgs& args, int maximum);

}  // namespace win32
