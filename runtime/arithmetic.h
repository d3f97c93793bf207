// Checked double arithmetic: every operation of the solver goes through these, so that
// no infinity or NaN is ever produced; each failure raises ArithmeticError.
#pragma once

#include "runtime/arithmetic_error.h"

namespace runtime {

double Add(double x, double y);
double Sub(double x, double y);
double Mul(double x, double y);
double Div(double x, double y);
double Sqr(double x);

}  // namespace runtime
