// Qt's own texts (the buttons of message boxes, the file dialog, the context
// menus of fields) in the user's language. No widgets.
#pragma once

#include <QLocale>

namespace translations {

// Loads Qt's translations for `locale` from Qt's translations folder and
// installs them in the running application; returns whether any were found.
// Installed translators belong to the application object.
bool installQtTranslations(const QLocale &locale = QLocale::system());

}  // namespace translations
