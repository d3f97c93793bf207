#include "win32/locale_settings.h"

#include <windows.h>

#include "win32/wide.h"

namespace win32 {

namespace {

std::wstring Info(const wchar_t* locale, LCTYPE type) {
  wchar_t text[LOCALE_NAME_MAX_LENGTH] = {};
  const int length = GetLocaleInfoEx(locale, type, text, LOCALE_NAME_MAX_LENGTH);
  return length > 1 ? std::wstring(text, static_cast<std::size_t>(length - 1)) : std::wstring();
}

}  // namespace

void ReadGrouping(std::wstring_view grouping, runtime::RegionalSettings& settings) {
  int size = 0;
  for (wchar_t c : grouping) {
    if (c < L'0' || c > L'9') break;
    size = size * 10 + (c - L'0');
    if (size > 9) break;  // Windows allows 0 to 9
  }
  settings.grouping = size > 0 && size <= 9;
  if (settings.grouping) settings.groupSize = size;
}

runtime::RegionalSettings SettingsOf(const wchar_t* locale) {
  if (locale == nullptr) locale = LOCALE_NAME_USER_DEFAULT;
  runtime::RegionalSettings s;
  if (std::wstring decimal = Info(locale, LOCALE_SDECIMAL); !decimal.empty()) s.decimalSymbol = Utf8(decimal);
  s.groupSymbol = Utf8(Info(locale, LOCALE_STHOUSAND));
  if (std::wstring minus = Info(locale, LOCALE_SNEGATIVESIGN); !minus.empty()) s.negativeSign = Utf8(minus);
  ReadGrouping(Info(locale, LOCALE_SGROUPING), s);
  if (s.groupSymbol.empty()) s.grouping = false;
  return s;
}

}  // namespace win32
