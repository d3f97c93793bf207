#include "model/derived.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "model/exact_text.h"
#include "model/shape.h"
#include "model/working.h"
#include "runtime/arithmetic.h"
#include "runtime/format_number.h"

namespace model {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A measure's double beside its exact form, if any.
struct Value {
  double value;
  std::optional<Exact> exact;
};

// A number put into a formula, with how tightly it holds together (Level). A fraction divided is
// bracketed, "(5√3/2) / 2,5", which reads more plainly than the rule of precedence alone.
struct Put {
  std::string text;
  int level;
};

std::string Bracketed(const Put& p, int level) { return p.level < level ? "(" + p.text + ")" : p.text; }

// Writes the numbers of one step: all in their exact forms where every one has one, else all
// as the working's decimals, remembering whether any of those was rounded.
struct Writer {
  const runtime::RegionalSettings& settings;
  bool exact;
  bool rounded = false;

  Put operator()(const Value& v) {
    if (exact) {
      const WrittenExact w = WriteExact(*v.exact, settings);
      return {w.text, w.level == kSum ? kNegative : w.level};  // a sum is bracketed wherever it stands
    }
    const WrittenNumber n = WriteNumber(v.value, settings);
    rounded = rounded || n.rounded;
    if (n.text.rfind("−", 0) == 0) return {n.text, kNegative};
    return {n.text, n.text.find("·10") == std::string::npos ? kAtom : kProduct};
  }
};

bool AllExact(std::initializer_list<const Value*> values) {
  for (const Value* v : values) {
    if (!v->exact) return false;
  }
  return true;
}

// Fills the numbers' ending of `step` for `result` as the six measures' steps end.
void End(MeasureStep& step, const Value& result, bool exactNumbers, const runtime::RegionalSettings& s) {
  const std::optional<Exact> exact = exactNumbers ? result.exact : std::nullopt;
  if (exact) step.exact = WriteExact(*exact, s).text;
  // A fraction's decimal from the fraction; a root's from the doubles, as the boxes show it, unless
  // they lost it.
  double value = result.value;
  if (exact && (exact->IsRational() || !std::isfinite(value))) value = exact->ToDouble();
  if (!std::isfinite(value)) {
    step.approximate = step.roundedNumbers;
    return;
  }
  const WrittenNumber decimal = WriteNumber(value, s);
  step.decimal = decimal.text;
  step.approximate = step.roundedNumbers || (exact ? step.exact != decimal.text : decimal.rounded);
}

// Runs `compute` with the checked arithmetic; nothing where it leaves the range of a double.
template <typename Compute>
std::optional<double> Checked(const Compute& compute) {
  try {
    return compute();
  } catch (const runtime::ArithmeticError&) {
    return std::nullopt;
  }
}

// The exact angles a step can meet: those whose tangent is p + q√r (30°, 45°, 60° and, should a
// problem ever give them, 15°, 22,5°, 67,5° and 75°), in minutes.
std::optional<long long> ExactMinutes(const Exact& tangent) {
  struct Known {
    Exact tangent;
    long long minutes;
  };
  const Rational third = Rational::Of(1, 3);
  const std::array<Known, 7> known = {{
      {Exact::Of(0, third, 3), 30 * 60},
      {Exact(1), 45 * 60},
      {Exact::Of(0, 1, 3), 60 * 60},
      {Exact::Of(2, -1, 3), 15 * 60},
      {Exact::Of(2, 1, 3), 75 * 60},
      {Exact::Of(-1, 1, 2), 22 * 60 + 30},
      {Exact::Of(1, 1, 2), 67 * 60 + 30},
  }};
  for (const Known& k : known) {
    if (k.tangent == tangent) return k.minutes;
  }
  return std::nullopt;
}

MeasureStep Named(const char* symbol, const char* formula) {
  MeasureStep step;
  step.symbol = symbol;
  step.formula = formula;
  return step;
}

Angle Approximate(double degrees) { return {degrees, std::llround(degrees * 60), false}; }
Angle Exactly(long long minutes) { return {static_cast<double>(minutes) / 60, minutes, true}; }

void AngleEnd(MeasureStep& step, const std::string& letter, const Angle& angle,
              const runtime::RegionalSettings& s) {
  step.angle = letter;
  step.exactAngle = angle.exact;
  step.degrees = DegreesText(angle, s);
  if (!angle.exact) step.minutes = MinutesText(angle);
}

// R = b·d / (2·h) exactly. Where b, d and h are each a fraction or one root (q√r), as the formulas
// make them, R² = b²·d² / (4·h²) is a fraction even where b and d hold different roots, which
// p + q√r could not multiply: 3√2·√34 / 6 = √17.
std::optional<Exact> ExactRadius(const Exact& b, const Exact& d, const Exact& h) {
  const auto single = [](const Exact& x) { return x.IsRational() || x.rational() == Rational(); };
  if (single(b) && single(d) && single(h)) {
    return IfExact([&] { return SquareRoot(b * b * (d * d) / (Exact(4) * (h * h))); });
  }
  return IfExact([&] { return b * d / (Exact(2) * h); });
}

}  // namespace

