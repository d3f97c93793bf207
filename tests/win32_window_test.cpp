// The Windows window driven through its controls' messages, as a user drives it.
#include <algorithm>

#include "design_window.h"
#include "model/combination.h"
#include "tests/win32_driver.h"
#include "window/controls.h"
#include "window/form.h"
#include "window/press.h"

namespace {

using namespace test;

const std::vector<std::string> kExample = {"8", "5", "2", "4", "20", "20"};
const std::vector<std::string> kExampleShown = {"8.00000", "5.00000", "2.00000",
                                                "4.00000", "20.0000", "20.0000"};

// Types the example's given measures of combination `index` into their boxes.
void TypeExample(const Shown& w, int index) {
  for (model::Quantity q : model::kCombinations[static_cast<std::size_t>(index)].given) {
    Type(w.Item(Control::Text2, q), kExample[q]);
  }
}

// The control that the window's design calls `id` ("Text2_3").
HWND Designed(const Shown& w, std::string_view id) {
  for (const panel::ControlSpec& s : panel::Controls()) {
    if (panel::ObjectName(s) == id) return w.Item(s.control, s.element);
  }
  ADD_FAILURE() << "no control " << id;
  return nullptr;
}

// The rows as the window's state has them once combination `index` is chosen: ticks, locks, and
// ticks the user cannot change.
void ExpectRowsOf(const Shown& w, int index) {
  const panel::State chosen = panel::List1_Click(panel::Form_Load(), index);
  for (int i = 0; i < 6; ++i) {
    const panel::Row& row = chosen.rows[static_cast<std::size_t>(i)];
    EXPECT_EQ(Ticked(w.Item(Control::Check1, i)), row.ticked) << "row " << i;
    EXPECT_EQ(ReadOnly(w.Item(Control::Text2, i)), row.readOnly) << "row " << i;
    EXPECT_FALSE(IsWindowEnabled(w.Item(Control::Check1, i))) << "row " << i;
  }
}

TEST(Win32Window, LoadsWithTheFirstCombinationAndEmptyBoxes) {
  Shown w(runtime::CSettings());
  EXPECT_EQ(SendMessageW(w.Item(Control::List1), LB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(SendMessageW(w.Item(Control::List1), LB_GETCOUNT, 0, 0), model::kCombinationCount);
  ExpectRowsOf(w, 0);
  EXPECT_EQ(BoxTexts(w), std::vector<std::string>(6));
  EXPECT_EQ(GetFocus(), w.Item(Control::Text1, 0));
  EXPECT_FALSE(IsWindowVisible(w.Item(Control::Text1, 1)));
}

TEST(Win32Window, AChosenCombinationSolvesTheAssignmentExample) {
  Shown w(runtime::CSettings());
  Choose(w, 7);
  ExpectRowsOf(w, 7);
  TypeExample(w, 7);
  Click(w.Item(Control::Command1, 0));
  EXPECT_EQ(BoxTexts(w), kExampleShown);
  EXPECT_TRUE(w.messages.empty());
}

TEST(Win32Window, BoxesTakeSevenCharactersAndOnlyWhereGiven) {
  Shown w(runtime::CSettings());
  Type(w.Item(Control::Text2, 0), "12345678,9 x");
  Type(w.Item(Control::Text2, 3), "4");  // h is computed in "a,b,c"
  Type(w.Item(Control::Text1, 0), "x");
  EXPECT_EQ(Text(w.Item(Control::Text2, 0)), "1234567");
  EXPECT_EQ(Text(w.Item(Control::Text2, 3)), "");
  EXPECT_EQ(Text(w.Item(Control::Text1, 0)).rfind("Задание:", 0), 0u);
}

TEST(Win32Window, ClearEmptiesTheBoxesAndKeepsTheRest) {
  Shown w(runtime::CSettings());
  Choose(w, 9);
  TypeExample(w, 9);
  Click(w.Item(Control::Command1, 0));
  Click(w.Item(Control::Command1, 1));
  EXPECT_EQ(BoxTexts(w), std::vector<std::string>(6));
  ExpectRowsOf(w, 9);
  EXPECT_EQ(SendMessageW(w.Item(Control::List1), LB_GETCURSEL, 0, 0), 9);
  Click(w.Item(Control::Command1, 0));  // nothing given: nothing happens
  EXPECT_EQ(BoxTexts(w), std::vector<std::string>(6));
}

TEST(Win32Window, ListAnswersTheKeyboardAndTheLeftButtonOnly) {
  Shown w(runtime::CSettings());
  HWND list = w.Item(Control::List1);
  TypeExample(w, 0);
  SetFocus(list);
  SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
  ExpectRowsOf(w, 1);
  EXPECT_EQ(BoxTexts(w), std::vector<std::string>(6));

  RECT row;
  SendMessageW(list, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&row));
  const LPARAM at = MAKELPARAM(row.left + 2, row.top + 2);
  Type(w.Item(Control::Text2, 0), "8");
  SendMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, at);
  SendMessageW(list, WM_RBUTTONUP, 0, at);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(Text(w.Item(Control::Text2, 0)), "8");
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list, WM_LBUTTONUP, 0, at);
  Pump(*w.window);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 3);
  ExpectRowsOf(w, 3);
  EXPECT_EQ(Text(w.Item(Control::Text2, 0)), "");
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

