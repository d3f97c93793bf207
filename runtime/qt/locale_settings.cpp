#include "runtime/qt/locale_settings.h"

namespace runtime {

namespace {

// Whether the locale groups digits at all: a "C" locale, or one whose options omit the
// separator, does not.
bool Groups(const QLocale& locale) {
  if (locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)) return false;
  if (locale.language() == QLocale::C) return false;
  return locale.toString(10'000'000.0, 'f', 0).contains(locale.groupSeparator());
}

}  // namespace

RegionalSettings SettingsOf(const QLocale& locale) {
  RegionalSettings s;
  s.decimalSymbol = locale.decimalPoint().toStdString();
  s.groupSymbol = locale.groupSeparator().toStdString();
  s.negativeSign = locale.negativeSign().toStdString();
  s.grouping = Groups(locale);
  return s;
}

RegionalSettings SystemSettings() { return SettingsOf(QLocale::system()); }

}  // namespace runtime
