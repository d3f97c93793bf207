#include "model/problem.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "model/exact_text.h"
#include "model/number_text.h"
#include "model/problem_parts.h"
#include "model/propagation.h"
#include "model/shape.h"
#include "model/shape_sentence.h"
#include "model/working.h"

namespace model::problem {

namespace {

// "a = 27", "α = 45°", "cos α = 0,6": a given value as the book gives it.
std::string GivenLine(Element e, double value, const std::optional<Exact>& exact,
                      const runtime::RegionalSettings& settings) {
  return std::string(kElementLetters[e]) + " = " + Written(value, exact, settings) + (IsAngle(e) ? "°" : "");
}

// Sets `var` from a given value; false (with the reason in `refused`) where it was set before to
// another value.
bool Give(Setup& s, Var var, double value, std::optional<Exact> exact, const std::string& line) {
  if (s.state.Knows(var)) {
    const double before = s.state.value[static_cast<std::size_t>(var)];
    if (std::abs(before - value) <= 1e-12 * std::max(std::abs(before), std::abs(value))) return true;
    s.refused = "Дадените не си съответстват: " + line + ", а от другите дадени " +
                std::string(kVarLetters[static_cast<std::size_t>(var)]) +
                Ending(before, s.state.exact[static_cast<std::size_t>(var)], s.settings);
    return false;
  }
  s.state.Set(var, value, exact);
  s.given |= Bit(var);
  return true;
}

// α from its degrees: the cosine, sine and tangent, exact for 30°, 45° and 60°.
bool GiveAngle(Setup& s, double degrees, std::optional<Exact> exact, const std::string& line) {
  constexpr double kPi = 3.14159265358979323846;
  const double rad = degrees * kPi / 180;
  std::optional<Exact> cos, sin, tg;
  if (exact == Exact(30)) {
    cos = Exact::Of(0, Rational::Of(1, 2), 3), sin = Rational::Of(1, 2),
    tg = Exact::Of(0, Rational::Of(1, 3), 3);
  } else if (exact == Exact(45)) {
    cos = sin = Exact::Of(0, Rational::Of(1, 2), 2), tg = Exact(1);
  } else if (exact == Exact(60)) {
    cos = Rational::Of(1, 2), sin = Exact::Of(0, Rational::Of(1, 2), 3), tg = Exact::Of(0, 1, 3);
  }
  s.alphaDegrees = degrees;
  s.alphaExact = exact;
  return Give(s, vCos, std::cos(rad), cos, line) && Give(s, vSin, std::sin(rad), sin, line) &&
         Give(s, vTg, std::tan(rad), tg, line);
}

bool InRange(Element e, double v) {
  switch (e) {
    case kAlpha: return v > 0 && v < 90;
    case kBeta: return v > 90 && v < 180;
    case kSinAlpha:
    case kCosAlpha: return v > 0 && v < 1;
    default: return v > 0;
  }
}

std::string OutOfRange(Element e, const std::string& line) {
  switch (e) {
    case kAlpha: return "α е острият ъгъл при голямата основа, 0° < α < 90°, а е дадено " + line;
    case kBeta: return "β е тъпият ъгъл при малката основа, 90° < β < 180°, а е дадено " + line;
    case kSinAlpha:
    case kCosAlpha: return line + ": на остър ъгъл синусът и косинусът са между 0 и 1";
    default: return line + ": стойността трябва да е положителна";
  }
}

// The exact decimal a value was typed as, where it is one a pupil types (up to nine digits on
// either side of the point): longer ones would overflow the exact numbers at once.
std::optional<Exact> Typed(double value) {
  std::optional<Exact> exact = ExactGiven(value);
  constexpr std::int64_t kLimit = 1'000'000'000;
  if (exact && (exact->rational().den() > kLimit || exact->rational().num() > kLimit * kLimit / 1000 ||
                exact->rational().num() < -kLimit * kLimit / 1000))
    return std::nullopt;
  return exact;
}

bool GiveElement(Setup& s, const Given& g) {
  const std::optional<Exact> exact = Typed(g.value);
  const std::string line = GivenLine(g.element, g.value, exact, s.settings);
  if (!std::isfinite(g.value) || !InRange(g.element, g.value)) {
    s.refused = OutOfRange(g.element, line);
    return false;
  }
  s.lines.push_back(line);
  s.scale = std::max(s.scale, g.element == kS ? std::sqrt(g.value) : IsAngle(g.element) ? 0 : g.value);
  switch (g.element) {
    case kAlpha: return GiveAngle(s, g.value, exact, line);
    case kBeta: {
      const std::optional<Exact> alpha = exact ? IfExact([&] { return Exact(180) - *exact; }) : std::nullopt;
      s.lines.back() += ", α = 180° − β = " + Written(180 - g.value, alpha, s.settings) + "°";
      return GiveAngle(s, 180 - g.value, alpha, line);
    }
    case kSinAlpha: return Give(s, vSin, g.value, exact, line);
    case kCosAlpha: return Give(s, vCos, g.value, exact, line);
    case kTgAlpha: return Give(s, vTg, g.value, exact, line);
    case kInradius: s.state.enabled |= Bit(kIncircle); return Give(s, vRin, g.value, exact, line);
    case kCircumradius: return Give(s, vR, g.value, exact, line);
    case kA:
    case kC:
    case kB:
    case kH:
    case kP:
    case kS:
    case kM:
    case kD:
    case kX:
      return Give(s, static_cast<Var>(g.element == kX ? vX : static_cast<int>(g.element)), g.value, exact,
                  line);
    default: s.refused = line + ": не се задава"; return false;
  }
}

constexpr std::array<std::string_view, kConditionCount> kConditionLines = {
    "в трапеца може да се впише окръжност: a + c = 2b", "диагоналите са перпендикулярни: AC ⊥ BD",
    "диагоналът е перпендикулярен на бедрото: AC ⊥ BC",
    "диагоналът е ъглополовяща на острия ъгъл: ∠BAC = ∠CAD", "основите се отнасят както"};

bool GiveConditions(Setup& s, const Problem& p) {
  for (int c = 0; c < kConditionCount; ++c) {
    if (!p.conditions[static_cast<std::size_t>(c)]) continue;
    s.state.enabled |= Bit(c);
    if (c != kBasesRatio) {
      s.lines.emplace_back(kConditionLines[static_cast<std::size_t>(c)]);
      continue;
    }
    const double larger = std::max(p.ratioP, p.ratioQ), smaller = std::min(p.ratioP, p.ratioQ);
    const std::string words = "a : c = " + Written(larger, Typed(larger), s.settings) + " : " +
                              Written(smaller, Typed(smaller), s.settings);
    if (!(smaller > 0) || !std::isfinite(larger)) {
      s.refused = words + ": числата на отношението трябва да са положителни";
      return false;
    }
    if (larger == smaller) {
      s.refused = std::string(kNoSuchTrapezoid) + ": a = c и фигурата е правоъгълник";
      return false;
    }
    s.lines.push_back(words);
    const std::optional<Exact> el = Typed(larger), es = Typed(smaller);
    Give(s, vK, larger / smaller, el && es ? IfExact([&] { return *el / *es; }) : std::nullopt, words);
  }
  return true;
}

}  // namespace

bool Read(const Problem& p, Setup& s) {
  if (p.givens.empty() && std::none_of(p.conditions.begin(), p.conditions.end(), [](bool c) { return c; })) {
    s.refused = "Не е дадено нищо.";
    return false;
  }
  for (const Given& g : p.givens) {
    if (!GiveElement(s, g)) return false;
  }
  if (s.state.Knows(vRin) && !p.conditions[kIncircle]) s.lines.emplace_back(kConditionLines[kIncircle]);
  return GiveConditions(s, p);
}

Answer Solve(const Problem& problem, const runtime::RegionalSettings& settings) {
  Answer answer;
  try {
    SolveInto(problem, settings, answer);
  } catch (const std::exception&) {
    answer = Answer{};
    answer.refused = kNoSuchTrapezoidOther;
  } catch (const NoExactForm&) {
    answer = Answer{};
    answer.refused = kNoSuchTrapezoidOther;
  }
  if (!answer.refused.empty()) answer.solutions.clear();
  return answer;
}

}  // namespace model::problem
