#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace translations {

bool installQtTranslations(const QLocale &locale)
{
    auto *application = QCoreApplication::instance();
    if (!application)
        return false;
    auto *translator = new QTranslator(application);
    // qtbase holds the texts of every widget and dialog the program uses.
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace translations
