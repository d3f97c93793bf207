// How the window is built from window/'s table and drawn: controls, places at the screen's
// density, font, colours and the coloured buttons.
#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>

#include <algorithm>
#include <numeric>

#include "model/combination.h"
#include "win32/accessible.h"
#include "win32/look.h"
#include "win32/picture.h"
#include "win32/tessorin.h"
#include "win32/wide.h"
#include "window/working.h"

namespace win32 {

namespace layout = panel::layout;
using layout::Control;

namespace {

constexpr wchar_t kClassName[] = L"Tessorin";
// A fixed single border: a title bar with the icon and a close box, no sizing, no minimise or
// maximise box. Not WS_CLIPCHILDREN: the frame draws no background of its own, so the window
// paints it.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

const wchar_t* ClassOf(Control control) {
  switch (control) {
    case Control::Label1: return L"STATIC";
    case Control::List1: return L"LISTBOX";
    case Control::Text1:
    case Control::Text2: return L"EDIT";
    case Control::Picture1: return nullptr;  // the program's own
    default: return L"BUTTON";
  }
}

// The standard control each kind of the table is, in the state the window description gives it.
DWORD StyleOf(Control control) {
  switch (control) {
    case Control::Label1: return SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
    case Control::List1: return LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP;
    case Control::Frame1: return BS_GROUPBOX;
    case Control::Check1: return BS_CHECKBOX | WS_TABSTOP | WS_DISABLED;  // ticked by the program only
    case Control::Text2: return ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP;
    case Control::Picture1: return WS_TABSTOP;
    case Control::Command1: return BS_OWNERDRAW | WS_TABSTOP;  // so that its face shows its colour
    case Control::Text1: return ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
  }
  return 0;
}

bool Sunken(Control control) {
  return control == Control::List1 || control == Control::Text1 || control == Control::Text2 ||
         control == Control::Picture1;
}

}  // namespace

int Tessorin::Dpi(HWND window) { return DpiOf(window); }

void Tessorin::CreateFrame() {
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
  windowBrush_ = CreateSolidBrush(ToColorRef(panel::kForm.background));
  CreateWindowExW(0, kClassName, Wide(panel::kForm.caption).c_str(), kFrameStyle, CW_USEDEFAULT,
                  CW_USEDEFAULT, panel::kForm.width, panel::kForm.height, nullptr, nullptr, instance_, this);
}

// The controls are made in tab order, which makes it their order for the keyboard too.
void Tessorin::BuildControls() {
  const std::vector<panel::ControlSpec>& specs = panel::Controls();
  std::vector<std::size_t> order(specs.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&specs](std::size_t x, std::size_t y) { return specs[x].tabIndex < specs[y].tabIndex; });
  controls_.assign(specs.size(), nullptr);
  brushes_.assign(specs.size(), nullptr);
  for (std::size_t i : order) {
    controls_[i] = MakeControl(specs[i], kFirstId + static_cast<int>(i));
    if (specs[i].background) brushes_[i] = CreateSolidBrush(ToColorRef(*specs[i].background));
  }
}

HWND Tessorin::MakeControl(const panel::ControlSpec& spec, int id) {
  const wchar_t* name = ClassOf(spec.control);
  if (name == nullptr) name = PictureClass(instance_);
  const DWORD style = WS_CHILD | (spec.visible ? WS_VISIBLE : 0) | StyleOf(spec.control);
  HWND control =
      CreateWindowExW(Sunken(spec.control) ? WS_EX_CLIENTEDGE : 0, name, Wide(spec.text).c_str(), style, 0, 0,
                      0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
  switch (spec.control) {
    case Control::List1:
      for (const model::Combination& c : model::kCombinations) {
        SendMessageW(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(c.label).c_str()));
      }
      break;
    case Control::Text2:
      SendMessageW(control, EM_LIMITTEXT, layout::kDesignMaxLength, 0);
      SetWindowSubclass(control, BoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
      break;
    case Control::Text1: SetWindowSubclass(control, BoxProc, 0, reinterpret_cast<DWORD_PTR>(this)); break;
    default: break;
  }
  return control;
}

// Everything at the screen's density: 96 dots per inch is the table's pixels.
void Tessorin::LayOut(int dpi) {
  dpi_ = dpi;
  auto scale = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
  const int width = scale(panel::kForm.width);
  const int height = scale(panel::kForm.height);
  SizeClient(window_, kFrameStyle, width, height, dpi);

  HFONT old = font_;
  font_ = MakeFont(panel::kForm.fontFamily, panel::kForm.fontPoints, dpi);
  const std::vector<panel::ControlSpec>& specs = panel::Controls();
  for (std::size_t i = 0; i < specs.size(); ++i) {
    const layout::Rect r = specs[i].InWindow();
    SetWindowPos(controls_[i], nullptr, scale(r.left), scale(r.top), scale(r.width), scale(r.height),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  }
  if (old != nullptr) DeleteObject(old);

  // The picture in lines and letters at the screen's density.
  if (HWND picture = Item(Control::Picture1)) {
    SendMessageW(picture, kSetPicture, reinterpret_cast<WPARAM>(&state_.picture), dpi);
  }
  SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, scale(480));
  SendMessageW(help_, TTM_SETMAXTIPWIDTH, 0, scale(480));
}

void Tessorin::Describe() {
  const std::vector<panel::ControlSpec>& specs = panel::Controls();
  SetAccessible(window_, panel::kForm.accessible.name, panel::kForm.accessible.description);
  for (std::size_t i = 0; i < specs.size(); ++i) {
    const bool box = specs[i].control == Control::Text2;
    SetAccessible(controls_[i], specs[i].name,
                  box ? panel::DesktopDescription(specs[i].description) : specs[i].description);
  }
}

LRESULT Tessorin::Colour(HDC dc, HWND control) {
  const auto found = std::find(controls_.begin(), controls_.end(), control);
  if (found == controls_.end())
    return DefWindowProcW(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0);
  const auto i = static_cast<std::size_t>(found - controls_.begin());
  const panel::ControlSpec& spec = panel::Controls()[i];
  if (brushes_[i] != nullptr) {
    SetBkColor(dc, ToColorRef(*spec.background));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(brushes_[i]);
  }
  // Read-only boxes keep the colours of a box that can be typed into.
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

// A button face of exactly the table's colour.
void Tessorin::DrawButton(const DRAWITEMSTRUCT& item) {
  const auto found = std::find(controls_.begin(), controls_.end(), item.hwndItem);
  if (found == controls_.end()) return;
  DrawColouredButton(item, brushes_[static_cast<std::size_t>(found - controls_.begin())], font_, dpi_);
}

}  // namespace win32
