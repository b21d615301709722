#include "message_box_icon.h"

#include <cstdlib>
#include <vector>

namespace {

struct StandardIcon {
  const char* name;
  LPCWSTR id;
};
const StandardIcon kIcons[] = {{"question", IDI_QUESTION},
                               {"warning", IDI_WARNING},
                               {"error", IDI_ERROR},
                               {"information", IDI_INFORMATION}};

// A 32-bit top-down bitmap of `size` x `size` pixels to draw into and read back.
class Canvas {
 public:
  explicit Canvas(int size) : size_(size), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size;
    info.bmiHeader.biHeight = -size;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<DWORD*>(bits);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  std::vector<DWORD> pixels() const {
    GdiFlush();
    return {bits_, bits_ + size_ * size_};
  }
  void set_pixels(const std::vector<DWORD>& pixels) {
    std::copy(pixels.begin(), pixels.end(), bits_);
  }

 private:
  int size_;
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  DWORD* bits_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

bool close_colours(DWORD a, DWORD b) {
  constexpr int kTolerance = 48;
  for (int shift = 0; shift < 24; shift += 8) {
    int difference = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(difference) > kTolerance) return false;
  }
  return true;
}

// Pixels that change when the icon is drawn over the screen where it should already be.
size_t changed_pixels(Canvas& canvas, const std::vector<DWORD>& screen, HICON icon, int size) {
  canvas.set_pixels(screen);
  DrawIconEx(canvas.dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  std::vector<DWORD> drawn = canvas.pixels();
  size_t changed = 0;
  for (size_t i = 0; i < screen.size(); ++i)
    if (!close_colours(screen[i], drawn[i])) ++changed;
  return changed;
}

}  // namespace

std::string standard_icon_at(HWND icon_static) {
  if (!IsWindowVisible(icon_static)) return "";
  int size = GetSystemMetrics(SM_CXICON);
  RECT r{};
  GetWindowRect(icon_static, &r);
  Canvas canvas(size);
  HDC screen_dc = GetDC(nullptr);
  BitBlt(canvas.dc(), 0, 0, size, size, screen_dc, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen_dc);
  std::vector<DWORD> screen = canvas.pixels();
  // A few edge pixels blend twice; a different icon changes a good part of the square.
  size_t best = screen.size() / 20;
  std::string name;
  for (const auto& icon : kIcons) {
    size_t changed = changed_pixels(canvas, screen, LoadIconW(nullptr, icon.id), size);
    if (changed < best) {
      best = changed;
      name = icon.name;
    }
  }
  return name;
}
