// One trapezoid made whole: judged, then the elements the relations leave to the end (the angles,
// the diagonals' angle, the distances of their crossing point to the bases, the inscribed circle).
#include <cmath>

#include "model/derived.h"
#include "model/exact_text.h"
#include "model/number_text.h"
#include "model/problem_parts.h"
#include "model/shape.h"
#include "model/shape_sentence.h"

namespace model::problem {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Degrees(double radians) { return radians * 180 / kPi; }

// 30°, 45° or 60° where `tg` is exactly their tangent.
std::optional<int> SpecialAngle(const std::optional<Exact>& tg) {
  if (!tg) return std::nullopt;
  if (*tg == Exact(1)) return 45;
  if (*tg == Exact::Of(0, 1, 3)) return 60;
  if (*tg == Exact::Of(0, Rational::Of(1, 3), 3)) return 30;
  return std::nullopt;
}

Angle AngleOf(double degrees, bool exact) {
  return {degrees, std::llround(degrees * 60),
          exact && std::abs(degrees * 60 - std::round(degrees * 60)) < 1e-9};
}

// "α = 45°", "α ≈ 53,13° ≈ 53°08′".
std::string AngleText(const Angle& a, const runtime::RegionalSettings& settings) {
  if (a.exact) return "= " + DegreesText(a, settings);
  return "≈ " + DegreesText(a, settings) + " ≈ " + MinutesText(a);
}

std::optional<Exact> Try(const std::optional<Exact>& x, const std::optional<Exact>& y,
                         Exact (*op)(const Exact&, const Exact&)) {
  if (!x || !y) return std::nullopt;
  if (x->root() != 1 && y->root() != 1 && x->root() != y->root()) return std::nullopt;  // two roots
  return IfExact([&] { return op(*x, *y); });
}
Exact Times(const Exact& x, const Exact& y) { return x * y; }
Exact Over(const Exact& x, const Exact& y) { return x / y; }
Exact Minus(const Exact& x, const Exact& y) { return x - y; }

struct Finisher {
  const Setup& s;
  State st;
  Solution sol;
  const runtime::RegionalSettings& settings = s.settings;

  std::optional<Exact> E(Var v) const { return st.exact[static_cast<std::size_t>(v)]; }
  double V(Var v) const { return st.value[static_cast<std::size_t>(v)]; }
  void Put(Element e, double value, std::optional<Exact> exact) { sol.values[e] = Value{value, exact}; }
  // A number put into a quotient: "(10√3/3) / (40/3)".
  std::string W(double value, const std::optional<Exact>& exact) const {
    const std::string text = Written(value, exact, settings);
    const bool loose = text.find_first_of("/ ") != std::string::npos || text.rfind(kMinus, 0) == 0;
    return loose ? "(" + text + ")" : text;
  }

  bool HasIncircle() const {
    if (st.enabled & Bit(kIncircle)) return true;
    if (const auto d = Try(Try(E(vA), E(vC), [](const Exact& x, const Exact& y) { return x + y; }),
                           Try(E(vB), Exact(2), Times), Minus))
      return *d == Exact();
    return std::abs(V(vA) + V(vC) - 2 * V(vB)) <= 1e-12 * (V(vA) + V(vC));
  }

  void Lengths() {
    for (Var v : {vA, vC, vB, vH, vP, vS, vM, vD, vR})
      Put(v == vR ? kCircumradius : static_cast<Element>(static_cast<int>(v)), V(v), E(v));
    Put(kX, std::abs(V(vX)), V(vX) < 0 ? Try(Exact(0), E(vX), Minus) : E(vX));
    if (!HasIncircle()) return;
    const std::optional<Exact> r = Try(E(vH), Exact(2), Over);
    if (!st.Knows(vRin)) {
      sol.steps.push_back("В трапеца може да се впише окръжност (a + c = 2b); нейният радиус е r = h / 2 = " +
                          W(V(vH), E(vH)) + " / 2" + Ending(V(vH) / 2, r, settings));
    }
    Put(kInradius, V(vH) / 2, r);
  }

  void Alpha() {
    // The angle at the larger base, also where the design's window has a < c.
    const double x = std::abs(V(vX));
    const std::optional<Exact> tg = V(vX) < 0 ? Try(Exact(0), E(vTg), Minus) : E(vTg);
    const std::optional<Exact> cos = V(vX) < 0 ? Try(Exact(0), E(vCos), Minus) : E(vCos);
    Put(kTgAlpha, V(vH) / x, tg);
    Put(kCosAlpha, x / V(vB), cos);
    Put(kSinAlpha, V(vSin), E(vSin));
    const std::optional<int> special = SpecialAngle(tg);
    const bool given = !std::isnan(s.alphaDegrees);
    const double degrees = given ? s.alphaDegrees : special ? *special : Degrees(std::atan2(V(vH), x));
    const Angle alpha = AngleOf(degrees, given ? s.alphaExact.has_value() : special.has_value());
    const std::optional<Exact> exact =
        alpha.exact ? std::optional<Exact>(Rational::Of(alpha.minutes, 60)) : std::nullopt;
    Put(kAlpha, degrees, exact);
    Put(kBeta, 180 - degrees, exact ? IfExact([&] { return Exact(180) - *exact; }) : std::nullopt);
    if (!given) sol.steps.push_back("α " + AngleText(alpha, settings));
    const Angle beta = AngleOf(180 - degrees, alpha.exact);
    sol.steps.push_back("β = 180° − α " + AngleText(beta, settings));
  }

