#pragma once
// The program's dark look: fonts and brushes made once and kept for the whole run.

#include <windows.h>

namespace win32 {

constexpr COLORREF kListColor = RGB(228, 233, 240);  // list box, spin edit and hints
constexpr COLORREF kPanelColor = RGB(38, 38, 40);

HFONT interfaceFont();  // "MS Sans Serif", 8 pt
HFONT largeFont();      // the spin edit's 13-pixel font
HFONT whiteBoldFont();  // the white counters on the panels
HBRUSH listBrush();
HBRUSH panelBrush();

// The glossy header band: light grey at the top to near black at the bottom.
void paintBand(HDC dc, const RECT& area);

// The program's drawn pictures: a landscape at dusk for the logo, and the title picture of the
// splash, the same landscape wide with the program's name over it.
void paintLogo(HDC dc, const RECT& area);
void paintTitle(HDC dc, const RECT& area);

}  // namespace win32
