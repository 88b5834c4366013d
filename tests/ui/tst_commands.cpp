#include "formmain.h"
#include "formmain_fixture.h"
#include "testsupport.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include <unistd.h>

namespace {

const QString kInvalidSource = QStringLiteral("Invalid source!");
const QString kPackageExists = QStringLiteral("Destination package exists.\nOverwrite it?");
const QString kInvalidSize = QStringLiteral("Invalid package size!");
const QString kUnableToSplit = QStringLiteral("Unable to split!");
const QString kNoPackage
    = QStringLiteral("Invalid source, please select a valid package with a (*.c*) extension.");
const QString kFileExists = QStringLiteral("Destination file exists.\nOverwrite it?");
const QString kInvalidDestination = QStringLiteral("Invalid destination!");
const QString kUnableToBuild = QStringLiteral("Unable to build!");
const QString kOverlap = QStringLiteral("Source and destination overlap!");

enum class Trigger { Button, Key, Mnemonic, Menu };

// Bytes of every value, in an order that a shifted or truncated copy would not reproduce.
QByteArray pattern(qint64 length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (qint64 i = 0; i < length; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}

// Sizes of the packages that a split of `length` bytes at `size` bytes writes.
QList<qint64> expectedPackages(qint64 length, qint64 size)
{
    QList<qint64> sizes(length / size, size);
    sizes.append(length % size);
    return sizes;
}

// A window that notes the cursor it shows while the package-size history is updated.
class TracingWindow : public FormMain
{
public:
    using FormMain::AddUniqueComboListItem;
    void AddUniqueComboListItem(QComboBox* box, int index) override
    {
        cursorsAtHistory.append(cursor().shape());
        FormMain::AddUniqueComboListItem(box, index);
    }
    void SaveSettings() override
    {
        if (onSave)
            onSave();
        FormMain::SaveSettings();
    }
    QList<Qt::CursorShape> cursorsAtHistory;
    std::function<void()> onSave;
};

} // namespace

Q_DECLARE_METATYPE(Trigger)

class TestCommands : public QObject, private WindowWithFolder<TracingWindow>
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void splitWritesThePackageSet_data();
    void splitWritesThePackageSet();
    void packageSize_data();
    void packageSize();
    void splitCutsAtTheSizeAsTyped();
    void splitRefusesAnInvalidSource_data();
    void splitRefusesAnInvalidSource();
    void splitAsksBeforeReplacingASet_data();
    void splitAsksBeforeReplacingASet();
    void splitChecksTheSizeOnlyAfterTheQuestion();
    void splitReportsAnEngineFailure();
    void splitRecordsTheSizeInTheHistory();
    void splitRefusesASourceInsideTheSetItReplaces_data();
    void splitRefusesASourceInsideTheSetItReplaces();
    void splitRefusesABlankDestination();
    void closeRequestWaitsForTheCommand();

    void buildJoinsTheSet_data();
    void buildJoinsTheSet();
    void buildRefusesAnInvalidSource_data();
    void buildRefusesAnInvalidSource();
    void buildAsksBeforeReplacingAFile_data();
    void buildAsksBeforeReplacingAFile();
    void buildRefusesADestinationThatCannotBeCreated_data();
    void buildRefusesADestinationThatCannotBeCreated();
    void buildReportsAnEngineFailure();
    void buildRefusesADestinationInsideTheSet_data();
    void buildRefusesADestinationInsideTheSet();

    void ownCursorIsPutBack_data();
    void ownCursorIsPutBack();
    void namesInUtf8SplitAndBuild();

private:
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    // Sizes of base.c0, base.c1, ... up to the first missing one.
    QList<qint64> packages(const QString& base) const;
    void writeSet(const QString& base, const QByteArray& bytes, qint64 size) const;
    QStringList history() const;
    void fill(
        const QString& source, const QString& destination, const QString& size = {}, int unit = 0);
    void split(Trigger trigger = Trigger::Button);
    void build(Trigger trigger = Trigger::Button);
    void checkBox(const SeenBox& box, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons) const;
};

