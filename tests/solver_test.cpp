#include "model/solver.h"

#include <gtest/gtest.h>

#include "error_kind.h"
#include "model/combination.h"
#include "settings.h"
#include "window/press.h"

namespace model {
namespace {

using runtime::ErrorKind;

// Ticks the given rows of `index` and fills the six boxes with `texts`.
Rows RowsFor(int index, const std::array<const char*, 6>& texts) {
  Rows rows;
  for (int i = 0; i < kQuantityCount; ++i) rows[i] = {IsGiven(index, i), texts[i]};
  return rows;
}

// The given measures of `index` taken from a full set of six texts; the rest left empty.
Rows GivenOf(int index, const std::array<const char*, 6>& all) {
  std::array<const char*, 6> texts{"", "", "", "", "", ""};
  for (Quantity q : kCombinations[index].given) texts[q] = all[q];
  return RowsFor(index, texts);
}

const runtime::RegionalSettings kC = runtime::CSettings();

// One press as the window makes it: nothing for invalid input, else the six texts; the error of
// a run that failed is raised again.
std::optional<Texts> Calculate(int index, const Rows& rows, const runtime::RegionalSettings& settings) {
  const panel::Outcome outcome = panel::Press(index, rows, settings);
  if (outcome.error) throw runtime::ArithmeticError(*outcome.error);
  if (outcome.kind == panel::Outcome::Kind::Nothing) return std::nullopt;
  return outcome.texts;
}

TEST(Solver, TheAssignmentExampleThroughEveryCombination) {
  const Texts expected{"8.0000000", "5.0000000", "2.0000000", "4.0000000", "20.0000000", "20.0000000"};
  for (int index = 0; index < kCombinationCount; ++index) {
    const auto texts = Calculate(index, GivenOf(index, {"8", "5", "2", "4", "20", "20"}), kC);
    ASSERT_TRUE(texts) << kCombinations[index].label;
    EXPECT_EQ(*texts, expected) << kCombinations[index].label;
  }
}

struct Worked {
  int index;
  std::array<const char*, 6> input;
  Texts expected;
};

TEST(Solver, WorkedExamples) {
  const Worked cases[] = {
      {0,
       {"5", "3", "1", "", "", ""},
       {"5.0000000", "3.0000000", "1.0000000", "2.2360680", "12.0000000", "6.7082039"}},
      {1,
       {"4", "5", "", "4", "", ""},
       {"4.0000000", "5.0000000", "-2.0000000", "4.0000000", "12.0000000", "4.0000000"}},
      {0,
       {"2", "5", "8", "", "", ""},
       {"2.0000000", "5.0000000", "8.0000000", "4.0000000", "20.0000000", "20.0000000"}},
      {0,
       {"8", "3", "2", "", "", ""},
       {"8.0000000", "3.0000000", "2.0000000", "0.0000000", "16.0000000", "0.0000000"}},
      {1,
       {"7", "3", "", "3", "", ""},
       {"7.0000000", "3.0000000", "7.0000000", "3.0000000", "20.0000000", "21.0000000"}},
      {6,
       {"", "5", "2", "", "10", ""},
       {"-2.0000000", "5.0000000", "2.0000000", "4.5825757", "10.0000000", "0.0000000"}},
      // Trailing characters are dropped; unticked boxes are overwritten whatever they held.
      {0,
       {"5cm", "3", "1", "junk", "-7", "0"},
       {"5.0000000", "3.0000000", "1.0000000", "2.2360680", "12.0000000", "6.7082039"}},
      {0,
       {"0.00001", "0.00001", "0.00001", "", "", ""},
       {"0.0000100", "0.0000100", "0.0000100", "0.0000100", "0.0000400", "0.0000000"}},
  };
  for (const Worked& c : cases) {
    const auto texts = Calculate(c.index, RowsFor(c.index, c.input), kC);
    ASSERT_TRUE(texts) << c.index << " " << c.input[0];
    EXPECT_EQ(*texts, c.expected) << c.index << " " << c.input[0];
  }
}

TEST(Solver, InvalidGivenValuesGiveNothing) {
  for (const char* bad : {"", "0", "-3", "word", "0,5", "-", " ", "1E-400"}) {
    EXPECT_FALSE(Calculate(0, RowsFor(0, {"8", bad, "2", "", "", ""}), kC)) << '"' << bad << '"';
  }
  // Unticked rows never fail the test.
  EXPECT_TRUE(Calculate(0, RowsFor(0, {"8", "5", "2", "-1", "x", "0"}), kC));
}

struct Failing {
  int index;
  std::array<const char*, 6> input;
  ErrorKind kind;
};

TEST(Solver, ImpossibleTrapezoidsRaiseTheirKind) {
  const Failing cases[] = {
      {0, {"8", "2", "2", "", "", ""}, ErrorKind::InvalidArgument},
      {1, {"8", "4", "", "5", "", ""}, ErrorKind::InvalidArgument},
      {3, {"", "4", "2", "5", "", ""}, ErrorKind::InvalidArgument},
      {4, {"8", "5", "", "", "12", ""}, ErrorKind::InvalidArgument},
      {4, {"8", "1", "", "", "21", ""}, ErrorKind::InvalidArgument},
      {5, {"8", "", "2", "", "14", ""}, ErrorKind::InvalidArgument},
      {6, {"", "1", "8", "", "10", ""}, ErrorKind::InvalidArgument},
      {7, {"", "4", "", "5", "20", ""}, ErrorKind::InvalidArgument},
      {10, {"", "3", "", "4", "", "10"}, ErrorKind::InvalidArgument},
      {0, {"1E200", "1E200", "1", "", "", ""}, ErrorKind::Overflow},
      {2, {"1E308", "", "1", "1E308", "", ""}, ErrorKind::Overflow},
      {9, {"1E308", "", "", "1E-300", "", "1E10"}, ErrorKind::Overflow},
      {0, {"1E999", "1", "1", "", "", ""}, ErrorKind::Overflow},
  };
  for (const Failing& c : cases) {
    EXPECT_EQ(KindRaised([&] { Calculate(c.index, RowsFor(c.index, c.input), kC); }), c.kind)
        << "combination " << c.index;
  }
}

TEST(Solver, AnUntickedZeroDivisorRaisesDivisionByZero) {
  for (int index : {8, 9, 10, 11}) {
    Rows rows = RowsFor(index, {"0", "1", "0", "0", "", "5"});
    for (Row& r : rows) r.ticked = false;
    EXPECT_EQ(KindRaised([&] { Calculate(index, rows, kC); }), ErrorKind::DivisionByZero) << index;
  }
}

TEST(Solver, AnIndexOutsideTheListFormatsSixZeros) {
  for (int index : {-1, 12, 32767}) {
    const auto texts = Calculate(index, RowsFor(0, {"8", "5", "2", "4", "20", "20"}), kC);
    ASSERT_TRUE(texts);
    for (const std::string& t : *texts) EXPECT_EQ(t, "0.0000000") << index;
  }
}

TEST(Solver, WritesBackInTheRegionalFormat) {
  const runtime::RegionalSettings bg = test_settings::Bulgarian();
  const auto first = Calculate(2, RowsFor(2, {"2,5", "", "1,5", "1000", "", ""}), bg);
  ASSERT_TRUE(first);
  EXPECT_EQ((*first)[0], "2,5000000");
  EXPECT_EQ((*first)[3], "1\u00A0000,0000000");
  // Pressing Calculate again on what the boxes keep (seven characters) reads the same values.
  std::array<std::string, 6> kept;
  for (int i = 0; i < 6; ++i) kept[i] = (*first)[i].substr(0, i == 3 ? 8 : 7);
  const auto second =
      Calculate(2, RowsFor(2, {kept[0].c_str(), "", kept[2].c_str(), kept[3].c_str(), "", ""}), bg);
  ASSERT_TRUE(second);
  EXPECT_EQ((*second)[0], (*first)[0]);
  EXPECT_EQ((*second)[2], (*first)[2]);
}

}  // namespace
}  // namespace model
