// The window for a problem as the book gives it, on the Windows API: built from its table of
// controls (window/elements_controls.h), it turns its controls' messages into the window's events
// (window/elements.h) and paints the state each returns.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "runtime/regional_settings.h"
#include "window/elements.h"
#include "window/elements_controls.h"

namespace win32 {

class ElementsWindow {
 public:
  // Shows a message to the user (UTF-8 texts); replaceable so that tests need not answer a dialog.
  using Reporter = std::function<void(HWND owner, const std::string& title, const std::string& text)>;

  // Creates the window and its controls, hidden. Without an owner it is the program's window and
  // closing it ends the program; with one, closing only hides it, keeping what it holds.
  ElementsWindow(HINSTANCE instance, runtime::RegionalSettings settings, HWND owner = nullptr);
  ~ElementsWindow();
  ElementsWindow(const ElementsWindow&) = delete;
  ElementsWindow& operator=(const ElementsWindow&) = delete;

  HWND Handle() const { return window_; }
  // The control of this kind and index (the row or the condition); nullptr for none.
  HWND Item(panel::elements::Kind kind, int index = 0) const;
  void SetReporter(Reporter reporter) { report_ = std::move(reporter); }
  // Tab, the other keys of a dialog and Ctrl+Shift+C; true where `message` was handled.
  bool PreTranslate(MSG& message) const;
  const panel::elements::State& State() const { return state_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SolutionProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void CreateFrame(HWND owner);
  HWND MakeControl(const panel::elements::Control& control, int id);
  void LayOut(int dpi);
  LRESULT Colour(HDC dc, HWND control);
  void OnCommand(int id, int code);

  // Takes the state an event returned and paints it; a message it holds is shown, then closed.
  void Dispatch(panel::elements::State next);
  void Paint(const panel::elements::State& before);
  std::string TextOf(HWND control) const;

  // Control ids count from here in the table's order, clear of IDOK and IDCANCEL.
  static constexpr int kFirstId = 100;
  static constexpr int kCopyId = 99;

  HINSTANCE instance_;
  runtime::RegionalSettings settings_;
  Reporter report_;
  bool owned_ = false;
  HWND window_ = nullptr;
  std::vector<HWND> controls_;  // by index in panel::elements::Controls()
  HWND tips_ = nullptr;         // each box's tooltip under the mouse
  HWND focus_ = nullptr;        // the control that had the focus when the window was left
  HFONT font_ = nullptr;
  HBRUSH windowBrush_ = nullptr, headingBrush_ = nullptr, foundBrush_ = nullptr;
  HBRUSH calculateBrush_ = nullptr, clearBrush_ = nullptr;
  int dpi_ = 96;
  HACCEL keys_ = nullptr;  // Ctrl+Shift+C
  panel::elements::State state_;
  bool painting_ = false;  // the controls' notifications while the window paints are its own echoes
};

}  // namespace win32
