// Regional number settings that the tests of the plain layers and the fuzzers share.
#pragma once

#include "runtime/regional_settings.h"

namespace test_settings {

// A decimal comma and digits grouped with a no-break space, as Bulgarian has them.
inline runtime::RegionalSettings Bulgarian() {
  runtime::RegionalSettings s;
  s.decimalSymbol = ",";
  s.groupSymbol = "\u00A0";
  return s;
}

// A decimal point and digits grouped with a comma.
inline runtime::RegionalSettings English() { return {}; }

}  // namespace test_settings
