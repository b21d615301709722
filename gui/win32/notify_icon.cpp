#include "gui/win32/notify_icon.h"

#include <shellapi.h>

#include <cstring>

#include "gui/win32/menu.h"
#include "gui/win32/text.h"

namespace win32 {
namespace {

// A small icon of our own, drawn rather than loaded: a blue frame holding a landscape.
HICON drawIcon() {
  constexpr int kSize = 16;
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = kSize;
  header.bV5Height = -kSize;
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP color = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                   &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      bool frame = x == 0 || y == 0 || x == kSize - 1 || y == kSize - 1;
      bool hill = y > 9 - (x % 8 < 4 ? x % 8 : 8 - x % 8);
      std::uint32_t rgb = frame ? 0x1F4E9Au : hill ? 0x2E8B57u : 0x87CEEBu;
      pixels[y * kSize + x] = 0xFF000000u | rgb;
    }
  }
  HBITMAP mask = CreateBitmap(kSize, kSize, 1, 1, nullptr);
  ICONINFO info{TRUE, 0, 0, mask, color};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(color);
  return icon;
}

class NotifyIcon : public gui::NotifyIcon {
 public:
  NotifyIcon(Form& owner, const std::string& hint, gui::PopupMenu& menu)
      : owner_(owner), menu_(menu) {
    data_.cbSize = sizeof data_;
    data_.hWnd = owner.hwnd();
    data_.uID = 1;
    data_.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
    data_.uCallbackMessage = Form::kNotifyIconMessage;
    data_.hIcon = drawIcon();
    std::wstring tip = widen(hint, gui::TextKind::Interface);
    wcsncpy(data_.szTip, tip.c_str(), sizeof data_.szTip / sizeof data_.szTip[0] - 1);
    Shell_NotifyIconW(NIM_ADD, &data_);
    owner.onNotifyIcon = [this](LPARAM event) { handle(static_cast<UINT>(event)); };
  }
  ~NotifyIcon() override {
    Shell_NotifyIconW(NIM_DELETE, &data_);
    DestroyIcon(data_.hIcon);
    owner_.onNotifyIcon = nullptr;
  }

 private:
  void handle(UINT event) {
    switch (event) {
      case WM_LBUTTONUP:
        fire(onClick);
        break;
      case WM_LBUTTONDBLCLK:
        fire(onDoubleClick);
        break;
      case WM_RBUTTONUP:
        popupAtCursor(menu_);
        break;
      default:
        break;
    }
  }
  Form& owner_;
  gui::PopupMenu& menu_;
  NOTIFYICONDATAW data_{};
};

}  // namespace

std::unique_ptr<gui::NotifyIcon> makeNotifyIcon(Form& owner, const std::string& hint,
                                                gui::PopupMenu& menu) {
  return std::make_unique<NotifyIcon>(owner, hint, menu);
}

}  // namespace win32
