// The Windows window for a problem as the book gives it, driven through its controls' messages,
// and the calculator's window opening it.
#include "tests/win32_driver.h"
#include "win32/elements_window.h"
#include "window/elements.h"
#include "window/elements_controls.h"
#include "window/layout.h"

namespace {

using namespace test;
namespace el = panel::elements;
using el::Kind;
using model::problem::Element;

runtime::RegionalSettings Bulgarian() {
  runtime::RegionalSettings s = runtime::CSettings();
  s.decimalSymbol = ",";
  return s;
}

int RowOf(Element e) {
  for (int r = 0; r < el::kRowCount; ++r) {
    if (el::kRows[static_cast<std::size_t>(r)].element == e) return r;
  }
  return -1;
}

void PumpAll() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message != WM_QUIT) DispatchMessageW(&message);
  }
}

// The problem window on the screen, its messages caught instead of shown.
struct Problem {
  Problem() : window(GetModuleHandleW(nullptr), Bulgarian()) {
    window.SetReporter(
        [this](HWND, const std::string& title, const std::string&) { messages.push_back(title); });
    ShowWindow(window.Handle(), SW_SHOW);
    UpdateWindow(window.Handle());
    PumpAll();
  }
  HWND Box(Element e) const { return window.Item(Kind::Box, RowOf(e)); }
  void Give(std::initializer_list<std::pair<Element, const char*>> givens) const {
    for (const auto& [e, text] : givens) Type(Box(e), text);
  }
  std::vector<std::string> Boxes() const {
    std::vector<std::string> texts;
    for (int r = 0; r < el::kRowCount; ++r) texts.push_back(Text(window.Item(Kind::Box, r)));
    return texts;
  }
  // What the mouse shows over box `e`.
  std::string Tooltip(Element e) const {
    struct Find {
      HWND owner, tips = nullptr;
    } find{window.Handle()};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND found, LPARAM data) {
          auto* f = reinterpret_cast<Find*>(data);
          wchar_t name[64];
          GetClassNameW(found, name, 64);
          if (std::wstring(name) == TOOLTIPS_CLASSW && GetWindow(found, GW_OWNER) == f->owner)
            f->tips = found;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&find));
    wchar_t text[4096] = {};
    TOOLINFOW tool{sizeof tool};
    tool.hwnd = window.Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(Box(e));
    tool.lpszText = text;
    SendMessageW(find.tips, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
    return win32::Utf8(text);
  }

  win32::ElementsWindow window;
  std::vector<std::string> messages;
};

COLORREF PixelIn(HWND control) {
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = GetDC(control);
  const COLORREF colour = GetPixel(dc, 3, 3);
  ReleaseDC(control, dc);
  return colour;
}

COLORREF Rgb(panel::colours::Rgb c) {
  return RGB(static_cast<BYTE>(c.red), static_cast<BYTE>(c.green), static_cast<BYTE>(c.blue));
}

// Holds the keys down while `key` is pressed, through the window's own translation.
template <typename Window>
bool PressWith(const Window& window, std::initializer_list<int> held, WPARAM key) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  for (int k : held) keys[k] = 0x80;
  SetKeyboardState(keys);
  MSG press{GetFocus(), WM_KEYDOWN, key, 0};
  const bool handled = window.PreTranslate(press);
  for (int k : held) keys[k] = 0;
  SetKeyboardState(keys);
  return handled;
}

