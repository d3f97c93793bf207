// The measures that follow the six, worked by hand for one trapezoid of each combination and for
// the textbook's problems; and what figure the computed measures make.
#include "model/derived.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/combination.h"
#include "model/shape.h"
#include "runtime/val.h"
#include "settings.h"
#include "solved.h"

namespace {

const runtime::RegionalSettings kBg = test_settings::Bulgarian();

using test_solved::Solve;
using test_solved::Solved;

// Each measure as a pupil writes its answer: "d = √41 ≈ 6,4031242", "α ≈ 53,13° ≈ 53°08′".
std::string Figures(const model::Derived& d) {
  std::string text;
  for (const model::MeasureStep& s : d.steps) {
    std::string figure;
    if (!s.angle.empty()) {
      figure = s.angle + (s.exactAngle ? " = " + s.degrees : " ≈ " + s.degrees + " ≈ " + s.minutes);
    } else {
      figure = s.symbol + (s.exact.empty() ? "" : " = " + s.exact);
      if (s.exact != s.decimal) figure += (s.approximate ? " ≈ " : " = ") + s.decimal;
    }
    text += (text.empty() ? "" : ", ") + figure;
  }
  return text;
}

TEST(Derived, OneTrapezoidOfEachCombination) {
  struct Case {
    int index;
    std::array<const char*, 3> given;  // ascending index order, as in the combination
    const char* figures;
  };
  const Case cases[] = {
      // a = 8, c = 2, h = 4: a + c = 2·b, so a circle can be inscribed.
      {0,
       {"8", "5", "2"},
       "m = 5, d = √41 ≈ 6,4031242, α ≈ 53,13° ≈ 53°08′, β ≈ 126,87° ≈ 126°52′, R = 5√41/8 ≈ 4,0019526, r = "
       "2"},
      {1, {"21", "10", "8"}, "m = 15, d = 17, α ≈ 53,13° ≈ 53°08′, β ≈ 126,87° ≈ 126°52′, R = 10,625"},
      {2, {"10", "6", "4"}, "m = 8, d = 4√5 ≈ 8,9442719, α ≈ 63,43° ≈ 63°26′, β ≈ 116,57° ≈ 116°34′, R = 5"},
      {3,
       {"5", "3", "4"},
       "m = 6, d = 2√13 ≈ 7,2111026, α ≈ 53,13° ≈ 53°08′, β ≈ 126,87° ≈ 126°52′, R = 5√13/4 ≈ 4,5069391"},
      // c = 22 − 10 − 6 = 6 = a: a rectangle, x = 0.
      {4, {"6", "5", "22"}, "m = 6, d = √61 ≈ 7,8102497, α = 90°, β = 90°, R = √61/2 ≈ 3,9051248"},
      {5,
       {"12", "4", "26"},
       "m = 8, d = √73 ≈ 8,5440037, α ≈ 36,87° ≈ 36°52′, β ≈ 143,13° ≈ 143°08′, R = 5√73/6 ≈ 7,1200031"},
      // h = √105, d = √249: R² = 13²·249 / (4·105).
      {6,
       {"13", "4", "50"},
       "m = 12, d = √249 ≈ 15,7797338, α ≈ 52,02° ≈ 52°01′, β ≈ 127,98° ≈ 127°59′, R = 13√2905/70 ≈ "
       "10,0096382"},
      // P = 4·b: a + c = 2·b.
      {7,
       {"13", "12", "52"},
       "m = 13, d = √313 ≈ 17,691806, α ≈ 67,38° ≈ 67°23′, β ≈ 112,62° ≈ 112°37′, R = 13√313/24 ≈ 9,5830616, "
       "r = 6"},
      {8,
       {"7", "1", "16"},
       "m = 4, d = 4√2 ≈ 5,6568542, α ≈ 53,13° ≈ 53°08′, β ≈ 126,87° ≈ 126°52′, R = 5√2/2 ≈ 3,5355339"},
      {9,
       {"8", "2", "10"},
       "m = 5, d = √29 ≈ 5,3851648, α ≈ 33,69° ≈ 33°41′, β ≈ 146,31° ≈ 146°19′, R = √377/4 ≈ 4,854122"},
      {10,
       {"10", "6", "72"},
       "m = 12, d = 6√5 ≈ 13,4164079, α ≈ 36,87° ≈ 36°52′, β ≈ 143,13° ≈ 143°08′, R = 5√5 ≈ 11,1803399"},
      {11, {"2", "3", "15"}, "m = 5, d = √34 ≈ 5,8309519, α = 45°, β = 135°, R = √17 ≈ 4,1231056"},
      // b = 5, c = 8, P = 20: a = 2 < c, the longer base on top; x = −3 and h = 4 as for a = 8, c = 2.
      {6,
       {"5", "8", "20"},
       "m = 5, d = √41 ≈ 6,4031242, α ≈ 53,13° ≈ 53°08′, β ≈ 126,87° ≈ 126°52′, R = 5√41/8 ≈ 4,0019526, r = "
       "2"},
  };
  for (const Case& c : cases) {
    const Solved s = Solve(c.index, c.given);
    const std::optional<model::Derived> d = model::Derive(s.measures, s.exact, kBg);
    ASSERT_TRUE(d) << "combination " << c.index;
    EXPECT_EQ(Figures(*d), c.figures) << "combination " << c.index;
  }
}

// Bases 9 and 21, height 8; bases 10 and 6, height 4: the steps as the working prints them.
TEST(Derived, TextbookProblemsStepByStep) {
  const Solved s = Solve(2, {"21", "9", "8"});
  const std::optional<model::Derived> d = model::Derive(s.measures, s.exact, kBg);
  ASSERT_TRUE(d);
  std::vector<std::string> lines;
  for (const model::MeasureStep& step : d->steps) lines.push_back(step.Line());
  const std::vector<std::string> expected = {
      "m = (a + c) / 2 = (21 + 9) / 2 = 15",
      "d = √(h² + m²) = √(8² + 15²) = √289 = 17",
      "tg α = h / x = 8 / 6 = 4/3 ≈ 1,3333333, α ≈ 53,13° ≈ 53°08′",
      "β = 180° − α ≈ 180° − 53,13° ≈ 126,87° ≈ 126°52′",
      "R = b·d / (2·h) = 10·17 / (2·8) = 10,625",
  };
  EXPECT_EQ(lines, expected);
  EXPECT_DOUBLE_EQ(d->R, 10.625);

  const Solved midline = Solve(2, {"10", "6", "4"});
  const std::optional<model::Derived> m =
      model::Derive(midline.measures, midline.exact, runtime::CSettings());
  ASSERT_TRUE(m);
  EXPECT_EQ(m->steps[0].Line(), "m = (a + c) / 2 = (10 + 6) / 2 = 8");
  EXPECT_EQ(m->steps[1].Line(), "d = √(h² + m²) = √(4² + 8²) = √80 = 4√5 ≈ 8.9442719");

  // The longer base on top: x = (a − c) / 2 = −3 is measured off as its length.
  const Solved upsideDown = Solve(6, {"5", "8", "20"});
  const std::optional<model::Derived> u = model::Derive(upsideDown.measures, upsideDown.exact, kBg);
  ASSERT_TRUE(u);
  EXPECT_EQ(u->steps[2].Line(), "tg α = h / |x| = 4 / 3 = 4/3 ≈ 1,3333333, α ≈ 53,13° ≈ 53°08′");
  EXPECT_EQ(u->steps[3].Line(), "β = 180° − α ≈ 180° − 53,13° ≈ 126,87° ≈ 126°52′");
}

TEST(Derived, InscribedCircleOnlyWhereExactArithmeticSaysSo) {
  struct Case {
    int index;
    std::array<const char*, 3> given;
    const char* r;  // its step, or "" for none
  };
  const Case cases[] = {
      {7, {"13", "12", "52"}, "r = h / 2 = 12 / 2 = 6"},
      // a = 8, b = 5, c = 3: a + c = 11 ≠ 10.
      {0, {"8", "5", "3"}, ""},
      // b = 0,3 and a + c = 0,6 exactly; h = √0,05.
      {0, {"0.5", "0.3", "0.1"}, "r = h / 2 = (√5/10) / 2 = √5/20 ≈ 0,1118034"},
      // b² overflows the exact integers, so h has no exact form; a, b and c still decide.
      {0,
       {"30000000000", "20000000000", "10000000000"},
       "r = h / 2 = 17320508075,688774 / 2 = 8660254037,844387"},
      // a + c = 2·b + 10⁻⁷: no circle, however close.
      {0, {"8.0000001", "5", "2"}, ""},
  };
  for (const Case& c : cases) {
    const Solved s = Solve(c.index, c.given);
    const std::optional<model::Derived> d = model::Derive(s.measures, s.exact, kBg);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->steps.back().symbol == "r" ? d->steps.back().Line() : "", c.r) << c.given[0];
    EXPECT_EQ(d->r.has_value(), *c.r != '\0');
  }
}

