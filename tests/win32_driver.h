// Driving the Windows window from the tests as a user would, through its controls' messages.
#pragma once

#include <windows.h>
// Need windows.h first.
#include <commctrl.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/regional_settings.h"
#include "win32/tessorin.h"
#include "win32/wide.h"

namespace test {

using Control = panel::layout::Control;

// What a test program sets up before its first window, as the program's own main() does: the
// common controls and COM for the accessibility annotations.
inline void StartWindows() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
}

// Delivers what is waiting for the window, as its message loop would.
inline void Pump(const win32::Tessorin& window) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) continue;
    if (!window.PreTranslate(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

// A window on the screen, ready for input, whose messages are caught instead of shown.
struct Shown {
  explicit Shown(const runtime::RegionalSettings& settings)
      : window(std::make_unique<win32::Tessorin>(GetModuleHandleW(nullptr), settings)) {
    window->SetReporter([this](HWND, const std::string& title, const std::string& text) {
      messages.push_back(title + "\n" + text);
    });
    ShowWindow(window->Handle(), SW_SHOW);
    SetForegroundWindow(window->Handle());
    UpdateWindow(window->Handle());
    Pump(*window);
  }
  HWND Item(Control control, int element = 0) const { return window->Item(control, element); }

  std::unique_ptr<win32::Tessorin> window;
  std::vector<std::string> messages;
};

inline std::string Text(HWND control) {
  wchar_t text[4096] = {};
  SendMessageW(control, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
  return win32::Utf8(text);
}

// Typed character by character, so that a read-only box or the length limit holds.
inline void Type(HWND box, std::string_view text) {
  for (wchar_t c : win32::Wide(text)) SendMessageW(box, WM_CHAR, c, 1);
}

inline void Click(HWND button) { SendMessageW(button, BM_CLICK, 0, 0); }

// A row chosen in the list, with the notification the list sends its window.
inline void Choose(const Shown& w, int row) {
  HWND list = w.Item(Control::List1);
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
  SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

inline std::vector<std::string> BoxTexts(const Shown& w) {
  std::vector<std::string> texts;
  for (int i = 0; i < 6; ++i) texts.push_back(Text(w.Item(Control::Text2, i)));
  return texts;
}

inline bool ReadOnly(HWND box) { return (GetWindowLongW(box, GWL_STYLE) & ES_READONLY) != 0; }
inline bool Ticked(HWND tick) { return SendMessageW(tick, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace test