  // O, where the diagonals cross, lies on the axis; in the triangle ABO ∠OAB = ∠CAB, whose
  // tangent is h / m in the right triangle AHC.
  void Diagonals() {
    const std::optional<Exact> tg = Try(E(vH), E(vM), Over);
    const double t = V(vH) / V(vM);
    const std::optional<int> cab = SpecialAngle(tg);
    const double phi = cab ? 180 - 2 * *cab : 180 - 2 * Degrees(std::atan(t));
    const Angle angle = AngleOf(phi, cab.has_value());
    sol.steps.push_back("tg ∠CAB = h / m = " + W(V(vH), E(vH)) + " / " + W(V(vM), E(vM)) +
                        Ending(t, tg, settings));
    sol.steps.push_back("φ = ∠AOB = 180° − 2∠CAB " + AngleText(angle, settings) + ", 180° − φ " +
                        AngleText(AngleOf(180 - phi, angle.exact), settings));
    Put(kPhi, phi, angle.exact ? std::optional<Exact>(Rational::Of(angle.minutes, 60)) : std::nullopt);
    const std::optional<Exact> twoM = Try(Exact(2), E(vM), Times);
    const double toAB = V(vA) * V(vH) / (2 * V(vM)), toDC = V(vC) * V(vH) / (2 * V(vM));
    const std::optional<Exact> eAB = Try(Try(E(vA), E(vH), Times), twoM, Over);
    const std::optional<Exact> eDC = Try(Try(E(vC), E(vH), Times), twoM, Over);
    sol.steps.push_back("OO₁ = a·h / (2m)" + Ending(toAB, eAB, settings) + " (от O до AB), OO₂ = c·h / (2m)" +
                        Ending(toDC, eDC, settings) + " (от O до DC)");
    Put(kOToAB, toAB, eAB);
    Put(kOToDC, toDC, eDC);
  }
};

}  // namespace

std::string ShapeWhy(const State& state, const runtime::RegionalSettings& settings) {
  const Mask four = Bit(vA) | Bit(vB) | Bit(vC) | Bit(vH);
  if ((state.known & four) != four) return "";
  const auto at = [&](Var v) { return state.value[static_cast<std::size_t>(v)]; };
  const auto ex = [&](Var v) { return state.exact[static_cast<std::size_t>(v)]; };
  const Measures measures = {at(vA), at(vB), at(vC), at(vH), at(vP), at(vS)};
  const ExactTerms exact = {ex(vA), ex(vB), ex(vC), ex(vH), ex(vP), ex(vS), ex(vX)};
  return ShapeSentence(Classify(measures, exact), measures, exact, settings);
}

Judged Finish(const Setup& s, const State& state, std::vector<std::string> steps, bool design) {
  const auto at = [&](Var v) { return state.value[static_cast<std::size_t>(v)]; };
  const auto ex = [&](Var v) { return state.exact[static_cast<std::size_t>(v)]; };
  if (std::string why = ShapeWhy(state, s.settings); !why.empty()) return {std::nullopt, why};
  if (!design && SignOf(at(vX), ex(vX)) < 0) {
    return {std::nullopt, std::string(kNoSuchTrapezoid) + ": a" + Ending(at(vA), ex(vA), s.settings) +
                              " < c" + Ending(at(vC), ex(vC), s.settings) + ", а a е голямата основа"};
  }
  Finisher f{s, state, {}};
  f.sol.steps = std::move(steps);
  f.Lengths();
  f.Alpha();
  f.Diagonals();
  return {std::move(f.sol), ""};
}

std::array<double, kElementCount> Numbers(const State& st) {
  std::array<double, kElementCount> n;
  n.fill(std::numeric_limits<double>::quiet_NaN());
  const auto v = [&](Var var) { return st.value[static_cast<std::size_t>(var)]; };
  for (Var var : {vA, vC, vB, vH, vP, vS, vM, vD}) n[static_cast<std::size_t>(var)] = v(var);
  const double x = std::abs(v(vX));
  n[kCircumradius] = v(vR);
  if (st.enabled & Bit(kIncircle)) n[kInradius] = v(vH) / 2;
  n[kX] = x;
  n[kTgAlpha] = v(vH) / x;
  n[kCosAlpha] = x / v(vB);
  n[kSinAlpha] = v(vH) / v(vB);
  n[kAlpha] = Degrees(std::atan2(v(vH), x));
  n[kBeta] = 180 - n[kAlpha];
  n[kPhi] = 180 - 2 * Degrees(std::atan(v(vH) / v(vM)));
  n[kOToAB] = v(vA) * v(vH) / (2 * v(vM));
  n[kOToDC] = v(vC) * v(vH) / (2 * v(vM));
  return n;
}

}  // namespace model::problem