TEST(Derived, ExactSpecialAngles) {
  struct Case {
    int index;
    std::array<const char*, 3> given;
    const char* alpha;  // the angle's step
    const char* beta;
  };
  const Case cases[] = {
      // x = √3, h = 1: tg α = 1/√3.
      {1,
       {"10", "2", "1"},
       "tg α = h / x = 1 / √3 = √3/3 ≈ 0,5773503, α = 30°",
       "β = 180° − α = 180° − 30° = 150°"},
      {2, {"8", "2", "3"}, "tg α = h / x = 3 / 3 = 1, α = 45°", "β = 180° − α = 180° − 45° = 135°"},
      // x = 2,5, h = 5√3/2: tg α = √3.
      {0,
       {"8", "5", "3"},
       "tg α = h / x = (5√3/2) / 2,5 = √3 ≈ 1,7320508, α = 60°",
       "β = 180° − α = 180° − 60° = 120°"},
      // b = h: x = 0, a rectangle.
      {1, {"6", "5", "5"}, "x = 0, α = 90°", "β = 180° − α = 180° − 90° = 90°"},
      // Close to 45° is not 45°.
      {2,
       {"8", "2", "3.0000001"},
       "tg α = h / x = 3,0000001 / 3 = 30000001/30000000 ≈ 1, α ≈ 45,00° ≈ 45°00′",
       "β = 180° − α ≈ 180° − 45,00° ≈ 135,00° ≈ 135°00′"},
  };
  for (const Case& c : cases) {
    const Solved s = Solve(c.index, c.given);
    const std::optional<model::Derived> d = model::Derive(s.measures, s.exact, kBg);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->steps[2].Line(), c.alpha);
    EXPECT_EQ(d->steps[3].Line(), c.beta);
  }
}

