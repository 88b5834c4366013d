// What the window remembers between runs: size, position (brought on screen when it is out of
// reach), the package-size history and the unit;
// how it reads a store that is missing entries or holds wrong ones; and that every close request
// saves and ends the program.

#include "formmain_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTimer>

namespace {

bool writeStore(const QByteArray& entries)
{
    const QString file = SettingsSandbox::instance().file();
    QDir().mkpath(QFileInfo(file).path());
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write("[Velkaro]\n" + entries + "\n") >= 0
        && out.commit();
}

QSize defaultSize(const QWidget& window)
{
    return QSize(428, 279).expandedTo(window.minimumSizeHint());
}

} // namespace

class TestFormMainSettings : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SettingsSandbox::instance().reset(); }

    void storedEntries_data()
    {
        QTest::addColumn<QByteArray>("entries");
        QTest::addColumn<QSize>("size"); // -1: the constructor's width or height
        QTest::addColumn<QPoint>("position"); // (-1, -1): not moved
        QTest::addColumn<int>("units");
        QTest::addColumn<QStringList>("sizes");
        const QPoint notMoved(-1, -1);
        const QSize unchanged(-1, -1);
        const QStringList builtIn = {"1457664"};

        QTest::newRow("empty store") << QByteArray() << unchanged << notMoved << 0 << builtIn;
        QTest::newRow("geometry") << QByteArray(
            "WindowWidth=600\nWindowHeight=400\nWindowX=30\nWindowY=40")
                                  << QSize(600, 400) << QPoint(30, 40) << 0 << builtIn;
        QTest::newRow("negative x")
            << QByteArray("WindowX=-20\nWindowY=15") << unchanged << QPoint(0, 15) << 0 << builtIn;
        QTest::newRow("negative x and y")
            << QByteArray("WindowX=-5\nWindowY=-7") << unchanged << QPoint(0, 0) << 0 << builtIn;
        // Two screens: the primary 800x600 at (0, 0), and 1024x768 at (800, 0).
        QTest::newRow("mostly on the second screen")
            << QByteArray("WindowWidth=600\nWindowHeight=400\nWindowX=700\nWindowY=500")
            << QSize(600, 400) << QPoint(800, 368) << 0 << builtIn;
        QTest::newRow("larger, never moved") << QByteArray("WindowWidth=2000\nWindowHeight=1500")
                                             << QSize(800, 600) << notMoved << 0 << builtIn;
        QTest::newRow("x without y") << QByteArray("WindowWidth=640\nWindowX=50") << QSize(640, -1)
                                     << notMoved << 0 << builtIn;
        QTest::newRow("y without x")
            << QByteArray("WindowY=50") << unchanged << notMoved << 0 << builtIn;
        QTest::newRow("y not a number")
            << QByteArray("WindowX=10\nWindowY=ten") << unchanged << notMoved << 0 << builtIn;
        QTest::newRow("width not a number") << QByteArray("WindowWidth=wide\nWindowHeight=350")
                                            << QSize(-1, 350) << notMoved << 0 << builtIn;
        QTest::newRow("units 1") << QByteArray("Units=1") << unchanged << notMoved << 1 << builtIn;
        QTest::newRow("units 2") << QByteArray("Units=2") << unchanged << notMoved << 2 << builtIn;
        QTest::newRow("units 3") << QByteArray("Units=3") << unchanged << notMoved << 0 << builtIn;
        QTest::newRow("units -1") << QByteArray("Units=-1") << unchanged << notMoved << 0
                                  << builtIn;
        QTest::newRow("history with repeat") << QByteArray("PackageSize=2, 1457664, 2") << unchanged
                                             << notMoved << 0 << QStringList({"2", "1457664"});
        QTest::newRow("history of one value")
            << QByteArray("PackageSize=700.500, 700.5") << unchanged << notMoved << 0
            << QStringList({"700.5"});
        QTest::newRow("history of one item") << QByteArray("PackageSize=4096") << unchanged
                                             << notMoved << 0 << QStringList({"4096"});
        QTest::newRow("empty history")
            << QByteArray("PackageSize=@Invalid()") << unchanged << notMoved << 0 << QStringList();
        QTest::newRow("history not a list")
            << QByteArray("PackageSize=@Rect(1 2 3 4)") << unchanged << notMoved << 0 << builtIn;
    }

    void storedEntries()
    {
        QFETCH(QByteArray, entries);
        QFETCH(QSize, size);
        QFETCH(QPoint, position);
        QFETCH(int, units);
        QFETCH(QStringList, sizes);
        if (!entries.isEmpty())
            QVERIFY(writeStore(entries));

        {
            FormMain window;
            const QSize fallback = defaultSize(window);
            QCOMPARE(window.width(), size.width() < 0 ? fallback.width() : size.width());
            QCOMPARE(window.height(), size.height() < 0 ? fallback.height() : size.height());
            QCOMPARE(window.testAttribute(Qt::WA_Moved), position != QPoint(-1, -1));
            if (window.testAttribute(Qt::WA_Moved))
                QCOMPARE(window.pos(), position);
            QCOMPARE(window.cboUnits->currentIndex(), units);
            QCOMPARE(window.GetComboList(window.cboPackageSize), sizes);
            QCOMPARE(window.cboPackageSize->currentText(), sizes.value(0));
        }
        // Reading the settings writes nothing; only a close request does.
        QCOMPARE(QFile::exists(SettingsSandbox::instance().file()), !entries.isEmpty());
    }

    void geometryAndChoicesSurviveRestart()
    {
        QPoint position;
        {
            FormMain first;
            first.show();
            QVERIFY(QTest::qWaitForWindowExposed(&first));
            first.resize(520, 340);
            first.move(25, 35);
            QTRY_COMPARE(first.size(), QSize(520, 340));
            position = first.pos();
            QStringList history = {"2", "1457664"};
            first.SetComboList(first.cboPackageSize, history);
            first.AddUniqueComboListItem(first.cboPackageSize, "1457664", 0);
            first.cboUnits->setCurrentIndex(2);
            first.SaveSettings();
        }
        SettingsSandbox::instance().forgetCache();
        FormMain second;
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QCOMPARE(second.size(), QSize(520, 340));
        QCOMPARE(second.pos(), position);
        QCOMPARE(second.GetComboList(second.cboPackageSize), QStringList({"2", "1457664"}));
        QCOMPARE(second.cboPackageSize->currentText(), QString("2"));
        QCOMPARE(second.cboUnits->currentIndex(), 2);
    }

    void historySurvivesRestart_data()
    {
        QTest::addColumn<QStringList>("history");
        QTest::newRow("empty") << QStringList();
        QTest::newRow("one item") << QStringList({"4096"});
        QTest::newRow("three items") << QStringList({"4096", "1457664", "0.5"});
    }

    // An empty history is an entry of its own: it must not come back as the built-in size.
    void historySurvivesRestart()
    {
        QFETCH(QStringList, history);
        {
            FormMain first;
            first.SetComboList(first.cboPackageSize, history);
            first.SaveSettings();
        }
        SettingsSandbox::instance().forgetCache();
        QVERIFY(SettingsSandbox::store().contains("Velkaro/PackageSize"));
        FormMain second;
        QCOMPARE(second.GetComboList(second.cboPackageSize), history);
    }

    void closeRequestsSaveAndEndTheLoop_data()
    {
        QTest::addColumn<QString>("request");
        QTest::newRow("window close") << "close";
        QTest::newRow("Exit button") << "button";
        QTest::newRow("File > Exit") << "action";
    }

    void closeRequestsSaveAndEndTheLoop()
    {
        QFETCH(QString, request);
        FormMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.cboUnits->setCurrentIndex(1);
        QTimer::singleShot(0, &window, [&window, request] {
            if (request == "close")
                window.close();
            else if (request == "button")
                window.btnExit->click();
            else
                window.fileExit->trigger();
        });
        // Guards against a close path that forgets to end the loop.
        QTimer::singleShot(10000, &window, [] { QApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(window.isVisible());

        const QSettings store = SettingsSandbox::store();
        QCOMPARE(store.value("Velkaro/Units").toInt(), 1);
        QCOMPARE(store.value("Velkaro/WindowWidth").toInt(), window.width());
        QCOMPARE(store.value("Velkaro/WindowHeight").toInt(), window.height());
        QCOMPARE(store.value("Velkaro/WindowX").toInt(), window.pos().x());
        QCOMPARE(store.value("Velkaro/WindowY").toInt(), window.pos().y());
        QCOMPARE(store.value("Velkaro/PackageSize").toStringList(), QStringList({"1457664"}));
    }
};

// Two screens side by side, so that a window can be on one, the other, or neither.
int main(int argc, char* argv[])
{
    SettingsSandbox::instance();
    QTemporaryFile screens;
    if (!screens.open()
        || screens.write(R"({"screens": [{"name": "a", "x": 0, "y": 0, "width": 800, "height": 600},
            {"name": "b", "x": 800, "y": 0, "width": 1024, "height": 768}]})")
            < 0
        || !screens.flush())
        qFatal("no screen layout for the offscreen platform");
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    QApplication app(argc, argv);
    TestFormMainSettings test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_formmain_settings.moc"
