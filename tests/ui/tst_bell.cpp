// Where the bell goes: on a Wayland display to the sound system, which here is a sound card that
// writes what it is given to a file (the ALSA configuration in a private home); on X11 to the
// display alone.

#include "bell.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestBell : public QObject
{
    Q_OBJECT

private slots:
    void onlyWaylandBellsAreSounds_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("heard");
        QTest::newRow("Wayland") << "wayland" << true;
        QTest::newRow("X11") << "xcb" << false;
    }

    void onlyWaylandBellsAreSounds()
    {
        QFETCH(QString, platform);
        QFETCH(bool, heard);
        if (!QFile::exists("/usr/share/sounds/freedesktop/stereo/bell.oga"))
            QSKIP("no freedesktop sound theme (package sound-theme-freedesktop)");
        const QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString played = home.filePath("played.raw");
        QFile config(home.filePath(".asoundrc"));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("pcm.!default { type file slave.pcm \"null\" format \"raw\" file \""
            + QFile::encodeName(played) + "\" }\n");
        config.close();
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("CANBERRA_DRIVER", "alsa");

        Bell(platform).ring();
        QCOMPARE(QFileInfo(played).size() > 0, heard);
    }
};

QTEST_MAIN(TestBell)
#include "tst_bell.moc"
