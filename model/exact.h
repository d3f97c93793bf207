// Exact numbers of the form p + q√r, with p and q fractions of 64-bit integers and r a square-free
// integer above 1. Every measure of the trapezoid is one: the given values are exact decimals, and
// each formula takes its one square root of a number computed without another root.
//
// Where the exact form cannot be kept (an integer would overflow, two different roots would meet,
// a root would be taken of a number that holds one, or a division by zero or a root of a negative
// number comes up) the operations raise NoExactForm. That is no error of the calculation, whose
// doubles go their own way: the number merely has no exact form, and the working writes its
// decimal as it always has.
#pragma once

#include <cstdint>
#include <optional>

namespace model {

struct NoExactForm {};

class Rational {
 public:
  constexpr Rational(std::int64_t integer = 0) : num_(integer) {}  // NOLINT: an integer is a fraction
  // num / den in lowest terms, with a positive denominator.
  static Rational Of(std::int64_t num, std::int64_t den);

  std::int64_t num() const { return num_; }
  std::int64_t den() const { return den_; }
  bool IsInteger() const { return den_ == 1; }
  int Sign() const { return (num_ > 0) - (num_ < 0); }
  double ToDouble() const { return static_cast<double>(num_) / static_cast<double>(den_); }

  friend bool operator==(const Rational&, const Rational&) = default;
  friend Rational operator-(const Rational& x);
  friend Rational operator+(const Rational& x, const Rational& y);
  friend Rational operator-(const Rational& x, const Rational& y);
  friend Rational operator*(const Rational& x, const Rational& y);
  friend Rational operator/(const Rational& x, const Rational& y);

 private:
  std::int64_t num_ = 0;
  std::int64_t den_ = 1;
};

class Exact {
 public:
  Exact(Rational p = {}) : p_(p) {}             // NOLINT: a fraction is an exact number
  Exact(std::int64_t integer) : p_(integer) {}  // NOLINT: and so is an integer
  // p + q√r for any integer r ≥ 0; the square factors of r move into q.
  static Exact Of(Rational p, Rational q, std::int64_t r);

  const Rational& rational() const { return p_; }
  const Rational& surd() const { return q_; }
  // The square-free r above 1 of the root, or 1 when there is none (q = 0).
  std::int64_t root() const { return r_; }
  bool IsRational() const { return r_ == 1; }
  double ToDouble() const;

  friend bool operator==(const Exact&, const Exact&) = default;
  friend Exact operator-(const Exact& x);
  friend Exact operator+(const Exact& x, const Exact& y);
  friend Exact operator-(const Exact& x, const Exact& y);
  friend Exact operator*(const Exact& x, const Exact& y);
  friend Exact operator/(const Exact& x, const Exact& y);
  friend Exact SquareRoot(const Exact& x);

 private:
  Rational p_, q_;
  std::int64_t r_ = 1;
};

// The square root of a rational number that is not negative.
Exact SquareRoot(const Exact& x);

// The exact decimal that a double read from a box stands for: its shortest decimal form that
// reads back as the same double (0.1 is 1/10, 2.5 is 5/2).
Rational ExactDecimal(double value);

// What `compute` gives, or nothing where the number has no exact form: the one place where a
// lost exact form is caught.
template <typename Compute>
std::optional<Exact> IfExact(const Compute& compute) {
  try {
    return compute();
  } catch (const NoExactForm&) {
    return std::nullopt;
  }
}

}  // namespace model
