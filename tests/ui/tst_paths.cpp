#include "formmain.h"
#include "formmain_fixture.h"
#include "testsupport.h"

#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

// Answers the next modal file dialog: picks `choice`, or cancels when it is empty, and notes where
// the dialog started.
class FileDialogAnswerer : public ModalAnswerer<QFileDialog>
{
public:
    explicit FileDialogAnswerer(QString pick) : choice(std::move(pick)) { }

    bool seen = false;
    QString startDirectory;
    QStringList startSelection;

private:
    void answer(QFileDialog* dialog) override
    {
        if (seen)
            return;
        seen = true;
        startDirectory = dialog->directory().absolutePath();
        startSelection = dialog->selectedFiles();
        if (choice.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(choice);
        static_cast<QDialog*>(dialog)->accept();
    }

    const QString choice;
};

} // namespace

class TestPaths : public QObject, private WindowWithFolder<FormMain>
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void setFieldsProposesADestination_data();
    void setFieldsProposesADestination();
    void sourceDialogFillsBothFields();
    void destinationDialogFillsOnlyTheDestination();
    void dragEnterTakesOnlyUrlLists_data();
    void dragEnterTakesOnlyUrlLists();
    void dropTakesTheFirstLocalFile_data();
    void dropTakesTheFirstLocalFile();
    void dropLeavesTheDialogsStartAlone();
    void dropOnAFieldIsADropOnTheWindow_data();
    void dropOnAFieldIsADropOnTheWindow();
    void textDroppedOnAFieldStaysText();
    void clearResetsTheSplitOptions_data();
    void clearResetsTheSplitOptions();

private:
    void touch(const QString& name) const;
    bool drop(QMimeData& data);
    bool dropOn(QWidget* field, QMimeData& data);
    void fields(const QString& source, const QString& destination) const;
};

void TestPaths::init()
{
    QVERIFY(openWindow());
}

void TestPaths::cleanup()
{
    closeWindow();
}

