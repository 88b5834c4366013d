#include "formmain.h"

#include "about.h"
#include "desktopopener.h"

#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace {

struct Browser
{
    const char* program;
    QStringList arguments; // placed before the manual's path
};

} // namespace

// The browsers are started directly, never through a shell, so that no character of the path
// (a quote, a dollar sign, a backtick) can be read as a command; only a browser that is really
// installed counts, so that a missing one does not pass for a launched manual.
void FormMain::manual()
{
    static const Browser browsers[] = {
        {"mozilla", {}},
        {"kfmclient", {QStringLiteral("openProfile"), QStringLiteral("webbrowsing")}},
        {"netscape", {}},
        {"galeon", {}},
        {"epiphany", {}},
    };
    for (const Browser& browser : browsers) {
        const QString program
            = QStandardPaths::findExecutable(QString::fromLatin1(browser.program));
        if (program.isEmpty())
            continue;
        if (QProcess::startDetached(program, browser.arguments + QStringList {manualPath}))
            return;
    }
    // The path the message names is the one asked for, even if manualPath changes meanwhile.
    if (!OpenWithDesktop(manualPath, this, [this, path = manualPath] { browserNotFound(path); }))
        browserNotFound(manualPath);
}

void FormMain::browserNotFound(const QString& path)
{
    // The desktop's opener may fail while a command runs, whose window takes no input: the message
    // waits for the command's end.
    if (commandRunning) {
        QTimer::singleShot(100, this, [this, path] { browserNotFound(path); });
        return;
    }
    QMessageBox::critical(this, tr("Browser Not Found"),
        tr("Unable to launch a browser for \"%1\"").arg(path), QMessageBox::Ok);
}

void FormMain::about()
{
    const auto dialog = std::make_unique<About>(this, nullptr, true);
    dialog->exec();
}
