#include "model/exact_text.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <numeric>

#include "model/number_text.h"

namespace model {

namespace {

using Int = std::int64_t;
constexpr Int kSmallest = std::numeric_limits<Int>::min();  // has no magnitude of its own

// The digits of |x|·10^places when x has a finite decimal expansion that fits: x's denominator
// is 2^i·5^j, and places is the larger of i and j.
struct Decimal {
  std::string digits;
  int places = 0;
};
std::optional<Decimal> Finite(const Rational& x) {
  Int den = x.den(), twos = 0, fives = 0;
  for (; den % 2 == 0; den /= 2) ++twos;
  for (; den % 5 == 0; den /= 5) ++fives;
  if (den != 1) return std::nullopt;
  Int scaled = std::abs(x.num());
  for (Int k = twos; k < fives; ++k) {
    if (__builtin_mul_overflow(scaled, 2, &scaled)) return std::nullopt;
  }
  for (Int k = fives; k < twos; ++k) {
    if (__builtin_mul_overflow(scaled, 5, &scaled)) return std::nullopt;
  }
  return Decimal{std::to_string(scaled), static_cast<int>(std::max(twos, fives))};
}

// |x| as a decimal: plainly, or with a power of ten below 10⁻⁷ and from 10¹⁵ on, as the working
// writes decimals.
WrittenExact DecimalText(Decimal d, const runtime::RegionalSettings& settings) {
  const int exponent = static_cast<int>(d.digits.size()) - 1 - d.places;
  if (d.digits != "0" && (exponent < -7 || exponent >= 15)) {
    d.digits.erase(std::max<std::size_t>(d.digits.find_last_not_of('0') + 1, 1));
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) text += settings.decimalSymbol + d.digits.substr(1);
    return {text + "·10" + Superscript(exponent), kProduct};
  }
  if (d.places == 0) return {d.digits, kAtom};
  if (static_cast<int>(d.digits.size()) <= d.places) {
    d.digits.insert(0, static_cast<std::size_t>(d.places + 1) - d.digits.size(), '0');
  }
  d.digits.insert(d.digits.size() - static_cast<std::size_t>(d.places), settings.decimalSymbol);
  return {d.digits, kAtom};
}

// |x|: a whole number, a decimal, or a reduced fraction.
WrittenExact Magnitude(const Rational& x, const runtime::RegionalSettings& settings) {
  if (const std::optional<Decimal> d = Finite(x)) return DecimalText(*d, settings);
  return {std::to_string(std::abs(x.num())) + "/" + std::to_string(x.den()), kProduct};
}

WrittenExact Signed(WrittenExact magnitude, bool negative) {
  if (!negative) return magnitude;
  return {kMinus + magnitude.text, kNegative};
}

// n√r for a whole n > 0: "√7", "2√5".
std::string Surd(Int n, Int r) { return (n == 1 ? "" : std::to_string(n)) + "√" + std::to_string(r); }

// The sign between the two parts of a sum, then the second part without its sign.
std::string Joined(const std::string& first, Int n, Int r) {
  return first + (n < 0 ? " − " : " + ") + Surd(std::abs(n), r);
}

}  // namespace

WrittenExact WriteExact(const Exact& x, const runtime::RegionalSettings& settings) {
  const Rational &p = x.rational(), &q = x.surd();
  if (x.IsRational()) return Signed(Magnitude(p, settings), p.Sign() < 0);
  const Int r = x.root();
  if (p == Rational()) {
    const std::string over = q.IsInteger() ? "" : "/" + std::to_string(q.den());
    const bool plain = q.IsInteger() && std::abs(q.num()) == 1;
    return Signed({Surd(std::abs(q.num()), r) + over, plain ? kAtom : kProduct}, q.Sign() < 0);
  }
  if (p.IsInteger() && q.IsInteger()) {
    return {Joined(Signed(Magnitude(p, settings), p.Sign() < 0).text, q.num(), r),
            p.Sign() < 0 ? kNegative : kSum};
  }
  // Over one denominator: (5 + √3)/2, as a pupil adds fractions.
  const Int g = std::gcd(p.den(), q.den());
  Int den = 0, pn = 0, qn = 0;
  if (__builtin_mul_overflow(p.den() / g, q.den(), &den) ||
      __builtin_mul_overflow(p.num(), den / p.den(), &pn) ||
      __builtin_mul_overflow(q.num(), den / q.den(), &qn) || pn == kSmallest || qn == kSmallest) {
    const std::string first = Signed(Magnitude(p, settings), p.Sign() < 0).text;
    return {
        first + (q.Sign() < 0 ? " − " : " + ") + Surd(std::abs(q.num()), r) + "/" + std::to_string(q.den()),
        p.Sign() < 0 ? kNegative : kSum};
  }
  return {
      "(" + Joined((pn < 0 ? kMinus : "") + std::to_string(std::abs(pn)), qn, r) + ")/" + std::to_string(den),
      kProduct};
}

std::string WriteEnding(const std::optional<Exact>& exact, double value, bool approximate,
                        const runtime::RegionalSettings& settings) {
  if (!exact) {
    const WrittenNumber decimal = WriteNumber(value, settings);
    return (approximate || decimal.rounded ? " ≈ " : " = ") + decimal.text;
  }
  // A fraction's decimal comes from the fraction itself, so that 3/10 is 0,3 even where the
  // doubles made 0,30000000000000004; a root's from the solver's double, as the boxes show it.
  const WrittenNumber decimal = WriteNumber(exact->IsRational() ? exact->ToDouble() : value, settings);
  const std::string text = WriteExact(*exact, settings).text;
  if (text == decimal.text) return " = " + text;
  return " = " + text + " ≈ " + decimal.text;
}

}  // namespace model
