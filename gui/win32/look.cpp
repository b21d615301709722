#include "gui/win32/look.h"

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

}  // namespace win32
