#pragma once
// Window texts are shown through the wide calls, so the Russian texts read right whatever the
// system's ANSI code page is.

#include <windows.h>

#include <string>

#include "gui/widgets.h"

namespace win32 {

std::wstring widen(const std::string& bytes, gui::TextKind kind);
std::string narrow(const std::wstring& text, gui::TextKind kind);

}  // namespace win32