void TestCommands::init()
{
    QVERIFY(openWindow());
}

void TestCommands::cleanup()
{
    closeWindow();
}

void TestCommands::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TestCommands::read(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<qint64> TestCommands::packages(const QString& base) const
{
    QList<qint64> sizes;
    for (int index = 0;; ++index) {
        const QFileInfo info(path(base + ".c" + QString::number(index)));
        if (!info.isFile())
            return sizes;
        sizes.append(info.size());
    }
}

void TestCommands::writeSet(const QString& base, const QByteArray& bytes, qint64 size) const
{
    int index = 0;
    for (qint64 offset = 0; offset <= bytes.size(); offset += size, ++index)
        write(base + ".c" + QString::number(index), bytes.mid(offset, size));
}

QStringList TestCommands::history() const
{
    QStringList items;
    for (int i = 0; i < window->cboPackageSize->count(); ++i)
        items << window->cboPackageSize->itemText(i);
    return items;
}

void TestCommands::fill(
    const QString& source, const QString& destination, const QString& size, int unit)
{
    window->txtSource->setText(source);
    window->txtDestination->setText(destination);
    if (!size.isNull())
        window->cboPackageSize->setEditText(size);
    window->cboUnits->setCurrentIndex(unit);
}

void TestCommands::split(Trigger trigger)
{
    switch (trigger) {
    case Trigger::Button:
        QTest::mouseClick(window->btnSplit, Qt::LeftButton);
        break;
    case Trigger::Key:
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F8);
        break;
    case Trigger::Mnemonic:
        QVERIFY(pressMnemonic(window.get(), window->btnSplit, Qt::Key_S));
        break;
    case Trigger::Menu:
        window->taskSplit->trigger();
        break;
    }
}

void TestCommands::build(Trigger trigger)
{
    switch (trigger) {
    case Trigger::Button:
        QTest::mouseClick(window->btnBuild, Qt::LeftButton);
        break;
    case Trigger::Key:
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_F9);
        break;
    case Trigger::Mnemonic:
        QVERIFY(pressMnemonic(window.get(), window->btnBuild, Qt::Key_B));
        break;
    case Trigger::Menu:
        window->taskBuild->trigger();
        break;
    }
}

void TestCommands::checkBox(const SeenBox& box, const QString& title, const QString& text,
    QMessageBox::StandardButtons buttons) const
{
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, text);
    QCOMPARE(box.buttons, buttons);
    QCOMPARE(box.icon, title == "Error" ? QMessageBox::Critical : QMessageBox::Warning);
    QCOMPARE(box.parent, static_cast<QWidget*>(window.get()));
    QCOMPARE(box.parentCursor, Qt::ArrowCursor);
    QVERIFY(!box.overrideCursor);
}

void TestCommands::splitWritesThePackageSet_data()
{
    QTest::addColumn<Trigger>("trigger");
    QTest::newRow("button") << Trigger::Button;
    QTest::newRow("F8") << Trigger::Key;
    QTest::newRow("Alt+S") << Trigger::Mnemonic;
    QTest::newRow("Task menu") << Trigger::Menu;
}

void TestCommands::splitWritesThePackageSet()
{
    QFETCH(Trigger, trigger);
    const QByteArray data = pattern(10);
    write("film.avi", data);
    fill(path("film.avi"), path("film.avi"), "4");

    BoxAnswerer answerer;
    split(trigger);

    QCOMPARE(answerer.texts(), QStringList());
    QCOMPARE(packages("film.avi"), QList<qint64>({4, 4, 2}));
    QCOMPARE(read("film.avi.c0") + read("film.avi.c1") + read("film.avi.c2"), data);
    QCOMPARE(read("film.avi"), data);
    QCOMPARE(window->txtSource->text(), path("film.avi"));
    QCOMPARE(window->txtDestination->text(), path("film.avi"));
    QCOMPARE(window->cursorsAtHistory, QList<Qt::CursorShape>({Qt::WaitCursor}));
    QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
}

