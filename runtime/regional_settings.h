// The regional number settings that reading and formatting numbers follow.
// Texts are UTF-8.
#pragma once

#include <string>

namespace runtime {

struct RegionalSettings {
  std::string decimalSymbol = ".";
  std::string groupSymbol = ",";
  int groupSize = 3;
  bool grouping = true;
  bool leadingZero = true;
  std::string negativeSign = "-";
  bool negativeInParentheses = false;
};

// The settings of the "C" locale: period, no grouping.
inline RegionalSettings CSettings() {
  RegionalSettings s;
  s.grouping = false;
  return s;
}

}  // namespace runtime
