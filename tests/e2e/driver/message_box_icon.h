// Which standard icon a message box shows. Wine gives no access to another process's icon
// handle, so the icon is told by its pixels on the screen.
#pragma once

#include <windows.h>

#include <string>

// "question", "warning", "error", "information", or "" when none of them is drawn there.
std::string standard_icon_at(HWND icon_static);