void TestCommands::packageSize_data()
{
    // expected: the byte count the engine gets; -1 refused by the window; 0 refused by the engine.
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("unit");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("1457664 B") << "1457664" << 0 << 1457664LL;
    QTest::newRow("1 B") << "1" << 0 << 1LL;
    QTest::newRow("1.5 KB") << "1.5" << 1 << 1536LL;
    QTest::newRow("0.5 KB") << "0.5" << 1 << 512LL;
    QTest::newRow("1.44 MB") << "1.44" << 2 << 1509949LL;
    QTest::newRow("4294967295 B") << "4294967295" << 0 << 4294967295LL;
    QTest::newRow("4194303.999 KB") << "4194303.999" << 1 << 4294967294LL;
    QTest::newRow("0.5 B") << "0.5" << 0 << -1LL;
    QTest::newRow("1.5 B") << "1.5" << 0 << -1LL;
    QTest::newRow("2.0 B") << "2.0" << 0 << 2LL;
    QTest::newRow("0 B") << "0" << 0 << -1LL;
    QTest::newRow("empty") << "" << 1 << -1LL;
    QTest::newRow("negative") << "-3" << 2 << -1LL;
    QTest::newRow("no number") << "abc" << 0 << -1LL;
    QTest::newRow("4294967296 B") << "4294967296" << 0 << -1LL;
    QTest::newRow("4194304.5 KB") << "4194304.5" << 1 << -1LL;
    QTest::newRow("4096 MB") << "4096" << 2 << -1LL;
    QTest::newRow("4097 MB") << "4097" << 2 << -1LL;
    QTest::newRow("1e308 MB") << "1e308" << 2 << -1LL;
    QTest::newRow("inf B") << "inf" << 0 << -1LL;
    QTest::newRow("inf KB") << "inf" << 1 << -1LL;
    QTest::newRow("nan MB") << "nan" << 2 << -1LL;
    QTest::newRow("0.0005 KB") << "0.0005" << 1 << 0LL;
}

void TestCommands::packageSize()
{
    QFETCH(QString, text);
    QFETCH(int, unit);
    QFETCH(qint64, expected);
    // Three bytes past one package show the exact byte count; huge counts take the file whole.
    const qint64 length = expected > 0 && expected <= 2000000 ? expected + 3 : 5000;
    write("source", pattern(length));
    fill(path("source"), path("out"), text, unit);
    const QStringList before = history();

    BoxAnswerer answerer;
    split(Trigger::Key);

    if (expected > 0) {
        QCOMPARE(answerer.texts(), QStringList());
        QCOMPARE(packages("out"), expectedPackages(length, expected));
        QCOMPARE(history().value(0), text);
        return;
    }
    QCOMPARE(answerer.seen().size(), 1);
    if (expected < 0)
        checkBox(answerer.seen().first(), "Warning", kInvalidSize, QMessageBox::Ok);
    else
        checkBox(answerer.seen().first(), "Error", kUnableToSplit, QMessageBox::Ok);
    QVERIFY(!QFile::exists(path("out.c0")));
    QCOMPARE(history(), before);
    QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
}

// Keys typed as a user types them: 1 must not be completed into the remembered 1457664, and an
// exponent still without digits, which the box lets stand while it is typed, is no size at all.
void TestCommands::splitCutsAtTheSizeAsTyped()
{
    write("source", pattern(8));
    QLineEdit* const edit = window->cboPackageSize->lineEdit();
    BoxAnswerer answerer;
    for (const QString typed : {"1", "5e"}) {
        fill(path("source"), path(typed));
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), typed);
        split();
    }
    QCOMPARE(answerer.texts(), QStringList({kInvalidSize}));
    QCOMPARE(packages("1"), expectedPackages(8, 1));
    QVERIFY(!QFile::exists(path("5e.c0")));
}

void TestCommands::splitRefusesAnInvalidSource_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("empty field") << "";
}

