// What the program's windows share of their look: the screen's density, the frame around a client
// area of the table's size, the font, the table's colours and the coloured buttons.
#pragma once

#include <windows.h>

#include <string>

#include "window/colours.h"

namespace win32 {

COLORREF ToColorRef(panel::colours::Rgb c);

// The density of the screen that `window` is on; the whole desktop's on Windows before 10.
int DpiOf(HWND window);

// Sizes `window`, of frame style `style`, so that its client area is `width` × `height` pixels.
void SizeClient(HWND window, DWORD style, int width, int height, int dpi);

// The window's font at the screen's density, with Cyrillic letters.
HFONT MakeFont(const std::string& family, int points, int dpi);

// A button face of exactly `face`'s colour, raised, and sunken while pressed.
void DrawColouredButton(const DRAWITEMSTRUCT& item, HBRUSH face, HFONT font, int dpi);

}  // namespace win32
