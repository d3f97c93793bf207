// The picture box: the window state's picture painted in a sunken border, which takes the focus like
// the other controls so that the keyboard can reach it.
#pragma once

#include <windows.h>

#include "window/drawing.h"

namespace win32 {

// The picture box's window class, registered on first use.
const wchar_t* PictureClass(HINSTANCE instance);

// Paints a picture (wParam, a const panel::Picture*, not taken over: it must outlive the box or
// the next such message) at a density (lParam, dots per inch), centred.
inline constexpr UINT kSetPicture = WM_USER + 1;

}  // namespace win32
