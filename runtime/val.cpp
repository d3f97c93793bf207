#include "runtime/val.h"

#include <fast_float/fast_float.h>

#include <cmath>
#include <string>

#include "runtime/arithmetic_error.h"

namespace runtime {

namespace {

bool IsBlank(char32_t c) {
  switch (c) {
    case U'\t':
    case U'\n':
    case U'\v':
    case U'\f':
    case U'\r':
    case U' ':
    case 0x85:
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
    case 0xFEFF: return true;
    default: return c >= 0x2000 && c <= 0x200B;
  }
}

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// Walks a UTF-8 text; a byte that starts no valid character reads as U+FFFD.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  char32_t Peek(std::size_t* length) const {
    const auto* s = reinterpret_cast<const unsigned char*>(text_.data() + pos_);
    const std::size_t left = text_.size() - pos_;
    *length = 1;
    if (left == 0) return 0;
    if (s[0] < 0x80) return s[0];
    int extra = s[0] >= 0xF0 ? 3 : s[0] >= 0xE0 ? 2 : s[0] >= 0xC0 ? 1 : -1;
    if (extra < 0 || left <= static_cast<std::size_t>(extra)) return 0xFFFD;
    char32_t c = s[0] & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
      if ((s[i] & 0xC0) != 0x80) return 0xFFFD;
      c = (c << 6) | (s[i] & 0x3F);
    }
    *length = static_cast<std::size_t>(extra) + 1;
    return c;
  }

  // The next character after any blanks, without taking it; 0 at the end.
  char32_t Next() {
    std::size_t length = 0;
    char32_t c = Peek(&length);
    while (pos_ < text_.size() && IsBlank(c)) {
      pos_ += length;
      c = Peek(&length);
    }
    return pos_ < text_.size() ? c : 0;
  }

  void Take() {
    std::size_t length = 0;
    Peek(&length);
    pos_ += length;
  }

  // Takes `symbol` if the text continues with it (after blanks).
  bool TakeSymbol(std::string_view symbol) {
    Next();
    if (symbol.empty() || text_.substr(pos_, symbol.size()) != symbol) return false;
    pos_ += symbol.size();
    return true;
  }

  // Takes the group symbol if exactly `size` digits follow it (blanks aside), as in "1,234"
  // but not in "2,5" or "1,2345".
  bool TakeGroupSymbol(std::string_view symbol, int size) {
    Cursor ahead = *this;
    if (size <= 0 || !ahead.TakeSymbol(symbol)) return false;
    Cursor group = ahead;
    for (int i = 0; i < size; ++i) {
      if (!IsDigit(group.Next())) return false;
      group.Take();
    }
    if (IsDigit(group.Next())) return false;
    *this = ahead;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

long long ReadExponent(Cursor& in) {
  const char32_t e = in.Next();
  if (e != U'E' && e != U'e') return 0;
  in.Take();
  bool negative = false;
  if (const char32_t s = in.Next(); s == U'+' || s == U'-') {
    negative = s == U'-';
    in.Take();
  }
  long long exponent = 0;
  for (char32_t c = in.Next(); IsDigit(c); c = in.Next()) {
    if (exponent < 1'000'000) exponent = exponent * 10 + (c - U'0');
    in.Take();
  }
  return negative ? -exponent : exponent;
}

}  // namespace

double Val(std::string_view text, const RegionalSettings& settings) {
  Cursor in(text);
  bool negative = false;
  if (const char32_t s = in.Next(); s == U'+' || s == U'-') {
    negative = s == U'-';
    in.Take();
  } else if (settings.negativeSign != "-" && in.TakeSymbol(settings.negativeSign)) {
    negative = true;
  }

  std::string digits;
  long long fractionDigits = 0;
  bool seenPoint = false;
  for (;;) {
    const char32_t c = in.Next();
    if (IsDigit(c)) {
      if (!digits.empty() || c != U'0') digits.push_back(static_cast<char>(c));
      if (seenPoint) ++fractionDigits;
      in.Take();
    } else if (!seenPoint && (c == U'.' || in.TakeSymbol(settings.decimalSymbol))) {
      if (c == U'.') in.Take();
      seenPoint = true;
    } else if (!seenPoint && !digits.empty() && settings.grouping &&
               in.TakeGroupSymbol(settings.groupSymbol, settings.groupSize)) {
      // The period never gets here: it stays the decimal point where it is the group symbol.
    } else {
      break;
    }
  }
  if (digits.empty()) return 0.0;

  const long long exponent = ReadExponent(in) - fractionDigits;
  const std::string number = digits + "e" + std::to_string(exponent);
  double value = 0.0;
  // Correctly rounded for any number of digits; beyond the range it gives an infinity, and
  // below the smallest subnormal zero (the digits are never all zeros).
  fast_float::from_chars(number.data(), number.data() + number.size(), value);
  if (std::isinf(value)) throw ArithmeticError(ErrorKind::Overflow);
  if (value == 0.0) return 0.0;
  return negative ? -value : value;
}

}  // namespace runtime
