#include "box_watcher.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

struct ButtonName {
  int id;
  const char* name;
};
constexpr ButtonName kButtons[] = {
    {IDOK, "ok"},       {IDCANCEL, "cancel"},     {IDABORT, "abort"},
    {IDRETRY, "retry"}, {IDIGNORE, "ignore"},     {IDYES, "yes"},
    {IDNO, "no"},       {IDTRYAGAIN, "tryagain"}, {IDCONTINUE, "continue"}};

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::string utf8(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size,
                                                                nullptr, 0, nullptr, nullptr)),
                   '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), static_cast<int>(utf8.size()),
                      nullptr, nullptr);
  return utf8;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool Shown(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0; }

BOOL CALLBACK FindIcon(HWND child, LPARAM found) {
  wchar_t class_name[16] = {};
  GetClassNameW(child, class_name, 16);
  if (lstrcmpiW(class_name, L"Static") == 0 &&
      (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
    *reinterpret_cast<HICON*>(found) =
        reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    return FALSE;
  }
  return TRUE;
}

// The system icons are shared, so the box shows the very handle that LoadIcon gives us.
const char* IconName(HWND box) {
  HICON icon = nullptr;
  EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&icon));
  if (!icon) return "none";
  const std::pair<LPCSTR, const char*> icons[] = {{IDI_INFORMATION, "information"},
                                                  {IDI_QUESTION, "question"},
                                                  {IDI_WARNING, "warning"},
                                                  {IDI_ERROR, "error"}};
  for (const auto& [id, name] : icons) {
    if (LoadIconA(nullptr, id) == icon) return name;
  }
  return "other";
}

BOOL CALLBACK CollectBox(HWND window, LPARAM boxes) {
  wchar_t class_name[16] = {};
  GetClassNameW(window, class_name, 16);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId() && lstrcmpW(class_name, L"#32770") == 0 &&
      IsWindowVisible(window)) {
    reinterpret_cast<std::vector<HWND>*>(boxes)->push_back(window);
  }
  return TRUE;
}

}  // namespace

BoxWatcher::BoxWatcher(std::string answer)
    : answer_(std::move(answer)),
      stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      thread_(CreateThread(nullptr, 0, Watch, this, 0, nullptr)) {}

BoxWatcher::~BoxWatcher() {
  SetEvent(stop_);
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
  CloseHandle(stop_);
}

DWORD WINAPI BoxWatcher::Watch(void* self) {
  auto* watcher = static_cast<BoxWatcher*>(self);
  while (WaitForSingleObject(watcher->stop_, 50) == WAIT_TIMEOUT) watcher->AnswerBoxes();
  return 0;
}

// Prints "box<TAB>caption<TAB>icon<TAB>buttons<TAB>text" in UTF-8 and presses the answer.
void BoxWatcher::AnswerBoxes() {
  std::vector<HWND> boxes;
  EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&boxes));
  for (const HWND box : boxes) {
    std::string buttons;
    HWND press = nullptr;
    for (const ButtonName& button : kButtons) {
      const HWND control = GetDlgItem(box, button.id);
      if (!control || !Shown(control)) continue;
      buttons += (buttons.empty() ? "" : ",") + std::string(button.name);
      if (!press || answer_ == button.name) press = control;
    }
    std::printf("box\t%s\t%s\t%s\t%s\n", Utf8(WindowText(box)).c_str(), IconName(box),
                buttons.c_str(), Utf8(WindowText(GetDlgItem(box, 0xFFFF))).c_str());
    std::fflush(stdout);
    if (press) SendMessageW(press, BM_CLICK, 0, 0);
  }
}
