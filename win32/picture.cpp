#include "win32/picture.h"

#include "win32/drawing_painter.h"

namespace win32 {

namespace {

// The box's own words: the picture and the density it is painted at.
constexpr int kPicture = 0;
constexpr int kDpi = sizeof(LONG_PTR);

void Paint(HWND box, HDC dc) {
  RECT client;
  GetClientRect(box, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  if (const auto* picture = reinterpret_cast<const panel::Picture*>(GetWindowLongPtrW(box, kPicture))) {
    const int dpi = static_cast<int>(GetWindowLongPtrW(box, kDpi));
    const int width = MulDiv(panel::Picture::kWidth, dpi, 96),
              height = MulDiv(panel::Picture::kHeight, dpi, 96);
    PaintDrawing(dc, *picture, {(client.right - width) / 2, (client.bottom - height) / 2}, dpi);
  }
  if (GetFocus() == box) DrawFocusRect(dc, &client);
}

LRESULT CALLBACK PictureProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kSetPicture:
      SetWindowLongPtrW(box, kPicture, static_cast<LONG_PTR>(wParam));
      SetWindowLongPtrW(box, kDpi, lParam);
      InvalidateRect(box, nullptr, TRUE);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      Paint(box, BeginPaint(box, &paint));
      EndPaint(box, &paint);
      return 0;
    }
    case WM_PRINTCLIENT: Paint(box, reinterpret_cast<HDC>(wParam)); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(box, nullptr, FALSE); return 0;
    case WM_LBUTTONDOWN: SetFocus(box); return 0;
    default: return DefWindowProcW(box, message, wParam, lParam);
  }
}

}  // namespace

const wchar_t* PictureClass(HINSTANCE instance) {
  static const wchar_t kName[] = L"TrapezoidPicture";
  WNDCLASSEXW existing{sizeof existing};
  if (!GetClassInfoExW(instance, kName, &existing)) {
    WNDCLASSEXW c{sizeof c};
    c.lpfnWndProc = PictureProc;
    c.cbWndExtra = 2 * sizeof(LONG_PTR);
    c.hInstance = instance;
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.lpszClassName = kName;
    RegisterClassExW(&c);
  }
  return kName;
}

}  // namespace win32
