// Val never gives an infinity or NaN, raises only an overflow, and reads plain digit texts
// exactly as the standard library does.
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "fuzz/settings.h"
#include "runtime/arithmetic_error.h"
#include "runtime/val.h"

namespace {

bool DigitsOnly(std::string_view text) {
  if (text.empty()) return false;
  int points = 0;
  for (char c : text) {
    if (c == '.')
      ++points;
    else if (c < '0' || c > '9')
      return false;
  }
  return points <= 1 && text != ".";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const runtime::RegionalSettings& settings = PickSettings(data[0]);
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  double value = 0;
  try {
    value = runtime::Val(text, settings);
  } catch (const runtime::ArithmeticError& e) {
    if (e.kind() != runtime::ErrorKind::Overflow) std::abort();
    return 0;
  }
  if (!std::isfinite(value)) std::abort();

  if (DigitsOnly(text)) {
    double expected = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
    if (error == std::errc() && end == text.data() + text.size() && expected != value) std::abort();
  }
  return 0;
}
