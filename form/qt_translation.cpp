#include "form/qt_translation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace form {

bool InstallQtTranslation(const QString& directory) {
  // Owned by the application, which consults it for as long as it runs.
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QStringLiteral("qtbase_bg"), directory) &&
      QCoreApplication::installTranslator(translator)) {
    return true;
  }
  delete translator;
  return false;
}

}  // namespace form
