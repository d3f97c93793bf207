// The general solver against trapezoids drawn at random: for every set of three of its values
// (α also by its sine, cosine and tangent), every two with a condition it meets, and every two
// alone, solving from the trapezoid's own values finds it among the solutions, or says which
// elements the set leaves open, with the fixed ones the trapezoid's own. The design's twelve
// combinations agree with its formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <set>

#include "model/combination.h"
#include "model/problem.h"
#include "model/shape.h"
#include "model/solver.h"

namespace {

using namespace model::problem;

struct Trapezoid {
  double a, c, h;
  std::array<double, kElementCount> values;  // NaN where it has none (r without an inscribed circle)
};

constexpr double kPi = 3.14159265358979323846;

Trapezoid Make(double a, double c, double h) {
  Trapezoid t{a, c, h, {}};
  const double x = (a - c) / 2, b = std::hypot(x, h), m = (a + c) / 2, d = std::hypot(m, h);
  auto& v = t.values;
  v[kA] = a, v[kC] = c, v[kB] = b, v[kH] = h, v[kP] = a + c + 2 * b, v[kS] = m * h, v[kM] = m, v[kD] = d;
  v[kAlpha] = std::atan2(h, x) * 180 / kPi, v[kBeta] = 180 - v[kAlpha];
  v[kCircumradius] = b * d / (2 * h);
  v[kInradius] = std::abs(a + c - 2 * b) < 1e-9 * a ? h / 2 : std::nan("");
  v[kSinAlpha] = h / b, v[kCosAlpha] = x / b, v[kTgAlpha] = h / x, v[kX] = x;
  v[kPhi] = 180 - 2 * std::atan(h / m) * 180 / kPi;
  v[kOToAB] = a * h / (2 * m), v[kOToDC] = c * h / (2 * m);
  return t;
}

// A trapezoid that meets `condition` (kConditionCount for any).
Trapezoid Draw(std::mt19937& random, int condition) {
  std::uniform_real_distribution<double> unit(0.15, 0.85), size(1, 20);
  const double a = size(random);
  double c = a * unit(random);
  const double x = (a - c) / 2, m = (a + c) / 2;
  double h = a * unit(random);
  switch (condition) {
    case kIncircle: h = std::sqrt(m * m - x * x); break;
    case kPerpendicularDiagonals: h = m; break;
    case kDiagonalPerpendicularToLeg: h = std::sqrt(x * m); break;
    case kDiagonalBisectsAngle:
      c = a * (0.35 + 0.6 * unit(random));  // a < 3c, so that the leg c is longer than x
      return Make(a, c, std::sqrt(c * c - (a - c) * (a - c) / 4));
    default: break;
  }
  return Make(a, c, h);
}

std::string Full(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", x);
  return text;
}

enum class Outcome { One, Several, Open, Refused };

// Whether `answer`, from values of `t`, finds it: among its solutions, or, where the values fix
// no single trapezoid, in every element they fix.
Outcome Check(const Answer& answer, const Trapezoid& t, const std::string& what) {
  const auto near = [](double x, double y) { return std::abs(x - y) <= 1e-6 * std::max(1.0, std::abs(y)); };
  EXPECT_EQ(answer.refused, "") << what;
  if (!answer.refused.empty()) return Outcome::Refused;
  if (!answer.determined) {
    EXPECT_EQ(answer.solutions.size(), 1u) << what;
    for (int e = 0; e < kElementCount; ++e) {
      const auto& v = answer.solutions[0].values[static_cast<std::size_t>(e)];
      if (v && !std::isnan(t.values[static_cast<std::size_t>(e)])) {
        EXPECT_TRUE(near(v->value, t.values[static_cast<std::size_t>(e)])) << what << " " << kElementNames[e];
      }
    }
    EXPECT_FALSE(answer.undetermined.empty()) << what;
    return Outcome::Open;
  }
  bool found = false;
  for (const Solution& s : answer.solutions) {
    bool all = true;
    for (int e = 0; e < kElementCount; ++e) {
      const double want = t.values[static_cast<std::size_t>(e)];
      const auto& v = s.values[static_cast<std::size_t>(e)];
      if (!std::isnan(want)) all = all && v && near(v->value, want);
    }
    found = found || all;
  }
  EXPECT_TRUE(found) << what;
  return answer.solutions.size() > 1 ? Outcome::Several : Outcome::One;
}

// The values a set can give: the eleven elements, α also by its sine, cosine and tangent.
constexpr std::array<Element, 14> kGivable = {
    kA, kC, kB, kH, kP, kS, kM, kD, kAlpha, kCircumradius, kInradius, kSinAlpha, kCosAlpha, kTgAlpha};
bool IsAlpha(Element e) { return e == kAlpha || e == kSinAlpha || e == kCosAlpha || e == kTgAlpha; }

std::string Name(const std::vector<Element>& set, int condition) {
  std::string name;
  for (Element e : set) name += std::string(kElementNames[e]) + " ";
  if (condition < kConditionCount) name += kConditionNames[static_cast<std::size_t>(condition)];
  return name;
}

TEST(ProblemProperty, EverySetFindsTheTrapezoidItComesFrom) {
  std::mt19937 random(20261208);
  // What each set gave over the trapezoids drawn, for the record, by kind of set.
  std::map<std::string, std::map<std::string, std::set<Outcome>>> outcomes;
  const runtime::RegionalSettings settings = runtime::CSettings();
  const int n = static_cast<int>(kGivable.size());
  for (int round = 0; round < 12; ++round) {
    for (int condition = 0; condition <= kConditionCount; ++condition) {
      const Trapezoid t = Draw(random, condition);
      const Trapezoid withCircle = Draw(random, kIncircle);
      for (int i = 0; i < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
          // k = n: the two values alone, or with the condition; k > j: three values.
          for (int k = condition < kConditionCount ? n : j + 1; k <= n; ++k) {
            std::vector<Element> set = {kGivable[static_cast<std::size_t>(i)],
                                        kGivable[static_cast<std::size_t>(j)]};
            if (k < n) set.push_back(kGivable[static_cast<std::size_t>(k)]);
            if (std::count_if(set.begin(), set.end(), IsAlpha) > 1) continue;
            const bool circle = std::find(set.begin(), set.end(), kInradius) != set.end();
            if (circle && condition != kConditionCount && condition != kIncircle) continue;
            const Trapezoid& from = circle ? withCircle : t;
            Problem p;
            for (Element e : set) p.givens.push_back({e, from.values[e]});
            if (condition < kConditionCount) {
              p.conditions[static_cast<std::size_t>(condition)] = true;
              p.ratioP = from.a, p.ratioQ = from.c;
            }
            const std::string kind = k < n                         ? "three values"
                                     : condition < kConditionCount ? "two values and a condition"
                                                                   : "two values";
            std::string what = Name(set, condition) + ":";
            for (const Given& g : p.givens)
              what += " " + std::string(kElementNames[g.element]) + "=" + Full(g.value);
            outcomes[kind][Name(set, condition)].insert(Check(Solve(p, settings), from, what));
          }
        }
      }
    }
    if (HasFailure()) break;
  }
  for (const auto& [kind, sets] : outcomes) {
    int one = 0, several = 0, open = 0, refused = 0;
    for (const auto& [name, seen] : sets) {
      if (seen.count(Outcome::Refused))
        ++refused;
      else if (seen.count(Outcome::Open))
        ++open;
      else if (seen.count(Outcome::Several))
        ++several;
      else
        ++one;
    }
    std::printf(
        "%s: %zu sets; one trapezoid %d, two or more for some trapezoids %d, not determined %d, refused %d\n",
        kind.c_str(), sets.size(), one, several, open, refused);
  }
}

