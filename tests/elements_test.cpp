// The window for a problem as the book gives it, as data: events against the states they leave.
#include "window/elements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "window/elements_controls.h"
#include "window/trapezoid_drawing.h"

namespace {

using namespace panel::elements;
using panel::Message;
namespace problem = model::problem;

runtime::RegionalSettings Bulgarian() {
  runtime::RegionalSettings s = runtime::CSettings();
  s.decimalSymbol = ",";
  return s;
}

int RowOf(problem::Element e) {
  for (int r = 0; r < kRowCount; ++r) {
    if (kRows[static_cast<std::size_t>(r)].element == e) return r;
  }
  return -1;
}

const Row& At(const State& s, problem::Element e) { return s.rows[static_cast<std::size_t>(RowOf(e))]; }

State Typed(std::initializer_list<std::pair<problem::Element, const char*>> values) {
  State s = Load();
  for (const auto& [e, text] : values) s = Type(s, RowOf(e), text);
  return s;
}

TEST(Elements, TheWindowOpensEmptyWithItsCaption) {
  EXPECT_STREQ(kCaption, "Равнобедрен трапец — задача по дадени елементи");
  const State s = Load();
  for (const Row& row : s.rows) EXPECT_EQ(row, Row{});
  EXPECT_EQ(s.picture, panel::DefaultDrawing());
  EXPECT_EQ(SwitchText(s), "");
}

TEST(Elements, CalculateFillsWhatTheGivensFixAndKeepsWhatWasTyped) {
  const State s =
      Calculate(Typed({{problem::kA, "27"}, {problem::kC, "13"}, {problem::kAlpha, "45"}}), Bulgarian());
  EXPECT_EQ(At(s, problem::kA), (Row{"27", false, ""}));
  EXPECT_EQ(At(s, problem::kB), (Row{"9,8994949", true, "b = 7√2 ≈ 9,8994949"}));
  EXPECT_EQ(At(s, problem::kS).text, "140,0000000");
  EXPECT_EQ(At(s, problem::kBeta).text, "135,0000000°");
  EXPECT_EQ(s.working.rfind("Дадено:\n  a = 27\n", 0), 0u);
  EXPECT_NE(s.picture, panel::DefaultDrawing());
  EXPECT_EQ(s.message.title, "");
  // cos α typed in the α box.
  const State cosine =
      Calculate(Typed({{problem::kA, "10"}, {problem::kC, "4"}, {problem::kAlpha, "cos 0,6"}}), Bulgarian());
  EXPECT_EQ(At(cosine, problem::kH).text, "4,0000000");
}

TEST(Elements, ElementsNotFixedSayWhy) {
  const State s = Calculate(Typed({{problem::kM, "12"}, {problem::kH, "5"}}), Bulgarian());
  EXPECT_EQ(At(s, problem::kD).text, "13,0000000");
  EXPECT_EQ(At(s, problem::kA),
            (Row{kNotFixed, true, "a, c, b, P, α и R не се определят: безброй трапеци имат h = 5 и m = 12"}));
  EXPECT_EQ(s.picture, panel::DefaultDrawing());
}

TEST(Elements, TwoTrapezoidsAreShownOneAtATime) {
  State s =
      Calculate(Typed({{problem::kCircumradius, "5"}, {problem::kA, "8"}, {problem::kC, "6"}}), Bulgarian());
  EXPECT_EQ(SwitchText(s), "Решение 1 от 2");
  EXPECT_EQ(At(s, problem::kH).text, "1,0000000");
  s = Next(s, Bulgarian());
  EXPECT_EQ(SwitchText(s), "Решение 2 от 2");
  EXPECT_EQ(At(s, problem::kH).text, "7,0000000");
  s = Next(s, Bulgarian());
  EXPECT_EQ(At(s, problem::kH).text, "1,0000000");
}

TEST(Elements, GivensThatCannotBeSolvedChangeNoBox) {
  const std::pair<State, Message> cases[] = {
      {Typed({{problem::kA, "10"}, {problem::kC, "4"}, {problem::kM, "8"}}),
       {"Задачата няма решение",
        "Дадените не си съответстват: m = (a + c) / 2 = (10 + 4) / 2 = 7, а е дадено m = 8"}},
      {Typed({{problem::kA, "5x"}, {problem::kC, "4"}}),
       {"Не мога да прочета числото", "a = «5x»: пише се число, например 4,5"}},
      {Typed({{problem::kAlpha, "tan 1"}}),
       {"Не мога да прочета числото", "α = «tan 1»: пишат се градуси или sin 0,6, cos 0,6, tg 0,75"}},
      {Typed({{problem::kA, "4"}, {problem::kB, "5"}, {problem::kH, "4"}}),
       {"Задачата няма решение", "Няма такъв трапец: c = −2 < 0"}},
  };
  for (const auto& [typed, message] : cases) {
    const State s = Calculate(typed, Bulgarian());
    EXPECT_EQ(s.message, message);
    EXPECT_EQ(s.rows, typed.rows);
    EXPECT_EQ(CloseMessage(s).message, Message{});
    // The drawing says so where the figure is none, and keeps the default drawing otherwise.
    const bool none = message.text.rfind("Няма такъв трапец", 0) == 0;
    EXPECT_EQ(s.picture, none ? panel::WordsDrawing(message.text) : panel::DefaultDrawing()) << message.text;
  }
}

TEST(Elements, AnyChangeDropsTheResults) {
  const State solved =
      Calculate(Typed({{problem::kA, "27"}, {problem::kC, "13"}, {problem::kAlpha, "45"}}), Bulgarian());
  const State changes[] = {Type(solved, RowOf(problem::kA), "28"), Tick(solved, problem::kIncircle, true),
                           TypeRatio(solved, "7:3")};
  for (const State& s : changes) {
    EXPECT_EQ(At(s, problem::kB), Row{});
    EXPECT_EQ(s.working, "");
    EXPECT_EQ(s.picture, panel::DefaultDrawing());
  }
  // The same text again, or a box that only shows what was found, is no change.
  EXPECT_EQ(Type(solved, RowOf(problem::kC), "13"), solved);
  EXPECT_EQ(Type(solved, RowOf(problem::kPhi), "5"), solved);
  EXPECT_EQ(Clear(solved), Load());
}

TEST(Elements, ConditionsAndTheRatioAreGivens) {
  State s = Typed({{problem::kA, "14"}, {problem::kH, "4"}});
  s = TypeRatio(Tick(s, problem::kBasesRatio, true), "7:3");
  EXPECT_EQ(At(Calculate(s, Bulgarian()), problem::kC).text, "6,0000000");
  const State circle =
      Calculate(Tick(Typed({{problem::kA, "9"}, {problem::kC, "4"}}), problem::kIncircle, true), Bulgarian());
  EXPECT_EQ(At(circle, problem::kInradius).text, "3,0000000");
}

}  // namespace

