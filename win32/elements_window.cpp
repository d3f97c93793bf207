#include "win32/elements_window.h"

#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "win32/accessible.h"
#include "win32/clipboard.h"
#include "win32/look.h"
#include "win32/picture.h"
#include "win32/wide.h"
#include "window/layout.h"

namespace win32 {

namespace el = panel::elements;
using el::Kind;

namespace {

constexpr wchar_t kClassName[] = L"TrapezoidElements";
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

const wchar_t* ClassOf(Kind kind) {
  switch (kind) {
    case Kind::Title:
    case Kind::Letter:
    case Kind::Name: return L"STATIC";
    case Kind::Box:
    case Kind::Ratio:
    case Kind::Solution: return L"EDIT";
    case Kind::Picture: return nullptr;  // the program's own
    default: return L"BUTTON";
  }
}

DWORD StyleOf(const el::Control& control) {
  switch (control.kind) {
    case Kind::Title: return SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
    case Kind::Letter:
    case Kind::Name: return SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX;
    case Kind::Box:
    case Kind::Ratio: return ES_AUTOHSCROLL | WS_TABSTOP;
    case Kind::Tick: return BS_AUTOCHECKBOX | BS_MULTILINE | WS_TABSTOP;
    case Kind::Calculate:
    case Kind::Clear: return BS_OWNERDRAW | WS_TABSTOP;  // so that its face shows its colour
    case Kind::Switch: return BS_PUSHBUTTON | WS_TABSTOP;
    case Kind::Picture: return 0;
    case Kind::Solution: return ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
  }
  return 0;
}

bool Sunken(Kind kind) {
  return kind == Kind::Box || kind == Kind::Ratio || kind == Kind::Picture || kind == Kind::Solution;
}

std::wstring WithCrLf(const std::string& text) {
  std::wstring wide;
  for (wchar_t c : Wide(text)) wide += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
  return wide;
}

}  // namespace

ElementsWindow::ElementsWindow(HINSTANCE instance, runtime::RegionalSettings settings, HWND owner)
    : instance_(instance),
      settings_(std::move(settings)),
      report_([](HWND window, const std::string& title, const std::string& text) {
        MessageBoxW(window, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_ICONWARNING);
      }),
      owned_(owner != nullptr) {
  windowBrush_ = CreateSolidBrush(ToColorRef(panel::colours::kWindow));
  headingBrush_ = CreateSolidBrush(ToColorRef(panel::colours::kHeading));
  foundBrush_ = CreateSolidBrush(ToColorRef(panel::colours::kFound));
  calculateBrush_ = CreateSolidBrush(ToColorRef(panel::colours::kCalculate));
  clearBrush_ = CreateSolidBrush(ToColorRef(panel::colours::kClear));
  CreateFrame(owner);
  tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                          0, 0, 0, window_, nullptr, instance_, nullptr);
  SendMessageW(tips_, TTM_SETDELAYTIME, TTDT_AUTOPOP, 30000);
  const std::vector<el::Control>& table = el::Controls();
  for (std::size_t i = 0; i < table.size(); ++i) {
    controls_.push_back(MakeControl(table[i], kFirstId + static_cast<int>(i)));
  }
  LayOut(DpiOf(window_));
  ACCEL copy{FVIRTKEY | FCONTROL | FSHIFT, 'C', kCopyId};
  keys_ = CreateAcceleratorTableW(&copy, 1);
  focus_ = Item(Kind::Box, 0);
  Dispatch(el::Load());
}

ElementsWindow::~ElementsWindow() {
  if (IsWindow(window_)) DestroyWindow(window_);
  DestroyAcceleratorTable(keys_);
  for (HBRUSH brush : {windowBrush_, headingBrush_, foundBrush_, calculateBrush_, clearBrush_}) {
    DeleteObject(brush);
  }
  DeleteObject(font_);
}

HWND ElementsWindow::Item(Kind kind, int index) const {
  const std::vector<el::Control>& table = el::Controls();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].kind == kind && table[i].index == index) return controls_[i];
  }
  return nullptr;
}

bool ElementsWindow::PreTranslate(MSG& message) const {
  if (!IsWindow(window_) || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) return false;
  return TranslateAcceleratorW(window_, keys_, &message) != 0 || IsDialogMessageW(window_, &message) != 0;
}

