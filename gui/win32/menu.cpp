#include "gui/win32/menu.h"

#include "gui/win32/text.h"

namespace win32 {
namespace {

class PopupMenu : public gui::PopupMenu {
 public:
  explicit PopupMenu(Form& owner) : owner_(owner), menu_(CreatePopupMenu()) {}
  ~PopupMenu() override { DestroyMenu(menu_); }
  void popup(int x, int y) override {
    // The owner must be in front, or the menu does not close when the user clicks elsewhere.
    SetForegroundWindow(owner_.hwnd());
    TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, x, y, 0, owner_.hwnd(),
                   nullptr);
    PostMessageW(owner_.hwnd(), WM_NULL, 0, 0);
  }
  HMENU handle() const { return menu_; }
  Form& owner() { return owner_; }

 private:
  Form& owner_;
  HMENU menu_;
};

class MenuItem : public gui::MenuItem {
 public:
  MenuItem(PopupMenu& menu, const std::string& text, int commandId, bool isDefault)
      : menu_(menu.handle()), id_(static_cast<UINT>(commandId)), text_(text) {
    if (text.empty()) {
      AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
      return;
    }
    AppendMenuW(menu_, MF_STRING, id_, widen(text, gui::TextKind::Interface).c_str());
    if (isDefault) SetMenuDefaultItem(menu_, id_, FALSE);
    menu.owner().addCommand(commandId, [this] {
      if (onClick) onClick();
    });
  }
  // Only the text changes; the item keeps its state, the default mark among it.
  void setText(const std::string& text) override {
    text_ = text;
    std::wstring wide = widen(text, gui::TextKind::Interface);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = wide.data();
    SetMenuItemInfoW(menu_, id_, FALSE, &info);
  }
  std::string text() const override { return text_; }
  void setEnabled(bool enabled) override {
    EnableMenuItem(menu_, id_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  }
  bool enabled() const override {
    return (GetMenuState(menu_, id_, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
  }

 private:
  HMENU menu_;
  UINT id_;
  std::string text_;
};

}  // namespace

std::unique_ptr<gui::PopupMenu> makePopupMenu(Form& owner) {
  return std::make_unique<PopupMenu>(owner);
}

std::unique_ptr<gui::MenuItem> makeMenuItem(gui::PopupMenu& menu, const std::string& text,
                                            int commandId, bool isDefault) {
  return std::make_unique<MenuItem>(static_cast<PopupMenu&>(menu), text, commandId, isDefault);
}

void popupAtCursor(gui::PopupMenu& menu) {
  POINT cursor;
  GetCursorPos(&cursor);
  menu.popup(cursor.x, cursor.y);
}

}  // namespace win32