namespace {

// The table every front end paints: inside the window, nothing overlapping, the tab order a
// pupil follows (the boxes top to bottom, then the ticks, the buttons and the solution), and
// every box and tick named in Bulgarian for a screen reader, with the page's ids.
TEST(ElementsControls, TheTableIsAWindowAPupilCanUse) {
  const auto& controls = Controls();
  int lastTab = -1;
  std::vector<std::string> ids;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const Control& c = controls[i];
    const auto& r = c.rect;
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= kWidth && r.top + r.height <= kHeight)
        << Id(c);
    for (std::size_t j = 0; j < i; ++j) {
      const auto& o = controls[j].rect;
      const bool apart = r.left >= o.left + o.width || o.left >= r.left + r.width ||
                         r.top >= o.top + o.height || o.top >= r.top + r.height;
      EXPECT_TRUE(apart) << i << " overlaps " << j;
    }
    if (c.tabIndex >= 0) {
      EXPECT_EQ(c.tabIndex, lastTab + 1) << Id(c);
      lastTab = c.tabIndex;
      EXPECT_FALSE(c.name.empty()) << Id(c);
    }
    if (!Id(c).empty()) ids.push_back(Id(c));
  }
  for (const char* id : {"E_a", "E_alpha", "E_O_to_AB", "E_incircle", "E_bases_ratio", "E_Calculate",
                         "E_Clear", "E_Next", "E_Picture", "E_Solution"}) {
    EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end()) << id;
  }
  EXPECT_EQ(std::set<std::string>(ids.begin(), ids.end()).size(), ids.size());
}

}  // namespace
