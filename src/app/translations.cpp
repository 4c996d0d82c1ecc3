#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

namespace {

// Names the translators installed here, so that a later call finds them.
const QString translatorName = QStringLiteral("app::installTranslators");

// Installs the catalogue when there is one for the language.
bool install(const QLocale& language, const QString& catalogue, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(translatorName);
    if (translator->load(language, catalogue, QStringLiteral("_"), folder)
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

}  // namespace

bool installTranslators(const QLocale& locale)
{
    // A translator removes itself from the application when deleted.
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(translatorName, Qt::FindDirectChildrenOnly));

    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English)
            return false;
        if (install(language, QStringLiteral("dorvantix"), QStringLiteral(":/i18n"))) {
            install(language, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return true;
        }
    }
    return false;
}

}  // namespace app
