// The window driven from the keyboard: function keys, button accelerators, the menus' letters,
// label mnemonics, the tab chain, and Enter in the package-size field.

#include "formmain_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

class TestFormMainKeyboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProbeWindow> window;

    // Shortcuts reach only the active window.
    bool showActive()
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    QList<int> counts() const
    {
        return {window->splits, window->builds, window->manuals, window->sources,
            window->destinations, window->clears, window->closes, window->abouts};
    }

private slots:
    void init()
    {
        window = std::make_unique<ProbeWindow>();
        QVERIFY(showActive());
    }

    void cleanup()
    {
        window.reset();
        SettingsSandbox::instance().reset();
    }

    void keysRunCommands_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QList<int>>("expected");
        // Counts in the order split, build, manual, source, destination, clear, close, about.
        QTest::newRow("F8") << QKeySequence("F8") << QList<int> {1, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("Alt+S") << QKeySequence("Alt+S") << QList<int> {1, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("F9") << QKeySequence("F9") << QList<int> {0, 1, 0, 0, 0, 0, 0, 0};
        QTest::newRow("Alt+B") << QKeySequence("Alt+B") << QList<int> {0, 1, 0, 0, 0, 0, 0, 0};
        QTest::newRow("F1") << QKeySequence("F1") << QList<int> {0, 0, 1, 0, 0, 0, 0, 0};
        QTest::newRow("Alt+O") << QKeySequence("Alt+O") << QList<int> {0, 0, 0, 1, 0, 0, 0, 0};
        QTest::newRow("Alt+A") << QKeySequence("Alt+A") << QList<int> {0, 0, 0, 0, 1, 0, 0, 0};
        QTest::newRow("Alt+C") << QKeySequence("Alt+C") << QList<int> {0, 0, 0, 0, 0, 1, 0, 0};
        QTest::newRow("Ctrl+Q") << QKeySequence("Ctrl+Q") << QList<int> {0, 0, 0, 0, 0, 0, 1, 0};
        QTest::newRow("Alt+X") << QKeySequence("Alt+X") << QList<int> {0, 0, 0, 0, 0, 0, 1, 0};
    }

    void keysRunCommands()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QList<int>, expected);
        window->txtSource->setFocus();
        QTest::keySequence(window.get(), keys);
        // A button's accelerator clicks it after a short animation.
        QTRY_COMPARE(counts(), expected);
        QTest::qWait(200);
        QCOMPARE(counts(), expected);
    }

    // The menus from the keyboard: a title's letter opens its menu, an entry's letter runs it.
    void menuLettersRunCommands_data()
    {
        QTest::addColumn<QKeySequence>("menu");
        QTest::addColumn<Qt::Key>("entry");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("Task > Split")
            << QKeySequence("Alt+T") << Qt::Key_S << QList<int> {1, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("Task > Build")
            << QKeySequence("Alt+T") << Qt::Key_B << QList<int> {0, 1, 0, 0, 0, 0, 0, 0};
        QTest::newRow("Help > Manual")
            << QKeySequence("Alt+H") << Qt::Key_M << QList<int> {0, 0, 1, 0, 0, 0, 0, 0};
        QTest::newRow("File > Exit")
            << QKeySequence("Alt+F") << Qt::Key_X << QList<int> {0, 0, 0, 0, 0, 0, 1, 0};
        QTest::newRow("Help > About")
            << QKeySequence("Alt+H") << Qt::Key_A << QList<int> {0, 0, 0, 0, 0, 0, 0, 1};
    }

    void menuLettersRunCommands()
    {
        QFETCH(QKeySequence, menu);
        QFETCH(Qt::Key, entry);
        QFETCH(QList<int>, expected);
        window->txtSource->setFocus();
        QTest::keySequence(window.get(), menu);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), entry);
        QTRY_COMPARE(counts(), expected);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    }

    void mnemonicsMoveFocus_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("target");
        QTest::newRow("Alt+U") << QKeySequence("Alt+U") << "txtSource";
        QTest::newRow("Alt+D") << QKeySequence("Alt+D") << "txtDestination";
        QTest::newRow("Alt+P") << QKeySequence("Alt+P") << "cboPackageSize";
    }

    void mnemonicsMoveFocus()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, target);
        window->btnExit->setFocus();
        QTest::keySequence(window.get(), keys);
        const QWidget* widget = window->findChild<QWidget*>(target);
        QTRY_VERIFY(widget->hasFocus());
    }

    void tabVisitsFieldsInOrder()
    {
        const QList<QWidget*> chain = {window->txtSource, window->btnSource, window->txtDestination,
            window->btnDestination, window->cboPackageSize, window->cboUnits, window->btnClear,
            window->btnSplit, window->btnBuild, window->btnExit};
        window->txtSource->setFocus();
        QTRY_VERIFY(window->txtSource->hasFocus());
        for (int i = 1; i < chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(chain.at(i)->hasFocus(), qPrintable(chain.at(i)->objectName()));
        }
    }

    void enterInPackageSizeAddsNoItem()
    {
        QLineEdit* edit = window->cboPackageSize->lineEdit();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "2048");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(window->GetComboList(window->cboPackageSize), QStringList({"1457664"}));
        QCOMPARE(window->cboPackageSize->currentText(), QString("2048"));
        QCOMPARE(counts(), QList<int>({0, 0, 0, 0, 0, 0, 0, 0}));
    }
};

WINDOW_TEST_MAIN(TestFormMainKeyboard)
#include "tst_formmain_keyboard.moc"
