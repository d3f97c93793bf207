#include "runtime/val.h"

#include <gtest/gtest.h>

#include <cmath>

#include "error_kind.h"
#include "settings.h"

namespace runtime {
namespace {

using test_settings::Bulgarian;

using test_settings::English;

struct Case {
  const char* text;
  double period;  // under settings with the period as decimal symbol
  double comma;   // under Bulgarian settings
};

TEST(Val, ReadsTheLeadingNumber) {
  const Case cases[] = {
      {"", 0, 0},
      {"8", 8, 8},
      {"  8  ", 8, 8},
      {"1 2", 12, 12},
      {"1\u00A0000", 1000, 1000},
      {"1\u202F000\u2009000", 1e6, 1e6},
      {"\t-\u3000 4", -4, -4},
      {"+3", 3, 3},
      {"5cm", 5, 5},
      {".5", 0.5, 0.5},
      {"1e3", 1000, 1000},
      {"1E+3", 1000, 1000},
      {"25E-1", 2.5, 2.5},
      {"1E", 1, 1},
      {"1E-", 1, 1},
      {"1 E 2", 100, 100},
      {"-", 0, 0},
      {"-0", 0, 0},
      {"abc", 0, 0},
      {"E5", 0, 0},
      {"1.2.3", 1.2, 1.2},
      {"2,5", 2, 2.5},
      {"0,5", 0, 0.5},
      {"2,50000", 2, 2.5},
      {"1.5,5", 1.5, 1.5},
      {"00012.500", 12.5, 12.5},
      {"0.00001", 0.00001, 0.00001},
      {"1E-400", 0, 0},
      {"0.000E999999999999", 0, 0},
      {"1E308", 1e308, 1e308},
      {"Пет", 0, 0},
      {"7п", 7, 7},
      {"\xFF"
       "5",
       0, 0},
      {"12\xC3", 12, 12},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Val(c.text, English()), c.period) << '"' << c.text << '"';
    EXPECT_EQ(Val(c.text, CSettings()), c.period) << '"' << c.text << '"';
    EXPECT_EQ(Val(c.text, Bulgarian()), c.comma) << '"' << c.text << '"';
  }
}

RegionalSettings Swiss() {
  RegionalSettings s;
  s.groupSymbol = "’";
  return s;
}

RegionalSettings German() {
  RegionalSettings s;
  s.decimalSymbol = ",";
  s.groupSymbol = ".";
  return s;
}

struct Grouped {
  const char* text;
  double english, c, bulgarian, swiss, german;
};

TEST(Val, SkipsTheGroupSymbolBeforeAFullGroup) {
  const Grouped cases[] = {
      {"1,000.0", 1000, 1, 1, 1, 1},
      {"1,234,567", 1234567, 1, 1.234, 1, 1.234},
      {"-12,345.5", -12345.5, -12, -12.345, -12, -12.345},
      {"2,5", 2, 2, 2.5, 2, 2.5},
      {"1,2345", 1, 1, 1.2345, 1, 1.2345},
      {"1,234 5", 1, 1, 1.2345, 1, 1.2345},
      {"0,125", 0, 0, 0.125, 0, 0.125},
      {",234", 0, 0, 0.234, 0, 0.234},
      {"1.5,000", 1.5, 1.5, 1.5, 1.5, 1.5},
      {"1.5,123", 1.5, 1.5, 1.5, 1.5, 1.5},  // no group after the decimal point
      {"1,234e2", 123400, 1, 123.4, 1, 123.4},
      {"1’234.5", 1, 1, 1, 1234.5, 1},
      {"1.234,5", 1.234, 1.234, 1.234, 1.234, 1.234},
  };
  for (const Grouped& c : cases) {
    EXPECT_EQ(Val(c.text, English()), c.english) << '"' << c.text << '"';
    EXPECT_EQ(Val(c.text, CSettings()), c.c) << '"' << c.text << '"';
    EXPECT_EQ(Val(c.text, Bulgarian()), c.bulgarian) << '"' << c.text << '"';
    EXPECT_EQ(Val(c.text, Swiss()), c.swiss) << '"' << c.text << '"';
    EXPECT_EQ(Val(c.text, German()), c.german) << '"' << c.text << '"';
  }
}

TEST(Val, NumbersBeyondADoubleOverflow) {
  for (const char* text : {"1E400", "-1E309", "99999999999999E300", "1E99999999999999999999"}) {
    EXPECT_EQ(KindRaised([&] { Val(text, English()); }), ErrorKind::Overflow) << text;
  }
}

TEST(Val, LongDigitRunsStayExact) {
  std::string many(5000, '0');
  many += "1.5";
  EXPECT_EQ(Val(many, English()), 1.5);
  EXPECT_EQ(Val("0." + std::string(400, '0') + "1E405", English()), 1e4);
}

TEST(Val, ARegionalMinusSignReadsAsNegative) {
  RegionalSettings s;
  s.negativeSign = "\u2212";
  EXPECT_EQ(Val("\u22122.5", s), -2.5);
  EXPECT_EQ(Val("\u22122.5", English()), 0);
}

}  // namespace
}  // namespace runtime
