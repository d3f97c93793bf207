// The regional number settings read from Windows, and what the window writes with them.
#include <gtest/gtest.h>

#include "runtime/format_number.h"
#include "win32/locale_settings.h"
#include "win32/wide.h"

namespace {

TEST(Win32Locale, ReadsTheSymbolsOfALocale) {
  struct Case {
    const wchar_t* locale;
    const char* decimal;
    const char* group;
    const char* shown;  // -1234.5 as the boxes write it
  };
  for (const Case& c :
       {Case{L"en-US", ".", ",", "-1,234.5000000"}, Case{L"bg-BG", ",", "\u00a0", "-1\u00a0234,5000000"},
        Case{L"de-DE", ",", ".", "-1.234,5000000"}}) {
    const runtime::RegionalSettings s = win32::SettingsOf(c.locale);
    EXPECT_EQ(s.decimalSymbol, c.decimal);
    EXPECT_EQ(s.groupSymbol, c.group);
    EXPECT_TRUE(s.grouping);
    EXPECT_EQ(s.groupSize, 3);
    EXPECT_EQ(s.negativeSign, "-");
    EXPECT_EQ(runtime::FormatNumber(-1234.5, 7, s), c.shown);
  }
}

TEST(Win32Locale, ReadsTheDigitGrouping) {
  struct Case {
    const wchar_t* grouping;
    bool groups;
    int size;
  };
  for (const Case& c :
       {Case{L"3;0", true, 3}, Case{L"3", true, 3}, Case{L"3;2;0", true, 3}, Case{L"4;0", true, 4},
        Case{L"0;0", false, 3}, Case{L"", false, 3}, Case{L"12", false, 3}}) {
    runtime::RegionalSettings s;
    win32::ReadGrouping(c.grouping, s);
    EXPECT_EQ(s.grouping, c.groups) << win32::Utf8(c.grouping);
    if (c.groups) {
      EXPECT_EQ(s.groupSize, c.size);
    }
  }
}

}  // namespace
