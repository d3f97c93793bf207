// The calculator's one window on the Windows API, built from window/'s table of controls. Its
// controls' messages become the window's events (window/form.h), and it paints the state each
// one returns.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/regional_settings.h"
#include "win32/elements_window.h"
#include "window/controls.h"
#include "window/form.h"

namespace win32 {

class Tessorin {
 public:
  // Shows a message to the user (UTF-8 texts); replaceable so that tests need not answer a dialog.
  using Reporter = std::function<void(HWND owner, const std::string& title, const std::string& text)>;

  // Creates the window and its controls, hidden, and runs its Load.
  Tessorin(HINSTANCE instance, runtime::RegionalSettings settings);
  ~Tessorin();
  Tessorin(const Tessorin&) = delete;
  Tessorin& operator=(const Tessorin&) = delete;

  HWND Handle() const { return window_; }
  // The control of this kind and element; nullptr for none.
  HWND Item(panel::layout::Control control, int element = 0) const;
  void SetReporter(Reporter reporter) { report_ = std::move(reporter); }
  // Tab and the other keys of a dialog, the window's shortcuts, and the same for the problem
  // window it opened; true where `message` was handled.
  bool PreTranslate(MSG& message) const;
  // The window for a problem as the book gives it, which the picture's context menu and Ctrl+E
  // open; nullptr before it was first opened.
  ElementsWindow* Elements() const { return elements_.get(); }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR data);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void CreateFrame();
  void BuildControls();
  HWND MakeControl(const panel::ControlSpec& spec, int id);
  void AddTooltips();
  void LayOut(int dpi);
  void Describe();
  LRESULT Colour(HDC dc, HWND control);
  void DrawButton(const DRAWITEMSTRUCT& item);
  void OnCommand(int id, int code);
  void ShowPictureMenu(POINT at);
  void OpenElements();

  // Takes the state an event returned and paints it; a message it holds is shown, then closed.
  void Dispatch(panel::State next);
  void Paint(const panel::State& before);
  void PaintWorking(int row);
  void PaintPictureWorking();

  int Row(HWND box) const;
  std::string BoxText(int row) const;
  void ShowHelp(int row);
  void CopySolution() const;
  void HideHelp();
  static int Dpi(HWND window);

  // Control ids count from here in the table's order, clear of IDOK and IDCANCEL, which the
  // dialog keys Enter and Esc send.
  static constexpr int kFirstId = 100;
  static constexpr int kCopySolutionId = 99;
  static constexpr int kElementsId = 98;

  HINSTANCE instance_;
  runtime::RegionalSettings settings_;
  Reporter report_;
  HWND window_ = nullptr;
  std::vector<HWND> controls_;  // by index in panel::Controls()
  HWND tips_ = nullptr;         // the boxes' and the picture's working under the mouse
  HWND help_ = nullptr;         // the working of the box with the focus, on F1
  HWND focus_ = nullptr;        // the control that had the focus when the window was left
  HFONT font_ = nullptr;
  std::vector<HBRUSH> brushes_;  // by index in panel::Controls(); nullptr where it has no colour
  HBRUSH windowBrush_ = nullptr;
  int dpi_ = 96;
  HACCEL keys_ = nullptr;  // Ctrl+Shift+C, Ctrl+E
  std::unique_ptr<ElementsWindow> elements_;
  panel::State state_;
  bool painting_ = false;  // the controls' notifications while the window paints are its own echoes
};

}  // namespace win32