void TestCommands::splitRefusesAnInvalidSource()
{
    QFETCH(QString, source);
    QVERIFY(QDir(dir->path()).mkdir("folder"));
    // An existing set at the destination: the source is checked before anything is asked.
    write("out.c0", "old");
    fill(source.isEmpty() ? QString() : path(source), path("out"), "1");

    BoxAnswerer answerer({QMessageBox::Yes});
    split();

    QCOMPARE(answerer.seen().size(), 1);
    checkBox(answerer.seen().first(), "Warning", kInvalidSource, QMessageBox::Ok);
    QCOMPARE(read("out.c0"), QByteArray("old"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList({"out.c0"}));
    QVERIFY(window->cursorsAtHistory.isEmpty());
}

void TestCommands::splitAsksBeforeReplacingASet_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    // Packages of an old set taken away by hand: with package 0 gone, the rest is no set, but
    // the new set would write over them or run into them and take them in.
    QTest::addColumn<QList<int>>("gone");
    QTest::newRow("Yes") << QMessageBox::Yes << QList<int>();
    QTest::newRow("No") << QMessageBox::No << QList<int>();
    QTest::newRow("leftovers, Yes") << QMessageBox::Yes << QList<int>({0});
    QTest::newRow("leftovers, No") << QMessageBox::No << QList<int>({0});
    QTest::newRow("in the new set's range, Yes") << QMessageBox::Yes << QList<int>({0, 2, 3, 4});
    QTest::newRow("in the new set's range, No") << QMessageBox::No << QList<int>({0, 2, 3, 4});
}

void TestCommands::splitAsksBeforeReplacingASet()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QList<int>, gone);
    const QByteArray data = pattern(10);
    write("source", data);
    writeSet("out", "old packages", 3);
    QCOMPARE(packages("out").size(), 5);
    QList<QByteArray> old;
    for (int index = 0; index < 5; ++index) {
        const QString name = QString("out.c%1").arg(index);
        old.append(read(name));
        if (gone.contains(index))
            QVERIFY(QFile::remove(path(name)));
    }
    fill(path("source"), path("out"), "4");
    const QStringList before = history();

    BoxAnswerer answerer({answer});
    split(Trigger::Mnemonic);

    QCOMPARE(answerer.seen().size(), 1);
    checkBox(
        answerer.seen().first(), "Warning", kPackageExists, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        QCOMPARE(packages("out"), QList<qint64>({4, 4, 2}));
        QVERIFY(!QFile::exists(path("out.c3")));
        QVERIFY(!QFile::exists(path("out.c4")));
        QCOMPARE(read("out.c0") + read("out.c1") + read("out.c2"), data);
        QCOMPARE(history().value(0), QString("4"));
    } else {
        for (int index = 0; index < 5; ++index) {
            const QString name = QString("out.c%1").arg(index);
            QCOMPARE(QFile::exists(path(name)), !gone.contains(index));
            if (!gone.contains(index))
                QCOMPARE(read(name), old.at(index));
        }
        QCOMPARE(history(), before);
    }
    QCOMPARE(read("source"), data);
}

void TestCommands::splitChecksTheSizeOnlyAfterTheQuestion()
{
    write("source", pattern(10));
    write("out.c0", "old");
    fill(path("source"), path("out"), "0.5", 0);

    BoxAnswerer answerer({QMessageBox::Yes});
    split();

    QCOMPARE(answerer.texts(), QStringList({kPackageExists, kInvalidSize}));
    QCOMPARE(read("out.c0"), QByteArray("old"));
    QVERIFY(!QFile::exists(path("out.c1")));
}

