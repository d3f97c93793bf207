#include <QApplication>

#include "form/tessorin.h"
#include "runtime/qt/locale_settings.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("trapezoid"));
  QApplication::setApplicationVersion(QStringLiteral(TRAPEZOID_VERSION));
  QApplication::setWindowIcon(form::ProgramIcon());

  form::Tessorin window(runtime::SystemSettings());
  window.show();
  return QApplication::exec();
}
