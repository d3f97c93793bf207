#include "model/solver.h"

#include "model/combination.h"
#include "runtime/arithmetic.h"
#include "runtime/format_number.h"
#include "runtime/val.h"

namespace model {

using runtime::Add;
using runtime::Div;
using runtime::Mul;
using runtime::Sqr;
using runtime::Sub;

namespace {

constexpr double kTwo = 2;

struct Trapezoid {
  double a = 0, b = 0, c = 0, h = 0, P = 0, S = 0;
  double x = 0;  // projection of a leg on the larger base: half the difference of the bases

  void PerimeterStep() { P = Add(Add(a, c), Mul(kTwo, b)); }
  void AreaStep() { S = Div(Mul(Add(a, c), h), kTwo); }
  void HalfDifference() { x = Div(Sub(a, c), kTwo); }
  double LegSquaredLessX() const { return Sub(Mul(b, b), Mul(x, x)); }
  double LegSquaredLessH() const { return Sub(Mul(b, b), Mul(h, h)); }
  double XSquaredPlusH() const { return Add(Mul(x, x), Mul(h, h)); }
};

// The formula set of each combination, in its order of operations.
void RunFormulas(int index, Trapezoid& t) {
  switch (index) {
    case 0:
      t.HalfDifference();
      t.h = Sqr(t.LegSquaredLessX());
      t.PerimeterStep();
      t.AreaStep();
      break;
    case 1:
      t.x = Sqr(t.LegSquaredLessH());
      t.c = Sub(t.a, Mul(kTwo, t.x));
      t.PerimeterStep();
      t.AreaStep();
      break;
    case 2:
      t.HalfDifference();
      t.b = Sqr(t.XSquaredPlusH());
      t.PerimeterStep();
      t.AreaStep();
      break;
    case 3:
      t.x = Sqr(t.LegSquaredLessH());
      t.a = Add(t.c, Mul(kTwo, t.x));
      t.PerimeterStep();
      t.AreaStep();
      break;
    case 4:
      t.c = Sub(Sub(t.P, Mul(kTwo, t.b)), t.a);
      t.HalfDifference();
      t.h = Sqr(t.LegSquaredLessX());
      t.AreaStep();
      break;
    case 5:
      t.HalfDifference();
      t.b = Div(Sub(Sub(t.P, t.a), t.c), kTwo);
      t.h = Sqr(t.LegSquaredLessX());
      t.AreaStep();
      break;
    case 6:
      t.a = Sub(Sub(t.P, Mul(kTwo, t.b)), t.c);
      t.HalfDifference();
      t.h = Sqr(t.LegSquaredLessX());
      t.AreaStep();
      break;
    case 7:
      t.x = Sqr(t.LegSquaredLessH());
      t.c = Div(Sub(Sub(t.P, Mul(kTwo, t.b)), Mul(kTwo, t.x)), kTwo);
      t.a = Add(t.c, Mul(kTwo, t.x));
      t.AreaStep();
      break;
    case 8:
      t.HalfDifference();
      t.h = Div(Mul(kTwo, t.S), Add(t.a, t.c));
      t.b = Sqr(t.XSquaredPlusH());
      t.PerimeterStep();
      break;
    case 9:
      t.c = Sub(Div(Mul(kTwo, t.S), t.h), t.a);
      t.HalfDifference();
      t.b = Sqr(t.XSquaredPlusH());
      t.PerimeterStep();
      break;
    case 10:
      t.x = Sqr(t.LegSquaredLessH());
      t.c = Sub(Div(t.S, t.h), t.x);
      t.a = Add(t.c, Mul(kTwo, t.x));
      t.PerimeterStep();
      break;
    case 11:
      t.a = Sub(Div(Mul(kTwo, t.S), t.h), t.c);
      t.HalfDifference();
      t.b = Sqr(t.XSquaredPlusH());
      t.PerimeterStep();
      break;
    default: break;
  }
}

}  // namespace

std::optional<Measures> ReadGiven(const Rows& rows, const runtime::RegionalSettings& settings) {
  Measures read{};
  bool valid = true;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    read[i] = runtime::Val(rows[i].text, settings);
    if (rows[i].ticked && !(read[i] > 0)) valid = false;
  }
  if (!valid) return std::nullopt;
  return read;
}

Measures Solve(int index, const Measures& read) {
  if (!IsCombination(index)) return Measures{};
  Measures given{};
  for (Quantity q : kCombinations[static_cast<std::size_t>(index)].given) given[q] = read[q];
  Trapezoid t{given[A], given[B], given[C], given[H], given[P], given[S]};
  RunFormulas(index, t);
  return {t.a, t.b, t.c, t.h, t.P, t.S};
}

std::optional<Texts> Calculate(int index, const Rows& rows, const runtime::RegionalSettings& settings) {
  const std::optional<Measures> read = ReadGiven(rows, settings);
  if (!read) return std::nullopt;
  const Measures measures = Solve(index, *read);
  Texts texts;
  for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = runtime::FormatNumber(measures[i], 7, settings);
  return texts;
}

}  // namespace model
