// The window's behaviour over its plain state: each event from each state it meets, as tables.
#include "window/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings.h"
#include "window/describe.h"
#include "window/drawing.h"
#include "window/texts.h"

namespace {

using panel::State;
using Six = std::vector<std::string>;

const runtime::RegionalSettings kC = runtime::CSettings();
const Six kEmpty(6, "");
const Six kExample = {"8", "5", "2", "4", "20", "20"};
const Six kShown = {"8.00000", "5.00000", "2.00000", "4.00000", "20.0000", "20.0000"};

// The given rows of each combination, written out as the list's rows name them.
const std::vector<std::vector<int>> kGivenRows = {
    {0, 1, 2}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}, {0, 1, 4}, {0, 2, 4},
    {1, 2, 4}, {1, 3, 4}, {0, 2, 5}, {0, 3, 5}, {1, 3, 5}, {2, 3, 5},
};

Six Texts(const State& s) {
  Six texts;
  for (const panel::Row& row : s.rows) texts.push_back(row.text);
  return texts;
}

// The rows as ticked and open: exactly `given`, the ticks and the locks agreeing.
void ExpectGiven(const State& s, const std::vector<int>& given) {
  for (int q = 0; q < 6; ++q) {
    const bool is = std::find(given.begin(), given.end(), q) != given.end();
    EXPECT_EQ(s.rows[q].ticked, is) << "row " << q;
    EXPECT_EQ(s.rows[q].readOnly, !is) << "row " << q;
  }
}

void ExpectNoWorking(const State& s) {
  for (int q = 0; q < 6; ++q) {
    EXPECT_EQ(s.rows[q].working, "") << q;
    EXPECT_EQ(s.rows[q].description, panel::QuantityBox(q).description) << q;
  }
  EXPECT_EQ(s.solution, "");
  EXPECT_EQ(s.copy, "");
  EXPECT_EQ(s.picture, panel::DefaultDrawing());
}

State Typed(State s, const Six& texts) {
  for (int q = 0; q < 6; ++q) {
    if (!s.rows[q].readOnly) s = panel::Text2_Change(s, q, texts[q]);
  }
  return s;
}

// Combination `index` chosen, the example's given values typed and calculated.
State Solved(int index) {
  return panel::Command1_Click(Typed(panel::List1_Click(panel::Form_Load(), index), kExample), 0, kC);
}

TEST(Form, TheLoadChoosesCombinationZeroWithEveryBoxEmpty) {
  const State s = panel::Form_Load();
  EXPECT_EQ(s.combination, 0);
  EXPECT_EQ(s.maxLength, 7);
  ExpectGiven(s, {0, 1, 2});
  EXPECT_EQ(Texts(s), kEmpty);
  ExpectNoWorking(s);
  EXPECT_EQ(s.message, panel::Message{});
}

// Choosing a row after a calculation: its given rows open, every box emptied, the working gone;
// "P,a,b" opens a, b and P although its label names P first. A choice of no row opens none.
TEST(Form, AChoiceAppliesItsCombinationAndEmptiesEveryBox) {
  for (int index = -1; index < 12; ++index) {
    const State s = panel::List1_Click(Solved(index < 0 ? 3 : (index + 1) % 12), index);
    EXPECT_EQ(s.combination, index);
    ExpectGiven(s, index < 0 ? std::vector<int>{} : kGivenRows[static_cast<std::size_t>(index)]);
    EXPECT_EQ(Texts(s), kEmpty) << index;
    ExpectNoWorking(s);
  }
}

TEST(Form, EveryCombinationSolvesTheAssignmentExample) {
  for (int index = 0; index < 12; ++index) {
    const State s = Solved(index);
    EXPECT_EQ(Texts(s), kShown) << index;
    ExpectGiven(s, kGivenRows[static_cast<std::size_t>(index)]);
    EXPECT_EQ(s.rows[kGivenRows[index][0]].working.find(" — дадено") != std::string::npos, true) << index;
    EXPECT_NE(s.solution.find("Отговор:"), std::string::npos);
    EXPECT_EQ(s.copy, s.solution);
    EXPECT_EQ(s.message, panel::Message{});
  }
}

// Typing changes a box's text, at most seven characters of it, and drops the working; writing the
// text the box holds already is no change and keeps it.
TEST(Form, TypingKeepsSevenCharactersAndDropsTheWorking) {
  struct Case {
    const char* typed;
    const char* kept;
  } cases[] = {
      {"12,5 cmЖ99", "12,5 cm"},         {"ЖЖЖЖЖЖЖЖЖ", "ЖЖЖЖЖЖЖ"}, {"8", "8"}, {"", ""},
      {"1\u00A0000,00", "1\u00A0000,0"},
  };
  for (const Case& c : cases) {
    const State s = panel::Text2_Change(Solved(0), 0, c.typed);
    EXPECT_EQ(s.rows[0].text, c.kept) << c.typed;
    ExpectNoWorking(s);
  }
  const State solved = Solved(0);
  EXPECT_EQ(panel::Text2_Change(solved, 0, "8.00000"), solved);
}

