// Where a larger window puts its extra space: height above the command buttons, width into the
// path fields and the package size, with the command buttons held at the bottom right.

#include "formmain_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <map>

namespace {

QRect geometryInCentral(const FormMain& window, const QWidget* widget)
{
    return QRect(widget->mapTo(window.centralWidget(), QPoint(0, 0)), widget->size());
}

} // namespace

class TestFormMainResizing : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SettingsSandbox::instance().reset(); }

    void extraSpace_data()
    {
        QTest::addColumn<QSize>("extra");
        QTest::newRow("taller") << QSize(0, 150);
        QTest::newRow("wider") << QSize(200, 0);
        QTest::newRow("both") << QSize(120, 90);
    }

    void extraSpace()
    {
        QFETCH(QSize, extra);
        FormMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Each group gets the extra space its own way: wider, moved right, or moved both ways.
        const QList<const QWidget*> widening = {window.gboxSplitBuild, window.gboxSplitOptions,
            window.txtSource, window.txtDestination, window.cboPackageSize};
        const QList<const QWidget*> keepingWidth = {window.cboUnits, window.btnClear};
        const QList<const QWidget*> commands = {window.btnSplit, window.btnBuild, window.btnExit};
        std::map<const QWidget*, QRect> before;
        for (const auto& group : {widening, keepingWidth, commands})
            for (const QWidget* widget : group)
                before[widget] = geometryInCentral(window, widget);

        const QSize larger = window.size() + extra;
        window.resize(larger);
        QTRY_COMPARE(window.size(), larger);
        QTRY_COMPARE(geometryInCentral(window, window.btnExit),
            before[window.btnExit].translated(extra.width(), extra.height()));

        for (const QWidget* widget : widening)
            QCOMPARE(
                geometryInCentral(window, widget), before[widget].adjusted(0, 0, extra.width(), 0));
        for (const QWidget* widget : keepingWidth)
            QCOMPARE(
                geometryInCentral(window, widget), before[widget].translated(extra.width(), 0));
        for (const QWidget* widget : commands)
            QCOMPARE(geometryInCentral(window, widget),
                before[widget].translated(extra.width(), extra.height()));

        // The command row stays in the bottom right corner, as far from it as the boxes are from
        // the top left one.
        const QRect central = window.centralWidget()->rect();
        const QRect exit = geometryInCentral(window, window.btnExit);
        const QPoint margin = geometryInCentral(window, window.gboxSplitBuild).topLeft();
        QCOMPARE(central.right() - exit.right(), margin.x());
        QCOMPARE(central.bottom() - exit.bottom(), margin.y());
    }
};

WINDOW_TEST_MAIN(TestFormMainResizing)
#include "tst_formmain_resizing.moc"
