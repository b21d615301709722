// Reading other processes' windows without hanging on a busy one.
#pragma once

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// The window is gone or does not answer: the driver exits with 1.
struct WindowError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The text through WM_GETTEXT, so edit boxes give their contents, not just a title.
std::string window_text(HWND hwnd);
// The title Windows keeps for every window: no message, so a busy window cannot stall a search.
std::string window_title(HWND hwnd);
std::string window_class(HWND hwnd);
DWORD owner_pid(HWND hwnd);

std::vector<HWND> top_level_windows();
// All descendants, parents before their children, siblings in Z order.
std::vector<HWND> descendants(HWND parent);

void require_window(HWND hwnd);

// Sends with a time-out so a hung target fails the call instead of the driver.
LRESULT send_with_timeout(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Polls `find` until it gives a window or `timeout_ms` has passed; nullptr then.
HWND wait_for(const std::function<HWND()>& find, DWORD timeout_ms);
// True when `find` gives no window at any poll during `period_ms`.
bool stays_absent(const std::function<HWND()>& find, DWORD period_ms);
// True when the window is destroyed within `timeout_ms`.
bool wait_gone(HWND hwnd, DWORD timeout_ms);
