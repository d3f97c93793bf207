// Fills RegionalSettings from a QLocale.
#pragma once

#include <QLocale>

#include "runtime/regional_settings.h"

namespace runtime {

RegionalSettings SettingsOf(const QLocale& locale);
RegionalSettings SystemSettings();

}  // namespace runtime