std::string WithCrLf(std::string text) {
  for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) text.insert(at, "\r");
  return text;
}

void PressCtrlShiftC(const Shown& w) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  MSG press{GetFocus(), WM_KEYDOWN, 'C', 0};
  EXPECT_TRUE(w.window->PreTranslate(press));
  keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

// "a,b,h" with a leg shorter than the height: no such trapezoid.
TEST(Win32Window, ImpossibleShapeShowsTheMessageAndChangesNoBox) {
  Shown w(runtime::CSettings());
  Choose(w, 1);
  for (auto [row, value] : {std::pair{0, "8"}, {1, "1"}, {3, "4"}}) Type(w.Item(Control::Text2, row), value);
  const std::vector<std::string> before = BoxTexts(w);
  Click(w.Item(Control::Command1, 0));
  EXPECT_EQ(BoxTexts(w), before);
  model::Rows rows;
  for (int i = 0; i < 6; ++i) rows[i] = {model::IsGiven(1, i), before[static_cast<std::size_t>(i)]};
  const panel::Message expected = panel::Press(1, rows, runtime::CSettings()).message;
  EXPECT_NE(expected.text.find("√"), std::string::npos);  // the failing step is told too
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0], expected.title + "\n" + expected.text);
  PressCtrlShiftC(w);  // the solution up to the failing step
  EXPECT_EQ(Clipboard(), WithCrLf(panel::Press(1, rows, runtime::CSettings()).solution));
}

// What each box explains after a calculation; typing drops it; F1 shows it below the box.
TEST(Win32Window, WorkingAsTooltipsAndOnF1) {
  Shown w(runtime::CSettings());
  TypeExample(w, 0);
  model::Rows rows;
  for (int i = 0; i < 6; ++i) rows[i] = {model::IsGiven(0, i), Text(w.Item(Control::Text2, i))};
  Click(w.Item(Control::Command1, 0));
  HWND tips = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND found, LPARAM out) {
        wchar_t name[64];
        GetClassNameW(found, name, 64);
        TOOLINFOW tool{sizeof tool};
        if (std::wstring(name) == TOOLTIPS_CLASSW && SendMessageW(found, TTM_GETTOOLCOUNT, 0, 0) == 7) {
          *reinterpret_cast<HWND*>(out) = found;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&tips));
  ASSERT_NE(tips, nullptr);
  auto tip = [&](int row) {  // the picture's after the six boxes'
    wchar_t text[4096] = {};
    TOOLINFOW tool{sizeof tool};
    tool.hwnd = w.window->Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(row < 6 ? w.Item(Control::Text2, row) : w.Item(Control::Picture1));
    tool.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
    return win32::Utf8(text);
  };
  const auto working = panel::Press(0, rows, runtime::CSettings()).explanations;
  for (int i = 0; i < 6; ++i) EXPECT_EQ(tip(i), working[static_cast<std::size_t>(i)]) << "row " << i;
  EXPECT_NE(tip(5).find("S ="), std::string::npos);
  EXPECT_EQ(tip(6), panel::Press(0, rows, runtime::CSettings()).picture.working);
  EXPECT_NE(tip(6).find("\nR = b·d / (2·h) = 5·√41 / (2·4) = 5√41/8 ≈ 4.0019526\n"), std::string::npos);

  HWND box = w.Item(Control::Text2, 5);
  SetFocus(box);
  SendMessageW(box, WM_KEYDOWN, VK_F1, 0);
  bool shown = false;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND found, LPARAM out) {
        wchar_t name[64];
        GetClassNameW(found, name, 64);
        if (std::wstring(name) == TOOLTIPS_CLASSW && IsWindowVisible(found))
          *reinterpret_cast<bool*>(out) = true;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&shown));
  EXPECT_TRUE(shown);

  // A full box takes no more characters: the typing replaces its whole text.
  SendMessageW(w.Item(Control::Text2, 0), EM_SETSEL, 0, -1);
  Type(w.Item(Control::Text2, 0), "1");
  for (int i = 0; i < 6; ++i) EXPECT_EQ(tip(i), "") << "row " << i;
}

