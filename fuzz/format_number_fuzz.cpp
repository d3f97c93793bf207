// FormatNumber always writes exactly seven digits after the decimal symbol, never "inf" or
// "nan", and under the C, English and Bulgarian settings what it writes, digit groups included,
// reads back within half a unit of the last digit.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/settings.h"
#include "runtime/arithmetic_error.h"
#include "runtime/format_number.h"
#include "runtime/val.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1 + sizeof(double)) return 0;
  const runtime::RegionalSettings& settings = PickSettings(data[0]);
  double value = 0;
  std::memcpy(&value, data + 1, sizeof value);

  std::string text;
  try {
    text = runtime::FormatNumber(value, 7, settings);
  } catch (const runtime::ArithmeticError&) {
    if (std::isfinite(value)) std::abort();
    return 0;
  }
  if (!std::isfinite(value)) std::abort();
  if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos) std::abort();

  const std::size_t point = text.rfind(settings.decimalSymbol);
  if (point == std::string::npos) std::abort();
  std::string fraction = text.substr(point + settings.decimalSymbol.size());
  if (!fraction.empty() && fraction.back() == ')') fraction.pop_back();
  if (fraction.size() != 7 || fraction.find_first_not_of("0123456789") != std::string::npos) std::abort();

  if (data[0] % 4 != 3) {  // not the settings that write negative numbers in parentheses
    const double back = runtime::Val(text, settings);
    if (std::fabs(back - value) > 5.000001e-8 + std::fabs(value) * 1e-15) std::abort();
  }
  return 0;
}
