// Saves one window of the X display as a PNG file. Built and run by scripts/make-screenshot, which
// makes the README's picture of the program.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    const QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: grab-window WINDOW_ID FILE.png\n", stderr);
        return 2;
    }
    bool ok = false;
    const WId window = QString::fromLocal8Bit(argv[1]).toULongLong(&ok);
    const QPixmap picture = ok ? QGuiApplication::primaryScreen()->grabWindow(window) : QPixmap();
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "grab-window: no picture of window %s\n", argv[1]);
        return 1;
    }
    return 0;
}
