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

constexpr const char* noDisplayText
    = QT_TRANSLATE_NOOP("Usage", "velkaro: no display to open the window on");

// The platform plugins say which display they could not reach before the fatal error, one line
// each: only the one line below is wanted. Anything else goes out as the toolkit writes it.
void onStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", NoDisplayExit::message().toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (QByteArray(context.category ? context.category : "").startsWith("qt.qpa."))
        return;
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, text).toLocal8Bit().constData());
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
