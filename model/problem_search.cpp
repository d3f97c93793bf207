// Solving a problem: the relations first find what the givens lead to; where that is not the
// whole trapezoid, one more element is taken as the unknown, everything is expressed through it,
// and the relation left over is the equation for it: solved by formula where it is linear or
// quadratic in exact numbers, else numerically. Where no relation is left over the givens fix
// only some elements, and a family of trapezoids shows which.
#include <algorithm>
#include <bit>
#include <cmath>

#include "model/combination.h"
#include "model/exact_text.h"
#include "model/problem_parts.h"
#include "model/shape.h"
#include "model/shape_sentence.h"
#include "model/solver.h"
#include "model/working.h"

namespace model::problem {

namespace {

const Formula* const kTable = Formulas().data();
const Formula& At(int f) { return kTable[f]; }

// The elements tried as the unknown, in the order a book tries them.
constexpr std::array<Var, 7> kUnknowns = {vX, vH, vC, vB, vM, vA, vD};
constexpr int kGrid = 241;  // points of the search, over six decades around the givens' size

std::string Letter(Var v) { return std::string(kVarLetters[static_cast<std::size_t>(v)]); }

// The design's own combination where the givens are three of its six measures and nothing else.
int DesignCombination(const Setup& s, const Problem& p) {
  if (p.givens.size() != 3 || s.state.enabled != 0) return -1;
  const Mask six = Bit(vA) | Bit(vB) | Bit(vC) | Bit(vH) | Bit(vP) | Bit(vS);
  if ((s.given & ~six) || std::popcount(s.given) != 3) return -1;
  for (int i = 0; i < kCombinationCount; ++i) {
    Mask m = 0;
    for (Quantity q : kCombinations[static_cast<std::size_t>(i)].given) {
      m |= Bit(q == A ? vA : q == B ? vB : q == C ? vC : q == H ? vH : q == P ? vP : vS);
    }
    if (m == s.given) return i;
  }
  return -1;
}

// Runs the design's formula set of combination `index`; false where it stops on an error.
bool RunDesign(int index, State& st, std::vector<std::string>& steps,
               const runtime::RegionalSettings& settings) {
  Measures read{};
  const std::array<std::pair<Quantity, Var>, 6> map = {
      {{A, vA}, {B, vB}, {C, vC}, {H, vH}, {P, vP}, {S, vS}}};
  for (auto [q, v] : map) read[q] = st.value[static_cast<std::size_t>(v)];
  const Run run = model::Solve(index, read);
  if (run.error) return false;
  for (auto [q, v] : map) st.Set(v, run.terms[q], run.exact[q]);
  st.Set(vX, run.terms[model::kX], run.exact[model::kX]);
  steps = WorkOut(index, run, settings).steps;
  return true;
}

struct Unknown {
  Var var = vX;
  std::vector<int> plan;
  std::vector<int> checks;
  int equation = -1;           // the check that does not hold of itself
  std::vector<int> equations;  // every such check, the most failing first
  Mask rooted = 0;             // the elements the plan finds through a root of something with t
  // The plan run at t = 1 to 4 without a stop where a step leaves the numbers (a NaN reaches only
  // what it is used for), for telling quickly which check is a polynomial in t.
  std::array<Vars<double>, 4> probes{};
  // The steps of the plan that the equation and the lengths need: what the search runs.
  std::vector<int> scan;
};

void Probe(const State& base, Unknown& u) {
  for (std::size_t k = 0; k < u.probes.size(); ++k) {
    Vars<double>& v = u.probes[k];
    v = base.value;
    v[static_cast<std::size_t>(u.var)] = static_cast<double>(k + 1);
    for (int f : u.plan) v[static_cast<std::size_t>(At(f).target)] = At(f).number(v);
  }
}

// The elements that `plan` finds through a root, directly or through another such element.
Mask Rooted(const std::vector<int>& plan) {
  Mask rooted = 0;
  for (int f : plan) {
    if (At(f).root || (At(f).sources & rooted)) rooted |= Bit(At(f).target);
  }
  return rooted;
}

std::vector<double> Grid(double scale) {
  static const double step = std::pow(10.0, 6.0 / (kGrid - 1));
  std::vector<double> grid(kGrid);
  grid[0] = scale / 1000;
  for (std::size_t k = 1; k < grid.size(); ++k) grid[k] = grid[k - 1] * step;
  return grid;
}

// The residual of `u`'s equation at t, NaN where the plan cannot be run.
constexpr Mask kLengths = Bit(vA) | Bit(vC) | Bit(vB) | Bit(vH) | Bit(vX) | Bit(vM);

// The residual of `u`'s equation at t; NaN where the plan cannot be run or gives no trapezoid
// (a length at or below zero), so that the search keeps to trapezoids and looks for roots at the
// edges of where they are.
double At(const State& base, const Unknown& u, double t) {
  Vars<double> v = base.value;
  v[static_cast<std::size_t>(u.var)] = t;
  if (!RunNumbers(u.scan, v) || !Plausible(kLengths, v)) return std::nan("");
  return Residual(u.equation, v);
}

// The checks that fail where the trapezoid is plausible, looked at in a few points spread over
// the grid: a check that is no equation holds everywhere. Those without a root first; none where
// every check holds (the givens fix no single trapezoid).
std::vector<int> Equations(const State& base, const Unknown& u, const std::vector<double>& grid) {
  std::vector<int> failing;
  int looked = 0;
  for (std::size_t start = 0; start < 16 && looked < 4; ++start) {
    for (std::size_t k = start; k < grid.size() && looked < 4; k += 16) {
      Vars<double> v = base.value;
      v[static_cast<std::size_t>(u.var)] = grid[k];
      if (!RunNumbers(u.plan, v) || !Plausible(kLengths, v)) continue;
      ++looked;
      for (int c : u.checks) {
        if (!Holds(c, v, 1e-7) && std::find(failing.begin(), failing.end(), c) == failing.end())
          failing.push_back(c);
      }
    }
  }
  std::stable_partition(failing.begin(), failing.end(), [](int x) { return !At(x).root; });
  return failing;
}

std::int64_t Gcd(std::int64_t x, std::int64_t y) { return y == 0 ? (x < 0 ? -x : x) : Gcd(y, x % y); }

// The same equation with coprime integer coefficients and a positive leading one, where its
// coefficients are fractions: 1,5x − 5 = 0 is 3x − 10 = 0.
std::array<Exact, 3> Integers(std::array<Exact, 3> p) {
  // A negative leading coefficient is turned round: −(8√3/3)x + 40 = 0 is (8√3/3)x − 40 = 0.
  const Exact& lead = p[0] != Exact() ? p[0] : p[1];
  if (ExactSign(lead).value_or(0) < 0) p = {-p[0], -p[1], -p[2]};
  if (!std::all_of(p.begin(), p.end(), [](const Exact& x) { return x.IsRational(); })) return p;
  try {
    Rational lcm = 1;
    for (const Exact& x : p) {
      const std::int64_t d = x.rational().den();
      lcm = lcm * Rational(d) / Rational(Gcd(lcm.num(), d));
    }
    std::array<Exact, 3> q;
    std::int64_t gcd = 0;
    for (std::size_t i = 0; i < 3; ++i) q[i] = p[i] * Exact(lcm), gcd = Gcd(gcd, q[i].rational().num());
    const Exact lead = q[0] != Exact() ? q[0] : q[1];
    for (Exact& x : q) x = x / Exact(lead.rational().Sign() < 0 ? -gcd : gcd);
    return q;
  } catch (const NoExactForm&) {
    return p;
  }
}

// The steps of `plan` that find the elements of `needed`, with those they need, in order.
std::vector<int> Leading(const std::vector<int>& plan, Mask needed) {
  std::vector<int> used;
  for (auto f = plan.rbegin(); f != plan.rend(); ++f) {
    if (needed & Bit(At(*f).target)) used.push_back(*f), needed |= At(*f).sources;
  }
  std::reverse(used.begin(), used.end());
  return used;
}

// The steps of `u`'s plan that its equation needs, in order.
std::vector<int> Needed(const Unknown& u) {
  return Leading(u.plan, At(u.equation).sources | Bit(At(u.equation).target));
}

// The power of t that makes the equation a polynomial of degree two at most, tried first in
// doubles at t = 1 to 4, which is quick: the exact numbers then only confirm it.
std::optional<int> NumericPower(const Unknown& u) {
  std::array<double, 4> r{};
  for (int k = 1; k <= 4; ++k) {
    const Vars<double>& v = u.probes[static_cast<std::size_t>(k - 1)];
    const double target = v[static_cast<std::size_t>(At(u.equation).target)];
    r[static_cast<std::size_t>(k - 1)] =
        At(u.equation).radicand ? target * target - At(u.equation).number(v) * At(u.equation).number(v)
                                : Residual(u.equation, v);
    if (!std::isfinite(r[static_cast<std::size_t>(k - 1)])) return std::nullopt;
  }
  for (int power = 0; power <= 2; ++power) {
    std::array<double, 4> y = r;
    for (std::size_t i = 0; i < 4; ++i) {
      for (int p = 0; p < power; ++p) y[i] *= static_cast<double>(i + 1);
    }
    // The third difference of a quadratic at equal steps is zero.
    const double third = y[3] - 3 * y[2] + 3 * y[1] - y[0];
    const double size = std::abs(y[0]) + std::abs(y[1]) + std::abs(y[2]) + std::abs(y[3]);
    if (std::abs(third) <= 1e-9 * size && size > 0) return power;
  }
  return std::nullopt;
}

// The equation as a polynomial A·t² + B·t + C in exact numbers, where it is one once multiplied
// by t or t² (an element found by dividing by t): fitted to its values at three points and held
// to a fourth, then brought to coprime integers where it has no root in it.
// The givens' exact forms, where every known element has one.
std::optional<Vars<Exact>> ExactGivens(const State& base) {
  Vars<Exact> given{};
  for (std::size_t v = 0; v < given.size(); ++v) {
    if ((base.known & Bit(static_cast<int>(v))) && !base.exact[v]) return std::nullopt;
    given[v] = base.exact[v].value_or(Exact());
  }
  return given;
}

// The equation's residual at t in exact numbers (the relation squared for a root), where the
// steps it needs keep an exact form.
std::optional<Exact> ExactResidual(const Vars<Exact>& given, const Unknown& u, const std::vector<int>& needed,
                                   const Exact& t) {
  Vars<Exact> e = given;
  e[static_cast<std::size_t>(u.var)] = t;
  return IfExact([&] {
    for (int f : needed) e[static_cast<std::size_t>(At(f).target)] = At(f).exact(e);
    const Formula& eq = At(u.equation);
    const Exact& target = e[static_cast<std::size_t>(eq.target)];
    return eq.radicand ? target * target - eq.radicand(e) : target - eq.exact(e);
  });
}

std::optional<std::array<Exact, 3>> Polynomial(const State& base, const Unknown& u) {
  const std::optional<Vars<Exact>> given = ExactGivens(base);
  if (!given) return std::nullopt;
  // A root of something that depends on t is no polynomial in t.
  if ((At(u.equation).sources | Bit(At(u.equation).target)) & u.rooted) return std::nullopt;
  if (At(u.equation).root && !At(u.equation).radicand) return std::nullopt;
  const std::optional<int> power = NumericPower(u);
  if (!power) return std::nullopt;
  std::vector<std::pair<Exact, Exact>> points;
  const std::vector<int> needed = Needed(u);
  for (int k = 1; k <= 8 && points.size() < 4 && points.size() + 5 > static_cast<std::size_t>(k); ++k) {
    if (const std::optional<Exact> r = ExactResidual(*given, u, needed, Exact(k)))
      points.emplace_back(Exact(k), *r);
  }
  if (points.size() < 4) return std::nullopt;
  {
    try {
      std::array<Exact, 4> y;
      for (std::size_t i = 0; i < 4; ++i) {
        y[i] = points[i].second;
        for (int p = 0; p < *power; ++p) y[i] = y[i] * points[i].first;
      }
      const Exact x0 = points[0].first, x1 = points[1].first, x2 = points[2].first, x3 = points[3].first;
      // Newton's divided differences.
      const Exact d01 = (y[1] - y[0]) / (x1 - x0), d12 = (y[2] - y[1]) / (x2 - x1);
      const Exact a = (d12 - d01) / (x2 - x0);
      const Exact b = d01 - a * (x0 + x1);
      const Exact c = y[0] - a * x0 * x0 - b * x0;
      if (a * x3 * x3 + b * x3 + c != y[3] || (a == Exact() && b == Exact())) return std::nullopt;
      return Integers({a, b, c});
    } catch (const NoExactForm&) {
    }
  }
  return std::nullopt;
}

struct Root {
  double value;
  std::optional<Exact> exact;
};

// "6x − 20 = 0", "x² − 7x + 10 = 0".
std::string EquationText(const std::array<Exact, 3>& p, const std::string& t,
                         const runtime::RegionalSettings& s) {
  std::string text;
  const std::array<std::string, 3> powers = {t + "²", t, ""};
  for (std::size_t i = 0; i < 3; ++i) {
    if (p[i] == Exact()) continue;
    WrittenExact w = WriteExact(p[i], s);
    const bool negative = w.text.rfind(kMinus, 0) == 0;
    std::string number = negative ? w.text.substr(std::string(kMinus).size()) : w.text;
    // "(3 + √2)x", "(8√3/3)x": a coefficient of more than one part is bracketed before t.
    const bool loose = w.level == kSum || number.find('/') != std::string::npos;
    if (loose && !powers[i].empty()) number = "(" + number + ")";
    if (number == "1" && !powers[i].empty()) number.clear();
    if (!text.empty())
      text += negative ? " − " : " + ";
    else if (negative)
      text += kMinus;
    text += number + powers[i];
  }
  return text + " = 0";
}

// The roots of a polynomial equation, each with its working.
std::vector<Root> Solve(const std::array<Exact, 3>& p, const std::string& t, std::vector<std::string>& lines,
                        const runtime::RegionalSettings& s) {
  const Exact a = p[0], b = p[1], c = p[2];
  const auto write = [&](const std::optional<Exact>& e, double v) { return Ending(v, e, s); };
  if (a == Exact()) {
    if (b == Exact()) return {};
    const std::optional<Exact> r = IfExact([&] { return -c / b; });
    const double v = -c.ToDouble() / b.ToDouble();
    lines.push_back(t + write(r, v));
    return {{v, r}};
  }
  const std::optional<Exact> d = IfExact([&] { return b * b - Exact(4) * a * c; });
  const double dv = d ? d->ToDouble() : b.ToDouble() * b.ToDouble() - 4 * a.ToDouble() * c.ToDouble();
  // The numbers put in, bracketed where they are more than one number: "(−10)² − 4·1·(10√3)".
  const auto put = [&](const Exact& x) {
    const WrittenExact w = WriteExact(x, s);
    return w.level < kAtom ? "(" + w.text + ")" : w.text;
  };
  lines.push_back("D = " + put(b) + "² − 4·" + put(a) + "·" + put(c) + write(d, dv));
  const int sign = d ? ExactSign(*d).value_or(dv > 0 ? 1 : dv < 0 ? -1 : 0) : (dv > 0) - (dv < 0);
  if (sign < 0) {
    lines.push_back("D < 0 и уравнението няма реални корени.");
    return {};
  }
  const std::optional<Exact> root =
      d && d->IsRational() ? IfExact([&] { return SquareRoot(*d); }) : std::nullopt;
  std::vector<Root> roots;
  for (int k : {1, -1}) {
    if (sign == 0 && k < 0) break;
    const std::optional<Exact> r =
        root ? IfExact([&] { return (-b + Exact(k) * *root) / (Exact(2) * a); }) : std::nullopt;
    const double v = (-b.ToDouble() + k * std::sqrt(std::max(dv, 0.0))) / (2 * a.ToDouble());
    roots.push_back({v, r});
  }
  const std::string minusB = WriteExact(-b, s).text, twoA = put(Exact(2) * a);
  if (sign == 0) {
    lines.push_back(t + " = " + put(-b) + " / " + twoA + write(roots[0].exact, roots[0].value));
  } else {
    lines.push_back(t + "₁ = (" + minusB + " + √D) / " + twoA + write(roots[0].exact, roots[0].value) + ", " +
                    t + "₂ = (" + minusB + " − √D) / " + twoA + write(roots[1].exact, roots[1].value));
  }
  return roots;
}

// The roots over the grid: each change of sign narrowed by halving, and each dip of |f| to zero
// without one (a root that only touches).
std::vector<Root> SolveNumerically(const State& base, Unknown u, const std::vector<double>& grid) {
  u.scan = Leading(u.plan, At(u.equation).sources | Bit(At(u.equation).target) | kLengths);
  std::vector<double> f(grid.size());
  for (std::size_t k = 0; k < grid.size(); ++k) f[k] = At(base, u, grid[k]);
  std::vector<Root> roots;
  const auto narrow = [&](double lo, double hi, double flo) {
    for (int i = 0; i < 56 && hi - lo > 1e-15 * hi; ++i) {
      const double mid = 0.5 * (lo + hi), fm = At(base, u, mid);
      if (std::isnan(fm)) return;
      if ((fm < 0) == (flo < 0))
        lo = mid, flo = fm;
      else
        hi = mid;
    }
    roots.push_back({0.5 * (lo + hi), std::nullopt});
  };
  // A change of sign across a pole, or a dip that stays off zero, is no root.
  const auto holds = [&](const Root& r) {
    Vars<double> v = base.value;
    v[static_cast<std::size_t>(u.var)] = r.value;
    return RunNumbers(u.plan, v) && Plausible(kLengths, v) && Holds(u.equation, v, 1e-7);
  };
  // Where the plan stops between two points of the grid, a root can lie between the last point it
  // runs at and the edge: the edge is found by halving, and the sign looked at there.
  const auto edge = [&](double valid, double fvalid, double invalid) {
    for (int i = 0; i < 50; ++i) {
      const double mid = 0.5 * (valid + invalid), fm = At(base, u, mid);
      if (std::isnan(fm))
        invalid = mid;
      else if ((fm < 0) != (fvalid < 0))
        return narrow(std::min(valid, mid), std::max(valid, mid), valid < mid ? fvalid : fm);
      else
        valid = mid;
    }
    roots.push_back({valid, std::nullopt});  // a root that only touches the edge, if it holds
  };
  for (std::size_t k = 0; k + 1 < grid.size(); ++k) {
    if (std::isnan(f[k]) != std::isnan(f[k + 1])) {
      if (std::isnan(f[k + 1]))
        edge(grid[k], f[k], grid[k + 1]);
      else
        edge(grid[k + 1], f[k + 1], grid[k]);
    }
    if (std::isnan(f[k]) || std::isnan(f[k + 1])) continue;
    if (f[k] == 0)
      roots.push_back({grid[k], std::nullopt});
    else if ((f[k] < 0) != (f[k + 1] < 0) && f[k + 1] != 0)
      narrow(grid[k], grid[k + 1], f[k]);
    if (k == 0 || std::isnan(f[k - 1]) || f[k] == 0) continue;
    if (std::abs(f[k]) < std::abs(f[k - 1]) && std::abs(f[k]) < std::abs(f[k + 1]) &&
        (f[k - 1] < 0) == (f[k] < 0) && (f[k + 1] < 0) == (f[k] < 0)) {
      // Golden section toward zero between the neighbours: the curve touches zero there, or
      // crosses it twice between two points of the grid.
      const double sign = f[k] < 0 ? -1 : 1;
      double lo = grid[k - 1], hi = grid[k + 1];
      for (int i = 0; i < 45; ++i) {
        const double m1 = hi - 0.618034 * (hi - lo), m2 = lo + 0.618034 * (hi - lo);
        if (sign * At(base, u, m1) < sign * At(base, u, m2))
          hi = m2;
        else
          lo = m1;
      }
      const double low = 0.5 * (lo + hi), flow = At(base, u, low);
      if (sign * flow < 0) {
        narrow(grid[k - 1], low, f[k - 1]);
        narrow(low, grid[k + 1], flow);
      } else {
        roots.push_back({low, std::nullopt});
      }
    }
  }
  std::erase_if(roots, [&](const Root& r) { return !holds(r); });
  return roots;
}

// The steps of `u`'s plan that lead to its equation, as letters: "a = c + 2x", "b = x / cos α".
std::string Expressed(const Unknown& u) {
  std::string text;
  for (int f : Needed(u)) text += (text.empty() ? "" : ", ") + Letter(At(f).target) + " = " + At(f).letters;
  return text;
}

// `text` with each element that the plan finds through t written out in t and the givens, as
// a book substitutes: b·cos α is ((40 − (10 + 2x) − 10) / 2)·(1/2).
std::string Substituted(const Unknown& u, std::string_view text, const std::vector<int>& needed,
                        const State& st, const runtime::RegionalSettings& settings) {
  // A sum is bracketed wherever it stands, a product or quotient next to · / or ².
  const auto top = [](const std::string& e, std::string_view what) {
    int depth = 0;
    for (std::size_t i = 0; i < e.size(); ++i) {
      depth += e[i] == '(' ? 1 : e[i] == ')' ? -1 : 0;
      if (depth == 0 && e.compare(i, what.size(), what) == 0) return true;
    }
    return false;
  };
  return PutIn(text, [&](int var, bool tight) {
    if (var == u.var) return Letter(u.var);
    for (int f : needed) {
      if (At(f).target != var) continue;
      const std::string e = Substituted(u, At(f).text, needed, st, settings);
      const bool sum = top(e, " + ") || top(e, " − ");
      return sum || (tight && (top(e, " / ") || top(e, "·"))) ? "(" + e + ")" : e;
    }
    const std::size_t v = static_cast<std::size_t>(var);
    const std::string number = Written(st.value[v], st.exact[v], settings);
    const bool loose = number.find_first_of("/ ") != std::string::npos || number.rfind(kMinus, 0) == 0;
    return loose ? "(" + number + ")" : number;
  });
}

// The equation as letters and with everything put in: "x = b·cos α: x = ((40 − (10 + 2x) − 10) /
// 2)·(1/2)"; a root's relation squared, "d² = m² + h²: ...".
std::string Equation(const Unknown& u, const State& st, const runtime::RegionalSettings& settings) {
  const Formula& eq = At(u.equation);
  const std::vector<int> needed = Needed(u);
  // √(E) less its root and brackets: E.
  const std::string_view inner = eq.radicand ? eq.text.substr(std::string_view("√(").size(),
                                                              eq.text.size() - std::string_view("√()").size())
                                             : eq.text;
  const std::string target = "{" + std::string(kVarNames[static_cast<std::size_t>(eq.target)]) + "}";
  const std::string square = eq.radicand ? "²" : "";
  std::string left = Substituted(u, target, needed, st, settings);
  if (eq.radicand && left.find_first_of(" /·") != std::string::npos && left.front() != '(')
    left = "(" + left + ")";
  return Letter(eq.target) + square + " = " + Letters(inner) + ": " + left + square + " = " +
         Substituted(u, inner, needed, st, settings);
}

class Solver {
 public:
  Solver(const Problem& p, Setup& s, Answer& answer) : p_(p), s_(s), answer_(answer) {}

