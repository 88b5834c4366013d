// What a screen reader is told about the unit box: its current item as focused when the box takes
// the focus and on every change made in it, which Orca says; nothing for a change made while the
// box has no focus (Clear, the settings). What Orca says of it is checked by tests/e2e/speech.sh.

#include "formmain_fixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

class TestCurrentItem : public QObject
{
    Q_OBJECT

    std::unique_ptr<ProbeWindow> window;
    // The items announced as focused since the last look, by their spoken names.
    static QStringList announced;

    static void record(QAccessibleEvent* event)
    {
        QAccessibleInterface* const face = event->accessibleInterface();
        if (event->type() == QAccessible::Focus && face && face->role() == QAccessible::ListItem)
            announced << face->text(QAccessible::Name);
    }

    // Lets the queued announcement of a focus change run, and hands over what was announced.
    QStringList take()
    {
        QCoreApplication::processEvents();
        return std::exchange(announced, {});
    }

private slots:
    void initTestCase()
    {
        // Qt sends accessibility events only where a screen reader can listen: on X11 with the
        // accessibility bus (tests/e2e/speech.sh runs this test so), never offscreen.
        // The bridge to the bus turns on once it has reached it.
        if (QGuiApplication::platformName() == QLatin1String("offscreen")
            || !QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000))
            QSKIP("no accessibility bus: tests/e2e/speech.sh runs this test on X11 with one");
    }

    void init()
    {
        window = std::make_unique<ProbeWindow>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QAccessible::installUpdateHandler(record);
        window->cboPackageSize->setFocus();
        take();
    }

    void cleanup()
    {
        QAccessible::installUpdateHandler(nullptr);
        window.reset();
        SettingsSandbox::instance().reset();
    }

    void unitIsSaidOnFocusAndOnEveryChange()
    {
        QTest::keyClick(window->cboPackageSize->lineEdit(), Qt::Key_Tab);
        QVERIFY(window->cboUnits->hasFocus());
        QCOMPARE(take(), QStringList {"B (Bytes)"});

        QTest::keyClick(window->cboUnits, Qt::Key_Down);
        QCOMPARE(take(), QStringList {"KB (Kilo)"});
        QTest::keyClick(window->cboUnits, Qt::Key_Down);
        QCOMPARE(take(), QStringList {"MB (Mega)"});
        QTest::keyClick(window->cboUnits, Qt::Key_Up);
        QCOMPARE(take(), QStringList {"KB (Kilo)"});
        // The focus itself stays with the box, so Tab goes on from there.
        QVERIFY(window->cboUnits->hasFocus());
        QTest::keyClick(window->cboUnits, Qt::Key_Tab);
        QVERIFY(window->btnClear->hasFocus());
        QCOMPARE(take(), QStringList());
    }

    void changeWithoutFocusIsNotAnnounced()
    {
        window->cboUnits->setCurrentIndex(2);
        QCOMPARE(take(), QStringList());
        window->cboUnits->setFocus();
        QCOMPARE(take(), QStringList {"MB (Mega)"});
    }
};

QStringList TestCurrentItem::announced;

WINDOW_TEST_MAIN(TestCurrentItem)
#include "tst_currentitem.moc"