std::string Clipboard() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = win32::Utf8(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// Every control stands at the table's place in the window's font, at twice the place on a screen
// of twice the density, in the design's colours.
TEST(Win32Elements, ControlsStandWhereTheTableSaysInTheDesignsLook) {
  Problem p;
  HWND window = p.window.Handle();
  EXPECT_EQ(Text(window), el::kCaption);
  EXPECT_EQ(PixelIn(p.window.Item(Kind::Title)), Rgb(panel::colours::kHeading));
  EXPECT_EQ(PixelIn(p.window.Item(Kind::Calculate)), Rgb(panel::colours::kCalculate));
  EXPECT_EQ(PixelIn(p.window.Item(Kind::Clear)), Rgb(panel::colours::kClear));
  EXPECT_EQ(PixelIn(window), Rgb(panel::colours::kWindow));
  for (int factor : {1, 2}) {
    if (factor == 2) {
      RECT frame;
      GetWindowRect(window, &frame);
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&frame));
    }
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, factor * el::kWidth);
    // A screen lower than the window keeps the frame on it.
    if (factor * el::kHeight < GetSystemMetrics(SM_CYSCREEN) - 64) {
      EXPECT_EQ(client.bottom, factor * el::kHeight);
    }
    for (const el::Control& c : el::Controls()) {
      HWND control = p.window.Item(c.kind, c.index);
      RECT r;
      GetWindowRect(control, &r);
      MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
      EXPECT_EQ(r.left, factor * c.rect.left) << el::Id(c) << c.text;
      EXPECT_EQ(r.top, factor * c.rect.top) << el::Id(c) << c.text;
      EXPECT_EQ(r.right - r.left, factor * c.rect.width) << el::Id(c) << c.text;
      EXPECT_EQ(r.bottom - r.top, factor * c.rect.height) << el::Id(c) << c.text;
      if (c.kind == Kind::Picture) continue;
      LOGFONTW font;
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
      EXPECT_EQ(win32::Utf8(font.lfFaceName), panel::layout::kFontFamily);
      EXPECT_EQ(font.lfHeight, -MulDiv(panel::layout::kFontPoints, 96 * factor, 72));
    }
  }
}

// Bases 27 and 13 with α 45°: every element they fix, in the boxes left empty, apart from the
// typed ones, read-only, each with its exact form under the mouse; the notebook solution on the
// window and on Ctrl+Shift+C; a change drops it all.
TEST(Win32Elements, CalculateFillsWhatTheGivensFixApartFromTheTyped) {
  Problem p;
  p.Give({{model::problem::kA, "27"}, {model::problem::kC, "13"}, {model::problem::kAlpha, "45"}});
  Click(p.window.Item(Kind::Calculate));
  EXPECT_TRUE(p.messages.empty());
  HWND b = p.Box(model::problem::kB), a = p.Box(model::problem::kA);
  EXPECT_EQ(Text(b), "9,8994949");
  EXPECT_EQ(p.Tooltip(model::problem::kB), "b = 7√2 ≈ 9,8994949");
  EXPECT_TRUE(ReadOnly(b));
  EXPECT_EQ(PixelIn(b), RGB(255, 255, 208));
  EXPECT_EQ(Text(a), "27");
  EXPECT_FALSE(ReadOnly(a));
  EXPECT_EQ(PixelIn(a), GetSysColor(COLOR_WINDOW));
  Type(b, "1");  // a found box takes no typing
  EXPECT_EQ(Text(b), "9,8994949");
  EXPECT_EQ(Text(p.window.Item(Kind::Solution)).rfind("Дадено:\r\n  a = 27", 0), 0u);
  EXPECT_NE(p.window.State().picture, panel::DefaultDrawing());
  EXPECT_FALSE(IsWindowVisible(p.window.Item(Kind::Switch)));

  SetFocus(p.window.Item(Kind::Calculate));
  EXPECT_TRUE(PressWith(p.window, {VK_CONTROL, VK_SHIFT}, 'C'));
  const std::string copied = Clipboard();
  EXPECT_EQ(copied.rfind("Дадено:\r\n  a = 27", 0), 0u);
  EXPECT_NE(copied.find("Отговор:"), std::string::npos);

  Type(a, "1");
  EXPECT_EQ(Text(b), "");
  EXPECT_FALSE(ReadOnly(b));
  EXPECT_EQ(p.Tooltip(model::problem::kB), "");
  EXPECT_EQ(Text(p.window.Item(Kind::Solution)), "");
}

// R 5 with bases 8 and 6: two trapezoids, and the switch goes round them.
TEST(Win32Elements, TwoTrapezoidsShowTheSwitch) {
  Problem p;
  p.Give({{model::problem::kCircumradius, "5"}, {model::problem::kA, "8"}, {model::problem::kC, "6"}});
  Click(p.window.Item(Kind::Calculate));
  HWND next = p.window.Item(Kind::Switch), h = p.Box(model::problem::kH);
  ASSERT_TRUE(IsWindowVisible(next));
  for (const auto& [shown, height] : {std::pair{"Решение 1 от 2", "1,0000000"},
                                      {"Решение 2 от 2", "7,0000000"},
                                      {"Решение 1 от 2", "1,0000000"}}) {
    EXPECT_EQ(Text(next), shown);
    EXPECT_EQ(Text(h), height);
    Click(next);
  }
  Click(p.window.Item(Kind::Clear));
  EXPECT_FALSE(IsWindowVisible(next));
  EXPECT_EQ(p.Boxes(), std::vector<std::string>(el::kRowCount));
}