void ElementsWindow::CreateFrame(HWND owner) {
  WNDCLASSEXW existing{sizeof existing};
  if (!GetClassInfoExW(instance_, kClassName, &existing)) {
    WNDCLASSEXW c{sizeof c};
    c.lpfnWndProc = Proc;
    c.hInstance = instance_;
    c.hIcon = LoadIconW(instance_, L"IDI_ICON1");
    c.hIconSm =
        static_cast<HICON>(LoadImageW(instance_, L"IDI_ICON1", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), 0));
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.lpszClassName = kClassName;
    RegisterClassExW(&c);
  }
  CreateWindowExW(0, kClassName, Wide(el::kCaption).c_str(), kFrameStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  el::kWidth, el::kHeight, owner, nullptr, instance_, this);
  SetAccessible(window_, el::kCaption, "");
}

HWND ElementsWindow::MakeControl(const el::Control& control, int id) {
  const wchar_t* name = ClassOf(control.kind);
  if (name == nullptr) name = PictureClass(instance_);
  const DWORD style = WS_CHILD | StyleOf(control) | (control.kind == Kind::Switch ? 0 : WS_VISIBLE);
  HWND made = CreateWindowExW(Sunken(control.kind) ? WS_EX_CLIENTEDGE : 0, name, Wide(control.text).c_str(),
                              style, 0, 0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              instance_, nullptr);
  if (!control.name.empty()) SetAccessible(made, control.name, control.description);
  if (control.kind == Kind::Box) {
    wchar_t empty[] = L"";
    TOOLINFOW tool{sizeof tool};
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(made);
    tool.lpszText = empty;
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  if (control.kind == Kind::Solution) SetWindowSubclass(made, SolutionProc, 0, 0);
  return made;
}

// Everything at the screen's density: 96 dots per inch is the table's pixels.
void ElementsWindow::LayOut(int dpi) {
  dpi_ = dpi;
  auto scale = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
  SizeClient(window_, kFrameStyle, scale(el::kWidth), scale(el::kHeight), dpi);
  HFONT old = font_;
  font_ = MakeFont(panel::layout::kFontFamily, panel::layout::kFontPoints, dpi);
  const std::vector<el::Control>& table = el::Controls();
  for (std::size_t i = 0; i < table.size(); ++i) {
    const panel::layout::Rect& r = table[i].rect;
    SetWindowPos(controls_[i], nullptr, scale(r.left), scale(r.top), scale(r.width), scale(r.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  }
  if (old != nullptr) DeleteObject(old);
  SendMessageW(Item(Kind::Picture), kSetPicture, reinterpret_cast<WPARAM>(&state_.picture), dpi);
  SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, scale(480));
}

LRESULT CALLBACK ElementsWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<ElementsWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<ElementsWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return self->OnMessage(message, wParam, lParam);
}

LRESULT ElementsWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: return Colour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      DrawColouredButton(item, item.hwndItem == Item(Kind::Calculate) ? calculateBrush_ : clearBrush_, font_,
                         dpi_);
      return TRUE;
    }
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
    case WM_CLOSE:
      if (!owned_) break;
      ShowWindow(window_, SW_HIDE);
      return 0;
    case WM_DESTROY:
      if (!owned_) PostQuitMessage(0);
      return 0;
    default: break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void ElementsWindow::OnCommand(int id, int code) {
  if (id == kCopyId) CopyText(window_, state_.working);
  const int index = id - kFirstId;
  if (index < 0 || index >= static_cast<int>(controls_.size())) return;  // Enter's IDOK, Esc's IDCANCEL
  const el::Control& control = el::Controls()[static_cast<std::size_t>(index)];
  HWND item = controls_[static_cast<std::size_t>(index)];
  switch (control.kind) {
    case Kind::Box:
      if (code == EN_CHANGE) Dispatch(el::Type(state_, control.index, TextOf(item)));
      break;
    case Kind::Ratio:
      if (code == EN_CHANGE) Dispatch(el::TypeRatio(state_, TextOf(item)));
      break;
    case Kind::Tick:
      if (code == BN_CLICKED) {
        Dispatch(el::Tick(state_, control.index, SendMessageW(item, BM_GETCHECK, 0, 0) == BST_CHECKED));
      }
      break;
    case Kind::Calculate:
      if (code == BN_CLICKED) Dispatch(el::Calculate(state_, settings_));
      break;
    case Kind::Clear:
      if (code == BN_CLICKED) Dispatch(el::Clear(state_));
      break;
    case Kind::Switch:
      if (code == BN_CLICKED) Dispatch(el::Next(state_, settings_));
      break;
    default: break;
  }
}