void TestCommands::splitReportsAnEngineFailure()
{
    write("source", pattern(10));
    fill(path("source"), path("no such folder/out"), "4");
    const QStringList before = history();

    BoxAnswerer answerer;
    split(Trigger::Key);

    QCOMPARE(answerer.seen().size(), 1);
    checkBox(answerer.seen().first(), "Error", kUnableToSplit, QMessageBox::Ok);
    QCOMPARE(QDir(dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
        QStringList({"source"}));
    QCOMPARE(history(), before);
    QVERIFY(window->cursorsAtHistory.isEmpty());
    QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
}

void TestCommands::splitRecordsTheSizeInTheHistory()
{
    write("source", pattern(10));
    window->cboPackageSize->clear();
    window->cboPackageSize->addItems({"2", "1457664"});
    window->cboPackageSize->setCurrentIndex(0);
    fill(path("source"), path("a"));
    window->cboPackageSize->lineEdit()->selectAll();
    QTest::keyClicks(window->cboPackageSize->lineEdit(), "700");

    BoxAnswerer answerer;
    split();
    QCOMPARE(history(), QStringList({"700", "2", "1457664"}));
    QCOMPARE(window->cboPackageSize->currentIndex(), 0);

    // A size that the list holds already only becomes current, where it stands.
    window->cboPackageSize->setCurrentIndex(2);
    fill(path("source"), path("b"));
    split();
    QCOMPARE(history(), QStringList({"700", "2", "1457664"}));
    QCOMPARE(window->cboPackageSize->currentIndex(), 2);
    QCOMPARE(answerer.texts(), QStringList());
    QCOMPARE(packages("a"), QList<qint64>({10}));
    QCOMPARE(packages("b"), QList<qint64>({10}));
}

void TestCommands::splitRefusesASourceInsideTheSetItReplaces_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("package 0") << "f.c0";
    QTest::newRow("last package") << "f.c2";
    QTest::newRow("hard link to a package") << "hard";
    QTest::newRow("symbolic link to a package") << "soft";
    QTest::newRow("package beyond the set's gap") << "f.c5";
}

// A package at any index is one that the split may remove or rewrite.
void TestCommands::splitRefusesASourceInsideTheSetItReplaces()
{
    QFETCH(QString, source);
    const QByteArray data = pattern(11);
    writeSet("f", data, 4);
    write("f.c5", "stale");
    QCOMPARE(::link(QFile::encodeName(path("f.c1")).constData(),
                 QFile::encodeName(path("hard")).constData()),
        0);
    QVERIFY(QFile::link(path("f.c2"), path("soft")));
    // Choosing a package proposes its own set as the destination.
    window->SetFields(path(source));
    window->txtDestination->setText(path("f"));
    window->cboPackageSize->setEditText("1");

    BoxAnswerer answerer({QMessageBox::Yes});
    split();

    QCOMPARE(answerer.seen().size(), 1);
    checkBox(answerer.seen().first(), "Warning", kOverlap, QMessageBox::Ok);
    QCOMPARE(packages("f"), QList<qint64>({4, 4, 3}));
    QCOMPARE(read("f.c0") + read("f.c1") + read("f.c2"), data);
    QCOMPARE(read("f.c5"), QByteArray("stale"));
}

// A blank base would put hidden packages ".c0", ".c1", ... into the current folder, or packages
// named only with blanks into the one it names.
void TestCommands::splitRefusesABlankDestination()
{
    write("source", "0123456789");
    for (const QString& blank : {QString(), QStringLiteral(" \t "), path("  ")}) {
        fill(path("source"), blank, "4");
        BoxAnswerer answerer({QMessageBox::Yes});
        split();
        QCOMPARE(answerer.texts(), QStringList({kInvalidDestination}));
    }
    QVERIFY(!QFile::exists(".c0"));
    QVERIFY(!QFile::exists(" \t .c0"));
    QVERIFY(!QFile::exists(path("  .c0")));
}

// Timers, like the window system's close button, are handled while the engine works; the close
// they ask for must wait until the set is whole, and then end the program as always.
void TestCommands::closeRequestWaitsForTheCommand()
{
    write("big", QByteArray(96 << 20, 'x'));
    fill(path("big"), path("big"), "1048576");
    int saves = 0;
    bool wholeAtSave = false;
    window->onSave = [&] {
        ++saves;
        wholeAtSave = packages("big").size() == 97;
    };
    QTimer::singleShot(0, window.get(), [this] { split(); });
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    QTimer::singleShot(60000, window.get(), [] { QApplication::exit(1); });

    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(saves, 1);
    QVERIFY(wholeAtSave);
    SettingsSandbox::instance().reset();
}

