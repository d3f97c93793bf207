#include "model/exact.h"

#include <cmath>
#include <limits>
#include <numeric>
#include <string>

#include "runtime/format_number.h"

namespace model {

namespace {

using Int = std::int64_t;

[[noreturn]] void Fail() { throw NoExactForm{}; }

// The smallest integer has no negative and breaks gcd; it counts as an overflow too.
Int Checked(bool overflow, Int value) {
  if (overflow || value == std::numeric_limits<Int>::min()) Fail();
  return value;
}
Int Plus(Int x, Int y) {
  Int sum = 0;
  const bool overflow = __builtin_add_overflow(x, y, &sum);
  return Checked(overflow, sum);
}
Int Times(Int x, Int y) {
  Int product = 0;
  const bool overflow = __builtin_mul_overflow(x, y, &product);
  return Checked(overflow, product);
}
Int Gcd(Int x, Int y) { return std::gcd(x, y); }

Int PowerOfTen(int exponent) {
  Int power = 1;
  for (int i = 0; i < exponent; ++i) power = Times(power, 10);
  return power;
}

// The largest t with t² ≤ n.
Int SquareRootFloor(Int n) {
  auto t = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
  const auto m = static_cast<std::uint64_t>(n);
  while (t * t > m) --t;
  while ((t + 1) * (t + 1) <= m) ++t;
  return static_cast<Int>(t);
}

struct SquareFree {
  Int s;  // n = s²·r with r square-free
  Int r;
};

// Trial division up to the cube root of what is left: then at most two primes remain, and they
// hold a square only when they are the same prime. Cheap next to a full factorisation, and
// the numbers of a school problem are small anyway.
SquareFree SplitSquares(Int n) {
  SquareFree split{1, 1};
  const auto take = [&](Int p) {
    while (n % p == 0) {
      n /= p;
      if (n % p == 0) {
        n /= p;
        split.s *= p;
      } else {
        split.r *= p;
      }
    }
  };
  take(2);
  take(3);
  for (Int p = 5; p <= n / p / p; p += 6) {
    take(p);
    take(p + 2);
  }
  const Int t = SquareRootFloor(n);
  if (t * t == n) {
    split.s *= t;
  } else {
    split.r *= n;
  }
  return split;
}

// The one root that two numbers share; they may not hold different ones.
Int CommonRoot(const Exact& x, const Exact& y) {
  if (x.IsRational()) return y.root();
  if (y.IsRational() || x.root() == y.root()) return x.root();
  Fail();
}

}  // namespace

Rational Rational::Of(Int num, Int den) {
  if (den == 0) Fail();
  Checked(false, num);
  Checked(false, den);
  const Int g = Gcd(num, den);
  Rational x;
  x.num_ = num / g;
  x.den_ = den / g;
  if (x.den_ < 0) {
    x.num_ = -x.num_;
    x.den_ = -x.den_;
  }
  return x;
}

Rational operator-(const Rational& x) { return Rational::Of(-x.num_, x.den_); }

Rational operator+(const Rational& x, const Rational& y) {
  const Int g = Gcd(x.den_, y.den_);
  return Rational::Of(Plus(Times(x.num_, y.den_ / g), Times(y.num_, x.den_ / g)), Times(x.den_ / g, y.den_));
}

Rational operator-(const Rational& x, const Rational& y) { return x + -y; }

Rational operator*(const Rational& x, const Rational& y) {
  const Int g1 = Gcd(x.num_, y.den_), g2 = Gcd(y.num_, x.den_);
  return Rational::Of(Times(x.num_ / g1, y.num_ / g2), Times(x.den_ / g2, y.den_ / g1));
}

Rational operator/(const Rational& x, const Rational& y) {
  if (y.num_ == 0) Fail();
  return x * Rational::Of(y.den_, y.num_);
}

Exact Exact::Of(Rational p, Rational q, Int r) {
  if (r < 0) Fail();
  Exact x(p);
  if (q == Rational() || r == 0) return x;
  const SquareFree split = SplitSquares(r);
  x.q_ = q * Rational(split.s);
  if (split.r == 1) return Exact(p + x.q_);
  x.r_ = split.r;
  return x;
}

double Exact::ToDouble() const { return p_.ToDouble() + q_.ToDouble() * std::sqrt(static_cast<double>(r_)); }

Exact operator-(const Exact& x) {
  Exact y = x;
  y.p_ = -x.p_;
  y.q_ = -x.q_;
  return y;
}

Exact operator+(const Exact& x, const Exact& y) {
  Exact sum(x.p_ + y.p_);
  sum.q_ = x.q_ + y.q_;
  if (sum.q_ != Rational()) sum.r_ = CommonRoot(x, y);
  return sum;
}

Exact operator-(const Exact& x, const Exact& y) { return x + -y; }

Exact operator*(const Exact& x, const Exact& y) {
  const Int r = CommonRoot(x, y);
  Exact product(x.p_ * y.p_ + x.q_ * y.q_ * Rational(r));
  product.q_ = x.p_ * y.q_ + x.q_ * y.p_;
  if (product.q_ != Rational()) product.r_ = r;
  return product;
}

// Dividing by p + q√r is multiplying by its conjugate p − q√r over p² − q²r, which is a
// fraction, and not zero: √r is irrational.
Exact operator/(const Exact& x, const Exact& y) {
  if (y == Exact()) Fail();
  Exact conjugate = y;
  conjugate.q_ = -y.q_;
  const Exact numerator = x * conjugate;
  const Rational denominator = (y * conjugate).p_;
  Exact quotient(numerator.p_ / denominator);
  quotient.q_ = numerator.q_ / denominator;
  quotient.r_ = numerator.r_;
  return quotient;
}

// √(n/d) with n and d coprime: n = s²·r and d = t²·u give s√(r·u) / (t·u), and r·u is
// square-free because r and u share no factor.
Exact SquareRoot(const Exact& x) {
  if (!x.IsRational() || x.rational().Sign() < 0) Fail();
  if (x.rational().Sign() == 0) return x;
  const SquareFree n = SplitSquares(x.rational().num()), d = SplitSquares(x.rational().den());
  Exact root(0);
  root.q_ = Rational::Of(n.s, Times(d.s, d.r));
  root.r_ = Times(n.r, d.r);
  if (root.r_ == 1) return Exact(root.q_);
  return root;
}

Rational ExactDecimal(double value) {
  if (!std::isfinite(value)) Fail();
  if (value == 0) return 0;
  // Seventeen significant digits hold every shortest form, so nothing is rounded here:
  // "-1.2345000000000000e-5".
  const std::string text = runtime::FormatScientific(value, 16);
  const std::size_t e = text.find('e');
  Int digits = 0;
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] >= '0' && text[i] <= '9') digits = Plus(Times(digits, 10), text[i] - '0');
  }
  int exponent = std::stoi(text.substr(e + 1)) - 16;
  for (; digits % 10 == 0; digits /= 10) ++exponent;
  if (text[0] == '-') digits = -digits;
  if (exponent >= 0) return Times(digits, PowerOfTen(exponent));
  if (exponent < -18) Fail();
  return Rational::Of(digits, PowerOfTen(-exponent));
}

}  // namespace model