// Ctrl+Shift+C copies the whole solution of the last calculation while the boxes show it, with
// Windows' line breaks; a changed box drops it.
TEST(Win32Window, CtrlShiftCCopiesTheSolution) {
  Shown w(runtime::CSettings());
  TypeExample(w, 0);
  model::Rows rows;
  for (int i = 0; i < 6; ++i) rows[i] = {model::IsGiven(0, i), Text(w.Item(Control::Text2, i))};
  const std::string expected = WithCrLf(panel::Press(0, rows, runtime::CSettings()).solution);
  Click(w.Item(Control::Command1, 0));
  SetFocus(w.Item(Control::List1));
  PressCtrlShiftC(w);
  EXPECT_EQ(Clipboard(), expected);
  EXPECT_NE(expected.find("\r\n"), std::string::npos);

  SendMessageW(w.Item(Control::Text2, 0), EM_SETSEL, 0, -1);
  Type(w.Item(Control::Text2, 0), "1");
  OpenClipboard(nullptr);
  EmptyClipboard();
  CloseClipboard();
  PressCtrlShiftC(w);
  EXPECT_EQ(Clipboard(), "");
}

// Tab visits the controls that take the focus in the design's order, and comes round again.
TEST(Win32Window, TabFollowsTheTabOrder) {
  Shown w(runtime::CSettings());
  std::vector<HWND> expected;
  for (const char* id : design::kFocus) expected.push_back(Designed(w, id));
  std::vector<HWND> visited{GetFocus()};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0};
    EXPECT_TRUE(w.window->PreTranslate(tab));
    visited.push_back(GetFocus());
  }
  expected.push_back(expected.front());
  EXPECT_EQ(visited, expected);
}

// Enter and Esc press no button.
TEST(Win32Window, NeitherButtonIsTheDefault) {
  Shown w(runtime::CSettings());
  TypeExample(w, 0);
  HWND box = w.Item(Control::Text2, 0);
  SetFocus(box);
  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    MSG press{box, WM_KEYDOWN, key, 0};
    w.window->PreTranslate(press);
    Pump(*w.window);
  }
  EXPECT_EQ(BoxTexts(w), (std::vector<std::string>{"8", "5", "2", "", "", ""}));
}

COLORREF PixelAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

// Every control the design colours shows its colour inside its border, the window its own around
// them.
TEST(Win32Window, ShowsTheDesignsColours) {
  Shown w(runtime::CSettings());
  RedrawWindow(w.window->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  auto rgb = [](const std::array<int, 3>& c) { return RGB(c[0], c[1], c[2]); };
  for (const design::Control& want : design::kControls) {
    if (!want.background) continue;
    HWND control = Designed(w, want.id);
    RECT r;
    GetClientRect(control, &r);
    // Just inside the raised edge of a button; a frame's colour shows below its rows.
    const int x = 3;
    const int y = std::string_view(want.id) == "Frame1" ? r.bottom - 4 : 3;
    EXPECT_EQ(PixelAt(control, x, y), rgb(*want.background)) << want.id;
  }
  EXPECT_EQ(PixelAt(w.window->Handle(), 4, 100), rgb(design::kBackground));
}

// The picture box's client area as it paints itself, pixel by pixel.
struct Painted {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;

  // Dark where the pixel at (x, y) of the picture, or one beside it, is darker than mid grey.
  bool Dark(double x, double y) const {
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        const int px = static_cast<int>(x) + dx, py = static_cast<int>(y) + dy;
        if (px < 0 || py < 0 || px >= width || py >= height) continue;
        const COLORREF c = pixels[static_cast<std::size_t>(py * width + px)];
        if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128) return true;
      }
    }
    return false;
  }
  friend bool operator==(const Painted&, const Painted&) = default;
};

Painted Paint(HWND box) {
  RECT r;
  GetClientRect(box, &r);
  Painted p{r.right, r.bottom, {}};
  HDC screen = GetDC(box);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, p.width, p.height);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageW(box, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) p.pixels.push_back(GetPixel(dc, x, y));
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(box, screen);
  return p;
}

