#include "model/number_text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "model/quantity.h"
#include "runtime/arithmetic_error.h"
#include "runtime/format_number.h"
#include "runtime/val.h"

namespace model {

namespace {

std::string DropTrailingZeros(std::string_view number) {
  std::string text(number);
  if (text.find('.') == std::string::npos) return text;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

// Whether `plain`, read back, is not `value` itself.
bool Rounded(const std::string& plain, double value) {
  try {
    return runtime::Val(plain, runtime::CSettings()) != value;
  } catch (const runtime::ArithmeticError&) {
    return true;  // rounded up beyond the largest double
  }
}

WrittenNumber WriteFresh(double value, const runtime::RegionalSettings& settings);

}  // namespace

WrittenNumber WriteNumber(double value, const runtime::RegionalSettings& settings) {
  // A working writes each of its numbers several times: the last ones written are kept.
  struct Kept {
    double value = std::nan("");
    std::string symbol;
    WrittenNumber written;
  };
  thread_local std::array<Kept, 64> kept;
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  Kept& slot = kept[(bits ^ (bits >> 29) ^ (bits >> 47)) % kept.size()];
  if (std::memcmp(&slot.value, &value, sizeof value) == 0 && slot.symbol == settings.decimalSymbol)
    return slot.written;
  slot = {value, settings.decimalSymbol, WriteFresh(value, settings)};
  return slot.written;
}

namespace {

WrittenNumber WriteFresh(double value, const runtime::RegionalSettings& settings) {
  // First in the C form ("-12.5", "1.5e+20"), which reads back to tell whether it is exact.
  const double magnitude = std::fabs(value);
  std::string plain, power;
  if (magnitude != 0 && (magnitude < 1e-7 || magnitude >= 1e15)) {
    const std::string text = runtime::FormatScientific(value, kDecimals);
    const std::size_t e = text.find('e');
    const int exponent = std::stoi(text.substr(e + 1));
    plain = DropTrailingZeros(std::string_view(text).substr(0, e)) + "e" + std::to_string(exponent);
    power = "·10" + Superscript(exponent);
  } else {
    plain = DropTrailingZeros(runtime::FormatNumber(value, kDecimals, runtime::CSettings()));
  }

  std::string text;
  for (char ch : plain.substr(0, plain.find('e'))) {
    if (ch == '-')
      text += kMinus;
    else if (ch == '.')
      text += settings.decimalSymbol;
    else
      text += ch;
  }
  return {text + power, Rounded(plain, value)};
}

}  // namespace

std::string Superscript(int exponent) {
  static constexpr const char* kDigits[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
  std::string text = exponent < 0 ? "⁻" : "";
  for (char d : std::to_string(std::abs(exponent))) text += kDigits[d - '0'];
  return text;
}

}  // namespace model
