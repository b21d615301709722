#pragma once
// How notifications travel from the system to the controls: a parent window hands each child
// notification back to the control it concerns, and every handler runs guarded.

#include <windows.h>

#include "gui/system.h"

namespace win32 {

// A child control that wants its own notifications; kept in the child's GWLP_USERDATA.
class ChildNotifications {
 public:
  virtual ~ChildNotifications() = default;
  virtual void onCommand(WORD /*code*/) {}
  virtual void onScroll() {}
  // A brush for the child's background, or null for the default.
  virtual HBRUSH onColor(HDC /*dc*/) { return nullptr; }
};

void attachNotifications(HWND child, ChildNotifications* target);

// Passes WM_COMMAND, WM_VSCROLL and WM_CTLCOLOR* of a child to its control; true when handled.
bool reflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The application every event handler reports its errors to.
void setReportingApplication(gui::Application* app);
void fire(const gui::Handler& handler);

}  // namespace win32
