#include "runtime/format_number.h"

#include <fmt/compile.h>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "runtime/arithmetic_error.h"

namespace runtime {

namespace {

struct Decimal {
  std::string digits;  // no sign, no point
  long long point;     // how many of the digits stand before the decimal point
};

// The shortest decimal form that reads back as `magnitude`. {fmt} writes those digits either
// plainly ("0.0015", "123456") or with an exponent ("1e+300", "5e-324").
Decimal Shortest(double magnitude) {
  char buffer[64];
  const auto written = fmt::format_to_n(buffer, sizeof buffer, FMT_COMPILE("{}"), magnitude);
  const std::string_view text(buffer, std::min(written.size, sizeof buffer));
  const std::size_t e = std::min(text.find('e'), text.size());
  const std::string_view mantissa = text.substr(0, e);
  Decimal d;
  d.point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
  for (char c : mantissa) {
    if (c != '.') d.digits.push_back(c);
  }
  if (e < text.size()) {
    long long exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), exponent);
    d.point += exponent;
  }
  // Leading and trailing zeros carry nothing; zero itself stays "0" before the point.
  const std::size_t first = std::min(d.digits.find_first_not_of('0'), d.digits.size() - 1);
  d.digits.erase(0, first);
  d.point -= static_cast<long long>(first);
  d.digits.erase(std::max<std::size_t>(d.digits.find_last_not_of('0') + 1, 1));
  return d;
}

// Rounds to `digits` places after the point, half away from zero.
Decimal Round(Decimal d, int digits) {
  if (d.point <= 0) {
    d.digits.insert(0, static_cast<std::size_t>(1 - d.point), '0');
    d.point = 1;
  }
  const std::size_t keep = static_cast<std::size_t>(d.point) + static_cast<std::size_t>(digits);
  if (d.digits.size() < keep + 1) d.digits.resize(keep + 1, '0');
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  for (std::size_t i = keep; up && i-- > 0;) {
    if (d.digits[i] == '9') {
      d.digits[i] = '0';
      if (i == 0) {
        d.digits.insert(0, 1, '1');
        ++d.point;
      }
    } else {
      ++d.digits[i];
      break;
    }
  }
  return d;
}

std::string Grouped(std::string integer, const RegionalSettings& settings) {
  if (!settings.grouping || settings.groupSize <= 0) return integer;
  const auto size = static_cast<std::size_t>(settings.groupSize);
  for (std::size_t end = integer.size(); end > size; end -= size) {
    integer.insert(end - size, settings.groupSymbol);
  }
  return integer;
}

}  // namespace

std::string FormatNumber(double value, int digits, const RegionalSettings& settings) {
  if (std::isnan(value)) throw ArithmeticError(ErrorKind::InvalidArgument);
  if (std::isinf(value)) throw ArithmeticError(ErrorKind::Overflow);
  if (digits < 0) digits = 0;

  const Decimal d = Round(Shortest(std::fabs(value)), digits);
  std::string integer = d.digits.substr(0, static_cast<std::size_t>(d.point));
  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
  const std::string fraction = d.digits.substr(static_cast<std::size_t>(d.point));
  const bool zero = d.digits.find_first_not_of('0') == std::string::npos;

  if (integer == "0" && !settings.leadingZero && digits > 0) integer.clear();
  std::string text = Grouped(integer, settings);
  if (digits > 0) text += settings.decimalSymbol + fraction;

  if (!std::signbit(value) || zero) return text;
  if (settings.negativeInParentheses) return "(" + text + ")";
  return settings.negativeSign + text;
}

std::string FormatScientific(double value, int digits) {
  if (std::isnan(value)) throw ArithmeticError(ErrorKind::InvalidArgument);
  if (std::isinf(value)) throw ArithmeticError(ErrorKind::Overflow);
  Decimal d = Shortest(std::fabs(value));
  long long exponent = d.point - 1;
  d.point = 1;
  d = Round(d, std::max(digits, 0));
  if (d.point == 2) {  // rounded up to the next power of ten: 9.99999999 gives 10.0000000
    ++exponent;
    d.digits.pop_back();
  }
  std::string text = std::signbit(value) ? "-" : "";
  text += d.digits.substr(0, 1);
  if (digits > 0) text += "." + d.digits.substr(1);
  return text + "e" + std::to_string(exponent);
}

}  // namespace runtime