  void Run() {
    State& st = s_.state;
    std::vector<std::string> steps;
    const int design = DesignCombination(s_, p_);
    const bool byDesign = design >= 0 && RunDesign(design, st, steps, s_.settings);
    // The design's formulas give values that agree by their making, also where a < c.
    if (!Walk(st, Plan(st.known, st.enabled), steps, !byDesign)) return;
    if ((st.known & kWhole) == kWhole) return Single(st, std::move(steps), byDesign);
    answer_.common = std::move(steps);
    Search();
  }

 private:
  // Runs `plan` on `st` with its steps, then its checks; false, with the reason, where a step
  // cannot be computed or a check fails.
  bool Walk(State& st, const std::vector<int>& plan, std::vector<std::string>& steps, bool check) {
    for (int f : plan) {
      std::string line;
      // Where a, b, c and h are found, a figure that is no trapezoid is named as such.
      if (std::string why = ShapeWhy(st, s_.settings); !why.empty()) return Refuse(why);
      if (!RunStep(f, st, line, s_.settings)) return Refuse(line);
      steps.push_back(line);
      // A length found below zero: no trapezoid (the design's own formulas say so at the end).
      const Var target = At(f).target;
      if (check && target != vCos && target != vSin && target != vTg && st.value[target] < 0) {
        return Refuse(std::string(kNoSuchTrapezoid) + ": " + Letter(target) +
                      Ending(st.value[target], st.exact[target], s_.settings) + " < 0");
      }
    }
    for (int c : check ? Checks(st.known, st.enabled, plan) : std::vector<int>{}) {
      if (!Holds(c, st.value, 1e-9)) return Refuse(Disagreement(st, c));
    }
    return true;
  }

