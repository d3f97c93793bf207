// Problems as books give them, solved: the exact answers, the working's key steps, the sentences
// for givens that disagree or make no trapezoid, and reading the command line's arguments.
#include "model/problem.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/exact_text.h"
#include "model/problem_args.h"
#include "model/problem_text.h"

namespace {

using namespace model::problem;

runtime::RegionalSettings Bulgarian() {
  runtime::RegionalSettings s = runtime::CSettings();
  s.decimalSymbol = ",";
  return s;
}

Answer SolveArgs(const std::string& line) {
  std::istringstream words(line);
  std::vector<std::string> args;
  for (std::string w; words >> w;) args.push_back(w);
  const Arguments read = ReadArguments(args);
  EXPECT_EQ(read.error, "") << line;
  return Solve(read.problem, Bulgarian());
}

// Each element of the first solution as the answer writes it: "b = 7√2 ≈ 9,8994949".
std::string Line(const Answer& a, Element e, std::size_t solution = 0) {
  if (solution >= a.solutions.size() || !a.solutions[solution].values[e]) return "(none)";
  return ElementLine(e, *a.solutions[solution].values[e], Bulgarian());
}

struct Expected {
  const char* problem;
  Element element;
  const char* line;
};

TEST(Problem, BookProblemsGiveTheirExactAnswers) {
  const Expected cases[] = {
      // bases and an angle: everything follows step by step
      {"a=27 c=13 alpha=45", kB, "b = 7√2 ≈ 9,8994949"},
      {"a=27 c=13 alpha=45", kS, "S = 140"},
      {"a=27 c=13 alpha=45", kCircumradius, "R = √898/2 ≈ 14,9833241"},
      {"c=24 b=12 alpha=60", kS, "S = 180√3 ≈ 311,7691454"},
      {"c=24 b=12 alpha=60", kD, "d = 12√7 ≈ 31,7490157"},
      {"c=24 b=12 beta=120", kA, "a = 36"},
      {"a=10 c=4 cos_alpha=0,6", kH, "h = 4"},
      {"a=10 c=4 tg_alpha=1", kAlpha, "α = 45°"},
      {"a=10 c=4 sin_alpha=0.8", kB, "b = 5"},
      {"a=8 c=2 b=5", kAlpha, "α ≈ 53,1301024° ≈ 53°08′"},
      {"a=8 c=2 b=5", kPhi, "φ ≈ 102,6803835° ≈ 102°41′"},
      {"a=8 c=2 b=5", kOToAB, "OO₁ = 3,2"},
      {"a=8 c=2 b=5", kOToDC, "OO₂ = 0,8"},
      // a system solved by formula
      {"P=40 c=10 alpha=60", kA, "a = 50/3 ≈ 16,6666667"},
      {"P=40 S=60 alpha=60", kX, "x ≈ 2,2288104"},
      {"a=10 r=3 incircle", kC, "c = 3,6"},
      // conditions
      {"a=9 c=4 incircle", kInradius, "r = 3"},
      {"a=12 alpha=60 diagonal_bisects_angle", kC, "c = 6"},
      {"a=20 alpha=60 diagonal_perpendicular_to_leg", kB, "b = 10"},
      {"c=6 h=8 perpendicular_diagonals", kA, "a = 10"},
      {"a=14 h=4 bases_ratio=7:3", kC, "c = 6"},
      {"r=3 alpha=30", kA, "a = 12 + 6√3 ≈ 22,3923048"},
      // two values fix what they can
      {"m=12 h=5", kD, "d = 13"},
      {"m=12 h=5", kS, "S = 60"},
      {"P=40 m=12", kB, "b = 8"},
      {"m=12 perpendicular_diagonals", kPhi, "φ = 90°"},
      // the design's own combinations, with a < c as its window computes it
      {"b=5 c=8 P=20", kA, "a = 2"},
      {"b=5 c=8 P=20", kAlpha, "α ≈ 53,1301024° ≈ 53°08′"},
  };
  for (const Expected& c : cases) {
    EXPECT_EQ(Line(SolveArgs(c.problem), c.element), c.line) << c.problem;
  }
}

TEST(Problem, QuadraticsShowBothRootsAndJudgeEach) {
  const Answer a = SolveArgs("P=40 S=60 alpha=60");
  const std::vector<std::string> expected = {
      "Заместваме в x = b·cos α: x = ((40 − ((60 / (x·√3) − x) + 2x) − (60 / (x·√3) − x)) / 2)·0,5, откъдето "
      "x² − 10x + 10√3 = 0",
      "D = (−10)² − 4·1·(10√3) = 100 − 40√3 ≈ 30,7179677",
      "x₁ = (10 + √D) / 2 ≈ 7,7711896, x₂ = (10 − √D) / 2 ≈ 2,2288104",
      "При x₁ ≈ 7,7711896: Няма такъв трапец: c ≈ −3,3135689 < 0",
  };
  for (const std::string& line : expected) {
    EXPECT_NE(std::find(a.common.begin(), a.common.end(), line), a.common.end()) << line;
  }
  ASSERT_EQ(a.solutions.size(), 1u);
  // Two positive roots, two trapezoids.
  const Answer two = SolveArgs("a=10 b=5 R=5,2");
  ASSERT_EQ(two.solutions.size(), 2u);
  EXPECT_EQ(Line(two, kC, 0), "c ≈ 7,7856579");
  EXPECT_EQ(Line(two, kC, 1), "c ≈ 2,96878");
  EXPECT_NE(Notebook(two, Bulgarian()).find("Има 2 такива трапеца."), std::string::npos);
  // The centre of the circle between the bases or beyond the smaller: roots found numerically that
  // are exact decimals are written as such.
  const Answer circle = SolveArgs("R=5 a=8 c=6");
  ASSERT_EQ(circle.solutions.size(), 2u);
  EXPECT_EQ(Line(circle, kH, 0), "h = 1");
  EXPECT_EQ(Line(circle, kH, 1), "h = 7");
  EXPECT_EQ(Line(circle, kB, 1), "b = 5√2 ≈ 7,0710678");
}

TEST(Problem, TheWorkingGoesAsABookWritesIt) {
  const Answer a = SolveArgs("P=40 c=10 alpha=60");
  const std::vector<std::string> expected = {
      "Неизвестното x намираме от уравнение. Изразяваме чрез x: a = c + 2x, b = (P − a − c) / 2.",
      "Заместваме в x = b·cos α: x = ((40 − (10 + 2x) − 10) / 2)·0,5, откъдето 3x − 10 = 0",
      "x = 10/3 ≈ 3,3333333"};
  EXPECT_EQ(a.common, expected);
  const std::vector<std::string>& steps = a.solutions.at(0).steps;
  EXPECT_EQ(steps.at(0), "a = c + 2x = 10 + 2·(10/3) = 50/3 ≈ 16,6666667");
  const Answer r = SolveArgs("a=10 r=3 incircle");
  EXPECT_EQ(r.common.at(0), "h = 2r = 2·3 = 6 (в трапеца е вписана окръжност)");
  EXPECT_EQ(r.common.at(2),
            "Заместваме в h² = b² − x²: 6² = ((10 + (10 − 2x)) / 2)² − x², откъдето 5x − 16 = 0");
  const std::string book = Notebook(SolveArgs("a=27 c=13 alpha=45"), Bulgarian());
  EXPECT_EQ(book.substr(0, book.find("Решение:")), "Дадено:\n  a = 27\n  c = 13\n  α = 45°\n");
  EXPECT_NE(book.find("  h = x·tg α = 7·1 = 7\n"), std::string::npos);
  EXPECT_NE(book.find("  b = x / cos α = 7 / (√2/2) = 7√2 ≈ 9,8994949\n"), std::string::npos);
}

TEST(Problem, GivensThatFixNoSingleTrapezoidSaySo) {
  const Answer a = SolveArgs("m=12 h=5");
  EXPECT_FALSE(a.determined);
  EXPECT_EQ(a.undeterminedReason, "a, c, b, P, α и R не се определят: безброй трапеци имат m = 12 и h = 5");
  EXPECT_FALSE(a.solutions.at(0).values[kA].has_value());
  const Answer p = SolveArgs("P=40 m=12");
  EXPECT_EQ(p.undeterminedReason,
            "a, c, h, S, d, α и R не се определят: безброй трапеци имат P = 40 и m = 12");
}

TEST(Problem, GivensThatDisagreeOrMakeNoTrapezoidAreRefusedInWords) {
  const std::pair<const char*, const char*> cases[] = {
      {"a=10 c=4 m=8", "Дадените не си съответстват: m = (a + c) / 2 = (10 + 4) / 2 = 7, а е дадено m = 8"},
      {"a=5 c=3 alpha=120", "α е острият ъгъл при голямата основа, 0° < α < 90°, а е дадено α = 120°"},
      {"a=5 c=3 beta=60", "β е тъпият ъгъл при малката основа, 90° < β < 180°, а е дадено β = 60°"},
      {"a=5 c=3 cos_alpha=1,5", "cos α = 1,5: на остър ъгъл синусът и косинусът са между 0 и 1"},
      {"a=5 c=3 h=-2", "h = −2: стойността трябва да е положителна"},
      {"a=10 c=2 b=3", "Няма такъв трапец: бедрото b = 3 е по-късо от x = 4"},
      {"a=10 c=2 d=4", "Няма такъв трапец: диагоналът d = 4 е по-къс от средната основа m = 6"},
      {"d=3 h=5", "Няма такъв трапец: диагоналът d = 3 е по-къс от височината h = 5"},
      {"a=4 b=5 h=4", "Няма такъв трапец: c = −2 < 0"},
      {"a=6 b=5 h=4", "Няма такъв трапец: c = 0 и фигурата е равнобедрен триъгълник"},
      {"b=5 c=2 P=12", "Няма такъв трапец: a = 0 и фигурата е равнобедрен триъгълник"},
      {"b=5 h=5 P=10", "Няма такъв трапец: a = c = 0 и четирите върха лежат на една права"},
      {"a=5 b=4 c=5", "Няма такъв трапец: a = c и фигурата е правоъгълник"},
      {"m=5 c=8 h=3", "Няма такъв трапец: x = −3 < 0"},
      {"a=27 c=13 bases_ratio=7:3",
       "Дадените не си съответстват: a = k·c = (7/3)·13 = 91/3 ≈ 30,3333333 (отношението на основите), а е "
       "дадено a = 27"},
      {"a=6 c=6 alpha=45 bases_ratio=2:2", "Няма такъв трапец: a = c и фигурата е правоъгълник"},
      {"a=10 alpha=45 cos_alpha=0,6",
       "Дадените не си съответстват: cos α = 0,6, а от другите дадени cos α = √2/2 ≈ 0,7071068"},
      {"", "Не е дадено нищо."},
  };
  for (const auto& [problem, why] : cases) {
    const Answer a = SolveArgs(problem);
    EXPECT_EQ(a.refused, why) << problem;
    EXPECT_TRUE(a.solutions.empty()) << problem;
  }
}

TEST(Problem, ArgumentsAreReadAsAPupilWritesThem) {
  const Arguments read =
      ReadArguments({"a=4,5", "c=2.5", "α=45", "β=135", "bases_ratio=7:3", "incircle", "--json"});
  EXPECT_EQ(read.error, "");
  EXPECT_TRUE(read.json);
  ASSERT_EQ(read.problem.givens.size(), 4u);
  EXPECT_EQ(read.problem.givens[0].value, 4.5);
  EXPECT_EQ(read.problem.givens[1].value, 2.5);
  EXPECT_EQ(read.problem.givens[2].element, kAlpha);
  EXPECT_EQ(read.problem.givens[3].element, kBeta);
  EXPECT_TRUE(read.problem.conditions[kIncircle] && read.problem.conditions[kBasesRatio]);
  EXPECT_EQ(read.problem.ratioP, 7);
  for (const char* bad :
       {"a=", "a=4,5,6", "a=1e5", "a=0x10", "a=4 5", "z=1", "incircle=yes", "bases_ratio=3"}) {
    const Arguments r = ReadArguments({bad});
    EXPECT_NE(r.error.find(bad), std::string::npos) << bad << ": " << r.error;
  }
}

}  // namespace
