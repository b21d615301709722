#pragma once
// What every child control shares: creation from the layout arguments, enabled and visible.

#include <windows.h>

#include <string>

#include "gui/factory.h"
#include "gui/win32/controls.h"
#include "gui/win32/look.h"
#include "gui/win32/text.h"

namespace win32 {

HWND createChild(const wchar_t* windowClass, DWORD style, DWORD exStyle,
                 const gui::ControlArgs& args, HFONT font = interfaceFont());

template <class Base>
class ChildWindow : public Base, public HasWindow, public ChildNotifications {
 public:
  ~ChildWindow() override {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  void setEnabled(bool enabled) override { EnableWindow(hwnd_, enabled); }
  bool enabled() const override { return IsWindowEnabled(hwnd_) != FALSE; }
  void setVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE); }
  bool visible() const override { return (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }

 protected:
  void adopt(HWND hwnd) {
    hwnd_ = hwnd;
    attachNotifications(hwnd_, this);
  }
};

// A child whose text the program sets; the bytes it was given are the bytes it gives back.
template <class Base>
class TextChildWindow : public ChildWindow<Base> {
 public:
  void setText(const std::string& text) override {
    text_ = text;
    SetWindowTextW(this->hwnd_, widen(text, kind_).c_str());
  }
  std::string text() const override { return text_; }

 protected:
  void adoptText(HWND hwnd, const gui::ControlArgs& args) {
    this->adopt(hwnd);
    kind_ = args.textKind;
    text_ = args.text;
  }
  gui::TextKind kind_ = gui::TextKind::Interface;
  std::string text_;
};

}  // namespace win32
