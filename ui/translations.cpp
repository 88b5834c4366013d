#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// Qt mirrors the layout for a language whose catalogues translate this as "RTL". Its own catalogues
// say so, but they come in a package of their own: the program's say it too.
[[maybe_unused]] constexpr const char* layoutDirectionKey
    = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

} // namespace

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
