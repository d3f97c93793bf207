#include "win32/picture.h"

#include <ocidl.h>
#include <olectl.h>
#include <shlwapi.h>

namespace win32 {

namespace {

// The box's own words: the drawing and its size.
constexpr int kDrawing = 0;
constexpr int kSize = sizeof(LONG_PTR);

void Paint(HWND box) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(box, &paint);
  RECT client;
  GetClientRect(box, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  if (auto drawing = reinterpret_cast<HBITMAP>(GetWindowLongPtrW(box, kDrawing))) {
    BITMAP info;
    GetObjectW(drawing, sizeof info, &info);
    const auto size = static_cast<LPARAM>(GetWindowLongPtrW(box, kSize));
    const int width = LOWORD(size);
    const int height = HIWORD(size);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, drawing);
    SetStretchBltMode(dc, HALFTONE);
    StretchBlt(dc, (client.right - width) / 2, (client.bottom - height) / 2, width, height, source, 0, 0,
               info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
  }
  if (GetFocus() == box) DrawFocusRect(dc, &client);
  EndPaint(box, &paint);
}

LRESULT CALLBACK PictureProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kSetDrawing:
      SetWindowLongPtrW(box, kDrawing, static_cast<LONG_PTR>(wParam));
      SetWindowLongPtrW(box, kSize, lParam);
      InvalidateRect(box, nullptr, TRUE);
      return 0;
    case WM_PAINT: Paint(box); return 0;
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

HBITMAP LoadJpeg(HINSTANCE instance, const wchar_t* name) {
  HRSRC found = FindResourceW(instance, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return nullptr;
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(instance, found)));
  IStream* stream = SHCreateMemStream(bytes, SizeofResource(instance, found));
  if (stream == nullptr) return nullptr;
  IPicture* picture = nullptr;
  HBITMAP copy = nullptr;
  if (SUCCEEDED(OleLoadPicture(stream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&picture)))) {
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    // The picture owns its bitmap; the copy outlives it.
    copy = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    picture->Release();
  }
  stream->Release();
  return copy;
}

}  // namespace win32
