// The table of relations that the general solver reasons with: every formula of it holds in
// trapezoids drawn at random (those of a condition in trapezoids that meet it), in doubles and in
// exact numbers alike, and each is written as a book writes it.
#include "model/relations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/problem.h"

namespace {

using namespace model::problem;

// Every element of the trapezoid with bases a, c and height h, and which conditions it meets.
struct Drawn {
  Vars<double> v{};
  Mask conditions = 0;
};

Drawn Of(double a, double c, double h, Mask conditions) {
  Drawn t;
  auto& v = t.v;
  v[vA] = a, v[vC] = c, v[vH] = h, v[vX] = (a - c) / 2, v[vM] = (a + c) / 2;
  v[vB] = std::hypot(v[vX], h), v[vD] = std::hypot(v[vM], h);
  v[vP] = a + c + 2 * v[vB], v[vS] = v[vM] * h;
  v[vCos] = v[vX] / v[vB], v[vSin] = h / v[vB], v[vTg] = h / v[vX];
  v[vR] = v[vB] * v[vD] / (2 * h), v[vRin] = h / 2, v[vK] = a / c;
  t.conditions = conditions | Bit(kBasesRatio);
  return t;
}

TEST(Relations, EveryFormulaHoldsInTrapezoidsThatMeetItsCondition) {
  std::mt19937 random(28);
  std::uniform_real_distribution<double> unit(0.2, 0.8), size(1, 50);
  for (int round = 0; round < 40; ++round) {
    const double a = size(random), c = a * unit(random), x = (a - c) / 2, m = (a + c) / 2;
    const Drawn drawn[] = {
        Of(a, c, a * unit(random), 0),
        Of(a, c, std::sqrt(m * m - x * x), Bit(kIncircle)),
        Of(a, c, m, Bit(kPerpendicularDiagonals)),
        Of(a, c, std::sqrt(x * m), Bit(kDiagonalPerpendicularToLeg)),
        Of(a, a / 2, std::sqrt(a * a / 4 - a * a / 16), Bit(kDiagonalBisectsAngle)),
    };
    for (const Drawn& t : drawn) {
      for (const Formula& f : Formulas()) {
        if (f.condition >= 0 && !(t.conditions & Bit(f.condition))) continue;
        if (f.target == vRin && !(t.conditions & Bit(kIncircle))) continue;
        const double want = t.v[static_cast<std::size_t>(f.target)];
        EXPECT_NEAR(f.number(t.v), want, 1e-9 * std::abs(want))
            << kVarNames[static_cast<std::size_t>(f.target)] << " = " << f.text << " (conditions "
            << t.conditions << ")";
      }
    }
  }
}

TEST(Relations, ExactFormsAgreeWithTheDoubles) {
  // a = 8, c = 2, h = 4: x = 3, b = 5, m = 5, d = √41, and every function of α a fraction.
  Vars<model::Exact> e{};
  Vars<double> v{};
  const auto set = [&](Var var, model::Exact x) {
    e[static_cast<std::size_t>(var)] = x, v[static_cast<std::size_t>(var)] = x.ToDouble();
  };
  set(vA, 8), set(vC, 2), set(vH, 4), set(vX, 3), set(vB, 5), set(vM, 5), set(vP, 20), set(vS, 20);
  set(vD, model::Exact::Of(0, 1, 41)), set(vCos, model::Rational::Of(3, 5)),
      set(vSin, model::Rational::Of(4, 5));
  set(vTg, model::Rational::Of(4, 3)), set(vR, model::Exact::Of(0, model::Rational::Of(5, 8), 41)),
      set(vK, 4);
  for (const Formula& f : Formulas()) {
    if (f.condition >= 0 && f.condition != kBasesRatio) continue;
    const std::optional<model::Exact> exact = model::IfExact([&] { return f.exact(e); });
    if (!exact) continue;  // two different roots meet
    EXPECT_NEAR(exact->ToDouble(), f.number(v), 1e-12 * std::abs(f.number(v))) << f.text;
    EXPECT_NEAR(exact->ToDouble(), v[static_cast<std::size_t>(f.target)], 1e-12 * std::abs(f.number(v)))
        << f.text;
  }
}

TEST(Relations, FormulasAreWrittenAsABookWritesThem) {
  const std::pair<const char*, const char*> cases[] = {
      {"√({b}² − {x}²)", "√(b² − x²)"},
      {"{a} − 2{x}", "a − 2x"},
      {"√(1 − {cos}²)", "√(1 − cos² α)"},
      {"{d} / (2{sin})", "d / (2 sin α)"},
      {"2{R}·{sin}", "2R·sin α"},
      {"{x}·{tg}", "x·tg α"},
      {"({a} + {c})·{h} / 2", "(a + c)·h / 2"},
  };
  for (const auto& [text, letters] : cases) EXPECT_EQ(Letters(text), letters);
  // Numbers put in: a factor after a digit takes the multiplication sign, a fraction its brackets.
  EXPECT_EQ(
      PutIn("{a} − 2{x}", [](int var, bool tight) { return var == vX ? (tight ? "(5/2)" : "5/2") : "8"; }),
      "8 − 2·(5/2)");
}

}  // namespace
