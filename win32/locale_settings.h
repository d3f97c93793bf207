// The regional number settings as Windows keeps them, for reading and formatting numbers.
#pragma once

#include <string_view>

#include "runtime/regional_settings.h"

namespace win32 {

// The settings of a locale by name ("bg-BG"), or the user's own with nullptr, with the user's
// changes in Control Panel: decimal symbol, digit grouping symbol, digit grouping, negative sign.
// Leading zero and the negative form stay as the desktop has them.
runtime::RegionalSettings SettingsOf(const wchar_t* locale);
inline runtime::RegionalSettings SystemSettings() { return SettingsOf(nullptr); }

// Windows writes digit grouping as group sizes from the decimal symbol leftwards, "3;0" for
// groups of three all the way (or "3" in older versions); "0" or nothing means no grouping.
// Only the first size is kept, since numbers are grouped evenly.
void ReadGrouping(std::wstring_view grouping, runtime::RegionalSettings& settings);

}  // namespace win32