std::string DegreesText(const Angle& angle, const runtime::RegionalSettings& settings) {
  runtime::RegionalSettings plain = settings;
  plain.grouping = false;
  if (angle.exact) {
    // 22,5° as it is; whole degrees without decimals.
    const long long whole = angle.minutes / 60, rest = angle.minutes % 60;
    if (rest == 0) return std::to_string(whole) + "°";
    return runtime::FormatNumber(static_cast<double>(angle.minutes) / 60, 1, plain) + "°";
  }
  return runtime::FormatNumber(angle.degrees, 2, plain) + "°";
}

std::string MinutesText(const Angle& angle) {
  char minutes[8];
  std::snprintf(minutes, sizeof minutes, "%02lld", angle.minutes % 60);
  return std::to_string(angle.minutes / 60) + "°" + minutes + "′";
}

std::string MeasureStep::Line() const {
  std::string line = symbol;
  if (!formula.empty()) {
    line += " = " + formula + (roundedNumbers ? " ≈ " : " = ") + numbers;
    if (!root.empty()) line += " = " + root;
  }
  if (!exact.empty()) line += " = " + exact;
  if (!decimal.empty() && exact != decimal) line += (approximate ? " ≈ " : " = ") + decimal;
  if (angle.empty()) return line;
  const std::string value = (exactAngle ? " = " + degrees : " ≈ " + degrees + " ≈ " + minutes);
  return angle == symbol ? line + value : line + ", " + angle + value;
}

