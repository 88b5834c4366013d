#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

Translations::Translations(const QLocale& locale)
{
    if (toolkit.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        toolkitInstalled = QCoreApplication::installTranslator(&toolkit);
    if (program.load(locale, QStringLiteral("velkaro"), QStringLiteral("_"), programFolder()))
        programInstalled = QCoreApplication::installTranslator(&program);
}

Translations::~Translations()
{
    if (programInstalled)
        QCoreApplication::removeTranslator(&program);
    if (toolkitInstalled)
        QCoreApplication::removeTranslator(&toolkit);
}

QString Translations::programFolder()
{
    return QStringLiteral(":/translations");
}
