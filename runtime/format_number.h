// Writing a number as text in the regional format.
#pragma once

#include <string>

#include "runtime/regional_settings.h"

namespace runtime {

// Formats `value` with exactly `digits` digits after the decimal symbol, rounding half away
// from zero on the value's shortest round-trip decimal form (so 5E-8 gives 0.0000001).
// Follows the regional decimal symbol, digit grouping, leading zero and negative form; a value
// that rounds to zero shows no minus sign. An infinity or NaN raises ArithmeticError.
std::string FormatNumber(double value, int digits, const RegionalSettings& settings);

// Formats a finite, non-zero `value` in the C form with a power of ten: one digit, the period,
// `digits` digits and the exponent ("-1.2345679e20", "5.0000000e-8"), rounded as FormatNumber
// rounds.
std::string FormatScientific(double value, int digits);

}  // namespace runtime
