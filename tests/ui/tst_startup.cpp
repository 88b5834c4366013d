#include "caption.h"
#include "formmain_fixture.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

// Runs the real program offscreen. A rejected argument must end it at once with code 1; any other
// start leaves it running with its window up, and the test then ends it. The options answer on
// standard output without any display.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rejectedArgumentEndsWithCode1_data();
    void rejectedArgumentEndsWithCode1();
    void otherStartsOpenTheWindow_data();
    void otherStartsOpenTheWindow();
    void nameThatIsNoTextIsRejected();
    void optionsAnswerWithoutADisplay_data();
    void optionsAnswerWithoutADisplay();
    void withoutADisplayOneLineAndCode1_data();
    void withoutADisplayOneLineAndCode1();

private:
    QProcessEnvironment environment() const;
    void start(QProcess& process, const QStringList& arguments, const QString& program = {},
        const QProcessEnvironment& environment = {}) const;
    void expectRunning(QProcess& process) const;

    QString binary;
    QTemporaryDir dir;
};

void TestStartup::initTestCase()
{
    binary = qEnvironmentVariable("VELKARO_BINARY");
    QVERIFY2(QFileInfo(binary).isExecutable(), "VELKARO_BINARY names no program");
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(
        QDir(dir.path()).mkdir("runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    // "-reverse" is also an option of the toolkit's.
    for (const QString& name : {QStringLiteral("file"), QStringLiteral("-reverse"),
             QString::fromUtf8("Žluťoučký kůň 文件")}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

QProcessEnvironment TestStartup::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    // Without it the toolkit itself would warn on the error stream, which must stay empty.
    environment.insert("XDG_RUNTIME_DIR", dir.filePath("runtime"));
    return environment;
}

void TestStartup::start(QProcess& process, const QStringList& arguments, const QString& program,
    const QProcessEnvironment& environment) const
{
    process.setProcessEnvironment(environment.isEmpty() ? this->environment() : environment);
    process.setWorkingDirectory(dir.path());
    process.start(program.isEmpty() ? binary : program, arguments);
    QVERIFY(process.waitForStarted(10000));
}

void TestStartup::expectRunning(QProcess& process) const
{
    const bool ended = process.waitForFinished(2000);
    const int code = process.exitCode();
    process.kill();
    process.waitForFinished(10000);
    QVERIFY2(!ended, qPrintable(QString("ended with code %1").arg(code)));
}

void TestStartup::rejectedArgumentEndsWithCode1_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("missing path") << QStringList {dir.filePath("missing")};
    QTest::newRow("folder") << QStringList {dir.filePath("folder")};
    QTest::newRow("missing path in UTF-8")
        << QStringList {dir.filePath(QString::fromUtf8("Žluťoučký kůň 文件.c0"))};
    QTest::newRow("relative missing path") << QStringList {"missing"};
    QTest::newRow("empty argument") << QStringList {QString()};
    QTest::newRow("toolkit option, then a missing path")
        << QStringList {"-style", "fusion", dir.filePath("missing")};
    QTest::newRow("dash-named missing path after --") << QStringList {"--", "-missing"};
    QTest::newRow("an option's name after --") << QStringList {"--", "--help"};
}

void TestStartup::rejectedArgumentEndsWithCode1()
{
    QFETCH(QStringList, arguments);
    QProcess process;
    start(process, arguments);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    QCOMPARE(process.readAllStandardError(), QByteArray());
}

void TestStartup::otherStartsOpenTheWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("no argument") << QStringList();
    QTest::newRow("a file") << QStringList {dir.filePath("file")};
    QTest::newRow("relative file") << QStringList {"file"};
    QTest::newRow("a file named in UTF-8")
        << QStringList {dir.filePath(QString::fromUtf8("Žluťoučký kůň 文件"))};
    QTest::newRow("two missing paths")
        << QStringList {dir.filePath("missing"), dir.filePath("folder")};
    QTest::newRow("toolkit option, then a file")
        << QStringList {"-style", "fusion", dir.filePath("file")};
    QTest::newRow("toolkit option's name as a file after --") << QStringList {"--", "-reverse"};
}

void TestStartup::otherStartsOpenTheWindow()
{
    QFETCH(QStringList, arguments);
    QProcess process;
    start(process, arguments);
    expectRunning(process);
}

void TestStartup::nameThatIsNoTextIsRejected()
{
    // A Latin-1 "é": no valid UTF-8, so its text would name another file.
    const QByteArray name = QFile::encodeName(dir.path()) + "/caf\xe9";
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);

    QProcess process;
    start(
        process, {"-c", "exec \"$0\" \"$1/caf$(printf '\\351')\"", binary, dir.path()}, "/bin/sh");
    QVERIFY(process.waitForFinished(20000));
    ::unlink(name.constData());
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(process.readAllStandardError(), QByteArray());
}

void TestStartup::optionsAnswerWithoutADisplay_data()
{
    const QString manual = QFileInfo(binary).absolutePath() + "/Manual.html";
    const QString settings = dir.filePath("config") + "/Ostrevan Software/Velkaro.conf";
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("lines");
    const QStringList help {
        "Usage: velkaro [OPTION] [FILE]", "Manual:   " + manual, "Settings: " + settings};
    QTest::newRow("--help") << QStringList {"--help"} << help;
    QTest::newRow("-h after a toolkit option") << QStringList {"-style", "fusion", "-h"} << help;
    QTest::newRow("--version") << QStringList {"--version"}
                               << QStringList {QString::fromLatin1(ProgramCaption)};
}

void TestStartup::optionsAnswerWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, lines);
    QProcessEnvironment bare = environment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        bare.remove(name);
    bare.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    // The help as written, whatever language the user running the tests speaks.
    bare.insert("LANGUAGE", "en");

    QProcess process;
    start(process, arguments, {}, bare);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardError(), QByteArray());
    const QStringList shown = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    for (const QString& expected : lines)
        QVERIFY2(shown.contains(expected), qPrintable("no line '" + expected + "'"));
}

void TestStartup::withoutADisplayOneLineAndCode1_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("line");
    const QString english = "velkaro: no display to open the window on\n";
    const QString german
        = "velkaro: Fenster kann nicht geöffnet werden – keine grafische Anzeige verfügbar\n";
    QTest::newRow("none set") << QStringList() << QString() << "en" << english;
    QTest::newRow("none set, a missing path")
        << QStringList {"/nonexistent"} << QString() << "en" << english;
    QTest::newRow("none set, in German") << QStringList() << QString() << "de" << german;
    QTest::newRow("one that cannot be reached") << QStringList {dir.filePath("file")} << ":9999"
                                                << "en" << english;
}

void TestStartup::withoutADisplayOneLineAndCode1()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, display);
    QFETCH(QString, language);
    QFETCH(QString, line);
    QProcessEnvironment bare = environment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        bare.remove(name);
    if (!display.isEmpty())
        bare.insert("DISPLAY", display);
    bare.insert("LANGUAGE", language);
    bare.insert("LC_ALL", "C.UTF-8");

    QProcess process;
    start(process, arguments, {}, bare);
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()), line);
}

WINDOW_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
