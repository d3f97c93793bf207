#include "runtime/qt/locale_settings.h"

#include <gtest/gtest.h>

#include "runtime/format_number.h"
#include "runtime/val.h"

namespace runtime {
namespace {

struct Case {
  QLocale locale;
  const char* thousand;
};

TEST(LocaleSettings, FormatsAThousandAsEachLocaleDoes) {
  const Case cases[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), "1,000.0000000"},
      {QLocale(QLocale::Bulgarian, QLocale::Bulgaria), "1\u00A0000,0000000"},
      {QLocale(QLocale::German, QLocale::Germany), "1.000,0000000"},
      {QLocale::c(), "1000.0000000"},
  };
  for (const Case& c : cases) {
    const RegionalSettings s = SettingsOf(c.locale);
    EXPECT_EQ(FormatNumber(1000, 7, s), c.thousand) << c.locale.name().toStdString();
    EXPECT_EQ(FormatNumber(-2.5, 7, s).front(), '-') << c.locale.name().toStdString();
  }
}

TEST(LocaleSettings, BulgarianTextReadsBackAsTheSameNumber) {
  const RegionalSettings s = SettingsOf(QLocale(QLocale::Bulgarian));
  for (double v : {2.5, 1234.125, -0.5}) EXPECT_EQ(Val(FormatNumber(v, 7, s), s), v) << v;
}

}  // namespace
}  // namespace runtime
