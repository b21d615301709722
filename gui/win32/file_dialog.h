#pragma once
// The system's file open and save dialogs, telling their owner when the user changes folder.

#include <windows.h>

#include <memory>

#include "gui/widgets.h"

namespace win32 {

std::unique_ptr<gui::FileDialog> makeFileDialog(HWND owner, bool save);

}  // namespace win32
