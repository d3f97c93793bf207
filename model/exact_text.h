// Exact numbers written as a pupil writes them on one line, and the end of a step with its
// "=" and "≈": "=" only between things equal in exact arithmetic, "≈" before every number
// shown that is not the value itself.
#pragma once

#include <optional>
#include <string>

#include "model/exact.h"
#include "model/number_text.h"
#include "runtime/regional_settings.h"

namespace model {

struct WrittenExact {
  std::string text;
  Level level;
};

// `x` as a pupil writes it, with the regional decimal symbol and the minus sign −: "√21",
// "5√3/2", "3 + 2√5", "−1 + √7", "(5 + √3)/2", "40/9", fractions reduced. A fraction with a
// finite decimal expansion is a decimal, in full ("18,75", "0,00000015"), with a power of ten
// where the working writes one ("1·10⁻⁹").
WrittenExact WriteExact(const Exact& x, const runtime::RegionalSettings& settings);

// How a step ends, after its formula and its numbers: " = 5√3/2 ≈ 4,330127", " = 40/9 ≈ 4,4444444",
// " = 20", " = 0". The exact value stands where the decimal (seven places at most) is not the
// value itself, and then "≈" and the decimal. Without an exact form, the decimal of `value`
// follows "≈" where `approximate` (a number put in was rounded) or where it does not read back
// as `value`, else "=".
std::string WriteEnding(const std::optional<Exact>& exact, double value, bool approximate,
                        const runtime::RegionalSettings& settings);

}  // namespace model