void TestCommands::buildJoinsTheSet_data()
{
    QTest::addColumn<Trigger>("trigger");
    QTest::addColumn<QString>("source");
    QTest::newRow("button, package 0") << Trigger::Button << "f.c0";
    QTest::newRow("F9, package 3") << Trigger::Key << "f.c3";
    QTest::newRow("Alt+B, last package") << Trigger::Mnemonic << "f.c5";
    QTest::newRow("Task menu, leading zeros") << Trigger::Menu << "f.c002";
}

void TestCommands::buildJoinsTheSet()
{
    QFETCH(Trigger, trigger);
    QFETCH(QString, source);
    const QByteArray data = pattern(23);
    writeSet("f", data, 4);
    QCOMPARE(packages("f").size(), 6);
    fill(path(source), path("joined"), "abc", 2);

    BoxAnswerer answerer;
    build(trigger);

    QCOMPARE(answerer.texts(), QStringList());
    QCOMPARE(read("joined"), data);
    QCOMPARE(packages("f").size(), 6);
    QCOMPARE(history(), QStringList({"1457664"}));
    QCOMPARE(window->cboPackageSize->currentText(), QString("abc"));
    QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
}

void TestCommands::buildRefusesAnInvalidSource_data()
{
    QTest::addColumn<QString>("source");
    QTest::newRow("no package extension") << "f.txt";
    QTest::newRow("upper-case C") << "f.C0";
    QTest::newRow("set without package 0") << "g.c1";
    QTest::newRow("missing set") << "h.c0";
    QTest::newRow("empty field") << "";
}

void TestCommands::buildRefusesAnInvalidSource()
{
    QFETCH(QString, source);
    write("f.txt", "text");
    write("f.C0", "upper");
    write("g.c1", "one");
    write("out", "keep");
    fill(source.isEmpty() ? QString() : path(source), path("out"));

    BoxAnswerer answerer({QMessageBox::Yes});
    build(Trigger::Key);

    QCOMPARE(answerer.seen().size(), 1);
    checkBox(answerer.seen().first(), "Warning", kNoPackage, QMessageBox::Ok);
    QCOMPARE(read("out"), QByteArray("keep"));
}

void TestCommands::buildAsksBeforeReplacingAFile_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("Yes") << QMessageBox::Yes;
    QTest::newRow("No") << QMessageBox::No;
}

