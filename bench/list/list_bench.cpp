// Loads and shows a long wallpaper list through the program's own start-up, saves it again, and
// compares with what a bare list box and a bare file write need for the same names and bytes.
// Prints, last, "list-load/bare-listbox=R list-save/bare-write=R".

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/program.h"
#include "core/list_file.h"
#include "core/paths.h"
#include "gui/win32/win32_gui.h"
#include "ui/main_form.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Message boxes would stop the clock; the benchmark answers them all with OK.
class QuietSystem : public win32::System {
 public:
  using win32::System::messageBox;
  int messageBox(const gui::Form*, const gui::MixedText&, const std::string&, unsigned) override {
    return IDOK;
  }
};

std::vector<std::string> makeEntries(const std::string& folder, int count) {
  std::vector<std::string> entries;
  entries.reserve(count);
  for (int i = 0; i < count; ++i) {
    entries.push_back(folder + "pictures\\holiday " + std::to_string(100000 + i) + ".jpg");
  }
  return entries;
}

// The quickest plain way: a hidden list box with its storage reserved, shown once it is full.
double bareListBox(const std::vector<std::string>& entries) {
  auto start = Clock::now();
  HWND list = CreateWindowExW(0, L"LISTBOX", L"", WS_POPUP | LBS_NOTIFY | WS_VSCROLL, 0, 0, 100,
                              200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageA(list, LB_INITSTORAGE, entries.size(), static_cast<LPARAM>(entries.size() * 24));
  for (const auto& entry : entries) {
    std::string name = core::fileNamePart(entry);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  ShowWindow(list, SW_SHOW);
  UpdateWindow(list);
  double seconds = secondsSince(start);
  DestroyWindow(list);
  return seconds;
}

double bareWrite(const std::string& path, const std::string& bytes) {
  auto start = Clock::now();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return secondsSince(start);
}

struct Timings {
  double load, save;
};

Timings programTimings(win32::Application& app, const std::string& programPath,
                       const std::string& listPath) {
  WritePrivateProfileStringA("GENERAL", "szSpisok", listPath.c_str(),
                             core::replaceExtension(programPath, ".ini").c_str());
  WritePrivateProfileStringA("GENERAL", "Splash", "0",
                             core::replaceExtension(programPath, ".ini").c_str());
  win32::Factory factory(app);
  QuietSystem system;
  Program program(factory, system, app);
  auto start = Clock::now();
  program.start();
  app.processMessages();
  double load = secondsSince(start);
  start = Clock::now();
  program.mainForm()->pm_saveClick();
  return {load, secondsSince(start)};
}

}  // namespace

int main() {
  win32::Application app;
  win32::System system;
  const std::string programPath = system.programPath();
  const std::string folder = core::folderWithDelimiter(programPath);
  double loadRatio = 0, saveRatio = 0;
  for (int count : {25000, 50000, 100000}) {
    const std::vector<std::string> entries = makeEntries(folder, count);
    const std::string bytes = core::formatListFile(entries);
    const std::string listPath = folder + "bench.wlt";
    bareWrite(listPath, bytes);
    Timings ours = programTimings(app, programPath, listPath);
    double bareLoad = bareListBox(entries);
    double bareSave = bareWrite(folder + "bare.wlt", bytes);
    loadRatio = ours.load / bareLoad;
    saveRatio = ours.save / bareSave;
    std::printf(
        "%6d entries: load+show %.3f s (bare list box %.3f s), save %.3f s (bare write %.3f s)\n",
        count, ours.load, bareLoad, ours.save, bareSave);
  }
  std::printf("list-load/bare-listbox=%.2f list-save/bare-write=%.2f\n", loadRatio, saveRatio);
  return 0;
}
