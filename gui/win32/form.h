#pragma once
// A top-level window of the program. It owns what sends it messages: the commands of its
// menus, its timers and its notification-area icon.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>

#include "gui/factory.h"
#include "gui/win32/controls.h"

namespace win32 {

class Form : public gui::Form, public HasWindow {
 public:
  // `owner` is the hidden application window, so that only the windows that ask for one get a
  // taskbar button.
  Form(const gui::FormArgs& args, HWND owner, bool taskbarButton);
  ~Form() override;

  void setText(const std::string& text) override;
  std::string text() const override { return text_; }
  void setEnabled(bool enabled) override { EnableWindow(hwnd_, enabled); }
  bool enabled() const override { return IsWindowEnabled(hwnd_) != FALSE; }
  void setVisible(bool visible) override;
  bool visible() const override { return IsWindowVisible(hwnd_) != FALSE; }
  gui::Rect bounds() const override;
  void setBounds(const gui::Rect& bounds) override;
  void show() override { setVisible(true); }
  void hide() override { setVisible(false); }
  void acceptDroppedFiles() override;
  void unregisterHotKey(int id) override { UnregisterHotKey(hwnd_, id); }

  // Menu commands, timer ticks and icon messages that this window hands on.
  void addCommand(int id, std::function<void()> handler) { commands_[id] = std::move(handler); }
  void addTimer(UINT_PTR id, std::function<void()> handler) { timers_[id] = std::move(handler); }
  void removeTimer(UINT_PTR id) { timers_.erase(id); }
  static constexpr UINT kNotifyIconMessage = WM_APP + 1;
  std::function<void(LPARAM event)> onNotifyIcon;

 private:
  static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void dropFiles(HDROP drop);

  std::string text_;
  bool placed_ = false;  // centred on the desktop at its first showing unless placed
  std::map<int, std::function<void()>> commands_;
  std::map<UINT_PTR, std::function<void()>> timers_;
};

}  // namespace win32