// The angles whose tangent is 2 ∓ √3 or √2 ∓ 1, which no combination of the six gives yet: bases 3
// and 1 (x = 1) under a height of that tangent, written as any exact angle is.
TEST(Derived, ExactAnglesOfHalfAndQuarterSteps) {
  struct Case {
    model::Exact h;
    const char* alpha;
    const char* beta;  // its degrees
  };
  const Case cases[] = {
      {model::Exact::Of(2, -1, 3), "α = 15°", "165°"},
      {model::Exact::Of(-1, 1, 2), "α = 22,5°", "157,5°"},
      {model::Exact::Of(1, 1, 2), "α = 67,5°", "112,5°"},
      {model::Exact::Of(2, 1, 3), "α = 75°", "105°"},
  };
  for (const Case& c : cases) {
    model::ExactTerms exact;
    exact[model::A] = model::Exact(3);
    exact[model::C] = model::Exact(1);
    exact[model::H] = c.h;
    const double h = c.h.ToDouble();
    const model::Measures measures = {3, std::sqrt(1 + h * h), 1, h, 0, 0};
    const std::optional<model::Derived> d = model::Derive(measures, exact, kBg);
    ASSERT_TRUE(d);
    const std::string alpha = d->steps[2].Line(), beta = d->steps[3].Line();
    EXPECT_EQ(alpha.substr(alpha.rfind(", ") + 2), c.alpha);
    EXPECT_EQ(beta.substr(beta.rfind(" = ") + 3), c.beta) << beta;
  }
}