// The design's combinations: the six values to 1e-12 of its own formulas, and refused exactly
// where those stop on an error or make no trapezoid.
TEST(ProblemProperty, TheDesignsCombinationsAgreeWithItsFormulas) {
  std::mt19937 random(7096);
  std::uniform_int_distribution<int> digits(1, 9999999), scale(0, 6);
  const runtime::RegionalSettings settings = runtime::CSettings();
  for (int round = 0; round < 600; ++round) {
    for (int index = 0; index < model::kCombinationCount; ++index) {
      model::Measures read{};
      Problem p;
      for (model::Quantity q : model::kCombinations[static_cast<std::size_t>(index)].given) {
        read[q] = digits(random) / std::pow(10.0, scale(random));
        const Element e = q == model::A   ? kA
                          : q == model::B ? kB
                          : q == model::C ? kC
                          : q == model::H ? kH
                          : q == model::P ? kP
                                          : kS;
        p.givens.push_back({e, read[q]});
      }
      const model::Run run = model::Solve(index, read);
      const Answer answer = Solve(p, settings);
      const model::Measures m = run.measures();
      const bool trapezoid = !run.error && model::Classify(m, run.exact).kind == model::ShapeKind::Trapezoid;
      ASSERT_EQ(answer.refused.empty(), trapezoid) << index << " " << answer.refused;
      if (!trapezoid) continue;
      const std::array<std::pair<model::Quantity, Element>, 6> map = {
          {{model::A, kA}, {model::B, kB}, {model::C, kC}, {model::H, kH}, {model::P, kP}, {model::S, kS}}};
      for (auto [q, e] : map) {
        ASSERT_NEAR(answer.solutions.at(0).values[e]->value, m[q], 1e-12 * std::abs(m[q])) << index;
      }
    }
  }
}

}  // namespace
