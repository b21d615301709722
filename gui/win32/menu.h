#pragma once
// Popup menus whose items send their command ids to the window that owns the menu.

#include <memory>
#include <string>

#include "gui/widgets.h"
#include "gui/win32/form.h"

namespace win32 {

std::unique_ptr<gui::PopupMenu> makePopupMenu(Form& owner);
std::unique_ptr<gui::MenuItem> makeMenuItem(gui::PopupMenu& menu, const std::string& text,
                                            int commandId, bool isDefault);
// Opens a popup menu at the pointer, the way a notification-area icon does.
void popupAtCursor(gui::PopupMenu& menu);

}  // namespace win32