TEST(Form, CalculateWritesNegativeResultsAndIsRepeatable) {
  const State once =
      panel::Command1_Click(Typed(panel::List1_Click(panel::Form_Load(), 1), {"4", "5", "", "4"}), 0, kC);
  const Six written = {"4.00000", "5.00000", "-2.0000", "4.00000", "12.0000", "4.00000"};
  EXPECT_EQ(Texts(once), written);
  EXPECT_EQ(Texts(panel::Command1_Click(once, 0, kC)), written);
}

// What is written reads back as the same numbers under a decimal comma with digit groups.
TEST(Form, BulgarianResultsReadBackAsTheSameNumbers) {
  const runtime::RegionalSettings bg = test_settings::Bulgarian();
  const State once = panel::Command1_Click(
      Typed(panel::List1_Click(panel::Form_Load(), 2), {"2,5", "", "0,5", "1000"}), 0, bg);
  const Six written = {"2,50000", "1\u00A0000,0", "0,50000", "1\u00A0000,0", "2\u00A0003,0", "1\u00A0500,0"};
  EXPECT_EQ(Texts(once), written);
  EXPECT_EQ(Texts(panel::Command1_Click(once, 0, bg)), written);
}

// A ticked value that is not greater than zero: the press changes nothing at all.
TEST(Form, InvalidInputChangesNothing) {
  for (const char* b : {"", "0", "-5", "пет", "0,5", "-"}) {
    const State typed = Typed(panel::Form_Load(), {"8", b, "2"});
    EXPECT_EQ(panel::Command1_Click(typed, 0, kC), typed) << b;
  }
  const State fresh = panel::Form_Load();
  EXPECT_EQ(panel::Command1_Click(fresh, 0, kC), fresh);
}

// A shape that cannot exist: the message says why, no box changes, the failed solution is what a
// copy takes; closing the message changes nothing else.
TEST(Form, AFailingShapeOpensTheMessageAndChangesNoBox) {
  struct Case {
    int index;
    Six given;
    const char* title;
    const char* says;
  } cases[] = {
      {0, {"8", "2", "2"}, panel::texts::kErrorTitle, "2·b ≥ |a − c|"},
      {1, {"8", "4", "", "5"}, panel::texts::kErrorTitle, "колкото височината h"},
      {4, {"8", "5", "", "", "12"}, panel::texts::kErrorTitle, "между 2·a и 2·a + 4·b"},
      {5, {"8", "", "2", "", "14"}, panel::texts::kErrorTitle, "между 2·a и 2·c"},
      {7, {"", "4", "", "5", "20"}, panel::texts::kErrorTitle, "колкото височината h"},
      {0, {"1E200", "1E200", "1"}, panel::texts::kTooLargeTitle, "твърде големи"},
  };
  for (const Case& c : cases) {
    Six given = c.given;
    given.resize(6);
    const State typed = Typed(panel::List1_Click(panel::Form_Load(), c.index), given);
    const State failed = panel::Command1_Click(typed, 0, kC);
    EXPECT_EQ(failed.message.title, c.title) << c.index;
    EXPECT_NE(failed.message.text.find(c.says), std::string::npos) << failed.message.text;
    EXPECT_EQ(Texts(failed), Texts(typed));
    EXPECT_NE(failed.copy.find("Дадено:"), std::string::npos);
    State closed = panel::Message_Close(failed);
    EXPECT_EQ(closed.message, panel::Message{});
    closed.copy = typed.copy;
    EXPECT_EQ(closed, typed);
  }
}

// An unticked zero divisor is reached only by a state no event makes: the press still tells it.
TEST(Form, AnUntickedZeroHeightIsADivisionByZero) {
  State s = panel::List1_Click(panel::Form_Load(), 9);
  s = Typed(s, {"8", "", "", "", "", "20"});
  s.rows[3].ticked = false;
  EXPECT_EQ(panel::Command1_Click(s, 0, kC).message.text.rfind(panel::texts::kDivisionByZero, 0), 0u);
}

// Clear empties the six boxes only; then nothing is given, and Calculate does nothing.
TEST(Form, ClearEmptiesTheBoxesOnly) {
  const State solved = Solved(9);
  const State cleared = panel::Command1_Click(solved, 1, kC);
  EXPECT_EQ(Texts(cleared), kEmpty);
  EXPECT_EQ(cleared.combination, 9);
  ExpectGiven(cleared, kGivenRows[9]);
  ExpectNoWorking(cleared);
  EXPECT_EQ(panel::Command1_Click(cleared, 0, kC), cleared);
}

