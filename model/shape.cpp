#include "model/shape.h"

#include <cmath>

namespace model {

std::optional<int> ExactSign(const Exact& x) {
  const int p = x.rational().Sign(), q = x.surd().Sign();
  if (q == 0 || p == q) return p == 0 ? q : p;
  if (p == 0) return q;
  // Opposite signs: the part with the larger square wins; p² = q²·r cannot be, √r being irrational.
  try {
    const Rational difference = x.rational() * x.rational() - x.surd() * x.surd() * Rational(x.root());
    return difference.Sign() > 0 ? p : q;
  } catch (const NoExactForm&) {
    return std::nullopt;
  }
}

int SignOf(double value, const std::optional<Exact>& exact) {
  if (exact) {
    if (const std::optional<int> sign = ExactSign(*exact)) return *sign;
  }
  return (value > 0) - (value < 0);
}

namespace {

// The sign of a − c, exactly where both have an exact form.
int DifferenceSign(const Measures& m, const ExactTerms& exact) {
  std::optional<Exact> difference;
  if (exact[A] && exact[C]) {
    try {
      difference = *exact[A] - *exact[C];
    } catch (const NoExactForm&) {
    }
  }
  return SignOf(m[A] - m[C], difference);
}

}  // namespace

Shape Classify(const Measures& m, const ExactTerms& exact) {
  for (Quantity q : {A, B, C, H}) {
    if (!std::isfinite(m[q])) return {ShapeKind::Undefined, q};
  }
  const auto sign = [&](Quantity q) { return SignOf(m[q], exact[q]); };
  for (Quantity q : {C, A, B, H}) {
    if (sign(q) < 0) return {ShapeKind::Negative, q};
  }
  if (sign(H) == 0) return {ShapeKind::Flat, H};
  if (sign(A) == 0 && sign(C) == 0) return {ShapeKind::Flat, A};
  if (sign(C) == 0) return {ShapeKind::Triangle, C};
  if (sign(A) == 0) return {ShapeKind::Triangle, A};
  if (DifferenceSign(m, exact) == 0) return {ShapeKind::Rectangle, A};
  return {ShapeKind::Trapezoid, A};
}

}  // namespace model
