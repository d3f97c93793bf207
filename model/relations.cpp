#include "model/relations.h"

#include <cmath>
#include <vector>

#include "model/problem.h"

namespace model::problem {

namespace {

double Root(double x) { return std::sqrt(x); }
Exact Root(const Exact& x) { return SquareRoot(x); }
template <typename T>
T Sq(const T& x) {
  return x * x;
}

Mask SourcesOf(std::string_view text) {
  Mask mask = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    int var = 0;
    if (Placeholder(text, i, var) != 0) mask |= Bit(var);
  }
  return mask;
}

// One formula from a generic lambda that computes it in doubles and in exact numbers alike.
template <typename F>
Formula Make(Var target, std::string_view text, F, int condition = -1, std::string_view failure = {}) {
  return {target,
          text,
          [](const Vars<double>& v) { return static_cast<double>(F{}(v)); },
          [](const Vars<Exact>& v) { return Exact(F{}(v)); },
          condition,
          failure,
          SourcesOf(text),
          text.find("√") != std::string_view::npos,
          nullptr,
          {}};
}

// A formula √(E) from E.
template <typename F>
Formula MakeRoot(Var target, std::string_view text, F, int condition = -1, std::string_view failure = {}) {
  Formula f = Make(
      target, text, [](const auto& v) { return Root(F{}(v)); }, condition, failure);
  f.radicand = [](const Vars<Exact>& v) { return Exact(F{}(v)); };
  return f;
}

// clang-format off
std::vector<Formula> Table() {
  constexpr int incircle = kIncircle, perpendicular = kPerpendicularDiagonals,
                toLeg = kDiagonalPerpendicularToLeg, bisects = kDiagonalBisectsAngle, ratio = kBasesRatio;
  return {
    // x, the bases and the midline
    Make(vX, "({a} − {c}) / 2", [](const auto& v) { return (v[vA] - v[vC]) / 2; }),
    Make(vM, "({a} + {c}) / 2", [](const auto& v) { return (v[vA] + v[vC]) / 2; }),
    Make(vA, "{c} + 2{x}", [](const auto& v) { return v[vC] + 2 * v[vX]; }),
    Make(vC, "{a} − 2{x}", [](const auto& v) { return v[vA] - 2 * v[vX]; }),
    Make(vA, "2{m} − {c}", [](const auto& v) { return 2 * v[vM] - v[vC]; }),
    Make(vC, "2{m} − {a}", [](const auto& v) { return 2 * v[vM] - v[vA]; }),
    Make(vM, "{c} + {x}", [](const auto& v) { return v[vC] + v[vX]; }),
    Make(vC, "{m} − {x}", [](const auto& v) { return v[vM] - v[vX]; }),
    Make(vX, "{m} − {c}", [](const auto& v) { return v[vM] - v[vC]; }),
    Make(vA, "{m} + {x}", [](const auto& v) { return v[vM] + v[vX]; }),
    Make(vX, "{a} − {m}", [](const auto& v) { return v[vA] - v[vM]; }),
    Make(vM, "{a} − {x}", [](const auto& v) { return v[vA] - v[vX]; }),
    // the conditions that fix a base or the leg at once
    Make(vA, "{k}·{c}", [](const auto& v) { return v[vK] * v[vC]; }, ratio),
    Make(vC, "{a} / {k}", [](const auto& v) { return v[vA] / v[vK]; }, ratio),
    Make(vB, "({a} + {c}) / 2", [](const auto& v) { return (v[vA] + v[vC]) / 2; }, incircle),
    Make(vB, "{m}", [](const auto& v) { return v[vM]; }, incircle),
    Make(vM, "{b}", [](const auto& v) { return v[vB]; }, incircle),
    Make(vB, "{c}", [](const auto& v) { return v[vC]; }, bisects),
    Make(vC, "{b}", [](const auto& v) { return v[vB]; }, bisects),
    Make(vH, "{m}", [](const auto& v) { return v[vM]; }, perpendicular),
    Make(vM, "{h}", [](const auto& v) { return v[vH]; }, perpendicular),
    Make(vH, "2{r}", [](const auto& v) { return 2 * v[vRin]; }, incircle),
    Make(vRin, "{h} / 2", [](const auto& v) { return v[vH] / 2; }, incircle),
    // the right triangle AHD of the leg, the height and x
    MakeRoot(vH, "√({b}² − {x}²)", [](const auto& v) { return Sq(v[vB]) - Sq(v[vX]); }, -1,
         "бедрото b = {b} е по-късо от x = {x}"),
    MakeRoot(vX, "√({b}² − {h}²)", [](const auto& v) { return Sq(v[vB]) - Sq(v[vH]); }, -1,
         "бедрото b = {b} е по-късо от височината h = {h}"),
    MakeRoot(vB, "√({x}² + {h}²)", [](const auto& v) { return Sq(v[vX]) + Sq(v[vH]); }),
    // the perimeter
    Make(vP, "{a} + {c} + 2{b}", [](const auto& v) { return v[vA] + v[vC] + 2 * v[vB]; }),
    Make(vB, "({P} − {a} − {c}) / 2", [](const auto& v) { return (v[vP] - v[vA] - v[vC]) / 2; }),
    Make(vA, "{P} − 2{b} − {c}", [](const auto& v) { return v[vP] - 2 * v[vB] - v[vC]; }),
    Make(vC, "{P} − 2{b} − {a}", [](const auto& v) { return v[vP] - 2 * v[vB] - v[vA]; }),
    Make(vP, "2{m} + 2{b}", [](const auto& v) { return 2 * v[vM] + 2 * v[vB]; }),
    Make(vM, "({P} − 2{b}) / 2", [](const auto& v) { return (v[vP] - 2 * v[vB]) / 2; }),
    Make(vB, "({P} − 2{m}) / 2", [](const auto& v) { return (v[vP] - 2 * v[vM]) / 2; }),
    // the area
    Make(vS, "({a} + {c})·{h} / 2", [](const auto& v) { return (v[vA] + v[vC]) * v[vH] / 2; }),
    Make(vH, "2{S} / ({a} + {c})", [](const auto& v) { return 2 * v[vS] / (v[vA] + v[vC]); }),
    Make(vS, "{m}·{h}", [](const auto& v) { return v[vM] * v[vH]; }),
    Make(vH, "{S} / {m}", [](const auto& v) { return v[vS] / v[vM]; }),
    Make(vM, "{S} / {h}", [](const auto& v) { return v[vS] / v[vH]; }),
    // the angle α at the larger base, in the triangle AHD
    Make(vTg, "{h} / {x}", [](const auto& v) { return v[vH] / v[vX]; }),
    Make(vCos, "{x} / {b}", [](const auto& v) { return v[vX] / v[vB]; }, -1, "бедрото b = {b} е по-късо от x = {x}"),
    Make(vSin, "{h} / {b}", [](const auto& v) { return v[vH] / v[vB]; }, -1,
         "бедрото b = {b} е по-късо от височината h = {h}"),
    Make(vH, "{x}·{tg}", [](const auto& v) { return v[vX] * v[vTg]; }),
    Make(vX, "{h} / {tg}", [](const auto& v) { return v[vH] / v[vTg]; }),
    Make(vX, "{b}·{cos}", [](const auto& v) { return v[vB] * v[vCos]; }),
    Make(vB, "{x} / {cos}", [](const auto& v) { return v[vX] / v[vCos]; }),
    Make(vH, "{b}·{sin}", [](const auto& v) { return v[vB] * v[vSin]; }),
    Make(vB, "{h} / {sin}", [](const auto& v) { return v[vH] / v[vSin]; }),
    MakeRoot(vSin, "√(1 − {cos}²)", [](const auto& v) { return 1 - Sq(v[vCos]); }),
    MakeRoot(vCos, "√(1 − {sin}²)", [](const auto& v) { return 1 - Sq(v[vSin]); }),
    Make(vTg, "{sin} / {cos}", [](const auto& v) { return v[vSin] / v[vCos]; }),
    Make(vCos, "1 / √(1 + {tg}²)", [](const auto& v) { return 1 / Root(1 + Sq(v[vTg])); }),
    Make(vSin, "{tg}·{cos}", [](const auto& v) { return v[vTg] * v[vCos]; }),
    // the diagonal AC, in the right triangle AHC with AH = m
    MakeRoot(vD, "√({m}² + {h}²)", [](const auto& v) { return Sq(v[vM]) + Sq(v[vH]); }),
    MakeRoot(vM, "√({d}² − {h}²)", [](const auto& v) { return Sq(v[vD]) - Sq(v[vH]); }, -1,
         "диагоналът d = {d} е по-къс от височината h = {h}"),
    MakeRoot(vH, "√({d}² − {m}²)", [](const auto& v) { return Sq(v[vD]) - Sq(v[vM]); }, -1,
         "диагоналът d = {d} е по-къс от средната основа m = {m}"),
    // the diagonal perpendicular to the leg: the right triangle ACB
    MakeRoot(vH, "√({x}·{m})", [](const auto& v) { return v[vX] * v[vM]; }, toLeg),
    Make(vX, "{h}² / {m}", [](const auto& v) { return Sq(v[vH]) / v[vM]; }, toLeg),
    Make(vM, "{h}² / {x}", [](const auto& v) { return Sq(v[vH]) / v[vX]; }, toLeg),
    Make(vCos, "{b} / {a}", [](const auto& v) { return v[vB] / v[vA]; }, toLeg),
    Make(vB, "{a}·{cos}", [](const auto& v) { return v[vA] * v[vCos]; }, toLeg),
    Make(vA, "{b} / {cos}", [](const auto& v) { return v[vB] / v[vCos]; }, toLeg),
    // the circumscribed circle, which is that of the triangle ABC
    Make(vR, "{d} / (2{sin})", [](const auto& v) { return v[vD] / (2 * v[vSin]); }),
    Make(vR, "{b}·{d} / (2{h})", [](const auto& v) { return v[vB] * v[vD] / (2 * v[vH]); }),
    Make(vD, "2{R}·{sin}", [](const auto& v) { return 2 * v[vR] * v[vSin]; }),
    Make(vSin, "{d} / (2{R})", [](const auto& v) { return v[vD] / (2 * v[vR]); }, -1,
         "диагоналът d = {d} е по-дълъг от диаметъра на описаната окръжност 2R = 2·{R}"),
    Make(vD, "2{h}·{R} / {b}", [](const auto& v) { return 2 * v[vH] * v[vR] / v[vB]; }),
    Make(vB, "2{h}·{R} / {d}", [](const auto& v) { return 2 * v[vH] * v[vR] / v[vD]; }),
    Make(vH, "{b}·{d} / (2{R})", [](const auto& v) { return v[vB] * v[vD] / (2 * v[vR]); }),
  };
}
// clang-format on

}  // namespace

std::size_t Placeholder(std::string_view text, std::size_t at, int& var) {
  if (text[at] != '{') return 0;
  const std::size_t close = text.find('}', at);
  const std::string_view name = text.substr(at + 1, close - at - 1);
  for (int v = 0; v < kVarCount; ++v) {
    if (kVarNames[static_cast<std::size_t>(v)] == name) {
      var = v;
      return close + 1;
    }
  }
  return 0;
}

std::string Letters(std::string_view text) {
  std::string letters =
      PutIn(text, [](int var, bool) { return std::string(kVarLetters[static_cast<std::size_t>(var)]); });
  // The square of an angle's cosine is written cos² α.
  for (const std::string_view f : {"cos", "sin", "tg"}) {
    const std::string from = std::string(f) + " α²", to = std::string(f) + "² α";
    for (std::size_t at; (at = letters.find(from)) != std::string::npos;)
      letters.replace(at, from.size(), to);
  }
  return letters;
}

std::span<const Formula> Formulas() {
  static const std::vector<Formula> table = [] {
    std::vector<Formula> formulas = Table();
    for (Formula& f : formulas) f.letters = Letters(f.text);
    return formulas;
  }();
  return table;
}

}  // namespace model::problem
