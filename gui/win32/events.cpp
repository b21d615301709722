#include "gui/win32/events.h"

namespace win32 {
namespace {

gui::Application* reportingApp = nullptr;

ChildNotifications* targetOf(HWND child) {
  return child ? reinterpret_cast<ChildNotifications*>(GetWindowLongPtrW(child, GWLP_USERDATA))
               : nullptr;
}

}  // namespace

void attachNotifications(HWND child, ChildNotifications* target) {
  SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
}

bool reflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND child = reinterpret_cast<HWND>(lParam);
  switch (message) {
    case WM_COMMAND:
      if (ChildNotifications* target = targetOf(child)) {
        target->onCommand(HIWORD(wParam));
        result = 0;
        return true;
      }
      return false;
    case WM_VSCROLL:
      if (ChildNotifications* target = targetOf(child)) {
        target->onScroll();
        result = 0;
        return true;
      }
      return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      if (ChildNotifications* target = targetOf(child)) {
        if (HBRUSH brush = target->onColor(reinterpret_cast<HDC>(wParam))) {
          result = reinterpret_cast<LRESULT>(brush);
          return true;
        }
      }
      return false;
    default:
      return false;
  }
}

void setReportingApplication(gui::Application* app) { reportingApp = app; }

void fire(const gui::Handler& handler) {
  if (!handler) return;
  if (reportingApp) {
    gui::runGuarded(*reportingApp, handler);
  } else {
    handler();
  }
}

}  // namespace win32
