// A few regional settings for the fuzz targets to choose from by one byte.
#pragma once

#include <array>
#include <cstdint>

#include "runtime/regional_settings.h"
#include "tests/settings.h"

inline const runtime::RegionalSettings& PickSettings(std::uint8_t byte) {
  static const std::array<runtime::RegionalSettings, 4> all = [] {
    std::array<runtime::RegionalSettings, 4> s{};
    s[0] = runtime::CSettings();
    s[1] = runtime::RegionalSettings{};  // English (US)
    s[2] = test_settings::Bulgarian();
    s[3].decimalSymbol = "\u066B";
    s[3].groupSymbol = "'";
    s[3].groupSize = 2;
    s[3].negativeSign = "\u2212";
    s[3].negativeInParentheses = true;
    s[3].leadingZero = false;
    return s;
  }();
  return all[byte % all.size()];
}
