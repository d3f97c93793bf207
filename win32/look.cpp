#include "win32/look.h"

#include "win32/wide.h"

namespace win32 {

namespace {

// Windows 10's functions for a screen's density, looked up so that the program still starts on
// older Windows, where the density of the whole desktop stands for every screen.
template <typename Function>
Function User32(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

COLORREF ToColorRef(panel::colours::Rgb c) {
  return RGB(static_cast<BYTE>(c.red), static_cast<BYTE>(c.green), static_cast<BYTE>(c.blue));
}

int DpiOf(HWND window) {
  using GetDpi = UINT(WINAPI*)(HWND);
  static const auto get = User32<GetDpi>("GetDpiForWindow");
  if (get != nullptr) return static_cast<int>(get(window));
  HDC dc = GetDC(window);
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(window, dc);
  return dpi;
}

void SizeClient(HWND window, DWORD style, int width, int height, int dpi) {
  RECT frame{0, 0, width, height};
  using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = User32<Adjust>("AdjustWindowRectExForDpi");
  if (adjust != nullptr) {
    adjust(&frame, style, FALSE, 0, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&frame, style, FALSE, 0);
  }
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The title bar may keep another density's height for a while; the client area is what counts.
  RECT client;
  GetClientRect(window, &client);
  if (client.right != width || client.bottom != height) {
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + width - client.right,
                 frame.bottom - frame.top + height - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

HFONT MakeFont(const std::string& family, int points, int dpi) {
  return CreateFontW(-MulDiv(points, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                     Wide(family).c_str());
}

void DrawColouredButton(const DRAWITEMSTRUCT& item, HBRUSH face, HFONT font, int dpi) {
  RECT edge = item.rcItem;
  HDC dc = item.hDC;
  FillRect(dc, &edge, face);
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawEdge(dc, &edge, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  wchar_t caption[64] = {};
  GetWindowTextW(item.hwndItem, caption, 64);
  RECT text = edge;
  if (pressed) OffsetRect(&text, 1, 1);
  HGDIOBJ old = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(dc, caption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
  if ((item.itemState & ODS_FOCUS) != 0) {
    const int inset = MulDiv(4, dpi, 96);
    InflateRect(&edge, -inset, -inset);
    DrawFocusRect(dc, &edge);
  }
}

}  // namespace win32
