// The working of the last calculation on the value boxes: as their tooltips, on F1, and in their
// accessible descriptions; and the whole solution, which Ctrl+Shift+C copies.
#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>

#include <algorithm>

#include "win32/accessible.h"
#include "win32/clipboard.h"
#include "win32/tessorin.h"
#include "win32/wide.h"
#include "window/working.h"

namespace win32 {

using panel::layout::Control;

// As plain text, with Windows' line breaks.
void Tessorin::CopySolution() const { CopyText(window_, state_.copy); }

// The working: a tooltip on each value box and on the picture under the mouse, and one that F1
// shows below the box with the focus.
void Tessorin::AddTooltips() {
  const DWORD style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX;
  tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, style, 0, 0, 0, 0, window_, nullptr,
                          instance_, nullptr);
  help_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, style, 0, 0, 0, 0, window_, nullptr,
                          instance_, nullptr);
  wchar_t empty[] = L"";
  for (int i = 0; i <= model::kQuantityCount; ++i) {
    HWND control = i < model::kQuantityCount ? Item(Control::Text2, i) : Item(Control::Picture1);
    TOOLINFOW tool{sizeof tool};
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = empty;
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  TOOLINFOW tool{sizeof tool};
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = window_;
  tool.lpszText = empty;
  SendMessageW(help_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tips_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 30000);
}

// Box `row`'s working as its tooltip and in its accessible description.
void Tessorin::PaintWorking(int row) {
  const panel::Row& shown = state_.rows[static_cast<std::size_t>(row)];
  HWND box = Item(Control::Text2, row);
  std::wstring text = Wide(shown.working);
  TOOLINFOW tool{sizeof tool};
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(box);
  tool.lpszText = text.data();
  SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SetAccessibleDescription(box, panel::DesktopDescription(shown.description));
}

// The picture's working, of the measures it shows beyond the six, as its tooltip.
void Tessorin::PaintPictureWorking() {
  std::wstring text = Wide(state_.picture.working);
  TOOLINFOW tool{sizeof tool};
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(Item(Control::Picture1));
  tool.lpszText = text.data();
  SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tessorin::ShowHelp(int row) {
  std::wstring text = Wide(state_.rows[static_cast<std::size_t>(row)].working);
  if (text.empty()) return;
  TOOLINFOW tool{sizeof tool};
  tool.hwnd = window_;
  tool.lpszText = text.data();
  SendMessageW(help_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  RECT box;
  GetWindowRect(Item(Control::Text2, row), &box);
  SendMessageW(help_, TTM_TRACKPOSITION, 0, MAKELPARAM(box.left, box.bottom));
  SendMessageW(tips_, TTM_POP, 0, 0);  // one explanation at a time, where the mouse rests too
  SendMessageW(help_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  SetTimer(window_, 1, 30000, nullptr);
}

void Tessorin::HideHelp() {
  TOOLINFOW tool{sizeof tool};
  tool.hwnd = window_;
  SendMessageW(help_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
  KillTimer(window_, 1);
}

// The value boxes show their working on F1; the read-only text passes Tab, Enter and Esc on to
// the window, as a single-line box does.
LRESULT CALLBACK Tessorin::BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR data) {
  auto* self = reinterpret_cast<Tessorin*>(data);
  if (message == WM_KEYDOWN && wParam == VK_F1) {
    if (const int row = self->Row(box); row >= 0) self->ShowHelp(row);
    return 0;
  }
  if (message == WM_KEYDOWN && wParam == VK_ESCAPE) self->HideHelp();
  const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
  if (message == WM_GETDLGCODE) return result & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
  return result;
}

int Tessorin::Row(HWND box) const {
  for (int i = 0; i < model::kQuantityCount; ++i) {
    if (Item(Control::Text2, i) == box) return i;
  }
  return -1;
}

}  // namespace win32
