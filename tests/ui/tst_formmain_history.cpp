// The package-size history: adding sizes without repeating them, loading a stored list, and the
// normal form of a number text that makes equal sizes one entry.

#include "formmain_fixture.h"

#include "NumStrA.h"

#include <QComboBox>

#include <memory>

class TestFormMainHistory : public QObject
{
    Q_OBJECT

    std::unique_ptr<FormMain> window;
    std::unique_ptr<QComboBox> box;

    void fill(const QStringList& items, int current)
    {
        box->clear();
        box->addItems(items);
        box->setCurrentIndex(current);
    }

private slots:
    void init()
    {
        window = std::make_unique<FormMain>();
        box = std::make_unique<QComboBox>();
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
    }

    void cleanup()
    {
        box.reset();
        window.reset();
        SettingsSandbox::instance().reset();
    }

    void normalForm_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* text, const char* expected) {
            QTest::newRow(text) << QByteArray(text) << QString(expected);
        };
        row("1457664", "1457664");
        row("0700", "700");
        row("700.500", "700.5");
        row("2.5e3", "2500");
        row("-3", "-3");
        row("0.25", "0.25");
        row(" 12abc", "12");
        row("", "0");
        row("abc", "0");
        row("0", "0");
        row("-0", "0");
        row("1.44", "1.44");
        row("4294967296", "4294967296");
        row("1e22", "10000000000000000000000");
    }

    void normalForm()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        QCOMPARE(window->GetNumStr(text.constData()), expected);
    }

    void equalValuesShareOneText_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        const auto row = [](const char* first, const char* second) {
            QTest::newRow(first) << QByteArray(first) << QByteArray(second);
        };
        row("1.44", "1.440");
        row("0.1", ".1000");
        row("1e-300", "0.1e-299");
        row("3.3333333333333333", "3.33333333333333330");
        row("1.7976931348623157e308", "17976931348623157e292");
    }

    // The text must also read back as the very value it came from, so that nothing a user stored
    // changes its size on the next run.
    void equalValuesShareOneText()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        const QString text = window->GetNumStr(first.constData());
        QCOMPARE(window->GetNumStr(second.constData()), text);
        QCOMPARE(StrToNumA<double>(text.toStdString()), StrToNumA<double>(first.toStdString()));
    }

    void addInsertsNewTextAtIndex_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("current");
        QTest::newRow("top") << 0 << QStringList({"4096", "a", "b", "c"}) << 0;
        QTest::newRow("middle") << 2 << QStringList({"a", "b", "4096", "c"}) << 2;
        QTest::newRow("end") << 3 << QStringList({"a", "b", "c", "4096"}) << 3;
        QTest::newRow("past the end") << 7 << QStringList({"a", "b", "c", "4096"}) << 3;
        QTest::newRow("negative") << -1 << QStringList({"a", "b", "c", "4096"}) << 3;
    }

    void addInsertsNewTextAtIndex()
    {
        QFETCH(int, index);
        QFETCH(QStringList, expected);
        QFETCH(int, current);
        fill({"a", "b", "c"}, 1);
        window->AddUniqueComboListItem(box.get(), "4096", index);
        QCOMPARE(window->GetComboList(box.get()), expected);
        QCOMPARE(box->currentIndex(), current);
    }

    // The split records the size the box shows; a size already there becomes current in place.
    void addTakesTheShownText()
    {
        fill({"2", "1457664"}, 0);
        box->setEditText("1457664");
        window->AddUniqueComboListItem(box.get(), 0);
        QCOMPARE(window->GetComboList(box.get()), QStringList({"2", "1457664"}));
        QCOMPARE(box->currentIndex(), 1);

        box->setEditText("1457664.0");
        window->AddUniqueComboListItem(box.get(), 0);
        QCOMPARE(window->GetComboList(box.get()), QStringList({"1457664.0", "2", "1457664"}));
        QCOMPARE(box->currentIndex(), 0);
    }

    void setNormalisesAndDropsRepeats_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("repeat") << QStringList({"2", "1457664", "2"})
                                << QStringList({"2", "1457664"});
        QTest::newRow("same value") << QStringList({"700.500", "700.5"}) << QStringList({"700.5"});
        QTest::newRow("order kept")
            << QStringList({"0700", "2.5e3", "abc", "0"}) << QStringList({"700", "2500", "0"});
        QTest::newRow("empty") << QStringList() << QStringList();
        // 2^53 + 1 has no double of its own: it is 2^53 once read.
        QTest::newRow("long whole numbers") << QStringList(
            {"9007199254740993", "9007199254740992", "999999999999999", "0999999999999999"})
                                            << QStringList({"9007199254740992", "999999999999999"});
    }

    void setNormalisesAndDropsRepeats()
    {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, expected);
        fill({"old", "older"}, 1);
        window->SetComboList(box.get(), stored);
        QCOMPARE(window->GetComboList(box.get()), expected);
        QCOMPARE(box->currentIndex(), expected.isEmpty() ? -1 : 0);
        QCOMPARE(box->currentText(), expected.value(0));
    }
};

WINDOW_TEST_MAIN(TestFormMainHistory)
#include "tst_formmain_history.moc"
