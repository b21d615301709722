#pragma once
// The program's icon in the notification area; its messages come through its owner window.

#include <memory>
#include <string>

#include "gui/widgets.h"
#include "gui/win32/events.h"
#include "gui/win32/form.h"

namespace win32 {

std::unique_ptr<gui::NotifyIcon> makeNotifyIcon(Form& owner, const std::string& hint,
                                                gui::PopupMenu& menu);

}  // namespace win32
