// What the computed measures describe: an isosceles trapezoid, or a figure that is none (a base
// below zero, all four corners on one line, a triangle, a rectangle). Decided in exact arithmetic
// wherever the measures have an exact form, so that 8 − 2·4 is a triangle even where the doubles
// would leave a trace of rounding; from the doubles where they have none.
#pragma once

#include <optional>

#include "model/exact.h"
#include "model/exact_solver.h"
#include "model/solver.h"

namespace model {

enum class ShapeKind {
  Trapezoid,
  Negative,   // `measure` is below zero
  Flat,       // h = 0, or a = c = 0: the corners lie on one line (`measure` is h or a)
  Triangle,   // `measure` (a or c) is zero
  Rectangle,  // a = c
  Undefined,  // a measure is no number (never from the solver, which checks every operation)
};

struct Shape {
  ShapeKind kind = ShapeKind::Undefined;
  Quantity measure = A;
};

// Looks at a, b, c and h of `measures`, with their exact forms from `exact` where there are any.
// A negative measure is named in the order c, a, b, h.
Shape Classify(const Measures& measures, const ExactTerms& exact);

// The sign of p + q√r, or nothing where deciding it would overflow.
std::optional<int> ExactSign(const Exact& x);

// The sign of a measure: from its exact form where it has one that decides it, else of `value`.
int SignOf(double value, const std::optional<Exact>& exact);

}  // namespace model