namespace {

// The figure's four measures, the settings to write numbers with, and what is worked out so far.
struct Work {
  Value a, b, c, h;
  const runtime::RegionalSettings& settings;
  Derived out;
};

// m = (a + c) / 2; false where it leaves the range of a double.
bool Midline(Work& w) {
  const std::optional<double> m =
      Checked([&] { return runtime::Div(runtime::Add(w.a.value, w.c.value), 2); });
  if (!m) return false;
  w.out.m = *m;
  if (w.a.exact && w.c.exact) w.out.mExact = IfExact([&] { return (*w.a.exact + *w.c.exact) / Exact(2); });
  MeasureStep step = Named("m", "(a + c) / 2");
  Writer put{w.settings, AllExact({&w.a, &w.c})};
  step.numbers = "(" + Bracketed(put(w.a), kSum) + " + " + Bracketed(put(w.c), kProduct) + ") / 2";
  step.roundedNumbers = put.rounded;
  End(step, {w.out.m, w.out.mExact}, put.exact, w.settings);
  w.out.steps.push_back(step);
  return true;
}

// d = √(h² + m²): from A to C the diagonal runs m across and h up.
bool Diagonal(Work& w) {
  const Value m{w.out.m, w.out.mExact};
  const std::optional<double> d = Checked([&] {
    return runtime::Sqr(runtime::Add(runtime::Mul(w.h.value, w.h.value), runtime::Mul(m.value, m.value)));
  });
  if (!d) return false;
  w.out.d = *d;
  std::optional<Exact> square;
  if (w.h.exact && m.exact) square = IfExact([&] { return *w.h.exact * *w.h.exact + *m.exact * *m.exact; });
  if (square) w.out.dExact = IfExact([&] { return SquareRoot(*square); });
  MeasureStep step = Named("d", "√(h² + m²)");
  Writer put{w.settings, AllExact({&w.h, &m})};
  step.numbers = "√(" + Bracketed(put(w.h), kAtom) + "² + " + Bracketed(put(m), kAtom) + "²)";
  step.roundedNumbers = put.rounded;
  if (put.exact && square) {
    const std::string root = "√" + Bracketed(Writer{w.settings, true}({0, square}), kAtom);
    if (!w.out.dExact || root != WriteExact(*w.out.dExact, w.settings).text) step.root = root;
  }
  End(step, {w.out.d, w.out.dExact}, put.exact, w.settings);
  w.out.steps.push_back(step);
  return true;
}

// tg α = h / x at the larger base, x = |a − c| / 2; α = 90° where x = 0.
void Alpha(Work& w) {
  const double x = std::fabs(w.a.value - w.c.value) / 2;
  std::optional<Exact> xExact;
  bool upsideDown = w.a.value < w.c.value;  // the larger base on top
  if (w.a.exact && w.c.exact) {
    xExact = IfExact([&] { return (*w.a.exact - *w.c.exact) / Exact(2); });
    if (xExact) upsideDown = SignOf(0, xExact) < 0;
    if (upsideDown && xExact) xExact = -*xExact;
  }
  if (xExact ? *xExact == Exact() : x == 0) {
    w.out.alpha = Exactly(90 * 60);
    MeasureStep step = Named("x", "");
    step.decimal = step.exact = "0";
    AngleEnd(step, "α", w.out.alpha, w.settings);
    w.out.steps.push_back(step);
    return;
  }
  const Value xv{x, xExact};
  const std::optional<Exact> tangent =
      w.h.exact && xExact ? IfExact([&] { return *w.h.exact / *xExact; }) : std::nullopt;
  const std::optional<long long> minutes = tangent ? ExactMinutes(*tangent) : std::nullopt;
  // The exact tangent where there is one: the doubles of two close bases can lose x altogether.
  const double degrees = (tangent ? std::atan(tangent->ToDouble()) : std::atan2(w.h.value, x)) * 180 / kPi;
  w.out.alpha = minutes ? Exactly(*minutes) : Approximate(degrees);
  MeasureStep step = Named("tg α", upsideDown ? "h / |x|" : "h / x");
  Writer put{w.settings, AllExact({&w.h, &xv})};
  step.numbers = Bracketed(put(w.h), kAtom) + " / " + Bracketed(put(xv), kAtom);
  step.roundedNumbers = put.rounded;
  End(step, {x > 0 ? w.h.value / x : std::nan(""), tangent}, put.exact, w.settings);
  AngleEnd(step, "α", w.out.alpha, w.settings);
  w.out.steps.push_back(step);
}

// β = 180° − α, in minutes so that the two add up to 180° as written.
void Beta(Work& w) {
  const Angle& alpha = w.out.alpha;
  w.out.beta = alpha.exact ? Exactly(180 * 60 - alpha.minutes)
                           : Angle{180 - alpha.degrees, 180 * 60 - alpha.minutes, false};
  MeasureStep step = Named("β", "180° − α");
  step.numbers = "180° − " + DegreesText(alpha, w.settings);
  step.roundedNumbers = !alpha.exact;
  AngleEnd(step, "β", w.out.beta, w.settings);
  w.out.steps.push_back(step);
}

// R = b·d / (2·h): the circle through A, B and C, whose side AC = d faces the angle α at B,
// and sin α = h / b. False where R leaves the range of a double.
bool Circumradius(Work& w) {
  const Value d{w.out.d, w.out.dExact};
  const std::optional<double> R =
      Checked([&] { return runtime::Div(runtime::Mul(w.b.value, d.value), runtime::Mul(2, w.h.value)); });
  if (!R) return false;
  w.out.R = *R;
  if (w.b.exact && d.exact && w.h.exact) w.out.RExact = ExactRadius(*w.b.exact, *d.exact, *w.h.exact);
  MeasureStep step = Named("R", "b·d / (2·h)");
  Writer put{w.settings, AllExact({&w.b, &d, &w.h})};
  step.numbers = Bracketed(put(w.b), kProduct) + "·" + Bracketed(put(d), kAtom) + " / (2·" +
                 Bracketed(put(w.h), kAtom) + ")";
  step.roundedNumbers = put.rounded;
  End(step, {w.out.R, w.out.RExact}, put.exact, w.settings);
  w.out.steps.push_back(step);
  return true;
}

// r = h / 2 where a + c = 2·b, which only exact arithmetic can tell.
void Inradius(Work& w) {
  if (!w.a.exact || !w.b.exact || !w.c.exact) return;
  const std::optional<Exact> gap = IfExact([&] { return *w.a.exact + *w.c.exact - Exact(2) * *w.b.exact; });
  if (!gap || *gap != Exact()) return;
  w.out.r = w.h.value / 2;
  if (w.h.exact) w.out.rExact = IfExact([&] { return *w.h.exact / Exact(2); });
  MeasureStep step = Named("r", "h / 2");
  Writer put{w.settings, w.h.exact.has_value()};
  step.numbers = Bracketed(put(w.h), kAtom) + " / 2";
  step.roundedNumbers = put.rounded;
  End(step, {*w.out.r, w.out.rExact}, put.exact, w.settings);
  w.out.steps.push_back(step);
}

}  // namespace

std::optional<Derived> Derive(const Measures& measures, const ExactTerms& exact,
                              const runtime::RegionalSettings& settings) {
  const ShapeKind kind = Classify(measures, exact).kind;
  if (kind != ShapeKind::Trapezoid && kind != ShapeKind::Triangle && kind != ShapeKind::Rectangle) {
    return std::nullopt;
  }
  Work w{{measures[A], exact[A]},
         {measures[B], exact[B]},
         {measures[C], exact[C]},
         {measures[H], exact[H]},
         settings,
         {}};
  if (!Midline(w) || !Diagonal(w)) return std::nullopt;
  Alpha(w);
  Beta(w);
  if (!Circumradius(w)) return std::nullopt;
  Inradius(w);
  return w.out;
}

}  // namespace model
