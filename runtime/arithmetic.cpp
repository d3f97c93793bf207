#include "runtime/arithmetic.h"

#include <cmath>

namespace runtime {

namespace {

const char* Describe(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::InvalidArgument: return "invalid argument";
    case ErrorKind::DivisionByZero: return "division by zero";
    case ErrorKind::Overflow: return "overflow";
  }
  return "arithmetic error";
}

double Checked(double result) {
  if (!std::isfinite(result)) throw ArithmeticError(ErrorKind::Overflow);
  return result;
}

}  // namespace

ArithmeticError::ArithmeticError(ErrorKind kind) : std::runtime_error(Describe(kind)), kind_(kind) {}

double Add(double x, double y) { return Checked(x + y); }
double Sub(double x, double y) { return Checked(x - y); }
double Mul(double x, double y) { return Checked(x * y); }

double Div(double x, double y) {
  if (y == 0.0) throw ArithmeticError(ErrorKind::DivisionByZero);
  return Checked(x / y);
}

double Sqr(double x) {
  if (x < 0.0) throw ArithmeticError(ErrorKind::InvalidArgument);
  return Checked(std::sqrt(x));
}

}  // namespace runtime
