#include "gui/win32/form.h"

#include <shellapi.h>

#include <vector>

#include "gui/win32/events.h"
#include "gui/win32/look.h"
#include "gui/win32/text.h"
#include "gui/win32/window_class.h"

namespace win32 {
namespace {

DWORD styleOf(const gui::FormArgs& args) {
  if (args.popup) return WS_POPUP | WS_CLIPCHILDREN;
  return WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (args.dialogFrame ? 0 : WS_THICKFRAME);
}

}  // namespace

Form::Form(const gui::FormArgs& args, HWND owner, bool taskbarButton) : text_(args.caption) {
  std::wstring className = widen(args.name, gui::TextKind::SystemAnsi);
  registerWindowClass(className.c_str(), procedure, GetSysColorBrush(COLOR_BTNFACE), CS_DBLCLKS);
  DWORD style = styleOf(args);
  DWORD exStyle = taskbarButton ? WS_EX_APPWINDOW : 0;
  RECT frame{0, 0, args.clientWidth, args.clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  hwnd_ = CreateWindowExW(
      exStyle, className.c_str(), widen(args.caption, gui::TextKind::SystemAnsi).c_str(), style,
      CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, owner,
      nullptr, GetModuleHandleW(nullptr), this);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(interfaceFont()), FALSE);
}

Form::~Form() {
  for (const auto& timer : timers_) KillTimer(hwnd_, timer.first);
  DestroyWindow(hwnd_);
}

void Form::setText(const std::string& text) {
  text_ = text;
  SetWindowTextW(hwnd_, widen(text, gui::TextKind::SystemAnsi).c_str());
}

void Form::setVisible(bool visible) {
  if (visible && !placed_) {
    RECT frame;
    GetWindowRect(hwnd_, &frame);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    placed_ = true;
  }
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
  if (visible) SetForegroundWindow(hwnd_);
}

gui::Rect Form::bounds() const {
  RECT frame;
  GetWindowRect(hwnd_, &frame);
  return {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top};
}

void Form::setBounds(const gui::Rect& bounds) {
  MoveWindow(hwnd_, bounds.left, bounds.top, bounds.width, bounds.height, TRUE);
  placed_ = true;
}

void Form::acceptDroppedFiles() { DragAcceptFiles(hwnd_, TRUE); }

void Form::dropFiles(HDROP drop) {
  std::vector<std::string> paths;
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    char path[MAX_PATH] = {};
    DragQueryFileA(drop, i, path, MAX_PATH);
    paths.emplace_back(path);
  }
  DragFinish(drop);
  if (onDropFiles) fire([&] { onDropFiles(paths); });
}

LRESULT CALLBACK Form::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* self = windowObject<Form>(hwnd, message, lParam);
  if (!self || !self->hwnd_) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->handle(message, wParam, lParam);
}

LRESULT Form::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (reflectToChild(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0) {
        auto command = commands_.find(LOWORD(wParam));
        if (command != commands_.end()) fire(command->second);
        return 0;
      }
      break;
    case WM_TIMER: {
      auto timer = timers_.find(wParam);
      if (timer != timers_.end()) fire(timer->second);
      return 0;
    }
    case WM_CLOSE: {
      bool mayClose = true;
      if (onCloseQuery) fire([&] { mayClose = onCloseQuery(); });
      if (mayClose) hide();
      return 0;
    }
    case WM_HOTKEY:
      if (onHotKey) fire([&] { onHotKey(static_cast<int>(wParam)); });
      return 0;
    case WM_QUERYENDSESSION:
      // The program never objects; it saves its state after answering.
      if (onQueryEndSession) fire(onQueryEndSession);
      return TRUE;
    case WM_DROPFILES:
      dropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case kNotifyIconMessage:
      if (onNotifyIcon) onNotifyIcon(lParam);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace win32