  // «Дадените не си съответстват: P = a + c + 2b = 8 + 2 + 2·5 = 20, а е дадено P = 22».
  std::string Disagreement(const State& st, int c) {
    State copy = st;
    const Var target = At(c).target;
    copy.known &= ~Bit(target);
    std::string line;
    RunStep(c, copy, line, s_.settings);
    const std::size_t t = static_cast<std::size_t>(target);
    return "Дадените не си съответстват: " + line + ", а " +
           ((s_.given & Bit(target)) ? "е дадено " : "по-горе ") + Letter(target) +
           Ending(st.value[t], st.exact[t], s_.settings);
  }

  bool Refuse(const std::string& why) {
    answer_.refused = why;
    return false;
  }

  void Single(const State& st, std::vector<std::string> steps, bool design) {
    Judged j = Finish(s_, st, std::move(steps), design);
    if (!j.solution) return void(Refuse(j.why));
    answer_.solutions.push_back(std::move(*j.solution));
  }

  void Search() {
    const State& st = s_.state;
    const std::vector<double> grid = Grid(s_.scale > 0 ? s_.scale : 1);
    // The first unknown that makes the trapezoid whole tells whether there is an equation at all
    // (the givens fix no single trapezoid where there is none); an unknown whose equation is a
    // polynomial is preferred, as a book prefers it, else the first is solved numerically.
    std::optional<Unknown> first;
    const bool exact = std::all_of(st.exact.begin(), st.exact.end(), [&](const auto& e) {
      return e.has_value() || !st.Knows(static_cast<int>(&e - st.exact.data()));
    });
    for (Var v : kUnknowns) {
      if (st.Knows(v)) continue;
      Unknown u;
      u.var = v;
      u.plan = Plan(st.known | Bit(v), st.enabled);
      const Mask known = After(st.known | Bit(v), u.plan);
      if ((known & kWhole) != kWhole) continue;
      u.checks = Checks(known, st.enabled, u.plan);
      u.rooted = Rooted(u.plan);
      if (!first) {
        u.equations = Equations(st, u, grid);
        if (u.equations.empty()) return Family(&u, grid);
        u.equation = u.equations.front();
        if (!exact) return Roots(u, grid, std::nullopt);
      }
      // A check that holds of itself gives no polynomial: its values are all zero. Those without a
      // root first.
      Probe(st, u);
      for (const bool roots : {false, true}) {
        for (int e : u.checks) {
          if (At(e).root != roots) continue;
          u.equation = e;
          if (const auto polynomial = Polynomial(st, u)) return Roots(u, grid, polynomial);
        }
      }
      if (!first) {
        u.equation = u.equations.front();
        first = std::move(u);
      }
    }
    if (!first) return Family(nullptr, grid);
    Roots(*first, grid, std::nullopt);
  }

