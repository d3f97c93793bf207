// Reading a number from the start of a text.
#pragma once

#include <string_view>

#include "runtime/regional_settings.h"

namespace runtime {

// Reads the leading number of a UTF-8 text. Blanks (any Unicode space) are skipped
// wherever they stand; then come an optional sign, digits with at most one decimal point
// (the period, or the regional decimal symbol), and an optional exponent (E or e with an
// optional sign). Reading stops at the first other character; a text with no number gives 0.
// A number beyond the range of a double raises an Overflow error; one too small reads as 0.
double Val(std::string_view text, const RegionalSettings& settings);

}  // namespace runtime
