#include "gui/win32/look.h"

#include <algorithm>

namespace win32 {
namespace {

HFONT makeFont(int height, int weight) {
  return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
}

}  // namespace

HFONT interfaceFont() {
  static HFONT font = makeFont(-11, FW_NORMAL);
  return font;
}

HFONT largeFont() {
  static HFONT font = makeFont(-13, FW_NORMAL);
  return font;
}

HFONT whiteBoldFont() {
  static HFONT font = makeFont(-16, FW_BOLD);
  return font;
}

HBRUSH listBrush() {
  static HBRUSH brush = CreateSolidBrush(kListColor);
  return brush;
}

HBRUSH panelBrush() {
  static HBRUSH brush = CreateSolidBrush(kPanelColor);
  return brush;
}

void paintBand(HDC dc, const RECT& area) {
  int height = area.bottom - area.top;
  for (int y = 0; y < height; ++y) {
    int shade = 200 - (190 * y) / (height > 1 ? height - 1 : 1);
    RECT row{area.left, area.top + y, area.right, area.top + y + 1};
    HBRUSH brush = CreateSolidBrush(RGB(shade, shade, shade + 4 > 255 ? 255 : shade + 4));
    FillRect(dc, &row, brush);
    DeleteObject(brush);
  }
}

void paintLogo(HDC dc, const RECT& area) {
  int width = area.right - area.left, height = area.bottom - area.top;
  for (int y = 0; y < height; ++y) {
    RECT row{area.left, area.top + y, area.right, area.top + y + 1};
    int t = 255 * y / (height > 1 ? height - 1 : 1);
    HBRUSH brush = CreateSolidBrush(RGB(40 + t * 180 / 255, 50 + t * 80 / 255, 110 - t * 40 / 255));
    FillRect(dc, &row, brush);
    DeleteObject(brush);
  }
  HBRUSH sun = CreateSolidBrush(RGB(255, 226, 150));
  HPEN none = static_cast<HPEN>(GetStockObject(NULL_PEN));
  HGDIOBJ oldPen = SelectObject(dc, none);
  HGDIOBJ oldBrush = SelectObject(dc, sun);
  int r = std::max(3, width / 7);
  Ellipse(dc, area.left + width * 3 / 5 - r, area.top + height * 3 / 5 - r,
          area.left + width * 3 / 5 + r, area.top + height * 3 / 5 + r);
  HBRUSH hills = CreateSolidBrush(RGB(30, 30, 52));
  SelectObject(dc, hills);
  Ellipse(dc, area.left - width / 3, area.top + height * 2 / 3, area.left + width * 2 / 3,
          area.bottom + height / 2);
  Ellipse(dc, area.left + width / 3, area.top + height * 7 / 10, area.right + width / 2,
          area.bottom + height / 2);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(sun);
  DeleteObject(hills);
}

void paintTitle(HDC dc, const RECT& area) {
  paintLogo(dc, area);
  static HFONT font =
      CreateFontW(-40, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT text{area.left, area.top + 60, area.right, area.top + 120};
  DrawTextW(dc, L"Varnok Wallpaper 2008", -1, &text, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
  SelectObject(dc, old);
}

}  // namespace win32
