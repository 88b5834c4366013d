#include "desktopopener.h"

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

bool OpenWithDesktop(const QString& path, QObject* context, std::function<void()> failed)
{
    const QByteArray file = QFile::encodeName(path);
    char program[] = "xdg-open";
    char* const arguments[] = {program, const_cast<char*>(file.constData()), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program, nullptr, nullptr, arguments, environ) != 0)
        return false;

    // A child of the process, not of the window's: should the program end first, the opener and
    // the application it started run on. Polled, since it ends within a second when it fails.
    auto* const watch = new QTimer(context);
    watch->setInterval(200);
    QObject::connect(watch, &QTimer::timeout, watch, [watch, pid, failed = std::move(failed)] {
        int status = 0;
        const pid_t ended = waitpid(pid, &status, WNOHANG);
        if (ended == 0 || (ended < 0 && errno == EINTR))
            return;
        watch->deleteLater();
        watch->stop();
        if (ended == pid && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))
            failed();
    });
    watch->start();
    return true;
}
