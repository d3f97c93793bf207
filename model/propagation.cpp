#include "model/propagation.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "model/exact_text.h"
#include "model/number_text.h"
#include "model/problem.h"

namespace model::problem {

namespace {

const Formula* const kTable = Formulas().data();
const Formula& At(int f) { return kTable[f]; }

bool Usable(double x, Var target) {
  if (!std::isfinite(x)) return false;
  // An angle's sine or cosine above 1 is no angle (a little above, a rounding of 1).
  return !((target == vSin || target == vCos) && x > 1 + 1e-12);
}

// The words said of each condition where a formula that it brings is used.
constexpr std::array<std::string_view, kConditionCount> kBecause = {
    " (в трапеца е вписана окръжност)", " (диагоналите са перпендикулярни)",
    " (диагоналът е перпендикулярен на бедрото)", " (диагоналът е ъглополовяща на острия ъгъл)",
    " (отношението на основите)"};

// The numbers of a step put into its formula: all exact where every one of them has an exact
// form, else decimals, remembering whether one of those was rounded.
struct Putter {
  const State& state;
  const runtime::RegionalSettings& settings;
  bool exact;
  mutable bool rounded = false;

  std::string operator()(int var, bool tight) const {
    const std::size_t v = static_cast<std::size_t>(var);
    std::string text;
    Level level;
    if (exact) {
      const WrittenExact w = WriteExact(*state.exact[v], settings);
      text = w.text;
      level = w.level;
    } else {
      bool r = false;
      text = state.Decimal(var, r, settings);
      rounded = rounded || r;
      level = text.find("·10") != std::string::npos ? kProduct : kAtom;
    }
    if (text.rfind(kMinus, 0) == 0) level = kNegative;
    return level < kProduct || (level == kProduct && tight) ? "(" + text + ")" : text;
  }
};

bool AllExact(const Formula& f, const State& state) {
  for (int v = 0; v < kVarCount; ++v) {
    if ((f.sources & Bit(v)) && !state.exact[static_cast<std::size_t>(v)]) return false;
  }
  return true;
}

}  // namespace

const std::string& State::Decimal(int var, bool& rounded, const runtime::RegionalSettings& settings) const {
  const std::size_t v = static_cast<std::size_t>(var);
  if (!(written & Bit(var))) {
    const WrittenNumber n = WriteNumber(value[v], settings);
    decimals_[v] = n.text;
    written |= Bit(var);
    rounded_ = n.rounded ? rounded_ | Bit(var) : rounded_ & ~Bit(var);
  }
  rounded = (rounded_ & Bit(var)) != 0;
  return decimals_[v];
}

bool Applies(const Formula& f, Mask conditions) { return f.condition < 0 || (conditions & Bit(f.condition)); }

std::vector<int> Plan(Mask known, Mask conditions) {
  std::vector<int> plan;
  const std::span<const Formula> all = Formulas();
  // A formula without a root first, where there is one: what the plan finds then stays a
  // polynomial in an unknown it is run for.
  for (bool found = true; found;) {
    found = false;
    for (const bool roots : {false, true}) {
      for (std::size_t i = 0; i < all.size() && !found; ++i) {
        const Formula& f = all[i];
        if (f.root != roots || !Applies(f, conditions) || (known & Bit(f.target)) || (f.sources & ~known))
          continue;
        plan.push_back(static_cast<int>(i));
        known |= Bit(f.target);
        found = true;
      }
    }
  }
  return plan;
}

Mask After(Mask known, const std::vector<int>& plan) {
  for (int f : plan) known |= Bit(At(f).target);
  return known;
}

bool RunNumbers(const std::vector<int>& plan, Vars<double>& value) {
  for (int i : plan) {
    const Formula& f = kTable[i];
    const double x = f.number(value);
    if (!Usable(x, f.target)) return false;
    value[static_cast<std::size_t>(f.target)] = x;
  }
  return true;
}

std::vector<int> Checks(Mask known, Mask conditions, const std::vector<int>& plan) {
  std::vector<int> checks;
  const std::span<const Formula> all = Formulas();
  std::vector<bool> used(all.size());
  for (int f : plan) used[static_cast<std::size_t>(f)] = true;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Formula& f = all[i];
    if (used[i] || !Applies(f, conditions) || !(known & Bit(f.target)) || (f.sources & ~known)) continue;
    checks.push_back(static_cast<int>(i));
  }
  return checks;
}

double Residual(int f, const Vars<double>& value) {
  const Formula& formula = At(f);
  return value[static_cast<std::size_t>(formula.target)] - formula.number(value);
}