void TestPaths::touch(const QString& name) const
{
    QFile file(path(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// Drags `data` over the window and drops it; returns whether the drag was taken at the door.
bool TestPaths::drop(QMimeData& data)
{
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(window.get(), &enter);
    QDropEvent dropped(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window.get(), &dropped);
    return enter.isAccepted();
}

// Drags `data` over a path field, as the window hands it on to the widget under the mouse, and
// drops it there; returns whether the drag was taken.
bool TestPaths::dropOn(QWidget* field, QMimeData& data)
{
    const QPoint at = field->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QCoreApplication::sendEvent(field, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    move.setAccepted(enter.isAccepted());
    QCoreApplication::sendEvent(field, &move);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &dropped);
    return enter.isAccepted() && move.isAccepted();
}

void TestPaths::fields(const QString& source, const QString& destination) const
{
    window->txtSource->setText(source);
    window->txtDestination->setText(destination);
}

void TestPaths::setFieldsProposesADestination_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("destination");

    QTest::newRow("plain file") << QStringList {"film.avi"} << "film.avi"
                                << "film.avi";
    QTest::newRow("package of a set")
        << QStringList {"film.avi.c0", "film.avi.c1", "film.avi.c3"} << "film.avi.c3"
        << "film.avi";
    QTest::newRow("package without package 0")
        << QStringList {"film.avi.c1", "film.avi.c3"} << "film.avi.c3"
        << "film.avi.c3";
    QTest::newRow("extension that is no package")
        << QStringList {"notes.cfg", "notes.c0"} << "notes.cfg"
        << "notes.cfg";
    QTest::newRow("missing file") << QStringList() << "gone.c0"
                                  << "gone.c0";
    QTest::newRow("name in UTF-8")
        << QStringList {QString::fromUtf8("Žluťoučký 文件.c0"),
               QString::fromUtf8("Žluťoučký 文件.c1")}
        << QString::fromUtf8("Žluťoučký 文件.c1") << QString::fromUtf8("Žluťoučký 文件");
}

void TestPaths::setFieldsProposesADestination()
{
    QFETCH(QStringList, files);
    QFETCH(QString, chosen);
    QFETCH(QString, destination);
    for (const QString& name : files)
        touch(name);

    window->SetFields(path(chosen));

    QCOMPARE(window->txtSource->text(), path(chosen));
    QCOMPARE(window->txtDestination->text(), path(destination));
}

void TestPaths::sourceDialogFillsBothFields()
{
    touch("film.avi.c0");
    touch("film.avi.c3");
    touch("other");
    const QString home = QDir::homePath();

    FileDialogAnswerer first(path("film.avi.c3"));
    QTest::mouseClick(window->btnSource, Qt::LeftButton);
    QVERIFY(first.seen);
    QCOMPARE(first.startDirectory, home);
    QCOMPARE(window->txtSource->text(), path("film.avi.c3"));
    QCOMPARE(window->txtDestination->text(), path("film.avi"));

    // Cancelling changes nothing, and the next dialog still starts at the last choice.
    FileDialogAnswerer cancelled {QString()};
    QVERIFY(pressMnemonic(window.get(), window->btnSource, Qt::Key_O));
    QVERIFY(cancelled.seen);
    QCOMPARE(cancelled.startDirectory, dir->path());
    QCOMPARE(cancelled.startSelection, QStringList {path("film.avi.c3")});
    QCOMPARE(window->txtSource->text(), path("film.avi.c3"));
    QCOMPARE(window->txtDestination->text(), path("film.avi"));

    FileDialogAnswerer third(path("other"));
    QTest::mouseClick(window->btnSource, Qt::LeftButton);
    QCOMPARE(third.startSelection, QStringList {path("film.avi.c3")});
    QCOMPARE(window->txtSource->text(), path("other"));
    QCOMPARE(window->txtDestination->text(), path("other"));

    // The destination dialog keeps its own start.
    FileDialogAnswerer destination {QString()};
    QTest::mouseClick(window->btnDestination, Qt::LeftButton);
    QCOMPARE(destination.startDirectory, home);
}

void TestPaths::destinationDialogFillsOnlyTheDestination()
{
    touch("film.avi.c0");
    fields("source text", "destination text");

    // An existing file is taken without a question: Build asks before it replaces anything.
    BoxAnswerer boxes;
    FileDialogAnswerer chosen(path("film.avi.c0"));
    QVERIFY(pressMnemonic(window.get(), window->btnDestination, Qt::Key_A));
    QVERIFY(chosen.seen);
    QCOMPARE(chosen.startDirectory, QDir::homePath());
    QCOMPARE(boxes.texts(), QStringList());
    QCOMPARE(window->txtSource->text(), QString("source text"));
    QCOMPARE(window->txtDestination->text(), path("film.avi.c0"));

    FileDialogAnswerer cancelled {QString()};
    QTest::mouseClick(window->btnDestination, Qt::LeftButton);
    QVERIFY(cancelled.seen);
    QCOMPARE(cancelled.startSelection, QStringList {path("film.avi.c0")});
    QCOMPARE(window->txtDestination->text(), path("film.avi.c0"));

    FileDialogAnswerer source {QString()};
    QTest::mouseClick(window->btnSource, Qt::LeftButton);
    QCOMPARE(source.startDirectory, QDir::homePath());
}

void TestPaths::dragEnterTakesOnlyUrlLists_data()
{
    QTest::addColumn<bool>("urls");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("file URL") << true << true;
    QTest::newRow("plain text") << false << false;
}

void TestPaths::dragEnterTakesOnlyUrlLists()
{
    QFETCH(bool, urls);
    QFETCH(bool, accepted);
    touch("film.avi");
    fields("before", "after");
    QMimeData data;
    if (urls)
        data.setUrls({QUrl::fromLocalFile(path("film.avi"))});
    else
        data.setText(path("film.avi"));

    QCOMPARE(drop(data), accepted);
    QCOMPARE(window->txtSource->text(), urls ? path("film.avi") : QString("before"));
}

void TestPaths::dropTakesTheFirstLocalFile_data()
{
    // Entries with a scheme are taken as URLs, the others as names in the test folder.
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");

    QTest::newRow("one file") << QStringList {"film.avi"} << "film.avi"
                              << "film.avi";
    QTest::newRow("several files")
        << QStringList {"notes.cfg", "film.avi", "film.avi.c1"} << "notes.cfg"
        << "notes.cfg";
    QTest::newRow("package of a set") << QStringList {"film.avi.c1"} << "film.avi.c1"
                                      << "film.avi";
    QTest::newRow("missing file") << QStringList {"gone"} << "gone"
                                  << "gone";
    QTest::newRow("name in UTF-8")
        << QStringList {QString::fromUtf8("Žluťoučký 文件")} << QString::fromUtf8("Žluťoučký 文件")
        << QString::fromUtf8("Žluťoučký 文件");
    QTest::newRow("folder") << QStringList {"folder"} << QString() << QString();
    QTest::newRow("folder before a file")
        << QStringList {"folder", "film.avi"} << QString() << QString();
    QTest::newRow("empty list") << QStringList() << QString() << QString();
    QTest::newRow("remote URL") << QStringList {"https://example.invalid/film.avi"} << QString()
                                << QString();
    QTest::newRow("remote URL before a file")
        << QStringList {"https://example.invalid/film.avi", "film.avi"} << QString() << QString();
}

void TestPaths::dropTakesTheFirstLocalFile()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, source);
    QFETCH(QString, destination);
    touch("film.avi");
    touch("film.avi.c0");
    touch("film.avi.c1");
    touch("notes.cfg");
    touch(QString::fromUtf8("Žluťoučký 文件"));
    QVERIFY(QDir(dir->path()).mkdir("folder"));
    fields("before", "after");

    QList<QUrl> urls;
    for (const QString& entry : entries)
        urls << (entry.contains(':') ? QUrl(entry) : QUrl::fromLocalFile(path(entry)));
    QMimeData data;
    data.setUrls(urls);
    drop(data);

    QCOMPARE(window->txtSource->text(), source.isNull() ? QString("before") : path(source));
    QCOMPARE(window->txtDestination->text(),
        destination.isNull() ? QString("after") : path(destination));
}

