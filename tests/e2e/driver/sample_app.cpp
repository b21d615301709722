// sample_app.exe: the windows the driver's own test works: a list box with Cyrillic items,
// buttons that show message boxes (Yes/No with a question icon, OK with a warning) and two that
// open the file dialogs. What the
// user did goes to sample.log in the current folder, a UTF-8 line each.
#include <windows.h>
// After windows.h: it needs its types.
#include <commdlg.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kListId = 100;
constexpr int kAskId = 101;
constexpr int kOpenId = 102;
constexpr int kSaveId = 103;
constexpr int kWarnId = 104;
// Not 0, so the test sees that the harness passes the exit code through.
constexpr int kExitCode = 3;

void log_line(const std::wstring& line) {
  int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8.data(), size, nullptr, nullptr);
  if (FILE* log = std::fopen("sample.log", "ab")) {
    std::fprintf(log, "%s\n", utf8.c_str());
    std::fclose(log);
  }
}

void ask(HWND owner) {
  int choice = MessageBoxW(owner, L"Удалить «Груша»?\nЭто C:\\навсегда.", L"Вопрос",
                           MB_YESNO | MB_ICONQUESTION);
  log_line(choice == IDYES ? L"answer=yes" : L"answer=no");
}

void warn(HWND owner) {
  MessageBoxW(owner, L"Осторожно", L"Внимание", MB_OK | MB_ICONWARNING);
  log_line(L"warned");
}

// The program under test hooks its dialog to follow folder changes; so does the sample.
UINT_PTR CALLBACK dialog_hook(HWND, UINT, WPARAM, LPARAM) { return 0; }

// Logs "open=PATH" or "save=PATH", or "open=cancelled" and the like.
void choose_file(HWND owner, bool save) {
  char path[MAX_PATH] = "";
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = "Pictures\0*.bmp;*.jpg\0All files\0*.*\0";
  ofn.lpstrFile = path;
  ofn.nMaxFile = MAX_PATH;
  ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY |
              (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  ofn.lpfnHook = dialog_hook;
  std::wstring line = save ? L"save=" : L"open=";
  if (!(save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn))) {
    log_line(line + L"cancelled");
    return;
  }
  wchar_t wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH);
  log_line(line + wide);
}

void add_button(HWND window, const wchar_t* caption, int id, int top) {
  CreateWindowExW(0, L"Button", caption, WS_CHILD | WS_VISIBLE, 220, top, 80, 24, window,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                  nullptr);
}

void create_controls(HWND window) {
  auto instance = GetModuleHandleW(nullptr);
  HWND list =
      CreateWindowExW(WS_EX_CLIENTEDGE, L"ListBox", L"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 10, 10,
                      200, 120, window, reinterpret_cast<HMENU>(kListId), instance, nullptr);
  for (const wchar_t* item : {L"Яблоко", L"Груша", L"Слива"})
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  add_button(window, L"&Ask", kAskId, 10);
  add_button(window, L"&Open", kOpenId, 40);
  add_button(window, L"&Save", kSaveId, 70);
  add_button(window, L"&Warn", kWarnId, 100);
}

void on_command(HWND window, WPARAM wparam) {
  if (LOWORD(wparam) == kAskId) ask(window);
  if (LOWORD(wparam) == kOpenId) choose_file(window, false);
  if (LOWORD(wparam) == kSaveId) choose_file(window, true);
  if (LOWORD(wparam) == kWarnId) warn(window);
  if (LOWORD(wparam) == kListId && HIWORD(wparam) == LBN_SELCHANGE) {
    auto index = SendDlgItemMessageW(window, kListId, LB_GETCURSEL, 0, 0);
    log_line(L"selected=" + std::to_wstring(index));
  }
}

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      create_controls(window);
      return 0;
    case WM_COMMAND:
      on_command(window, wparam);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(kExitCode);
      return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = window_proc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"DriverSample";
  RegisterClassW(&window_class);
  HWND window = CreateWindowExW(0, L"DriverSample", L"Образец драйвера", WS_OVERLAPPEDWINDOW, 100,
                                100, 320, 180, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