// Picture1 paints the window's picture: the default drawing at load, the computed trapezoid after
// a calculation (its bases where the data put them), the default drawing again after Clear.
TEST(Win32Window, PictureBoxPaintsTheDrawingOfTheState) {
  Shown w(runtime::CSettings());
  HWND box = w.Item(Control::Picture1);
  const Painted before = Paint(box);
  ASSERT_EQ(before.width, panel::Picture::kWidth);
  // The default drawing's AB from (15, 156) to (170, 156), DH at x = 54.5; white inside.
  EXPECT_TRUE(before.Dark(90, 156));
  EXPECT_TRUE(before.Dark(54, 100));
  EXPECT_FALSE(before.Dark(110, 120));

  TypeExample(w, 0);
  Click(w.Item(Control::Command1, 0));
  Pump(*w.window);
  model::Rows rows;
  for (int q = 0; q < 3; ++q) rows[q] = {true, kExample[q]};
  const panel::Picture computed = panel::Press(0, rows, runtime::CSettings()).picture;
  ASSERT_NE(computed, panel::DefaultDrawing());
  const Painted after = Paint(box);
  EXPECT_NE(after, before);
  for (int k = 0; k < 4; ++k) {  // AB, DC and the legs, a quarter of the way along
    const panel::Line& side = computed.lines.at(static_cast<std::size_t>(k));
    EXPECT_TRUE(
        after.Dark(side.from.x + (side.to.x - side.from.x) / 4, side.from.y + (side.to.y - side.from.y) / 4))
        << k;
  }

  Click(w.Item(Control::Command1, 1));
  Pump(*w.window);
  EXPECT_EQ(Paint(box), before);

  // On a screen of twice the density the picture stands at twice its place.
  TypeExample(w, 0);
  Click(w.Item(Control::Command1, 0));
  RECT frame;
  GetWindowRect(w.window->Handle(), &frame);
  SendMessageW(w.window->Handle(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&frame));
  Pump(*w.window);
  const Painted twice = Paint(box);
  // The box's border stays two pixels wide: the picture stands in the middle of what it leaves.
  const double left = (twice.width - 2 * panel::Picture::kWidth) / 2.0,
               top = (twice.height - 2 * panel::Picture::kHeight) / 2.0;
  ASSERT_GE(left, 0);
  ASSERT_GE(top, 0);
  for (int k = 0; k < 4; ++k) {
    const panel::Line& side = computed.lines.at(static_cast<std::size_t>(k));
    EXPECT_TRUE(twice.Dark(left + 2 * (side.from.x + (side.to.x - side.from.x) / 4),
                           top + 2 * (side.from.y + (side.to.y - side.from.y) / 4)))
        << k;
  }
  // Inside the trapezoid, away from every line and letter.
  EXPECT_FALSE(twice.Dark(left + 2 * 115, top + 2 * 70));
}

// Each control stands at the design's place in the window's font, and on a screen of twice the
// density at twice the place.
TEST(Win32Window, ControlsStandAtTheDesignsPlacesAndScale) {
  Shown w(runtime::CSettings());
  HWND window = w.window->Handle();
  for (int factor : {1, 2}) {
    if (factor == 2) {
      RECT frame;
      GetWindowRect(window, &frame);
      SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&frame));
    }
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, factor * design::kWidth);
    EXPECT_EQ(client.bottom, factor * design::kHeight);
    std::array<int, 4> frame{};  // the rows stand in the frame
    for (const design::Control& c : design::kControls) {
      if (std::string_view(c.id) == "Frame1") frame = c.rect;
    }
    for (const design::Control& want : design::kControls) {
      HWND control = Designed(w, want.id);
      RECT r;
      GetWindowRect(control, &r);
      MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
      const int left = want.rect[0] + (*want.in ? frame[0] : 0),
                top = want.rect[1] + (*want.in ? frame[1] : 0);
      EXPECT_EQ(r.left, factor * left) << want.id;
      EXPECT_EQ(r.top, factor * top) << want.id;
      EXPECT_EQ(r.right - r.left, factor * want.rect[2]) << want.id;
      EXPECT_EQ(r.bottom - r.top, factor * want.rect[3]) << want.id;
      if (std::string_view(want.id) == "Picture1") continue;  // a drawing, no text
      LOGFONTW font;
      GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
      EXPECT_EQ(win32::Utf8(font.lfFaceName), panel::kForm.fontFamily);
      EXPECT_EQ(font.lfHeight, -MulDiv(panel::kForm.fontPoints, 96 * factor, 72));
      EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  test::StartWindows();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