void TestPaths::dropLeavesTheDialogsStartAlone()
{
    touch("film.avi");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path("film.avi"))});
    drop(data);
    QCOMPARE(window->txtSource->text(), path("film.avi"));

    FileDialogAnswerer dialog {QString()};
    QTest::mouseClick(window->btnSource, Qt::LeftButton);
    QVERIFY(dialog.seen);
    QCOMPARE(dialog.startDirectory, QDir::homePath());
}

void TestPaths::dropOnAFieldIsADropOnTheWindow_data()
{
    // The URI list as a file manager offers it, each name encoded.
    QTest::addColumn<bool>("onSource");
    QTest::addColumn<QByteArrayList>("uris");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::newRow("Source: blank in the name")
        << true << QByteArrayList {"my%20film.avi"} << "my film.avi"
        << "my film.avi";
    QTest::newRow("Destination: a package proposes its base")
        << false << QByteArrayList {"film.avi.c1"} << "film.avi.c1"
        << "film.avi";
    QTest::newRow("Source: percent sign and UTF-8")
        << true << QByteArrayList {"100%25%20%C5%BDlu%C5%A5ou%C4%8Dk%C3%BD"}
        << QString::fromUtf8("100% Žluťoučký") << QString::fromUtf8("100% Žluťoučký");
    // A second drop replaces the first instead of going into the middle of it.
    QTest::newRow("Source: two drops in turn")
        << true << QByteArrayList {"film.avi", "my%20film.avi"} << "my film.avi"
        << "my film.avi";
    QTest::newRow("Destination: a folder changes nothing")
        << false << QByteArrayList {"folder"} << QString() << QString();
}

void TestPaths::dropOnAFieldIsADropOnTheWindow()
{
    QFETCH(bool, onSource);
    QFETCH(QByteArrayList, uris);
    QFETCH(QString, source);
    QFETCH(QString, destination);
    for (const char* name : {"film.avi", "film.avi.c0", "film.avi.c1", "my film.avi"})
        touch(name);
    touch(QString::fromUtf8("100% Žluťoučký"));
    QVERIFY(QDir(dir->path()).mkdir("folder"));
    fields("before", "after");
    QLineEdit* const field = onSource ? window->txtSource : window->txtDestination;

    const QByteArray folder = QUrl::fromLocalFile(dir->path()).toEncoded() + '/';
    for (const QByteArray& uri : uris) {
        QMimeData data;
        data.setData("text/uri-list", folder + uri + "\r\n");
        data.setText(QString::fromLatin1(folder + uri));
        QVERIFY(dropOn(field, data));
    }

    QCOMPARE(window->txtSource->text(), source.isNull() ? QString("before") : path(source));
    QCOMPARE(window->txtDestination->text(),
        destination.isNull() ? QString("after") : path(destination));
}

// A field stays a text field: text and web links dropped on it are its own.
void TestPaths::textDroppedOnAFieldStaysText()
{
    fields("", "after");
    QMimeData text;
    text.setText("typed elsewhere");
    QVERIFY(dropOn(window->txtSource, text));
    QCOMPARE(window->txtSource->text(), QString("typed elsewhere"));

    fields("", "after");
    QMimeData link;
    link.setUrls({QUrl("https://example.invalid/film.avi")});
    link.setText("https://example.invalid/film.avi");
    QVERIFY(dropOn(window->txtSource, link));
    QCOMPARE(window->txtSource->text(), QString("https://example.invalid/film.avi"));
    QCOMPARE(window->txtDestination->text(), QString("after"));
}

void TestPaths::clearResetsTheSplitOptions_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("button") << false;
    QTest::newRow("Alt+C") << true;
}

void TestPaths::clearResetsTheSplitOptions()
{
    QFETCH(bool, byKey);
    window->cboPackageSize->clear();
    window->cboPackageSize->addItems({"700", "2", "1457664"});
    window->cboPackageSize->setEditText("33");
    window->cboUnits->setCurrentIndex(2);
    fields("source text", "destination text");

    if (byKey)
        QVERIFY(pressMnemonic(window.get(), window->btnClear, Qt::Key_C));
    else
        QTest::mouseClick(window->btnClear, Qt::LeftButton);

    QCOMPARE(window->cboPackageSize->count(), 1);
    QCOMPARE(window->cboPackageSize->itemText(0), QString("1457664"));
    QCOMPARE(window->cboPackageSize->currentText(), QString("1457664"));
    QCOMPARE(window->cboUnits->currentIndex(), 0);
    QCOMPARE(window->cboUnits->count(), 3);
    QCOMPARE(window->txtSource->text(), QString("source text"));
    QCOMPARE(window->txtDestination->text(), QString("destination text"));
}

WINDOW_TEST_MAIN(TestPaths)
#include "tst_paths.moc"
