#include "nodisplay.h"

#include "translations.h"

#include <QByteArray>
#include <QLocale>
#include <QMessageLogContext>
#include <QString>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

// One line on the error stream. Not through fprintf: the package's lintian override says that
// no call of the program takes a fortified form, and a format string would be the first.
void printLine(const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
}

constexpr const char* noDisplayText
    = QT_TRANSLATE_NOOP("Usage", "velkaro: no display to open the window on");

// The platform plugins say which display they could not reach before the fatal error, one line
// each: only the one line below is wanted. Anything else goes out as the toolkit writes it.
void onStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        printLine(NoDisplayExit::message());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (QByteArray(context.category ? context.category : "").startsWith("qt.qpa."))
        return;
    printLine(qFormatLogMessage(type, context, text));
}

} // namespace

NoDisplayExit::NoDisplayExit()
{
    qInstallMessageHandler(onStartupMessage);
}

NoDisplayExit::~NoDisplayExit()
{
    qInstallMessageHandler(nullptr);
}

QString NoDisplayExit::message()
{
    // No application object may exist yet: the catalogue is asked directly, not installed.
    QTranslator catalogue;
    if (Translations::loadProgramCatalogue(catalogue, QLocale())) {
        const QString translated = catalogue.translate("Usage", noDisplayText);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromLatin1(noDisplayText);
}
