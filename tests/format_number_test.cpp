#include "runtime/format_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "runtime/arithmetic_error.h"
#include "runtime/val.h"
#include "settings.h"

namespace runtime {
namespace {

using test_settings::Bulgarian;

struct Case {
  double value;
  const char* c;        // the C locale
  const char* english;  // English (US)
  const char* bulgarian;
};

TEST(FormatNumber, SevenDigitsInEachRegion) {
  const Case cases[] = {
      {8, "8.0000000", "8.0000000", "8,0000000"},
      {20, "20.0000000", "20.0000000", "20,0000000"},
      {1000, "1000.0000000", "1,000.0000000", "1\u00A0000,0000000"},
      {-1234567.5, "-1234567.5000000", "-1,234,567.5000000", "-1\u00A0234\u00A0567,5000000"},
      {0, "0.0000000", "0.0000000", "0,0000000"},
      {-0.0, "0.0000000", "0.0000000", "0,0000000"},
      {-2, "-2.0000000", "-2.0000000", "-2,0000000"},
      {-4e-8, "0.0000000", "0.0000000", "0,0000000"},
      {-5e-8, "-0.0000001", "-0.0000001", "-0,0000001"},
      {5e-8, "0.0000001", "0.0000001", "0,0000001"},
      {0.5, "0.5000000", "0.5000000", "0,5000000"},
      {2.2360679774997896, "2.2360680", "2.2360680", "2,2360680"},
      {6.708203932499369, "6.7082039", "6.7082039", "6,7082039"},
      {0.99999995, "1.0000000", "1.0000000", "1,0000000"},
      {999.99999995, "1000.0000000", "1,000.0000000", "1\u00A0000,0000000"},
      {1.00000005, "1.0000001", "1.0000001", "1,0000001"},
      {0.12345674999, "0.1234567", "0.1234567", "0,1234567"},
      {1e-300, "0.0000000", "0.0000000", "0,0000000"},
      {123456, "123456.0000000", "123,456.0000000", "123\u00A0456,0000000"},
  };
  RegionalSettings english;
  for (const Case& c : cases) {
    EXPECT_EQ(FormatNumber(c.value, 7, CSettings()), c.c) << c.value;
    EXPECT_EQ(FormatNumber(c.value, 7, english), c.english) << c.value;
    EXPECT_EQ(FormatNumber(c.value, 7, Bulgarian()), c.bulgarian) << c.value;
  }
}

TEST(FormatNumber, HugeValuesKeepEveryIntegerDigit) {
  const std::string text = FormatNumber(1e300, 7, CSettings());
  EXPECT_EQ(text, "1" + std::string(300, '0') + ".0000000");
  const std::string max = FormatNumber(std::numeric_limits<double>::max(), 7, CSettings());
  EXPECT_EQ(max.substr(0, 10), "1797693134");
  EXPECT_EQ(max.size(), 309u + 8u);
}

TEST(FormatNumber, RegionalNegativeFormsAndLeadingZero) {
  RegionalSettings s = CSettings();
  s.negativeInParentheses = true;
  EXPECT_EQ(FormatNumber(-2.5, 7, s), "(2.5000000)");
  s.negativeInParentheses = false;
  s.negativeSign = "\u2212";
  s.leadingZero = false;
  EXPECT_EQ(FormatNumber(-0.25, 7, s), "\u2212.2500000");
  EXPECT_EQ(FormatNumber(0, 0, s), "0");
  s.grouping = true;
  s.groupSymbol = "'";
  s.groupSize = 4;
  EXPECT_EQ(FormatNumber(123456789, 2, s), "1'2345'6789.00");
}

TEST(FormatNumber, InfinityAndNaNNeverBecomeText) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double v : {inf, -inf, std::nan("")}) EXPECT_THROW(FormatNumber(v, 7, CSettings()), ArithmeticError);
}

TEST(FormatNumber, WhatIsWrittenReadsBackUnderItsOwnSettings) {
  RegionalSettings english;
  for (double v : {2.5, 0.125, 1234.5, -7.25, -1234567.5}) {
    EXPECT_EQ(Val(FormatNumber(v, 7, Bulgarian()), Bulgarian()), v) << v;
    EXPECT_EQ(Val(FormatNumber(v, 7, CSettings()), CSettings()), v) << v;
    EXPECT_EQ(Val(FormatNumber(v, 7, english), english), v) << v;
  }
}

TEST(FormatScientific, RoundsTheShortestDigitsAsFormatNumberDoes) {
  const std::pair<double, const char*> cases[] = {
      {1e20, "1.0000000e20"},          {-1.23456785e-8, "-1.2345679e-8"},  // half away from zero
      {9.99999996e15, "1.0000000e16"},  // rounded up into the next power of ten
      {5e-324, "5.0000000e-324"},      {1.7976931348623157e308, "1.7976931e308"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatScientific(value, 7), text) << value;
}

}  // namespace
}  // namespace runtime