// Givens that disagree, a number that is none and a ratio that is none: said once, in words, and
// no box changed.
TEST(Win32Elements, ARefusalIsSaidAndNoBoxChanges) {
  struct Case {
    std::vector<std::pair<Element, const char*>> givens;
    int tick;
    const char* ratio;
    const char* title;
  };
  const Case cases[] = {
      {{{model::problem::kA, "10"}, {model::problem::kC, "4"}, {model::problem::kM, "8"}},
       model::problem::kIncircle,
       "",
       "Задачата няма решение"},
      {{{model::problem::kA, "1x"}, {model::problem::kC, "4"}}, -1, "", "Не мога да прочета числото"},
      {{{model::problem::kA, "10"}, {model::problem::kH, "4"}},
       model::problem::kBasesRatio,
       "7:",
       "Не мога да прочета числото"},
  };
  for (const Case& c : cases) {
    Problem p;
    for (const auto& [e, text] : c.givens) Type(p.Box(e), text);
    if (c.tick >= 0) Click(p.window.Item(Kind::Tick, c.tick));
    Type(p.window.Item(Kind::Ratio), c.ratio);
    const std::vector<std::string> before = p.Boxes();
    Click(p.window.Item(Kind::Calculate));
    EXPECT_EQ(p.messages, std::vector<std::string>{c.title}) << c.givens.front().second;
    EXPECT_EQ(p.Boxes(), before);
    for (int r = 0; r < el::kRowCount; ++r)
      EXPECT_FALSE(p.window.State().rows[static_cast<std::size_t>(r)].found);
  }
}

// The calculator's window opens this one with Ctrl+E and from its picture's context menu, which
// shows the shortcut; closed, it keeps what it holds.
TEST(Win32Elements, TheCalculatorOpensItByMenuAndShortcut) {
  Shown w(runtime::CSettings());
  EXPECT_TRUE(PressWith(*w.window, {VK_CONTROL}, 'E'));
  ASSERT_NE(w.window->Elements(), nullptr);
  HWND elements = w.window->Elements()->Handle();
  EXPECT_TRUE(IsWindowVisible(elements));
  EXPECT_EQ(GetWindow(elements, GW_OWNER), w.window->Handle());
  Type(w.window->Elements()->Item(Kind::Box, 0), "27");
  SendMessageW(elements, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(elements));
  EXPECT_TRUE(IsWindowVisible(w.window->Handle()));

  // The menu as it opens: its item read, then chosen with the keyboard.
  static std::string item;
  SetWindowSubclass(
      w.window->Handle(),
      [](HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT {
        if (message == WM_INITMENUPOPUP && item.empty()) {
          wchar_t text[128] = {};
          GetMenuStringW(reinterpret_cast<HMENU>(wParam), 0, text, 128, MF_BYPOSITION);
          item = win32::Utf8(text);
          PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
          PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
        }
        return DefSubclassProc(window, message, wParam, lParam);
      },
      1, 0);
  SetForegroundWindow(w.window->Handle());
  RECT picture;
  GetWindowRect(w.Item(Control::Picture1), &picture);
  SendMessageW(w.window->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(w.Item(Control::Picture1)),
               MAKELPARAM(picture.left + 10, picture.top + 10));
  EXPECT_EQ(item, std::string(el::kOpenCommand) + "\t" + el::kOpenShortcut);
  EXPECT_EQ(item, "Задача по дадени елементи…\tCtrl+E");
  EXPECT_TRUE(IsWindowVisible(elements));
  EXPECT_EQ(Text(w.window->Elements()->Item(Kind::Box, 0)), "27");
}

}  // namespace

int main(int argc, char** argv) {
  test::StartWindows();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
