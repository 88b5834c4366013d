// How long a long package-size history keeps the window from appearing: a settings store holding
// that many sizes (a copied or damaged file; nothing ever trims the history), the window made,
// which loads it, and shown on the offscreen platform. Prints the median of several runs.
//   velkaro_history_bench [--sizes N] [--runs N]

#include "formmain.h"
#include "settingsstore.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr double GoalSeconds = 1.0;

// Mostly different sizes, every tenth a repeat of an earlier one and every seventh written with
// zeros that loading takes away, so that the list is made unique as a damaged one would be.
QStringList history(int count)
{
    QStringList sizes;
    sizes.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (i % 10 == 9)
            sizes.append(sizes.at(i / 2));
        else if (i % 7 == 6)
            sizes.append(QString::number(1000 + i) + ".500");
        else
            sizes.append(QString::number(1000 + i));
    }
    return sizes;
}

// Read from the file again, as at a program's start, not from the copy the settings library keeps
// in memory, which it takes for current while the file's time is unchanged.
void forgetCachedSettings(int run)
{
    QFile file(OpenSettingsStore().fileName());
    if (!file.open(QIODevice::ReadWrite)
        || !file.setFileTime(
            QDateTime::currentDateTime().addSecs(-3600 - run), QFileDevice::FileModificationTime)) {
        std::fprintf(stderr, "history bench: cannot touch %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

double loadSeconds()
{
    QElapsedTimer timer;
    timer.start();
    FormMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "history bench: the window was not shown\n");
        std::exit(1);
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

} // namespace

int main(int argc, char* argv[])
{
    int count = 100000;
    int runs = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--sizes") == 0)
            count = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--runs") == 0)
            runs = std::atoi(argv[i + 1]);
    }
    if (count < 1 || runs < 1) {
        std::fprintf(stderr, "usage: velkaro_history_bench [--sizes N] [--runs N]\n");
        return 2;
    }

    // The user's own settings are neither read nor written, and no display is needed; the
    // offscreen platform's notes on what it cannot do would only hide the figure.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(config.path()));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    const QApplication app(argc, argv);
    {
        QSettings store = OpenSettingsStore();
        store.setValue(FormMain::APP_KEY + "PackageSize", history(count));
    }

    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        forgetCachedSettings(run);
        seconds.push_back(loadSeconds());
    }
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    std::printf("Package-size history: %d sizes loaded and the window shown in %.3f s "
                "(median of %d; goal: under %.1f s) %s\n",
        count, median, runs, GoalSeconds, median < GoalSeconds ? "ok" : "SLOW");
    return 0;
}
