#pragma once

#include <windows.h>

namespace win32 {

// Registers a window class of the program the first time it is asked for.
void registerWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background, UINT style = 0);

// The object behind one of the program's own windows, kept in GWLP_USERDATA from creation on.
template <class T>
T* windowObject(HWND hwnd, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace win32
