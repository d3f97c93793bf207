#include <windows.h>
// Need windows.h first.
#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>
#include <string_view>

#include "win32/elements_window.h"
#include "win32/locale_settings.h"
#include "win32/tessorin.h"

namespace {

template <typename Window>
int Run(Window& window, int show) {
  ShowWindow(window.Handle(), show);
  UpdateWindow(window.Handle());
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (!window.PreTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // for the accessibility annotations

  // `trapezoid.exe --elements` opens the window for a problem as the book gives it instead.
  if (__argc > 1 && std::wstring_view(__wargv[1]) == L"--elements") {
    win32::ElementsWindow window(instance, win32::SystemSettings());
    return Run(window, show);
  }
  win32::Tessorin window(instance, win32::SystemSettings());
  return Run(window, show);
}