  void Roots(const Unknown& u, const std::vector<double>& grid,
             const std::optional<std::array<Exact, 3>>& polynomial) {
    const std::string t = Letter(u.var);
    std::vector<std::string>& lines = answer_.common;
    lines.push_back("Неизвестното " + t + " намираме от уравнение. Изразяваме чрез " + t + ": " +
                    Expressed(u) + ".");
    const std::string equation = Equation(u, s_.state, s_.settings);
    std::vector<Root> roots;
    if (polynomial) {
      lines.push_back("Заместваме в " + equation + ", откъдето " + EquationText(*polynomial, t, s_.settings));
      roots = Solve(*polynomial, t, lines, s_.settings);
    } else {
      roots = SolveNumerically(s_.state, u, grid);
      ExactRoots(u, roots);
      std::string found;
      for (std::size_t k = 0; k < roots.size(); ++k) {
        found += (k ? ", " : "") + t + (roots.size() > 1 ? (k ? "₂" : "₁") : "") +
                 Ending(roots[k].value, roots[k].exact, s_.settings);
      }
      lines.push_back("Заместваме в " + equation + ". Това уравнение за " + t + " решаваме числено" +
                      (roots.empty() ? ": то няма решение." : ": " + found));
    }
    std::string last = roots.empty() ? std::string(kNoSuchTrapezoidOther) : "";
    for (std::size_t k = 0; k < roots.size(); ++k) {
      const std::string name = t + (roots.size() > 1 ? (k ? "₂" : "₁") : "");
      std::string why = Try(u, roots[k], roots.size() > 1);
      if (why.empty()) continue;
      lines.push_back("При " + name + Ending(roots[k].value, roots[k].exact, s_.settings) + ": " + why);
      last = why;
    }
    if (answer_.solutions.empty()) {
      Refuse(last.rfind(kNoSuchTrapezoid, 0) == 0 || last == kNoSuchTrapezoidOther
                 ? last
                 : std::string(kNoSuchTrapezoid) + ": " + last);
    }
  }

