// The platform start-up asks the toolkit for: X11 on a Wayland session with an X display, so that
// the bell rings; the toolkit's own choice elsewhere and wherever the user named a platform.

#include "sessionplatform.h"

#include <QTest>

#include <vector>

class TestSessionPlatform : public QObject
{
    Q_OBJECT

private slots:
    void chosenForTheSession_data();
    void chosenForTheSession();
};

void TestSessionPlatform::chosenForTheSession_data()
{
    // "NAME=value" pairs of the environment, the arguments after the program's name, and the
    // platform asked for ("" for the toolkit's own choice).
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("platform");

    const QByteArray x11 = "xcb;wayland";
    const QStringList wayland = {"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"};
    QTest::newRow("Wayland with XWayland") << wayland << QStringList() << x11;
    QTest::newRow("Wayland session type only")
        << QStringList({"XDG_SESSION_TYPE=wayland", "DISPLAY=:0"}) << QStringList() << x11;
    QTest::newRow("Wayland, a file argument") << wayland << QStringList({"film.avi.c3"}) << x11;
    QTest::newRow("Wayland without an X display")
        << QStringList({"WAYLAND_DISPLAY=wayland-0", "XDG_SESSION_TYPE=wayland"}) << QStringList()
        << QByteArray();
    QTest::newRow("X11 session") << QStringList({"DISPLAY=:0", "XDG_SESSION_TYPE=x11"})
                                 << QStringList() << QByteArray();
    QTest::newRow("platform in the environment")
        << (wayland + QStringList({"QT_QPA_PLATFORM=wayland"})) << QStringList() << QByteArray();
    QTest::newRow("empty platform in the environment")
        << (wayland + QStringList({"QT_QPA_PLATFORM="})) << QStringList() << x11;
    QTest::newRow("-platform") << wayland << QStringList({"-platform", "wayland", "file"})
                               << QByteArray();
    QTest::newRow("--platform") << wayland << QStringList({"--platform", "wayland"})
                                << QByteArray();
    QTest::newRow("other options")
        << wayland << QStringList({"-platformtheme", "gtk3", "-reverse"}) << x11;
}

void TestSessionPlatform::chosenForTheSession()
{
    QFETCH(QStringList, environment);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, platform);

    QProcessEnvironment variables;
    for (const QString& pair : environment)
        variables.insert(pair.section('=', 0, 0), pair.section('=', 1));
    std::vector<QByteArray> texts = {"velkaro"};
    for (const QString& argument : arguments)
        texts.push_back(argument.toUtf8());
    std::vector<const char*> argv;
    for (const QByteArray& text : texts)
        argv.push_back(text.constData());

    QCOMPARE(SessionPlatform(variables, static_cast<int>(argv.size()), argv.data()), platform);
}

QTEST_APPLESS_MAIN(TestSessionPlatform)
#include "tst_sessionplatform.moc"
