#include "runtime/qt/locale_settings.h"

#include <gtest/gtest.h>

#include "model/combination.h"
#include "runtime/format_number.h"
#include "runtime/val.h"
#include "window/press.h"

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

// What a value box keeps of a written text: its first seven UTF-16 code units.
std::string Kept(const std::string& text) { return QString::fromStdString(text).left(7).toStdString(); }

TEST(LocaleSettings, ASecondCalculateKeepsTheNumbers) {
  const QLocale locales[] = {
      QLocale::c(),
      QLocale(QLocale::English, QLocale::UnitedStates),
      QLocale(QLocale::Bulgarian, QLocale::Bulgaria),
      QLocale(QLocale::French, QLocale::France),
      QLocale(QLocale::German, QLocale::Switzerland),
      QLocale(QLocale::Arabic, QLocale::Egypt),
      QLocale(QLocale::Hindi, QLocale::India),
  };
  struct Given {
    int index;
    const char* texts[3];  // in the combination's order
  };
  const Given calculations[] = {{2, {"999999", "1234", "2.5"}}, {9, {"45678", "12.75", "654321"}}};
  for (const QLocale& locale : locales) {
    const RegionalSettings s = SettingsOf(locale);
    for (const Given& given : calculations) {
      model::Rows rows;
      for (int i = 0; i < 3; ++i) rows[model::kCombinations[given.index].given[i]] = {true, given.texts[i]};
      const model::Texts first = panel::Press(given.index, rows, s).texts;
      ASSERT_NE(first[0], "") << locale.name().toStdString();
      for (int q = 0; q < model::kQuantityCount; ++q) rows[q].text = Kept(first[q]);
      EXPECT_EQ(panel::Press(given.index, rows, s).texts, first)
          << locale.name().toStdString() << ", " << model::kCombinations[given.index].label;
    }
  }
}

}  // namespace
}  // namespace runtime
