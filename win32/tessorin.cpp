#include "win32/tessorin.h"

#include "model/combination.h"
#include "win32/wide.h"
#include "window/press.h"

namespace win32 {

namespace layout = panel::layout;
using layout::Control;

Tessorin::Tessorin(HINSTANCE instance, runtime::RegionalSettings settings)
    : instance_(instance),
      settings_(std::move(settings)),
      report_([](HWND owner, const std::string& title, const std::string& text) {
        MessageBoxW(owner, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_ICONWARNING);
      }) {
  CreateFrame();
  BuildControls();
  AddTooltips();
  LayOut(Dpi(window_));
  Describe();
  focus_ = Item(Control::Text1, 0);
  ACCEL copy{FVIRTKEY | FCONTROL | FSHIFT, 'C', kCopySolutionId};
  keys_ = CreateAcceleratorTableW(&copy, 1);
  Form_Load();
}

Tessorin::~Tessorin() {
  if (IsWindow(window_)) DestroyWindow(window_);
  DestroyAcceleratorTable(keys_);
  for (HBRUSH brush : brushes_) {
    if (brush != nullptr) DeleteObject(brush);
  }
  DeleteObject(windowBrush_);
  DeleteObject(font_);
  DeleteObject(drawing_);
  DeleteObject(drawing2x_);
}

HWND Tessorin::Item(Control control, int element) const {
  const std::vector<panel::ControlSpec>& specs = panel::Controls();
  for (std::size_t i = 0; i < specs.size(); ++i) {
    if (specs[i].control == control && specs[i].element == element) return controls_[i];
  }
  return nullptr;
}

bool Tessorin::PreTranslate(MSG& message) const {
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  return TranslateAcceleratorW(window_, keys_, &message) != 0 || IsDialogMessageW(window_, &message) != 0;
}

LRESULT CALLBACK Tessorin::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Tessorin*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Tessorin*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

LRESULT Tessorin::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return Colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window_, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, windowBrush_);
      return 1;
    }
    case WM_ACTIVATE:
      // A window that is no dialog keeps the focus of its controls itself.
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus != nullptr && IsChild(window_, focus)) focus_ = focus;
      } else if (focus_ != nullptr) {
        SetFocus(focus_);
      }
      return 0;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      LayOut(HIWORD(wParam));
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_TIMER: HideHelp(); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void Tessorin::OnCommand(int id, int code) {
  if (id == kCopySolutionId) CopySolution();
  const int index = id - kFirstId;
  if (index < 0 || index >= static_cast<int>(controls_.size())) return;  // Enter's IDOK, Esc's IDCANCEL
  const panel::ControlSpec& spec = panel::Controls()[static_cast<std::size_t>(index)];
  switch (spec.control) {
    case Control::List1:
      if (code == LBN_SELCHANGE) List1_Click(spec.element);
      break;
    case Control::Command1:
      if (code == BN_CLICKED) Command1_Click(spec.element);
      break;
    case Control::Text2:
      if (code == EN_CHANGE) DropWorking();
      if (code == EN_KILLFOCUS) HideHelp();
      break;
    default: break;
  }
}

void Tessorin::Form_Load() {
  ClearValues();
  for (HWND box : text2_) SendMessageW(box, EM_LIMITTEXT, layout::kMaxLength, 0);
  SendMessageW(list1_, LB_SETCURSEL, 0, 0);
  List1_Click(0);  // setting the selected row runs the list's Click, as a user's choice does
  for (int i = 0; i < 2; ++i) {
    SendMessageW(check1_[i], BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(text2_[i], EM_SETREADONLY, FALSE, 0);
  }
}

void Tessorin::List1_Click(int index) {
  if (index == 0) ApplyCombination();
}

void Tessorin::Command1_Click(int index) {
  if (index == 0) Calculate();
  if (index == 1) ClearValues();
}

void Tessorin::ApplyCombination() {
  for (int i = 0; i < model::kQuantityCount; ++i) {
    EnableWindow(check1_[i], FALSE);
    SendMessageW(check1_[i], BM_SETCHECK, BST_UNCHECKED, 0);
    SetBoxText(i, {});
    SendMessageW(text2_[i], EM_SETREADONLY, TRUE, 0);
  }
  const int index = static_cast<int>(SendMessageW(list1_, LB_GETCURSEL, 0, 0));
  if (!model::IsCombination(index)) return;
  for (model::Quantity q : model::kCombinations[static_cast<std::size_t>(index)].given) {
    SendMessageW(check1_[q], BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(text2_[q], EM_SETREADONLY, FALSE, 0);
  }
}

void Tessorin::Calculate() {
  const int index = static_cast<int>(SendMessageW(list1_, LB_GETCURSEL, 0, 0));
  model::Rows rows;
  for (int i = 0; i < model::kQuantityCount; ++i) {
    rows[i] = {SendMessageW(check1_[i], BM_GETCHECK, 0, 0) == BST_CHECKED, BoxText(i)};
  }
  const panel::Outcome outcome = panel::Press(index, rows, settings_);
  if (outcome.kind == panel::Outcome::Kind::Failed) {
    solution_ = outcome.solution;
    report_(window_, outcome.message.title, outcome.message.text);
  } else if (outcome.kind == panel::Outcome::Kind::Solved) {
    for (int i = 0; i < model::kQuantityCount; ++i) SetBoxText(i, outcome.texts[i]);
    ShowWorking(outcome.explanations, outcome.descriptions);
    solution_ = outcome.solution;  // after the boxes' change, which drops the last one
  }
}

void Tessorin::ClearValues() {
  for (int i = 0; i < model::kQuantityCount; ++i) SetBoxText(i, {});
}

std::string Tessorin::BoxText(int row) const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(text2_[row])) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(text2_[row], text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

// A box keeps the first characters of a longer text up to its limit, as it does for typing.
void Tessorin::SetBoxText(int row, const std::string& text) {
  std::wstring wide = Wide(text);
  const auto limit = static_cast<std::size_t>(SendMessageW(text2_[row], EM_GETLIMITTEXT, 0, 0));
  if (wide.size() > limit) wide.resize(limit);
  SetWindowTextW(text2_[row], wide.c_str());
}

}  // namespace win32