void TestCommands::buildAsksBeforeReplacingAFile()
{
    QFETCH(QMessageBox::StandardButton, answer);
    const QByteArray data = pattern(9);
    writeSet("f", data, 4);
    const QByteArray old = pattern(100).right(50);
    write("f", old);
    window->SetFields(path("f.c1"));
    QCOMPARE(window->txtDestination->text(), path("f"));

    BoxAnswerer answerer({answer});
    build(Trigger::Mnemonic);

    QCOMPARE(answerer.seen().size(), 1);
    checkBox(answerer.seen().first(), "Warning", kFileExists, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(read("f"), answer == QMessageBox::Yes ? data : old);
}

void TestCommands::buildRefusesADestinationThatCannotBeCreated_data()
{
    QTest::addColumn<QString>("destination");
    QTest::newRow("missing folder") << "no such folder/out";
    QTest::newRow("a folder") << "folder";
}

void TestCommands::buildRefusesADestinationThatCannotBeCreated()
{
    QFETCH(QString, destination);
    QVERIFY(QDir(dir->path()).mkdir("folder"));
    writeSet("f", pattern(9), 4);
    fill(path("f.c0"), path(destination));

    BoxAnswerer answerer;
    build();

    QCOMPARE(answerer.seen().size(), 1);
    checkBox(answerer.seen().first(), "Warning", kInvalidDestination, QMessageBox::Ok);
    QVERIFY(!QFile::exists(path("no such folder")));
    QVERIFY(QFileInfo(path("folder")).isDir());
}

void TestCommands::buildReportsAnEngineFailure()
{
    // A device that takes no byte: it can be opened, so only the join itself can fail.
    if (!QFileInfo::exists("/dev/full"))
        QSKIP("this system has no /dev/full");
    writeSet("f", pattern(9), 4);
    fill(path("f.c0"), "/dev/full");

    BoxAnswerer answerer;
    build();

    QCOMPARE(answerer.seen().size(), 1);
    checkBox(answerer.seen().first(), "Error", kUnableToBuild, QMessageBox::Ok);
    QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
}

void TestCommands::buildRefusesADestinationInsideTheSet_data()
{
    QTest::addColumn<QString>("destination");
    QTest::newRow("package 0") << "f.c0";
    QTest::newRow("the source itself") << "f.c1";
    QTest::newRow("last package") << "f.c2";
    QTest::newRow("hard link to a package") << "hard";
    QTest::newRow("symbolic link to a package") << "soft";
    QTest::newRow("next free index") << "f.c3";
    QTest::newRow("beyond the set's gap") << "f.c5";
}

// A destination named as a package at any index would read itself or pass for part of the set.
void TestCommands::buildRefusesADestinationInsideTheSet()
{
    QFETCH(QString, destination);
    const QByteArray data = pattern(11);
    writeSet("f", data, 4);
    write("f.c5", "stale");
    QCOMPARE(::link(QFile::encodeName(path("f.c2")).constData(),
                 QFile::encodeName(path("hard")).constData()),
        0);
    QVERIFY(QFile::link(path("f.c0"), path("soft")));
    fill(path("f.c1"), path(destination));

    BoxAnswerer answerer({QMessageBox::Yes});
    build();

    QCOMPARE(answerer.seen().size(), 1);
    checkBox(answerer.seen().first(), "Warning", kOverlap, QMessageBox::Ok);
    QCOMPARE(packages("f"), QList<qint64>({4, 4, 3}));
    QCOMPARE(read("f.c0") + read("f.c1") + read("f.c2"), data);
    QCOMPARE(read("f.c5"), QByteArray("stale"));
}

void TestCommands::ownCursorIsPutBack_data()
{
    QTest::addColumn<bool>("isSplit");
    QTest::addColumn<bool>("succeeds");
    QTest::newRow("split done") << true << true;
    QTest::newRow("split failed") << true << false;
    QTest::newRow("build done") << false << true;
    QTest::newRow("build failed") << false << false;
}

void TestCommands::ownCursorIsPutBack()
{
    QFETCH(bool, isSplit);
    QFETCH(bool, succeeds);
    writeSet("f", pattern(9), 4);
    write("source", pattern(9));
    const QString failing = isSplit ? path("no such folder/out") : QString("/dev/full");
    if (isSplit)
        fill(path("source"), succeeds ? path("out") : failing, "4");
    else
        fill(path("f.c0"), succeeds ? path("out") : failing);
    window->setCursor(Qt::CrossCursor);

    BoxAnswerer answerer;
    isSplit ? split() : build();

    QCOMPARE(answerer.seen().size(), succeeds ? 0 : 1);
    if (!succeeds)
        QCOMPARE(answerer.seen().first().parentCursor, Qt::CrossCursor);
    QCOMPARE(window->cursor().shape(), Qt::CrossCursor);
}

void TestCommands::namesInUtf8SplitAndBuild()
{
    const QString name = QString::fromUtf8("Žluťoučký kůň 文件.bin");
    const QByteArray data = pattern(10);
    write(name, data);
    window->SetFields(path(name));
    window->cboPackageSize->setEditText("4");

    BoxAnswerer answerer({QMessageBox::Yes});
    split(Trigger::Key);
    QCOMPARE(packages(name), QList<qint64>({4, 4, 2}));

    window->SetFields(path(name + ".c2"));
    QCOMPARE(window->txtDestination->text(), path(name));
    QVERIFY(QFile::remove(path(name)));
    build(Trigger::Key);
    QCOMPARE(read(name), data);
    QCOMPARE(answerer.texts(), QStringList());
}

WINDOW_TEST_MAIN(TestCommands)
#include "tst_commands.moc"
