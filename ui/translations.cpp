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
    if (toolkit.load(catalogueLocale(locale), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        toolkitInstalled = QCoreApplication::installTranslator(&toolkit);
    if (loadProgramCatalogue(program, locale))
        programInstalled = QCoreApplication::installTranslator(&program);
}

bool Translations::loadProgramCatalogue(QTranslator& catalogue, const QLocale& locale)
{
    return catalogue.load(
        catalogueLocale(locale), QStringLiteral("velkaro"), QStringLiteral("_"), programFolder());
}

QLocale Translations::catalogueLocale(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::Chinese:
        if (locale.script() == QLocale::TraditionalChineseScript)
            return QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
        return QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    case QLocale::Portuguese:
        return QLocale(QLocale::Portuguese, QLocale::Brazil);
    default:
        return locale;
    }
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