  // A root found numerically that is a short decimal exactly (the equation holds for it in exact
  // numbers) is that decimal: h = 7, not h ≈ 7.
  void ExactRoots(const Unknown& u, std::vector<Root>& roots) {
    const std::optional<Vars<Exact>> given = ExactGivens(s_.state);
    if (!given) return;
    const std::vector<int> needed = Needed(u);
    for (Root& r : roots) {
      const double decimal = std::round(r.value * 1e7) / 1e7;
      if (!(decimal > 0) || std::abs(decimal - r.value) > 1e-11 * decimal) continue;
      const std::optional<Exact> t = ExactGiven(decimal);
      if (!t) continue;
      const std::optional<Exact> residual = ExactResidual(*given, u, needed, *t);
      if (residual && *residual == Exact()) r = {decimal, t};
    }
  }

  // One root: the trapezoid it gives, or why it gives none.
  std::string Try(const Unknown& u, const Root& root, bool many) {
    if (!(root.value > 0)) return Letter(u.var) + " трябва да е положително и този корен отпада";
    State st = s_.state;
    st.Set(u.var, root.value, root.exact);
    std::vector<std::string> steps;
    if (many) steps.push_back(Letter(u.var) + Ending(root.value, root.exact, s_.settings));
    for (int f : u.plan) {
      std::string line;
      if (!RunStep(f, st, line, s_.settings)) return line;
      steps.push_back(line);
    }
    for (int c : Checks(st.known, st.enabled, u.plan)) {
      if (!Holds(c, st.value, 1e-7)) return "уравнението не е изпълнено и този корен отпада";
    }
    for (const Solution& other : answer_.solutions) {
      const double c = other.values[kC]->value, h = other.values[kH]->value;
      if (std::abs(c - st.value[vC]) <= 1e-9 * c && std::abs(h - st.value[vH]) <= 1e-9 * h) return "";
    }
    Judged j = Finish(s_, st, std::move(steps), false);
    if (!j.solution) return j.why;
    answer_.solutions.push_back(std::move(*j.solution));
    return "";
  }

