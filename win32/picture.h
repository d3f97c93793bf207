// The picture box: a drawing centred in a sunken border, which takes the focus like the other
// controls so that the keyboard can reach it.
#pragma once

#include <windows.h>

namespace win32 {

// The picture box's window class, registered on first use.
const wchar_t* PictureClass(HINSTANCE instance);

// Shows a drawing (wParam, an HBITMAP, not taken over: it must outlive the box) at a size in
// pixels (lParam, MAKELPARAM(width, height)), centred.
inline constexpr UINT kSetDrawing = WM_USER + 1;

// A JPEG kept as an RCDATA resource of the program, decoded by Windows' own OLE picture.
HBITMAP LoadJpeg(HINSTANCE instance, const wchar_t* name);

}  // namespace win32
