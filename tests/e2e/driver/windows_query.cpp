#include "windows_query.h"

#include <algorithm>

#include "arguments.h"
#include "text.h"

namespace {

constexpr UINT kSendTimeoutMs = 3000;
constexpr DWORD kPollMs = 40;

BOOL CALLBACK collect(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

void add_descendants(HWND parent, std::vector<HWND>& list) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    list.push_back(child);
    add_descendants(child, list);
  }
}

}  // namespace

LRESULT send_with_timeout(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, message, wparam, lparam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &result))
    throw WindowError("window " + format_handle(hwnd) + " is gone or does not answer");
  return static_cast<LRESULT>(result);
}

std::string window_text(HWND hwnd) {
  auto length = static_cast<size_t>(send_with_timeout(hwnd, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  auto copied = static_cast<size_t>(
      send_with_timeout(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return narrow(text);
}

std::string window_title(HWND hwnd) {
  std::wstring title(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  title.resize(
      static_cast<size_t>(GetWindowTextW(hwnd, title.data(), static_cast<int>(title.size()))));
  return narrow(title);
}

std::string window_class(HWND hwnd) {
  wchar_t name[256];
  int length = GetClassNameW(hwnd, name, 256);
  return narrow(std::wstring(name, static_cast<size_t>(length > 0 ? length : 0)));
}

DWORD owner_pid(HWND hwnd) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

std::vector<HWND> top_level_windows() {
  std::vector<HWND> list;
  EnumWindows(collect, reinterpret_cast<LPARAM>(&list));
  return list;
}

std::vector<HWND> descendants(HWND parent) {
  std::vector<HWND> list;
  add_descendants(parent, list);
  return list;
}

void require_window(HWND hwnd) {
  if (!IsWindow(hwnd)) throw WindowError("no window " + format_handle(hwnd));
}

HWND wait_for(const std::function<HWND()>& find, DWORD timeout_ms) {
  DWORD start = GetTickCount();
  for (;;) {
    if (HWND hwnd = find()) return hwnd;
    if (GetTickCount() - start >= timeout_ms) return nullptr;
    Sleep(kPollMs);
  }
}

bool stays_absent(const std::function<HWND()>& find, DWORD period_ms) {
  return wait_for(find, period_ms) == nullptr;
}

bool wait_gone(HWND hwnd, DWORD timeout_ms) {
  return wait_for([hwnd] { return IsWindow(hwnd) ? nullptr : hwnd; }, timeout_ms) != nullptr;
}
