#pragma once
// Window timers: each ticks through the window that owns it.

#include <memory>

#include "gui/widgets.h"
#include "gui/win32/events.h"
#include "gui/win32/form.h"

namespace win32 {

std::unique_ptr<gui::Timer> makeTimer(Form& owner);

}  // namespace win32
