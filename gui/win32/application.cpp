#include <windows.h>

#include <commctrl.h>

#include "core/app_texts.h"
#include "gui/win32/events.h"
#include "gui/win32/text.h"
#include "gui/win32/win32_gui.h"
#include "gui/win32/window_class.h"

namespace win32 {
namespace {

constexpr wchar_t kApplicationClass[] = L"WallpaperApplication";

}  // namespace

Application::Application() {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  registerWindowClass(kApplicationClass, DefWindowProcW, nullptr);
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kApplicationClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
  setReportingApplication(this);
}

Application::~Application() {
  setReportingApplication(nullptr);
  DestroyWindow(window_);
}

void Application::setTitle(const std::string& title) {
  title_ = title;
  SetWindowTextW(window_, widen(title, gui::TextKind::SystemAnsi).c_str());
}

void Application::minimize() { fire(onMinimize); }

void Application::restore() {}

void Application::terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void Application::processMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated_ = true;
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Application::showException(const std::string& text) {
  MessageBoxW(GetActiveWindow(), widen(text, gui::TextKind::SystemAnsi).c_str(),
              widen(title_, gui::TextKind::SystemAnsi).c_str(), MB_OK | MB_ICONERROR);
}

void Application::run() {
  if (terminated_) return;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace win32