void ElementsWindow::Dispatch(el::State next) {
  if (painting_) return;
  const el::State before = std::exchange(state_, std::move(next));
  painting_ = true;
  Paint(before);
  painting_ = false;
  if (state_.message.title.empty()) return;
  report_(window_, state_.message.title, state_.message.text);
  Dispatch(el::CloseMessage(state_));
}

void ElementsWindow::Paint(const el::State& before) {
  for (int r = 0; r < el::kRowCount; ++r) {
    const el::Row& row = state_.rows[static_cast<std::size_t>(r)];
    HWND box = Item(Kind::Box, r);
    if (TextOf(box) != row.text) SetWindowTextW(box, Wide(row.text).c_str());
    SendMessageW(box, EM_SETREADONLY, row.found || !el::kRows[static_cast<std::size_t>(r)].typed, 0);
    if (before.rows[static_cast<std::size_t>(r)].tooltip != row.tooltip) {
      std::wstring text = Wide(row.tooltip);
      TOOLINFOW tool{sizeof tool};
      tool.hwnd = window_;
      tool.uId = reinterpret_cast<UINT_PTR>(box);
      tool.lpszText = text.data();
      SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    InvalidateRect(box, nullptr, TRUE);  // its colour
  }
  for (int c = 0; c < model::problem::kConditionCount; ++c) {
    SendMessageW(Item(Kind::Tick, c), BM_SETCHECK,
                 state_.ticks[static_cast<std::size_t>(c)] ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  HWND ratio = Item(Kind::Ratio);
  if (TextOf(ratio) != state_.ratio) SetWindowTextW(ratio, Wide(state_.ratio).c_str());
  EnableWindow(ratio, state_.ticks[model::problem::kBasesRatio]);
  HWND next = Item(Kind::Switch);
  SetWindowTextW(next, Wide(el::SwitchText(state_)).c_str());
  ShowWindow(next, state_.solutions > 1 ? SW_SHOWNA : SW_HIDE);
  if (before.working != state_.working) {
    SetWindowTextW(Item(Kind::Solution), WithCrLf(state_.working).c_str());
  }
  if (before.picture != state_.picture) {
    SendMessageW(Item(Kind::Picture), kSetPicture, reinterpret_cast<WPARAM>(&state_.picture), dpi_);
  }
}

LRESULT ElementsWindow::Colour(HDC dc, HWND control) {
  const auto found = std::find(controls_.begin(), controls_.end(), control);
  if (found == controls_.end())
    return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0);
  const el::Control& spec = el::Controls()[static_cast<std::size_t>(found - controls_.begin())];
  // The ratio's box without its tick looks as Windows shows a box that takes nothing.
  if (!IsWindowEnabled(control))
    return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  switch (spec.kind) {
    case Kind::Title:
      SetBkColor(dc, ToColorRef(panel::colours::kHeading));
      return reinterpret_cast<LRESULT>(headingBrush_);
    case Kind::Letter:
    case Kind::Name:
    case Kind::Tick:
      SetBkColor(dc, ToColorRef(panel::colours::kWindow));
      return reinterpret_cast<LRESULT>(windowBrush_);
    case Kind::Box:
      if (state_.rows[static_cast<std::size_t>(spec.index)].found) {
        SetBkColor(dc, ToColorRef(panel::colours::kFound));
        return reinterpret_cast<LRESULT>(foundBrush_);
      }
      break;
    default: break;
  }
  // Read-only boxes keep the colours of a box that can be typed into.
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

// The read-only solution passes Tab, Enter and Esc on to the window, as a single-line box does.
LRESULT CALLBACK ElementsWindow::SolutionProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR) {
  const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
  if (message == WM_GETDLGCODE) return result & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
  return result;
}

std::string ElementsWindow::TextOf(HWND control) const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

}  // namespace win32
