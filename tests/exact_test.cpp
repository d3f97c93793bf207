// Exact values: what each combination's formulas give in exact arithmetic, how a pupil writes
// them, where "=" and "≈" stand, and where there is no exact form.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>

#include "model/combination.h"
#include "model/exact_text.h"
#include "model/formula_sets.h"
#include "model/solver.h"
#include "runtime/val.h"
#include "settings.h"

namespace {

using model::Exact;
using model::Rational;

const runtime::RegionalSettings kBg = test_settings::Bulgarian();

// The terms that combination `index` computes, in the order of its steps: "x = 2,5, h = 5√3/2";
// "h = ?" where there is no exact form.
std::string ExactSteps(int index, const std::array<const char*, 3>& given) {
  model::Measures read{};
  std::size_t k = 0;
  for (model::Quantity q : model::kCombinations[static_cast<std::size_t>(index)].given) {
    read[q] = runtime::Val(given[k++], runtime::CSettings());
  }
  const model::ExactTerms terms = model::Solve(index, read).exact;
  std::string text;
  for (const model::Step& step : model::kFormulaSets[static_cast<std::size_t>(index)]) {
    const std::optional<Exact>& x = terms[static_cast<std::size_t>(step.target)];
    text += (text.empty() ? "" : ", ") + std::string(model::kTermLetters[step.target]) + " = " +
            (x ? model::WriteExact(*x, kBg).text : "?");
  }
  return text;
}

TEST(Exact, EveryCombinationInExactNumbers) {
  struct Case {
    int index;
    std::array<const char*, 3> given;  // in ascending index order
    const char* steps;
  };
  const Case cases[] = {
      {0, {"8", "5", "3"}, "x = 2,5, h = 5√3/2, P = 21, S = 55√3/4"},
      {1, {"8", "5", "2"}, "x = √21, c = 8 − 2√21, P = 26 − 2√21, S = 16 − 2√21"},
      {2, {"9", "1", "2.5"}, "x = 4, b = √89/2, P = 10 + √89, S = 12,5"},
      // 0.1 is one tenth here, though no double is.
      {3, {"0.5", "0.1", "0.3"}, "x = 0,4, a = 0,9, P = 2, S = 0,15"},
      {4, {"8", "5", "19"}, "c = 1, x = 3,5, h = √51/2, S = 9√51/4"},
      {5, {"8", "3", "20"}, "x = 2,5, b = 4,5, h = √14, S = 11√14/2"},
      {6, {"5", "2", "10"}, "a = −2, x = −2, h = √21, S = 0"},
      {7, {"5", "2", "20"}, "x = √21, c = 5 − √21, a = 5 + √21, S = 10"},
      {8, {"8", "1", "20"}, "x = 3,5, h = 40/9, b = √10369/18, P = (81 + √10369)/9"},
      {9, {"8", "3", "20"}, "c = 16/3, x = 4/3, b = √97/3, P = (40 + 2√97)/3"},
      {10, {"5", "3", "20"}, "x = 4, c = 8/3, a = 32/3, P = 70/3"},
      // x² needs a denominator of 9·10²⁰.
      {11, {"1E-10", "3", "20"}, "a = 399999999997/30000000000, x = 199999999997/30000000000, b = ?, P = ?"},
      {2, {"12501", "1", "1"}, "x = 6250, b = √39062501, P = 12502 + 2√39062501, S = 6251"},
      // Givens whose exact decimals do not fit.
      {0, {"1E20", "1E20", "1"}, "x = ?, h = ?, P = ?, S = ?"},
      {0, {"5", "3", "1E-19"}, "x = ?, h = ?, P = ?, S = ?"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExactSteps(c.index, c.given), c.steps) << "combination " << c.index;
  }
}

TEST(Exact, AgreesWithTheDoubles) {
  for (int index = 0; index < model::kCombinationCount; ++index) {
    const model::Measures example = {8, 5, 2, 4, 20, 20};
    const model::Run run = model::Solve(index, example);
    const model::Measures doubles = run.measures();
    const model::ExactTerms& exact = run.exact;
    for (int q = 0; q < model::kQuantityCount; ++q) {
      ASSERT_TRUE(exact[q]) << index << " " << q;
      EXPECT_EQ(*exact[q], Exact(static_cast<std::int64_t>(example[q]))) << index << " " << q;
      EXPECT_EQ(exact[q]->ToDouble(), doubles[q]);
    }
  }
}

// Where the form p + q√r cannot be kept, there is none.
TEST(Exact, NoExactForm) {
  const Exact root2 = model::SquareRoot(2), root3 = model::SquareRoot(3);
  const Rational big = Rational::Of(INT64_MAX, 3);
  const std::function<Exact()> lost[] = {
      [&] { return root2 + root3; },                           // two different roots
      [&] { return root2 * root3; },                           //
      [&] { return model::SquareRoot(root2 + 1); },            // a root of a root
      [&] { return model::SquareRoot(-1); },                   // no root at all
      [&] { return root2 / (root2 - root2); },                 // division by zero
      [&] { return Exact(big) * 4; },                          // overflow
      [&] { return Exact(big) + Exact(Rational::Of(1, 2)); },  // overflow of the common denominator
      [&] { return Exact(model::ExactDecimal(1e19)); },        // a given beyond 64 bits
      [&] { return Exact(model::ExactDecimal(INFINITY)); },
  };
  for (const auto& f : lost) EXPECT_THROW(f(), model::NoExactForm);
  // What stays exact: a root squared, a root cancelled, a root's square factors taken out.
  EXPECT_EQ(root2 * root2, Exact(2));
  EXPECT_EQ((root2 + 1) - root2, Exact(1));
  EXPECT_EQ(model::SquareRoot(Rational::Of(75, 4)), Exact::Of(0, Rational::Of(5, 2), 3));
  EXPECT_EQ(1 / (root2 + 1), root2 - 1);
  EXPECT_EQ(model::SquareRoot(Rational::Of(999999999999999999, 1)),
            Exact::Of(0, 3, 111111111111111111));  // 10¹⁸ − 1 = 3²·111111111111111111
  EXPECT_EQ(model::ExactDecimal(0.1), Rational::Of(1, 10));
  EXPECT_EQ(model::ExactDecimal(-2.5e-7), Rational::Of(-1, 4000000));
}

// The end of a step: the exact value where the decimal is not it, "≈" before every number
// that is not the value, and the decimal read back where there is no exact form.
TEST(Exact, EqualsOnlyWhereExact) {
  struct Case {
    std::optional<Exact> exact;
    double value;
    bool approximate;  // a number put in was rounded
    const char* ending;
  };
  const Exact root3over2 = model::SquareRoot(Rational::Of(75, 4));
  const Case cases[] = {
      {Exact(Rational::Of(5, 2)), 2.5, false, " = 2,5"},
      {Exact(Rational::Of(-7, 4)), -1.75, false, " = −1,75"},
      {Exact(Rational::Of(40, 9)), 40.0 / 9, false, " = 40/9 ≈ 4,4444444"},
      {Exact(Rational::Of(-40, 9)), -40.0 / 9, false, " = −40/9 ≈ −4,4444444"},
      {root3over2, 5 * std::sqrt(3.0) / 2, false, " = 5√3/2 ≈ 4,330127"},
      {model::SquareRoot(7) - 1, std::sqrt(7.0) - 1, false, " = −1 + √7 ≈ 1,6457513"},
      {1 - model::SquareRoot(7), 1 - std::sqrt(7.0), false, " = 1 − √7 ≈ −1,6457513"},
      {(model::SquareRoot(3) + 5) / 2, (5 + std::sqrt(3.0)) / 2, false, " = (5 + √3)/2 ≈ 3,3660254"},
      {-model::SquareRoot(21), -std::sqrt(21.0), false, " = −√21 ≈ −4,5825757"},
      // The doubles' own rounding does not make an exact value approximate.
      {Exact(Rational::Of(3, 10)), 0.1 + 0.2, false, " = 0,3"},
      {Exact(0), 1e-17, true, " = 0"},
      // A decimal cut to seven places.
      {Exact(Rational::Of(3, 20000000)), 1.5e-7, false, " = 0,00000015 ≈ 0,0000002"},
      {Exact(Rational::Of(1, 1000000000)), 1e-9, false, " = 1·10⁻⁹"},
      {Exact(1234567890123456), 1234567890123456, false, " = 1,234567890123456·10¹⁵ ≈ 1,2345679·10¹⁵"},
      // No exact form: the decimal read back.
      {std::nullopt, 2.5, false, " = 2,5"},
      {std::nullopt, 2.5, true, " ≈ 2,5"},
      {std::nullopt, std::sqrt(5.0), false, " ≈ 2,236068"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(model::WriteEnding(c.exact, c.value, c.approximate, kBg), c.ending);
  }
}

}  // namespace
