// Paints a picture of window/drawing.h with GDI, at the monitor's scale.
#pragma once

#include <windows.h>

#include "window/drawing.h"

namespace win32 {

// White, then the picture's lines, arcs, marks and lettering in black, its top-left corner at
// `origin` and each pixel of the picture `dpi` / 96 device pixels.
void PaintDrawing(HDC dc, const panel::Picture& picture, POINT origin, int dpi);

}  // namespace win32