TEST(Shape, WhatTheComputedMeasuresMake) {
  using model::ShapeKind;
  struct Case {
    int index;
    std::array<const char*, 3> given;
    ShapeKind kind;
    model::Quantity measure;
  };
  const Case cases[] = {
      {0, {"8", "5", "2"}, ShapeKind::Trapezoid, model::A},
      {1, {"4", "5", "4"}, ShapeKind::Negative, model::C},   // c = 4 − 2·3 = −2
      {6, {"5", "2", "10"}, ShapeKind::Negative, model::A},  // a = 10 − 10 − 2
      {5, {"8", "6", "10"}, ShapeKind::Negative, model::B},  // b = (10 − 14) / 2, h = √3
      {0, {"8", "3", "2"}, ShapeKind::Flat, model::H},       // x = 3 = b
      {1, {"6", "5", "4"}, ShapeKind::Triangle, model::C},   // c = 6 − 2·3
      {6, {"5", "2", "12"}, ShapeKind::Triangle, model::A},
      {1, {"6", "5", "5"}, ShapeKind::Rectangle, model::A},
      // The doubles give c = 0.09999999999999998 and −1.4·10⁻¹⁷; the decimals given say a = c and c = 0.
      {9, {"0.1", "0.1", "0.01"}, ShapeKind::Rectangle, model::A},
      {9, {"0.1", "0.1", "0.005"}, ShapeKind::Triangle, model::C},
      // c = 8 − 2√21 < 0 with no rational part to compare.
      {1, {"8", "5", "2"}, ShapeKind::Negative, model::C},
  };
  for (const Case& c : cases) {
    const Solved s = Solve(c.index, c.given);
    const model::Shape shape = model::Classify(s.measures, s.exact);
    EXPECT_EQ(shape.kind, c.kind) << c.index << " " << c.given[0] << " " << c.given[2];
    if (c.kind != ShapeKind::Trapezoid) {
      EXPECT_EQ(shape.measure, c.measure) << c.index;
    }
    EXPECT_EQ(model::Derive(s.measures, s.exact, kBg).has_value(), c.kind == ShapeKind::Trapezoid ||
                                                                       c.kind == ShapeKind::Triangle ||
                                                                       c.kind == ShapeKind::Rectangle);
  }
}

TEST(Shape, AnyDoubleIsSafe) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const model::Measures cases[] = {
      {nan, 5, 2, 4, 20, 20},  {inf, 5, 2, 4, 20, 20},
      {8, 5, -inf, 4, 20, 20}, {1e308, 1e308, 1e308, 1e308, 0, 0},
      {8, 5, 2, 1e-320, 0, 0}, {1e300, 1e300, 1, 1e-300, 0, 0},
  };
  for (const model::Measures& m : cases) {
    const model::Shape shape = model::Classify(m, {});
    const std::optional<model::Derived> d = model::Derive(m, {}, kBg);
    if (d) {
      for (double v : {d->m, d->d, d->R, d->alpha.degrees}) EXPECT_TRUE(std::isfinite(v));
    }
    EXPECT_EQ(shape.kind == model::ShapeKind::Undefined, !std::isfinite(m[0]) || !std::isfinite(m[2]));
  }
  // c = 10¹⁶ − 2√5 is a as a double: the doubles' x is 0 where the exact one is √5.
  const std::int64_t big = 10'000'000'000'000'000;
  model::ExactTerms exact;
  exact[model::A] = model::Exact(big);
  exact[model::C] = model::Exact::Of(big, -2, 5);
  exact[model::H] = model::Exact(1);
  exact[model::B] = model::Exact::Of(0, 1, 6);
  const model::Measures close = {1e16, std::sqrt(6.0), 1e16, 1, 0, 0};
  std::optional<model::Derived> d;
  ASSERT_NO_THROW(d = model::Derive(close, exact, kBg));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->steps[2].Line(), "tg α = h / x = 1 / √5 = √5/5 ≈ 0,4472136, α ≈ 24,09° ≈ 24°06′");

  EXPECT_EQ(model::ExactSign(model::Exact::Of(8, -2, 21)), -1);  // 8 − 2√21 ≈ −1,17
  EXPECT_EQ(model::ExactSign(model::Exact::Of(5, -1, 21)), 1);   // 5 − √21 ≈ 0,42
}

}  // namespace
