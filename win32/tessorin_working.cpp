// The working of the last calculation on the value boxes: as their tooltips, on F1, and in their
// accessible descriptions; and the whole solution, which Ctrl+Shift+C copies.
#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "win32/accessible.h"
#include "win32/tessorin.h"
#include "win32/wide.h"
#include "window/texts.h"
#include "window/working.h"

namespace win32 {

// A value box's description: the window's own, and how to copy the solution.
std::string BoxDescription(const std::string& description) {
  return description + "\n" + panel::texts::kCopySolution;
}

// As plain text, with Windows' line breaks.
void Tessorin::CopySolution() const {
  if (solution_.empty() || !OpenClipboard(window_)) return;
  std::wstring text;
  for (wchar_t c : Wide(solution_)) text += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

// The working: a tooltip on each value box under the mouse, and one that F1 shows below the box
// with the focus.
void Tessorin::AddTooltips() {
  const DWORD style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX;
  tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, style, 0, 0, 0, 0, window_, nullptr,
                          instance_, nullptr);
  help_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, style, 0, 0, 0, 0, window_, nullptr,
                          instance_, nullptr);
  wchar_t empty[] = L"";
  for (HWND box : text2_) {
    TOOLINFOW tool{sizeof tool};
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(box);
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

std::string Tessorin::Working(int row) const {
  wchar_t text[4096] = {};
  TOOLINFOW tool{sizeof tool};
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(text2_[row]);
  tool.lpszText = text;
  SendMessageW(tips_, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
  return Utf8(text);
}

void Tessorin::ShowWorking(const model::Texts& explanations, const model::Texts& descriptions) {
  for (int i = 0; i < model::kQuantityCount; ++i) {
    if (Working(i) == explanations[i]) continue;  // spares screen readers a change that is none
    std::wstring text = Wide(explanations[i]);
    TOOLINFOW tool{sizeof tool};
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(text2_[i]);
    tool.lpszText = text.data();
    SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SetAccessibleDescription(text2_[i], BoxDescription(descriptions[i]));
  }
  HideHelp();
}

// Any change of a box drops the working, so that it never explains numbers the boxes no longer
// hold; Calculate shows it again after writing them.
void Tessorin::DropWorking() {
  solution_.clear();
  model::Texts own;
  for (int i = 0; i < model::kQuantityCount; ++i) own[i] = panel::BoxDescription(i, "");
  ShowWorking({}, own);
}

void Tessorin::ShowHelp(int row) {
  std::wstring text = Wide(Working(row));
  if (text.empty()) return;
  TOOLINFOW tool{sizeof tool};
  tool.hwnd = window_;
  tool.lpszText = text.data();
  SendMessageW(help_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  RECT box;
  GetWindowRect(text2_[row], &box);
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
  const auto found = std::find(text2_.begin(), text2_.end(), box);
  return found == text2_.end() ? -1 : static_cast<int>(found - text2_.begin());
}

}  // namespace win32
