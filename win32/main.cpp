#include <windows.h>
// Need windows.h first.
#include <commctrl.h>
#include <objbase.h>

#include "win32/locale_settings.h"
#include "win32/tessorin.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // for the accessibility annotations

  win32::Tessorin window(instance, win32::SystemSettings());
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
