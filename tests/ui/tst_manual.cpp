// Help > Manual: which browser is started, with what arguments, and the message when none can be.

#include "formmain.h"
#include "formmain_fixture.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

namespace {

const QStringList kBrowsers = {"mozilla", "kfmclient", "netscape", "galeon", "epiphany"};

// A stand-in browser: records its arguments, NUL-terminated, in NAME.args beside itself, then
// leaves NAME.done so that a test knows the record is whole. Shell built-ins only, since the
// tests narrow the PATH down to the folder of these scripts.
void installBrowser(const QDir& bin, const QString& name)
{
    const QByteArray out = QFile::encodeName(bin.filePath(name));
    QFile script(bin.filePath(name));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > '"
        + out
        + ".args'\n"
          ": > '"
        + out + ".done'\n");
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
}

QStringList readArguments(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {"<unreadable>"};
    QStringList arguments;
    const QList<QByteArray> parts = file.readAll().split('\0');
    for (qsizetype i = 0; i + 1 < parts.size(); ++i)
        arguments << QFile::decodeName(parts[i]);
    return arguments;
}

} // namespace

class TestManual : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstInstalledBrowserGetsThePath_data();
    void firstInstalledBrowserGetsThePath();
    void pathReachesTheBrowserAsOneArgument_data();
    void pathReachesTheBrowserAsOneArgument();
    void withoutAnyBrowserTheUserIsTold();
    void desktopOpenerIsAskedLast_data();
    void desktopOpenerIsAskedLast();

private:
    QByteArray savedPath;
    std::optional<QTemporaryDir> work;
};

void TestManual::initTestCase()
{
    savedPath = qgetenv("PATH");
    // The desktop's own handler must not step in when no browser of the list is found.
    qunsetenv("BROWSER");
    qunsetenv("DEFAULT_BROWSER");
}

void TestManual::init()
{
    work.emplace();
    QVERIFY(work->isValid());
    QVERIFY(QDir(work->path()).mkdir("bin"));
    qputenv("PATH", QFile::encodeName(work->filePath("bin")));
}

void TestManual::cleanup()
{
    qputenv("PATH", savedPath);
    work.reset();
}

void TestManual::firstInstalledBrowserGetsThePath_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("broken");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("leading");

    QTest::newRow("mozilla before the others") << QStringList {"epiphany", "kfmclient", "mozilla"}
                                               << QStringList {} << "mozilla" << QStringList {};
    QTest::newRow("kfmclient with its browsing profile") << QStringList {"kfmclient",
        "galeon"} << QStringList {} << "kfmclient" << QStringList {"openProfile", "webbrowsing"};
    QTest::newRow("missing ones are skipped")
        << QStringList {"epiphany"} << QStringList {} << "epiphany" << QStringList {};
    QTest::newRow("one that cannot start is passed over")
        << QStringList {"netscape"} << QStringList {"mozilla"} << "netscape" << QStringList {};
}

void TestManual::firstInstalledBrowserGetsThePath()
{
    QFETCH(QStringList, installed);
    QFETCH(QStringList, broken);
    QFETCH(QString, expected);
    QFETCH(QStringList, leading);

    const QDir bin(work->filePath("bin"));
    for (const QString& name : installed)
        installBrowser(bin, name);
    // Found on the PATH, yet the system cannot run it: its interpreter does not exist.
    for (const QString& name : broken) {
        QFile script(bin.filePath(name));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/nonexistent/interpreter\n");
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFile::ExeOwner));
    }
    // A file that is not executable is no installed browser.
    if (!installed.contains("mozilla") && !broken.contains("mozilla")) {
        QFile plain(bin.filePath("mozilla"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
    }

    FormMain window;
    window.manualPath = work->filePath("Manual.html");
    const BoxAnswerer boxes;
    window.helpManual->trigger();

    const QString record = bin.filePath(expected + ".args");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bin.filePath(expected + ".done")), 10000);
    QCOMPARE(readArguments(record), leading + QStringList {window.manualPath});
    QTest::qWait(200);
    for (const QString& other : kBrowsers)
        if (other != expected)
            QVERIFY2(!QFile::exists(bin.filePath(other + ".args")), qPrintable(other));
    QCOMPARE(boxes.seen().size(), 0);
}

void TestManual::pathReachesTheBrowserAsOneArgument_data()
{
    QTest::addColumn<QString>("folder");

    QTest::newRow("blanks") << "my  manuals";
    QTest::newRow("double quotes") << "say \"hi\" there";
    QTest::newRow("command substitution") << "$(touch injected)";
    QTest::newRow("backticks") << "`touch injected`";
    QTest::newRow("all of them") << "a \"b\" $(touch injected) `touch injected` 'c' ; &";
}

void TestManual::pathReachesTheBrowserAsOneArgument()
{
    QFETCH(QString, folder);

    const QDir root(work->path());
    QVERIFY(root.mkdir(folder));
    const QDir bin(root.filePath("bin"));
    installBrowser(bin, "mozilla");

    FormMain window;
    window.manualPath = root.filePath(folder) + "/Manual.html";
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(work->path());
    window.helpManual->trigger();
    QDir::setCurrent(cwd);

    const QString record = bin.filePath("mozilla.args");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bin.filePath("mozilla.done")), 10000);
    QCOMPARE(readArguments(record), QStringList {window.manualPath});
    QVERIFY2(!QFile::exists(root.filePath("injected")), "a shell ran part of the path");
}

void TestManual::withoutAnyBrowserTheUserIsTold()
{
    // Nothing can be found on an empty PATH, the desktop's opener included.
    qputenv("PATH", "");
    FormMain window;
    window.manualPath = work->filePath("odd \"name\"") + "/Manual.html";
    const BoxAnswerer boxes;
    window.helpManual->trigger();

    QCOMPARE(boxes.seen().size(), 1);
    const SeenBox& box = boxes.seen().first();
    QCOMPARE(box.title, QStringLiteral("Browser Not Found"));
    QCOMPARE(
        box.text, QStringLiteral("Unable to launch a browser for \"%1\"").arg(window.manualPath));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(box.parent, &window);
}

void TestManual::desktopOpenerIsAskedLast_data()
{
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("told");
    QTest::newRow("it opens the manual") << 0 << false;
    // What xdg-open says when no application takes the file.
    QTest::newRow("it finds no application") << 3 << true;
}

// With none of the browsers, xdg-open gets the manual's path; the user hears of its failure.
void TestManual::desktopOpenerIsAskedLast()
{
    QFETCH(int, exitCode);
    QFETCH(bool, told);
    const QDir bin(work->filePath("bin"));
    installBrowser(bin, "xdg-open");
    QFile opener(bin.filePath("xdg-open"));
    QVERIFY(opener.open(QIODevice::Append));
    opener.write("exit " + QByteArray::number(exitCode) + "\n");
    opener.close();

    FormMain window;
    window.manualPath = work->filePath("Manual.html");
    const BoxAnswerer boxes;
    window.helpManual->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(bin.filePath("xdg-open.done")), 10000);
    QCOMPARE(readArguments(bin.filePath("xdg-open.args")), QStringList {window.manualPath});
    if (told) {
        QTRY_COMPARE_WITH_TIMEOUT(boxes.seen().size(), 1, 10000);
        QCOMPARE(boxes.seen().first().title, QStringLiteral("Browser Not Found"));
    } else {
        QTest::qWait(600);
        QCOMPARE(boxes.seen().size(), 0);
    }
}

WINDOW_TEST_MAIN(TestManual)

#include "tst_manual.moc"