bool Holds(int f, const Vars<double>& value, double tolerance) {
  const Formula& formula = At(f);
  const double found = formula.number(value), known = value[static_cast<std::size_t>(formula.target)];
  if (!std::isfinite(found)) return true;
  double scale = std::max(std::abs(found), std::abs(known));
  for (Mask m = formula.sources; m != 0; m &= m - 1) {
    scale = std::max(scale, std::abs(value[static_cast<std::size_t>(std::countr_zero(m))]));
  }
  return std::abs(found - known) <= tolerance * scale;
}

std::string Written(double value, const std::optional<Exact>& exact,
                    const runtime::RegionalSettings& settings) {
  if (exact) return WriteExact(*exact, settings).text;
  return WriteNumber(value, settings).text;
}

std::string Ending(double value, const std::optional<Exact>& exact,
                   const runtime::RegionalSettings& settings) {
  return WriteEnding(exact, value, false, settings);
}

bool Plausible(Mask known, const Vars<double>& value) {
  for (int v = 0; v < kVarCount; ++v) {
    if (!(known & Bit(v))) continue;
    const double x = value[static_cast<std::size_t>(v)];
    if (!(x > 0) || ((v == vSin || v == vCos) && x > 1)) return false;
  }
  return true;
}

namespace {

// A formula of products and quotients alone, k·u·v / w, whose numbers are each a fraction or a
// fraction times one root: its square is a fraction even where the roots differ, which p + q√r
// could not multiply (√449 / (2·√2/2) = √898/2). Its square is f(u², v², w²)·f(1, 1, 1).
std::optional<Exact> ByItsSquare(const Formula& f, const State& state) {
  if (f.text.find(" + ") != std::string_view::npos || f.text.find(" − ") != std::string_view::npos || f.root)
    return std::nullopt;
  Vars<Exact> squares{}, ones{};
  for (std::size_t v = 0; v < squares.size(); ++v) {
    ones[v] = Exact(1);
    if (!(f.sources & Bit(static_cast<int>(v)))) continue;
    const Exact& x = *state.exact[v];
    if (!x.IsRational() && x.rational() != Rational()) return std::nullopt;
    const std::optional<Exact> square = IfExact([&] { return x * x; });
    if (!square) return std::nullopt;
    squares[v] = *square;
  }
  const std::optional<Exact> root = IfExact([&] { return SquareRoot(f.exact(squares) * f.exact(ones)); });
  if (!root) return std::nullopt;
  return f.number(state.value) < 0 ? IfExact([&] { return -*root; }) : root;
}

}  // namespace

bool RunStep(int i, State& state, std::string& line, const runtime::RegionalSettings& settings) {
  const Formula& f = At(i);
  const std::size_t target = static_cast<std::size_t>(f.target);
  const double x = f.number(state.value);
  Putter put{state, settings, AllExact(f, state)};
  const std::string numbers = PutIn(f.text, put);
  const std::string letters = f.letters;
  const std::string because =
      f.condition >= 0 ? std::string(kBecause[static_cast<std::size_t>(f.condition)]) : "";
  if (!Usable(x, f.target)) {
    Putter plain{state, settings, put.exact};
    const std::string why = f.failure.empty()
                                ? std::string(kVarLetters[target]) + " = " + letters + " = " + numbers +
                                      " не може да се пресметне"
                                : PutIn(f.failure, [&](int var, bool) { return plain(var, false); });
    line = "Няма такъв трапец: " + why;
    return false;
  }
  std::optional<Exact> exact;
  if (put.exact) {
    Vars<Exact> e{};
    std::int64_t root = 1;
    bool mixed = false;  // two different roots, which p + q√r cannot hold together
    for (std::size_t v = 0; v < e.size(); ++v) {
      e[v] = state.exact[v].value_or(Exact());
      if (!(f.sources & Bit(static_cast<int>(v))) || e[v].root() == 1) continue;
      mixed = mixed || (root != 1 && root != e[v].root());
      root = e[v].root();
    }
    if (!mixed) exact = IfExact([&] { return f.exact(e); });
    if (!exact) exact = ByItsSquare(f, state);
  }
  state.Set(f.target, x, exact);
  line = std::string(kVarLetters[target]) + " = " + letters;
  // "h = m = 5": a formula that is one letter has its value straight after it.
  const bool oneLetter = f.text.front() == '{' && f.text.find('{', 1) == std::string_view::npos;
  if (!oneLetter) line += (put.rounded ? " ≈ " : " = ") + numbers;
  std::string ending = WriteEnding(exact, x, put.rounded, settings);
  // "c = m − x = 10 − 5√3 ≈ 1,339746": the numbers put in are already the exact value.
  if (!oneLetter && ending.rfind(" = " + numbers, 0) == 0) ending.erase(0, 3 + numbers.size());
  line += ending + because;
  return true;
}

}  // namespace model::problem
