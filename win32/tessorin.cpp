#include "win32/tessorin.h"

#include <windowsx.h>

#include <iterator>
#include <utility>

#include "win32/accessible.h"
#include "win32/picture.h"
#include "win32/wide.h"

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
  ACCEL keys[] = {{FVIRTKEY | FCONTROL | FSHIFT, 'C', kCopySolutionId},
                  {FVIRTKEY | FCONTROL, 'E', kElementsId}};
  keys_ = CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
  Dispatch(panel::Form_Load());
}

Tessorin::~Tessorin() {
  if (IsWindow(window_)) DestroyWindow(window_);
  DestroyAcceleratorTable(keys_);
  for (HBRUSH brush : brushes_) {
    if (brush != nullptr) DeleteObject(brush);
  }
  DeleteObject(windowBrush_);
  DeleteObject(font_);
}

HWND Tessorin::Item(Control control, int element) const {
  const std::vector<panel::ControlSpec>& specs = panel::Controls();
  for (std::size_t i = 0; i < specs.size(); ++i) {
    if (specs[i].control == control && specs[i].element == element) return controls_[i];
  }
  return nullptr;
}

bool Tessorin::PreTranslate(MSG& message) const {
  if (elements_ != nullptr && elements_->PreTranslate(message)) return true;
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
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == Item(Control::Picture1)) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (lParam == -1) {  // from the keyboard: at the picture's corner
          at = {0, 0};
          ClientToScreen(Item(Control::Picture1), &at);
        }
        ShowPictureMenu(at);
        return 0;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
    case WM_TIMER: HideHelp(); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void Tessorin::OnCommand(int id, int code) {
  if (id == kCopySolutionId) CopySolution();
  if (id == kElementsId) OpenElements();
  const int index = id - kFirstId;
  if (index < 0 || index >= static_cast<int>(controls_.size())) return;  // Enter's IDOK, Esc's IDCANCEL
  const panel::ControlSpec& spec = panel::Controls()[static_cast<std::size_t>(index)];
  switch (spec.control) {
    case Control::List1:
      if (code == LBN_SELCHANGE) {
        const int row = static_cast<int>(SendMessageW(Item(Control::List1), LB_GETCURSEL, 0, 0));
        Dispatch(panel::List1_Click(state_, row));
      }
      break;
    case Control::Command1:
      if (code == BN_CLICKED) Dispatch(panel::Command1_Click(state_, spec.element, settings_));
      break;
    case Control::Text2:
      if (code == EN_CHANGE) Dispatch(panel::Text2_Change(state_, spec.element, BoxText(spec.element)));
      if (code == EN_KILLFOCUS) HideHelp();
      break;
    default: break;
  }
}

void Tessorin::ShowPictureMenu(POINT at) {
  // The item shows the shortcut that does the same.
  const std::string item = std::string(panel::elements::kOpenCommand) + "\t" + panel::elements::kOpenShortcut;
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, kElementsId, Wide(item).c_str());
  const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
  DestroyMenu(menu);
  if (chosen == kElementsId) OpenElements();
}

// The problem window belongs to this one: it stands above it and keeps what it holds when closed.
void Tessorin::OpenElements() {
  if (elements_ == nullptr) {
    elements_ = std::make_unique<ElementsWindow>(instance_, settings_, window_);
    elements_->SetReporter(report_);
  }
  ShowWindow(elements_->Handle(), SW_SHOW);
  SetForegroundWindow(elements_->Handle());
}

void Tessorin::Dispatch(panel::State next) {
  if (painting_) return;
  const panel::State before = std::exchange(state_, std::move(next));
  painting_ = true;
  Paint(before);
  painting_ = false;
  if (state_.message.title.empty()) return;
  report_(window_, state_.message.title, state_.message.text);
  Dispatch(panel::Message_Close(state_));
}

void Tessorin::Paint(const panel::State& before) {
  HWND list = Item(Control::List1);
  if (SendMessageW(list, LB_GETCURSEL, 0, 0) != state_.combination) {
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(state_.combination), 0);
  }
  for (int i = 0; i < model::kQuantityCount; ++i) {
    const panel::Row& row = state_.rows[i];
    HWND box = Item(Control::Text2, i);
    SendMessageW(Item(Control::Check1, i), BM_SETCHECK, row.ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(box, EM_LIMITTEXT, static_cast<WPARAM>(state_.maxLength), 0);
    SendMessageW(box, EM_SETREADONLY, row.readOnly, 0);
    if (BoxText(i) != row.text) SetWindowTextW(box, Wide(row.text).c_str());
    // spares screen readers a change that is none
    if (before.rows[i].working != row.working) PaintWorking(i);
  }
  if (before.picture != state_.picture) {
    SendMessageW(Item(Control::Picture1), kSetPicture, reinterpret_cast<WPARAM>(&state_.picture), dpi_);
  }
  if (before.picture.description != state_.picture.description) {
    SetAccessibleDescription(Item(Control::Picture1), state_.picture.description);
  }
  if (before.picture.working != state_.picture.working) PaintPictureWorking();
  HideHelp();
}

std::string Tessorin::BoxText(int row) const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(Item(Control::Text2, row))) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(Item(Control::Text2, row), text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

}  // namespace win32
