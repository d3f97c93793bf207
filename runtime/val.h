// Reading a number from the start of a text.
#pragma once

#include <string_view>

#include "runtime/regional_settings.h"

namespace runtime {

// Reads the leading number of a UTF-8 text. Blanks (any Unicode space) are skipped
// wherever they stand; then come an optional sign, digits with at most one decimal point
// (the period, or the regional decimal symbol), and an optional exponent (E or e with an
// optional sign). Reading stops at the first other character; a text with no number gives 0.
// Where the settings group digits, the group symbol is skipped too when it follows a digit
// other than a leading zero, before the decimal point, and exactly one group of digits (the
// group size, three) follows it: so what FormatNumber writes reads back ("1,234.5" is 1234.5
// under English settings), while "2,5", "1,2345" and "0,125" stop at the comma. The period
// stays the decimal point where it is the group symbol ("1.234,5" is 1.234 under German ones).
// A number beyond the range of a double raises an Overflow error; one too small reads as 0.
double Val(std::string_view text, const RegionalSettings& settings);

}  // namespace runtime
