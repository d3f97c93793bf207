// Numbers written as the working writes them: the minus sign, powers of ten, and how tightly a
// written number holds together in a formula.
#pragma once

#include <string>

#include "runtime/regional_settings.h"

namespace model {

inline constexpr char kMinus[] = "−";  // U+2212, as printed, not the hyphen

// How tightly a written number holds together, for bracketing it in a formula: a negative one is
// always bracketed; "3 + 2√5" is a sum, "5√3/2", "40/9" and "1,5·10²⁰" are products, "√21"
// and "18,75" hold like a letter.
enum Level { kNegative = 0, kSum = 1, kProduct = 2, kAtom = 3 };

// A number as the working writes it: the regional decimal symbol, up to seven decimals with the
// trailing zeros dropped, no digit grouping, the minus sign −, and a power of ten for a number
// too large or too small to show that way. `rounded` tells whether the text is not the number
// itself.
struct WrittenNumber {
  std::string text;
  bool rounded;
};
WrittenNumber WriteNumber(double value, const runtime::RegionalSettings& settings);

// The exponent of a power of ten as written: "⁻⁹", "²⁰".
std::string Superscript(int exponent);

}  // namespace model