State Pressed(int index, const Six& given) {
  Six six = given;
  six.resize(6);
  return panel::Command1_Click(Typed(panel::List1_Click(panel::Form_Load(), index), six), 0, kC);
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// After a calculation Picture1 shows the computed trapezoid: AB = a at the bottom, DC = c on top,
// their lengths and the height in the proportions of the measures (to a pixel of rounding).
TEST(Form, ACalculationDrawsItsTrapezoidToScale) {
  struct Case {
    int index;
    Six given;
    double a, c, h;
  } cases[] = {
      {0, {"8", "5", "2"}, 8, 2, 4},
      {2, {"21", "", "9", "8"}, 21, 9, 8},
      {2, {"10", "", "6", "4"}, 10, 6, 4},
      {3, {"", "5", "3", "4"}, 9, 3, 4},  // x = 3, a = c + 2·x
  };
  for (const Case& c : cases) {
    const State s = Pressed(c.index, c.given);
    ASSERT_NE(s.picture, panel::DefaultDrawing()) << c.index;
    ASSERT_GE(s.picture.lines.size(), 4u);
    const panel::Line ab = s.picture.lines[0], dc = s.picture.lines[1];
    EXPECT_EQ(ab.from.y, ab.to.y);  // both bases horizontal, AB below DC
    EXPECT_EQ(dc.from.y, dc.to.y);
    EXPECT_GT(ab.from.y, dc.from.y);
    const double width = ab.to.x - ab.from.x;
    EXPECT_NEAR((dc.to.x - dc.from.x) / width, c.c / c.a, 2 / width) << c.index;
    EXPECT_NEAR((ab.from.y - dc.from.y) / width, c.h / c.a, 2 / width) << c.index;
    EXPECT_TRUE(Has(s.picture.description, "a = " + std::string(c.given[0][0] ? c.given[0] : "9")));
  }
}

// The measures a textbook asks for next: in the working under their own heading, in the answer
// after the six, in the copy and in the picture's tooltip and description. Bases 9 and 21 with height 8 give
// R = 10,625; bases 10 and 6 with height 4 give the midline 8; a = 8, b = 5, c = 2 has
// a + c = 2·b and so an inscribed circle of radius h / 2 = 2.
TEST(Form, TheNewMeasuresFollowTheSix) {
  struct Case {
    int index;
    Six given;
    std::vector<std::string> answers;  // the answer's lines after the six
    const char* diagonal;              // as the picture's description says it
  } cases[] = {
      {2,
       {"21", "", "9", "8"},
       {"m = 15", "d = 17", "α ≈ 53.13° ≈ 53°08′", "β ≈ 126.87° ≈ 126°52′", "R = 10.625"},
       "d = 17"},
      {2,
       {"10", "", "6", "4"},
       {"m = 8", "d = 4√5 ≈ 8.9442719", "α ≈ 63.43° ≈ 63°26′", "β ≈ 116.57° ≈ 116°34′", "R = 5"},
       "d ≈ 8.9442719"},
      {0,
       {"8", "5", "2"},
       {"m = 5", "d = √41 ≈ 6.4031242", "α ≈ 53.13° ≈ 53°08′", "β ≈ 126.87° ≈ 126°52′",
        "R = 5√41/8 ≈ 4.0019526", "r = 2"},
       "d ≈ 6.4031242"},
  };
  for (const Case& c : cases) {
    const State s = Pressed(c.index, c.given);
    std::string tail;
    for (const std::string& answer : c.answers) tail += "\n" + answer;
    EXPECT_TRUE(EndsWith(s.solution, tail)) << s.solution;
    EXPECT_TRUE(Has(s.solution, "\nОще елементи на трапеца:\nm = (a + c) / 2 = ")) << s.solution;
    EXPECT_EQ(s.copy, s.solution);
    EXPECT_TRUE(Has(s.picture.description, c.diagonal)) << s.picture.description;
    EXPECT_EQ(s.message, panel::Message{});
    // The picture explains the measures it shows beyond the six as the working does, and says it.
    const std::size_t from = s.solution.find("Още елементи"), to = s.solution.find("\nОтговор:");
    EXPECT_EQ(s.picture.working, s.solution.substr(from, to - from));
    EXPECT_TRUE(EndsWith(s.picture.description, "\n" + s.picture.working));
  }
  EXPECT_EQ(Pressed(0, {"8", "5", "2"}).picture.working,
            "Още елементи на трапеца:\n"
            "m = (a + c) / 2 = (8 + 2) / 2 = 5\n"
            "d = √(h² + m²) = √(4² + 5²) = √41 ≈ 6.4031242\n"
            "tg α = h / x = 4 / 3 = 4/3 ≈ 1.3333333, α ≈ 53.13° ≈ 53°08′\n"
            "β = 180° − α ≈ 180° − 53.13° ≈ 126.87° ≈ 126°52′\n"
            "R = b·d / (2·h) = 5·√41 / (2·4) = 5√41/8 ≈ 4.0019526\n"
            "r = h / 2 = 4 / 2 = 2");
}

// Measures that make no trapezoid: the boxes show the numbers as computed, without a message; the
// working and the solution end with the sentence that says why, and Picture1 says it in words.
TEST(Form, NoTrapezoidIsSaidInWords) {
  struct Case {
    int index;
    Six given;
    const char* sentence;
  } cases[] = {
      {1, {"4", "5", "", "4"}, "Няма такъв трапец: c = −2 < 0"},
      {1, {"8", "5", "", "3"}, "Няма такъв трапец: c = 0 и фигурата е равнобедрен триъгълник"},
      {2, {"6", "", "6", "4"}, "Няма такъв трапец: a = c и фигурата е правоъгълник"},
      // P,b,c: a = 12 − 2·5 − 2 = 0.
      {6, {"", "5", "2", "", "12"}, "Няма такъв трапец: a = 0 и фигурата е равнобедрен триъгълник"},
      {6, {"", "5", "2", "", "10"}, "Няма такъв трапец: a = −2 < 0"},
      // P,b,h with b = h: a + c = 0 and x = 0, so a = c = 0.
      {7, {"", "5", "", "5", "10"}, "Няма такъв трапец: a = c = 0 и четирите върха лежат на една права"},
      // a,b,c with b = x = 3: h = 0.
      {0, {"8", "3", "2"}, "Няма такъв трапец: h = 0 и четирите върха лежат на една права"},
  };
  for (const Case& c : cases) {
    const State s = Pressed(c.index, c.given);
    EXPECT_EQ(s.message, panel::Message{}) << c.sentence;
    EXPECT_NE(s.rows[2].text, "") << c.sentence;
    const std::size_t answer = s.solution.find("\nОтговор:\n");
    ASSERT_NE(answer, std::string::npos) << s.solution;
    EXPECT_TRUE(EndsWith(s.solution, std::string("\n") + c.sentence)) << s.solution;
    EXPECT_EQ(s.solution.find(c.sentence), s.solution.rfind(c.sentence, answer)) << "once in the working";
    EXPECT_FALSE(Has(s.solution, "Още елементи")) << s.solution;
    const std::string working = s.solution.substr(0, answer);
    EXPECT_TRUE(EndsWith(working, std::string("\n") + c.sentence)) << working;
    EXPECT_EQ(s.picture.description, c.sentence);
    EXPECT_TRUE(s.picture.lines.empty());
    // The picture's lines, read one after the other, say the sentence word for word.
    std::string said;
    for (const panel::Label& l : s.picture.labels) said += (said.empty() ? "" : " ") + l.text;
    EXPECT_EQ(said, c.sentence);
    EXPECT_EQ(s.picture.labels.front().text, "Няма такъв трапец:");
  }
}

// Every way back to the default drawing: typing, Clear, another combination, and a press that
// fails or finds a given value not greater than zero. A press of no button keeps the drawing.
TEST(Form, AnyChangeBringsBackTheDefaultDrawing) {
  const State solved = Pressed(0, {"8", "5", "2"});
  ASSERT_NE(solved.picture, panel::DefaultDrawing());
  struct Case {
    const char* change;
    State after;
  } cases[] = {
      {"typing", panel::Text2_Change(solved, 1, "6")},
      {"Clear", panel::Command1_Click(solved, 1, kC)},
      {"another combination", panel::List1_Click(solved, 3)},
      {"the same combination", panel::List1_Click(solved, 0)},
      {"a failing press", panel::Command1_Click(panel::Text2_Change(solved, 1, "2"), 0, kC)},
      {"a press with b = 0", panel::Command1_Click(panel::Text2_Change(solved, 1, "0"), 0, kC)},
      {"the load", panel::Form_Load()},
  };
  for (const Case& c : cases) EXPECT_EQ(c.after.picture, panel::DefaultDrawing()) << c.change;
  // A given value that the box shows as zero: the next press finds it not greater than zero.
  EXPECT_EQ(panel::Command1_Click(Pressed(0, {"0.0000001", "1", "0.0000001"}), 0, kC).picture,
            panel::DefaultDrawing());
  EXPECT_EQ(panel::Command1_Click(solved, 5, kC).picture, solved.picture);
  EXPECT_EQ(panel::Command1_Click(solved, 0, kC).picture, solved.picture);
}

TEST(Form, AButtonThatIsNoneDoesNothing) {
  const State solved = Solved(4);
  for (int button : {-1, 2, 7}) EXPECT_EQ(panel::Command1_Click(solved, button, kC), solved) << button;
}

}  // namespace
