// The program entry: one instance only, then the start-up and the message loop.

#include <windows.h>

#include <exception>

#include "app/program.h"
#include "core/app_texts.h"
#include "gui/win32/win32_gui.h"

namespace {

constexpr DWORD kMarkerSize = 1024;

// The mark of a running instance: a named mapping that lives as long as its first holder.
HANDLE createInstanceMarker(bool& alreadyRunning) {
  HANDLE marker = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kMarkerSize,
                                     "wallpaper_memfile");
  alreadyRunning = GetLastError() == ERROR_ALREADY_EXISTS;
  return marker;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  bool alreadyRunning = false;
  HANDLE marker = createInstanceMarker(alreadyRunning);
  if (alreadyRunning) {
    MessageBoxA(nullptr, "Error 0x00000003! Refer to developer!", core::kAppTitle.data(),
                MB_ICONERROR);
    return 0;
  }
  win32::Application app;
  try {
    win32::Factory factory(app);
    win32::System system;
    Program program(factory, system, app);
    program.start();
    app.run();
  } catch (const std::exception& error) {
    app.showException(error.what());
  } catch (...) {
    app.showException("");
  }
  CloseHandle(marker);
  return 0;
}
