#include <QApplication>

#include "form/qt_translation.h"
#include "form/tessorin.h"
#include "runtime/qt/locale_settings.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("trapezoid"));
  QApplication::setApplicationVersion(QStringLiteral(TRAPEZOID_VERSION));
  QApplication::setWindowIcon(form::ProgramIcon());
  form::InstallQtTranslation();  // without it the window starts with Qt's English texts

  form::Tessorin window(runtime::SystemSettings());
  window.show();
  return QApplication::exec();
}
