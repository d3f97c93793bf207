#include <QApplication>

#include "form/elements_window.h"
#include "form/qt_translation.h"
#include "form/tessorin.h"
#include "runtime/qt/locale_settings.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("trapezoid"));
  QApplication::setApplicationVersion(QStringLiteral(TRAPEZOID_VERSION));
  QApplication::setWindowIcon(form::ProgramIcon());
  form::InstallQtTranslation();  // without it the window starts with Qt's English texts

  // `trapezoid --elements` opens the window for a problem as the book gives it instead.
  if (QApplication::arguments().contains(QStringLiteral("--elements"))) {
    form::ElementsWindow elements(runtime::SystemSettings());
    elements.show();
    return QApplication::exec();
  }
  form::Tessorin window(runtime::SystemSettings());
  window.show();
  return QApplication::exec();
}