  // The givens fix no single trapezoid: the elements shared by every trapezoid of the family
  // that `u` runs through are fixed, the others not.
  void Family(const Unknown* u, const std::vector<double>& grid) {
    std::vector<std::array<double, kElementCount>> samples;
    if (u) {
      // The trapezoids of the family at the grid's points, or, where it passes between them, at
      // eight times as many; a dozen spread over them.
      std::vector<Vars<double>> members;
      for (int fine = 1; fine <= 8 && members.size() < 2; fine += 7) {
        members.clear();
        const double step = std::pow(grid[1] / grid[0], 1.0 / fine);
        for (double t = grid.front(); t <= grid.back(); t *= step) {
          Vars<double> v = s_.state.value;
          v[static_cast<std::size_t>(u->var)] = t;
          if (RunNumbers(u->plan, v) && Plausible(kLengths, v)) members.push_back(v);
        }
      }
      if (members.empty()) return void(Refuse(kNoSuchTrapezoidOther));
      const std::size_t stride = std::max<std::size_t>(1, members.size() / 12);
      for (std::size_t k = 0; k < members.size(); k += stride) {
        State member;
        member.value = members[k];
        member.enabled = s_.state.enabled;
        samples.push_back(Numbers(member));
      }
      if (samples.size() < 2) samples.clear();
    }
    const State& st = s_.state;
    Solution partial;
    partial.steps = std::move(answer_.common);
    answer_.common.clear();
    for (int e = 0; e < kElementCount; ++e) {
      const Element el = static_cast<Element>(e);
      bool fixed = !samples.empty();
      for (const auto& s : samples) {
        fixed = fixed && std::abs(s[e] - samples[0][e]) <= 1e-9 * std::max(std::abs(samples[0][e]), 1e-300);
      }
      const std::optional<Var> var = el <= kD              ? std::optional<Var>(static_cast<Var>(e))
                                     : el == kCircumradius ? std::optional<Var>(vR)
                                     : el == kInradius     ? std::optional<Var>(vRin)
                                     : el == kSinAlpha     ? std::optional<Var>(vSin)
                                     : el == kCosAlpha     ? std::optional<Var>(vCos)
                                     : el == kTgAlpha      ? std::optional<Var>(vTg)
                                                           : std::nullopt;
      const bool trig = el == kSinAlpha || el == kCosAlpha || el == kTgAlpha;
      if ((el == kAlpha || el == kBeta) && !std::isnan(s_.alphaDegrees)) {
        // α as given, and β from it.
        const double degrees = el == kAlpha ? s_.alphaDegrees : 180 - s_.alphaDegrees;
        const std::optional<Exact> exact =
            s_.alphaExact
                ? IfExact([&] { return el == kAlpha ? *s_.alphaExact : Exact(180) - *s_.alphaExact; })
                : std::nullopt;
        partial.values[el] = Value{degrees, exact};
      } else if (var && st.Knows(*var)) {
        partial.values[el] =
            Value{st.value[static_cast<std::size_t>(*var)], st.exact[static_cast<std::size_t>(*var)]};
      } else if (fixed && !std::isnan(samples[0][e])) {
        partial.values[el] = Value{samples[0][e], std::nullopt};
        if (!trig)
          partial.steps.push_back(
              std::string(kElementLetters[el]) +
              " е едно и също за всички такива трапеци: " + std::string(kElementLetters[el]) +
              Ending(samples[0][e], std::nullopt, s_.settings) + (IsAngle(el) ? "°" : ""));
      } else if (el <= kCircumradius && el != kBeta) {
        answer_.undetermined.push_back(el);
      }
    }
    answer_.determined = false;
    answer_.solutions.push_back(std::move(partial));
    std::string names, givens;
    for (std::size_t k = 0; k < answer_.undetermined.size(); ++k) {
      names += (k == 0                                 ? ""
                : k + 1 == answer_.undetermined.size() ? " и "
                                                       : ", ") +
               std::string(kElementLetters[answer_.undetermined[k]]);
    }
    for (std::size_t k = 0; k < s_.lines.size(); ++k) {
      givens += (k == 0 ? "" : k + 1 == s_.lines.size() ? " и " : ", ") + s_.lines[k];
    }
    answer_.undeterminedReason = names + " не се определя" + (answer_.undetermined.size() > 1 ? "т" : "") +
                                 ": безброй трапеци имат " + givens;
  }

  const Problem& p_;
  Setup& s_;
  Answer& answer_;
};

}  // namespace

void SolveInto(const Problem& p, const runtime::RegionalSettings& settings, Answer& answer) {
  Setup s{settings, {}, 0, {}, {}, 0, std::numeric_limits<double>::quiet_NaN(), std::nullopt};
  const bool read = Read(p, s);
  answer.given = s.lines;
  if (!read) {
    answer.refused = s.refused;
    return;
  }
  Solver(p, s, answer).Run();
}

}  // namespace model::problem
