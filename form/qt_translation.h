// Qt's own texts (the context menus of the text boxes, the buttons of a message box) in
// Bulgarian, like the rest of the window.
#pragma once

#include <QLibraryInfo>
#include <QString>

namespace form {

// Loads Qt's Bulgarian translation from `directory` into the running application, whatever the
// regional settings, so it must run before the window is built. A missing file stops nothing:
// it returns false and Qt keeps its English texts.
bool InstallQtTranslation(const QString& directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace form
