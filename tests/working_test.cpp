// The working as a pupil reads it: every step of each combination with its numbers, in the
// regional decimal form, and the step that fails with why.
#include "window/working.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/combination.h"
#include "settings.h"
#include "window/press.h"

namespace {

using model::Rows;

const runtime::RegionalSettings kC = runtime::CSettings(), kBg = test_settings::Bulgarian();

// The given rows of `index` hold `given`, in ascending index order; `ticked` false leaves every
// row unticked, which the window never does.
Rows GivenRows(int index, const std::array<const char*, 3>& given, bool ticked = true) {
  Rows rows;
  int k = 0;
  for (model::Quantity q : model::kCombinations[static_cast<std::size_t>(index)].given) {
    rows[q] = {ticked, given[static_cast<std::size_t>(k++)]};
  }
  return rows;
}

struct Case {
  int index;
  std::array<const char*, 3> given;
  const runtime::RegionalSettings* settings;  // null: the same text under C and Bulgarian settings
  const char* working;                        // for a failing run, the start of it
  bool fails = false;
  bool ticked = true;
};

// The assignment's example a = 8, b = 5, c = 2, h = 4, P = 20, S = 20 through each combination.
#define EXAMPLE_P "P = a + c + 2·b = 8 + 2 + 2·5 = 20"
#define EXAMPLE_S "S = (a + c)·h / 2 = (8 + 2)·4 / 2 = 20"
// The first step that uses x says what it is.
#define X_IS " (x = AH, проекцията на бедрото върху голямата основа)"
#define HALF_DIFFERENCE "x = (a − c) / 2 = (8 − 2) / 2 = 3" X_IS
#define X_FROM_LEG "x = √(b² − h²) = √(5² − 4²) = √9 = 3" X_IS
#define H_FROM_LEG "h = √(b² − x²) = √(5² − 3²) = √16 = 4"
#define B_FROM_XH "b = √(x² + h²) = √(3² + 4²) = √25 = 5"

// clang-format off
const Case kCases[] = {
    {0, {"8", "5", "2"}, nullptr, HALF_DIFFERENCE "\n" H_FROM_LEG "\n" EXAMPLE_P "\n" EXAMPLE_S},
    {1, {"8", "5", "4"}, nullptr, X_FROM_LEG "\nc = a − 2·x = 8 − 2·3 = 2\n" EXAMPLE_P "\n" EXAMPLE_S},
    {2, {"8", "2", "4"}, nullptr, HALF_DIFFERENCE "\n" B_FROM_XH "\n" EXAMPLE_P "\n" EXAMPLE_S},
    {3, {"5", "2", "4"}, nullptr, X_FROM_LEG "\na = c + 2·x = 2 + 2·3 = 8\n" EXAMPLE_P "\n" EXAMPLE_S},
    {4, {"8", "5", "20"}, nullptr,
     "c = P − 2·b − a = 20 − 2·5 − 8 = 2\n" HALF_DIFFERENCE "\n" H_FROM_LEG "\n" EXAMPLE_S},
    {5, {"8", "2", "20"}, nullptr,
     HALF_DIFFERENCE "\nb = (P − a − c) / 2 = (20 − 8 − 2) / 2 = 5\n" H_FROM_LEG "\n" EXAMPLE_S},
    {6, {"5", "2", "20"}, nullptr,
     "a = P − 2·b − c = 20 − 2·5 − 2 = 8\n" HALF_DIFFERENCE "\n" H_FROM_LEG "\n" EXAMPLE_S},
    {7, {"5", "4", "20"}, nullptr,
     X_FROM_LEG "\nc = (P − 2·b − 2·x) / 2 = (20 − 2·5 − 2·3) / 2 = 2\na = c + 2·x = 2 + 2·3 = 8\n" EXAMPLE_S},
    {8, {"8", "2", "20"}, nullptr,
     HALF_DIFFERENCE "\nh = 2·S / (a + c) = 2·20 / (8 + 2) = 4\n" B_FROM_XH "\n" EXAMPLE_P},
    {9, {"8", "4", "20"}, nullptr,
     "c = 2·S / h − a = 2·20 / 4 − 8 = 2\n" HALF_DIFFERENCE "\n" B_FROM_XH "\n" EXAMPLE_P},
    {10, {"5", "4", "20"}, nullptr,
     X_FROM_LEG "\nc = S / h − x = 20 / 4 − 3 = 2\na = c + 2·x = 2 + 2·3 = 8\n" EXAMPLE_P},
    {11, {"2", "4", "20"}, nullptr,
     "a = 2·S / h − c = 2·20 / 4 − 2 = 8\n" HALF_DIFFERENCE "\n" B_FROM_XH "\n" EXAMPLE_P},
    // Exact values, then "≈" and the decimal, in each decimal form.
    {0, {"5", "3", "1"}, &kC,
     "x = (a − c) / 2 = (5 − 1) / 2 = 2" X_IS "\nh = √(b² − x²) = √(3² − 2²) = √5 ≈ 2.236068\n"
     "P = a + c + 2·b = 5 + 1 + 2·3 = 12\nS = (a + c)·h / 2 = (5 + 1)·√5 / 2 = 3√5 ≈ 6.7082039"},
    {0, {"8", "5", "3"}, &kBg,
     "x = (a − c) / 2 = (8 − 3) / 2 = 2,5" X_IS "\nh = √(b² − x²) = √(5² − 2,5²) = √18,75 = 5√3/2 ≈ 4,330127\n"
     "P = a + c + 2·b = 8 + 3 + 2·5 = 21\nS = (a + c)·h / 2 = (8 + 3)·(5√3/2) / 2 = 55√3/4 ≈ 23,8156986"},
    {8, {"8", "1", "20"}, &kBg,
     "x = (a − c) / 2 = (8 − 1) / 2 = 3,5" X_IS "\nh = 2·S / (a + c) = 2·20 / (8 + 1) = 40/9 ≈ 4,4444444\n"
     "b = √(x² + h²) = √(3,5² + (40/9)²) = √(10369/324) = √10369/18 ≈ 5,657127\n"
     "P = a + c + 2·b = 8 + 1 + 2·(√10369/18) = (81 + √10369)/9 ≈ 20,3142541"},
    // Roots that cancel; a sum put in for a letter is bracketed.
    {7, {"5", "2", "20"}, &kBg,
     "x = √(b² − h²) = √(5² − 2²) = √21 ≈ 4,5825757" X_IS "\n"
     "c = (P − 2·b − 2·x) / 2 = (20 − 2·5 − 2·√21) / 2 = 5 − √21 ≈ 0,4174243\n"
     "a = c + 2·x = (5 − √21) + 2·√21 = 5 + √21 ≈ 9,5825757\n"
     "S = (a + c)·h / 2 = ((5 + √21) + (5 − √21))·2 / 2 = 10"},
    // An exact zero; an irrational number that the doubles write as a short decimal.
    {6, {"5", "2", "10"}, &kBg,
     "a = P − 2·b − c = 10 − 2·5 − 2 = −2\nx = (a − c) / 2 = ((−2) − 2) / 2 = −2" X_IS "\n"
     "h = √(b² − x²) = √(5² − (−2)²) = √21 ≈ 4,5825757\nS = (a + c)·h / 2 = ((−2) + 2)·√21 / 2 = 0"},
    {2, {"12501", "1", "1"}, &kBg,
     "x = (a − c) / 2 = (12501 − 1) / 2 = 6250" X_IS "\nb = √(x² + h²) = √(6250² + 1²) = √39062501 ≈ 6250,00008\n"
     "P = a + c + 2·b = 12501 + 1 + 2·√39062501 = 12502 + 2√39062501 ≈ 25002,00016\n"
     "S = (a + c)·h / 2 = (12501 + 1)·1 / 2 = 6251"},
    // Negative numbers in brackets; no digit grouping; powers of ten where seven decimals fail.
    {1, {"4", "5", "4"}, nullptr,
     X_FROM_LEG "\nc = a − 2·x = 4 − 2·3 = −2\nP = a + c + 2·b = 4 + (−2) + 2·5 = 12\n"
     "S = (a + c)·h / 2 = (4 + (−2))·4 / 2 = 4"},
    {2, {"1E-9", "1000", "1E20"}, &kBg,
     "x = (a − c) / 2 = (1·10⁻⁹ − 1000) / 2 = −499,9999999995 ≈ −500" X_IS "\n"
     // No exact form beyond 64-bit integers: the decimals as the doubles give them.
     "b = √(x² + h²) ≈ √((−500)² + (1·10²⁰)²) ≈ 1·10²⁰\n"
     "P = a + c + 2·b = 1·10⁻⁹ + 1000 + 2·(1·10²⁰) = 2·10²⁰\n"
     "S = (a + c)·h / 2 = (1·10⁻⁹ + 1000)·(1·10²⁰) / 2 ≈ 5·10²²"},
    // Each combination that can fail, stopped at the square root of a negative number.
    {0, {"8", "2", "2"}, nullptr,
     "x = (a − c) / 2 = (8 − 2) / 2 = 3" X_IS "\nh = √(b² − x²) = √(2² − 3²)\n"
     "√(−5) не съществува: под корена е отрицателно число, затова трапец с тези размери няма.", true},
    {1, {"8", "4", "5"}, nullptr, "x = √(b² − h²) = √(4² − 5²)" X_IS "\n√(−9) не съществува", true},
    {3, {"4", "2", "5"}, nullptr, "x = √(b² − h²) = √(4² − 5²)" X_IS "\n√(−9) не съществува", true},
    {4, {"8", "5", "12"}, nullptr,
     "c = P − 2·b − a = 12 − 2·5 − 8 = −6\nx = (a − c) / 2 = (8 − (−6)) / 2 = 7" X_IS "\n"
     "h = √(b² − x²) = √(5² − 7²)\n√(−24) не съществува", true},
    {5, {"8", "2", "14"}, &kBg,
     "x = (a − c) / 2 = (8 − 2) / 2 = 3" X_IS "\nb = (P − a − c) / 2 = (14 − 8 − 2) / 2 = 2\n"
     "h = √(b² − x²) = √(2² − 3²)\n√(−5) не съществува", true},
    {6, {"1", "8", "10"}, nullptr,
     "a = P − 2·b − c = 10 − 2·1 − 8 = 0\nx = (a − c) / 2 = (0 − 8) / 2 = −4" X_IS "\n"
     "h = √(b² − x²) = √(1² − (−4)²)\n√(−15) не съществува", true},
    {7, {"4", "5", "20"}, nullptr, "x = √(b² − h²) = √(4² − 5²)" X_IS "\n√(−9) не съществува", true},
    {10, {"2,5", "3", "10"}, &kBg, "x = √(b² − h²) = √(2,5² − 3²)" X_IS "\n√(−2,75) не съществува", true},
    // Division by zero needs an unticked given row, which the window never leaves.
    {8, {"0", "0", "5"}, nullptr,
     "x = (a − c) / 2 = (0 − 0) / 2 = 0" X_IS "\nh = 2·S / (a + c) = 2·5 / (0 + 0)\n"
     "10 / 0 не съществува: на нула не се дели, затова трапец с тези размери няма.", true, false},
    {10, {"3", "0", "6"}, nullptr,
     "x = √(b² − h²) = √(3² − 0²) = √9 = 3" X_IS "\nc = S / h − x = 6 / 0 − 3\n6 / 0 не съществува", true, false},
    // Numbers too large for a double.
    {0, {"1E200", "1E200", "1"}, nullptr,
     "x = (a − c) / 2 = (1·10²⁰⁰ − 1) / 2 = 5·10¹⁹⁹" X_IS "\nh = √(b² − x²) = √((1·10²⁰⁰)² − (5·10¹⁹⁹)²)\n"
     "Числата стават твърде големи и стъпката не може да се пресметне.", true},
};
// clang-format on

TEST(Working, EveryStepWithItsNumbersOrTheStepThatFails) {
  for (const Case& c : kCases) {
    for (const runtime::RegionalSettings* s : {&kC, &kBg}) {
      if (c.settings && c.settings != s) continue;
      const panel::Outcome press = panel::Press(c.index, GivenRows(c.index, c.given, c.ticked), *s);
      const std::string& working = press.working;
      SCOPED_TRACE(working);
      if (!c.fails) {
        // The six measures' steps, then those of the measures that follow them, or the sentence
        // that says the figure is no trapezoid.
        EXPECT_EQ(press.kind, panel::Outcome::Kind::Solved);
        const std::size_t more =
            std::min(working.find("\nОще елементи на трапеца:\n"), working.find("\nНяма такъв"));
        EXPECT_EQ(working.substr(0, more), c.working);
        continue;
      }
      ASSERT_EQ(press.kind, panel::Outcome::Kind::Failed);
      EXPECT_EQ(working.substr(0, std::string_view(c.working).size()), c.working);
      // The error message adds the failing step, and why, after its own text.
      const std::string own = panel::MessageFor(c.index, *press.error).text + "\n\n";
      ASSERT_EQ(press.message.text.substr(0, own.size()), own);
      const std::string failing = press.message.text.substr(own.size());
      EXPECT_EQ(working.substr(working.size() - failing.size()), failing);
      EXPECT_EQ(std::count(failing.begin(), failing.end(), '\n'), 1);
      // The boxes explain nothing: no numbers are written.
      for (const std::string& e : press.explanations) EXPECT_EQ(e, "");
    }
  }
}

TEST(Working, EachBoxExplainsItsOwnMeasure) {
  const Rows rows = GivenRows(0, {"8", "5cm", "2"});
  const std::array<std::string, 6> expected = {
      "a = 8 — дадено", "b = 5 — дадено",
      "c = 2 — дадено", HALF_DIFFERENCE "\n" H_FROM_LEG,
      EXAMPLE_P,        HALF_DIFFERENCE "\n" H_FROM_LEG "\n" EXAMPLE_S};
  const panel::Outcome press = panel::Press(0, rows, kC);
  EXPECT_EQ(press.explanations, expected);
  EXPECT_EQ(press.descriptions[4], panel::BoxDescription(4, EXAMPLE_P));
  // Nothing where Calculate does nothing, or computes nothing.
  EXPECT_EQ(panel::Press(0, GivenRows(0, {"8", "0", "2"}), kC).kind, panel::Outcome::Kind::Nothing);
  EXPECT_EQ(panel::Press(12, rows, kC).working, "");
}

// What each value box explains, for one example of every combination: a given measure as given,
// a computed one with every step it needs and no other, exact where the numbers allow: a root that
// comes out rational, roots, fractions, a zero that the doubles miss. The last one under C settings.
struct BoxCase {
  int index;
  std::array<const char*, 3> given;
  const runtime::RegionalSettings* settings;
  std::array<const char*, 6> boxes;  // a, b, c, h, P, S
};

// clang-format off
const BoxCase kBoxCases[] = {
    {0, {"7", "2,5", "3"}, &kBg,
     {"a = 7 — дадено", "b = 2,5 — дадено", "c = 3 — дадено",
      "x = (a − c) / 2 = (7 − 3) / 2 = 2" X_IS "\n"
      "h = √(b² − x²) = √(2,5² − 2²) = √2,25 = 1,5",
      "P = a + c + 2·b = 7 + 3 + 2·2,5 = 15",
      "x = (a − c) / 2 = (7 − 3) / 2 = 2" X_IS "\n"
      "h = √(b² − x²) = √(2,5² − 2²) = √2,25 = 1,5\n"
      "S = (a + c)·h / 2 = (7 + 3)·1,5 / 2 = 7,5"}},
    {1, {"12", "5", "2"}, &kBg,
     {"a = 12 — дадено", "b = 5 — дадено",
      "x = √(b² − h²) = √(5² − 2²) = √21 ≈ 4,5825757" X_IS "\n"
      "c = a − 2·x = 12 − 2·√21 = 12 − 2√21 ≈ 2,8348486",
      "h = 2 — дадено",
      "x = √(b² − h²) = √(5² − 2²) = √21 ≈ 4,5825757" X_IS "\n"
      "c = a − 2·x = 12 − 2·√21 = 12 − 2√21 ≈ 2,8348486\n"
      "P = a + c + 2·b = 12 + (12 − 2√21) + 2·5 = 34 − 2√21 ≈ 24,8348486",
      "x = √(b² − h²) = √(5² − 2²) = √21 ≈ 4,5825757" X_IS "\n"
      "c = a − 2·x = 12 − 2·√21 = 12 − 2√21 ≈ 2,8348486\n"
      "S = (a + c)·h / 2 = (12 + (12 − 2√21))·2 / 2 = 24 − 2√21 ≈ 14,8348486"}},
    {2, {"8", "1", "3"}, &kBg,
     {"a = 8 — дадено",
      "x = (a − c) / 2 = (8 − 1) / 2 = 3,5" X_IS "\n"
      "b = √(x² + h²) = √(3,5² + 3²) = √21,25 = √85/2 ≈ 4,6097722",
      "c = 1 — дадено", "h = 3 — дадено",
      "x = (a − c) / 2 = (8 − 1) / 2 = 3,5" X_IS "\n"
      "b = √(x² + h²) = √(3,5² + 3²) = √21,25 = √85/2 ≈ 4,6097722\n"
      "P = a + c + 2·b = 8 + 1 + 2·(√85/2) = 9 + √85 ≈ 18,2195445",
      "S = (a + c)·h / 2 = (8 + 1)·3 / 2 = 13,5"}},
    {3, {"3", "2", "1"}, &kBg,
     {"x = √(b² − h²) = √(3² − 1²) = √8 = 2√2 ≈ 2,8284271" X_IS "\n"
      "a = c + 2·x = 2 + 2·(2√2) = 2 + 4√2 ≈ 7,6568542",
      "b = 3 — дадено", "c = 2 — дадено", "h = 1 — дадено",
      "x = √(b² − h²) = √(3² − 1²) = √8 = 2√2 ≈ 2,8284271" X_IS "\n"
      "a = c + 2·x = 2 + 2·(2√2) = 2 + 4√2 ≈ 7,6568542\n"
      "P = a + c + 2·b = (2 + 4√2) + 2 + 2·3 = 10 + 4√2 ≈ 15,6568542",
      "x = √(b² − h²) = √(3² − 1²) = √8 = 2√2 ≈ 2,8284271" X_IS "\n"
      "a = c + 2·x = 2 + 2·(2√2) = 2 + 4√2 ≈ 7,6568542\n"
      "S = (a + c)·h / 2 = ((2 + 4√2) + 2)·1 / 2 = 2 + 2√2 ≈ 4,8284271"}},
    {4, {"8", "5", "21"}, &kBg,
     {"a = 8 — дадено", "b = 5 — дадено",
      "c = P − 2·b − a = 21 − 2·5 − 8 = 3",
      "c = P − 2·b − a = 21 − 2·5 − 8 = 3\n"
      "x = (a − c) / 2 = (8 − 3) / 2 = 2,5" X_IS "\n"
      "h = √(b² − x²) = √(5² − 2,5²) = √18,75 = 5√3/2 ≈ 4,330127",
      "P = 21 — дадено",
      "c = P − 2·b − a = 21 − 2·5 − 8 = 3\n"
      "x = (a − c) / 2 = (8 − 3) / 2 = 2,5" X_IS "\n"
      "h = √(b² − x²) = √(5² − 2,5²) = √18,75 = 5√3/2 ≈ 4,330127\n"
      "S = (a + c)·h / 2 = (8 + 3)·(5√3/2) / 2 = 55√3/4 ≈ 23,8156986"}},
    {5, {"4", "2", "10"}, &kBg,
     {"a = 4 — дадено",
      "b = (P − a − c) / 2 = (10 − 4 − 2) / 2 = 2",
      "c = 2 — дадено",
      "x = (a − c) / 2 = (4 − 2) / 2 = 1" X_IS "\n"
      "b = (P − a − c) / 2 = (10 − 4 − 2) / 2 = 2\n"
      "h = √(b² − x²) = √(2² − 1²) = √3 ≈ 1,7320508",
      "P = 10 — дадено",
      "x = (a − c) / 2 = (4 − 2) / 2 = 1" X_IS "\n"
      "b = (P − a − c) / 2 = (10 − 4 − 2) / 2 = 2\n"
      "h = √(b² − x²) = √(2² − 1²) = √3 ≈ 1,7320508\n"
      "S = (a + c)·h / 2 = (4 + 2)·√3 / 2 = 3√3 ≈ 5,1961524"}},
    {6, {"0,3", "0,1", "0,8"}, &kBg,
     {"a = P − 2·b − c = 0,8 − 2·0,3 − 0,1 = 0,1",
      "b = 0,3 — дадено", "c = 0,1 — дадено",
      "a = P − 2·b − c = 0,8 − 2·0,3 − 0,1 = 0,1\n"
      "x = (a − c) / 2 = (0,1 − 0,1) / 2 = 0" X_IS "\n"
      "h = √(b² − x²) = √(0,3² − 0²) = √0,09 = 0,3",
      "P = 0,8 — дадено",
      "a = P − 2·b − c = 0,8 − 2·0,3 − 0,1 = 0,1\n"
      "x = (a − c) / 2 = (0,1 − 0,1) / 2 = 0" X_IS "\n"
      "h = √(b² − x²) = √(0,3² − 0²) = √0,09 = 0,3\n"
      "S = (a + c)·h / 2 = (0,1 + 0,1)·0,3 / 2 = 0,03"}},
    {7, {"3", "2", "20"}, &kBg,
     {"x = √(b² − h²) = √(3² − 2²) = √5 ≈ 2,236068" X_IS "\n"
      "c = (P − 2·b − 2·x) / 2 = (20 − 2·3 − 2·√5) / 2 = 7 − √5 ≈ 4,763932\n"
      "a = c + 2·x = (7 − √5) + 2·√5 = 7 + √5 ≈ 9,236068",
      "b = 3 — дадено",
      "x = √(b² − h²) = √(3² − 2²) = √5 ≈ 2,236068" X_IS "\n"
      "c = (P − 2·b − 2·x) / 2 = (20 − 2·3 − 2·√5) / 2 = 7 − √5 ≈ 4,763932",
      "h = 2 — дадено", "P = 20 — дадено",
      "x = √(b² − h²) = √(3² − 2²) = √5 ≈ 2,236068" X_IS "\n"
      "c = (P − 2·b − 2·x) / 2 = (20 − 2·3 − 2·√5) / 2 = 7 − √5 ≈ 4,763932\n"
      "a = c + 2·x = (7 − √5) + 2·√5 = 7 + √5 ≈ 9,236068\n"
      "S = (a + c)·h / 2 = ((7 + √5) + (7 − √5))·2 / 2 = 14"}},
    {8, {"8", "1", "20"}, &kBg,
     {"a = 8 — дадено",
      "x = (a − c) / 2 = (8 − 1) / 2 = 3,5" X_IS "\n"
      "h = 2·S / (a + c) = 2·20 / (8 + 1) = 40/9 ≈ 4,4444444\n"
      "b = √(x² + h²) = √(3,5² + (40/9)²) = √(10369/324) = √10369/18 ≈ 5,657127",
      "c = 1 — дадено",
      "h = 2·S / (a + c) = 2·20 / (8 + 1) = 40/9 ≈ 4,4444444",
      "x = (a − c) / 2 = (8 − 1) / 2 = 3,5" X_IS "\n"
      "h = 2·S / (a + c) = 2·20 / (8 + 1) = 40/9 ≈ 4,4444444\n"
      "b = √(x² + h²) = √(3,5² + (40/9)²) = √(10369/324) = √10369/18 ≈ 5,657127\n"
      "P = a + c + 2·b = 8 + 1 + 2·(√10369/18) = (81 + √10369)/9 ≈ 20,3142541",
      "S = 20 — дадено"}},
    {9, {"4", "3", "10"}, &kBg,
     {"a = 4 — дадено",
      "c = 2·S / h − a = 2·10 / 3 − 4 = 8/3 ≈ 2,6666667\n"
      "x = (a − c) / 2 = (4 − 8/3) / 2 = 2/3 ≈ 0,6666667" X_IS "\n"
      "b = √(x² + h²) = √((2/3)² + 3²) = √(85/9) = √85/3 ≈ 3,0731815",
      "c = 2·S / h − a = 2·10 / 3 − 4 = 8/3 ≈ 2,6666667",
      "h = 3 — дадено",
      "c = 2·S / h − a = 2·10 / 3 − 4 = 8/3 ≈ 2,6666667\n"
      "x = (a − c) / 2 = (4 − 8/3) / 2 = 2/3 ≈ 0,6666667" X_IS "\n"
      "b = √(x² + h²) = √((2/3)² + 3²) = √(85/9) = √85/3 ≈ 3,0731815\n"
      "P = a + c + 2·b = 4 + 8/3 + 2·(√85/3) = (20 + 2√85)/3 ≈ 12,8130296",
      "S = 10 — дадено"}},
    {10, {"4", "3", "10"}, &kBg,
     {"x = √(b² − h²) = √(4² − 3²) = √7 ≈ 2,6457513" X_IS "\n"
      "c = S / h − x = 10 / 3 − √7 = (10 − 3√7)/3 ≈ 0,687582\n"
      "a = c + 2·x = (10 − 3√7)/3 + 2·√7 = (10 + 3√7)/3 ≈ 5,9790846",
      "b = 4 — дадено",
      "x = √(b² − h²) = √(4² − 3²) = √7 ≈ 2,6457513" X_IS "\n"
      "c = S / h − x = 10 / 3 − √7 = (10 − 3√7)/3 ≈ 0,687582",
      "h = 3 — дадено",
      "x = √(b² − h²) = √(4² − 3²) = √7 ≈ 2,6457513" X_IS "\n"
      "c = S / h − x = 10 / 3 − √7 = (10 − 3√7)/3 ≈ 0,687582\n"
      "a = c + 2·x = (10 − 3√7)/3 + 2·√7 = (10 + 3√7)/3 ≈ 5,9790846\n"
      "P = a + c + 2·b = (10 + 3√7)/3 + (10 − 3√7)/3 + 2·4 = 44/3 ≈ 14,6666667",
      "S = 10 — дадено"}},
    {11, {"1,5", "2,5", "7"}, &kBg,
     {"a = 2·S / h − c = 2·7 / 2,5 − 1,5 = 4,1",
      "a = 2·S / h − c = 2·7 / 2,5 − 1,5 = 4,1\n"
      "x = (a − c) / 2 = (4,1 − 1,5) / 2 = 1,3" X_IS "\n"
      "b = √(x² + h²) = √(1,3² + 2,5²) = √7,94 = √794/10 ≈ 2,8178006",
      "c = 1,5 — дадено", "h = 2,5 — дадено",
      "a = 2·S / h − c = 2·7 / 2,5 − 1,5 = 4,1\n"
      "x = (a − c) / 2 = (4,1 − 1,5) / 2 = 1,3" X_IS "\n"
      "b = √(x² + h²) = √(1,3² + 2,5²) = √7,94 = √794/10 ≈ 2,8178006\n"
      "P = a + c + 2·b = 4,1 + 1,5 + 2·(√794/10) = (28 + √794)/5 ≈ 11,2356011",
      "S = 7 — дадено"}},
    {2, {"8", "1", "3"}, &kC,
     {"a = 8 — дадено",
      "x = (a − c) / 2 = (8 − 1) / 2 = 3.5" X_IS "\n"
      "b = √(x² + h²) = √(3.5² + 3²) = √21.25 = √85/2 ≈ 4.6097722",
      "c = 1 — дадено", "h = 3 — дадено",
      "x = (a − c) / 2 = (8 − 1) / 2 = 3.5" X_IS "\n"
      "b = √(x² + h²) = √(3.5² + 3²) = √21.25 = √85/2 ≈ 4.6097722\n"
      "P = a + c + 2·b = 8 + 1 + 2·(√85/2) = 9 + √85 ≈ 18.2195445",
      "S = (a + c)·h / 2 = (8 + 1)·3 / 2 = 13.5"}},
};
// clang-format on

TEST(Working, EveryBoxOfEveryCombination) {
  for (const BoxCase& c : kBoxCases) {
    const std::string_view label = model::kCombinations[static_cast<std::size_t>(c.index)].label;
    const panel::Outcome press = panel::Press(c.index, GivenRows(c.index, c.given), *c.settings);
    ASSERT_EQ(press.kind, panel::Outcome::Kind::Solved) << label;
    for (std::size_t q = 0; q < c.boxes.size(); ++q) {
      EXPECT_EQ(press.explanations[q], c.boxes[q]) << label << ", box " << model::kTermLetters[q];
    }
  }
  // A given value that the box shows rounded: exactly as typed, then "≈" and the box's decimal.
  EXPECT_EQ(panel::Press(0, GivenRows(0, {"1,5E-7", "1", "1"}), kBg).explanations[0],
            "a = 0,00000015 ≈ 0,0000002 — дадено");
}

// The whole solution to copy: what is given, every step, and the six measures as the answer.
TEST(Working, TheSolutionAsInANotebook) {
  const panel::Outcome solved = panel::Press(0, GivenRows(0, {"8", "5", "3"}), kBg);
  EXPECT_EQ(solved.solution,
            "Дадено:\na = 8\nb = 5\nc = 3\nРешение:\n" + solved.working +
                "\nОтговор:\na = 8\nb = 5\nc = 3\nh = 5√3/2 ≈ 4,330127\nP = 21\nS = 55√3/4 ≈ 23,8156986"
                // x = 2,5 and tg α = h / x = √3; d² = h² + m² = 75/4 + 121/4 = 49; R = 5·7 / (5√3).
                "\nm = 5,5\nd = 7\nα = 60°\nβ = 120°\nR = 7√3/3 ≈ 4,0414519");
  EXPECT_NE(solved.working.find("\nОще елементи на трапеца:\nm = (a + c) / 2 = (8 + 3) / 2 = 5,5\nd = "),
            std::string::npos)
      << solved.working;
  const panel::Outcome failed = panel::Press(0, GivenRows(0, {"8", "2", "2"}), kBg);
  EXPECT_EQ(failed.solution,
            "Дадено:\na = 8\nb = 2\nc = 2\nРешение:\n" + failed.working + "\nОтговор:\nНяма такъв трапец.");
  EXPECT_EQ(panel::Press(0, GivenRows(0, {"8", "0", "2"}), kBg).solution, "");
}

}  // namespace
