// What the window is made of: widgets and where they sit, texts, tool tips, menus, actions, and
// which command each button and menu entry runs.

#include "formmain_fixture.h"
#include "mimesourcefactory.h"

#include <QAccessible>

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

QString cellText(const QGridLayout* grid, const QWidget* widget)
{
    const int index = grid->indexOf(widget);
    if (index < 0)
        return "not in grid";
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    return QString("%1,%2 span %3x%4").arg(row).arg(column).arg(rowSpan).arg(columnSpan);
}

QStringList menuContents(const QMenu* menu)
{
    QStringList contents;
    const QList<QAction*> actions = menu->actions();
    for (const QAction* action : actions)
        contents << (action->isSeparator() ? QString("-") : action->objectName());
    return contents;
}

bool sameImage(const QIcon& icon, const QPixmap& pixmap)
{
    if (pixmap.isNull())
        return icon.isNull();
    return icon.pixmap(pixmap.size()).toImage().convertToFormat(QImage::Format_ARGB32)
        == pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Every icon of the window with the name of its image in the collection.
QList<std::pair<QIcon, QString>> iconsByName(const FormMain& window)
{
    return {{window.windowIcon(), "Velkaro.png"}, {window.btnSource->icon(), "open-18x18.png"},
        {window.btnDestination->icon(), "save-18x18.png"},
        {window.btnClear->icon(), "clear-16x16.png"}, {window.btnSplit->icon(), "split-22x22.png"},
        {window.btnBuild->icon(), "rebuild-22x22.png"}, {window.btnExit->icon(), "exit-22x22.png"},
        {window.fileExit->icon(), "exit-16x16.png"}, {window.taskSplit->icon(), "split-16x16.png"},
        {window.taskBuild->icon(), "rebuild-16x16.png"},
        {window.helpAbout->icon(), "info-16x16.png"},
        {window.helpManual->icon(), "contents-16x16.png"}};
}

} // namespace

class TestFormMainStructure : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SettingsSandbox::instance().reset(); }

    void windowBasics()
    {
        const FormMain window;
        QCOMPARE(window.objectName(), QString("FormMain"));
        QCOMPARE(window.windowTitle(), QString("Velkaro v1.0.90 Beta 2"));
        QVERIFY(window.acceptDrops());
        QVERIFY(window.findChild<QStatusBar*>() != nullptr);
        QVERIFY(window.manualPath.isNull());
        QVERIFY(window.txtSource->text().isEmpty());
        QVERIFY(window.txtDestination->text().isEmpty());

        const QSize expected = QSize(428, 279).expandedTo(window.minimumSizeHint());
        QCOMPARE(window.size(), expected);

        const FormMain named(nullptr, "Second");
        QCOMPARE(named.objectName(), QString("Second"));
    }

    // Task bars and docks ask for the window's icon at their own sizes: each is drawn, none
    // enlarged from a smaller one.
    void windowIconComesInEverySize()
    {
        const FormMain window;
        const QIcon icon = window.windowIcon();
        for (const int size : {16, 32, 48, 128, 256}) {
            QVERIFY2(icon.availableSizes().contains(QSize(size, size)),
                qPrintable(QString::number(size)));
            QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
        }
    }

    void widgetCells_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("cell");
        const auto row = [](const char* name, const char* parent, const char* cell) {
            QTest::newRow(name) << QString(name) << QString(parent) << QString(cell);
        };
        row("gboxSplitBuild", "qt_central_widget", "0,0 span 1x1");
        row("gboxSplitOptions", "qt_central_widget", "1,0 span 1x1");
        row("lblSource", "gboxSplitBuild", "0,0 span 1x1");
        row("lblDestination", "gboxSplitBuild", "1,0 span 1x1");
        row("txtSource", "gboxSplitBuild", "0,1 span 1x1");
        row("txtDestination", "gboxSplitBuild", "1,1 span 1x1");
        row("btnSource", "gboxSplitBuild", "0,2 span 1x1");
        row("btnDestination", "gboxSplitBuild", "1,2 span 1x1");
        row("lblPackageSize", "gboxSplitOptions", "0,0 span 1x1");
        row("cboPackageSize", "gboxSplitOptions", "0,1 span 1x1");
        row("cboUnits", "gboxSplitOptions", "0,2 span 1x1");
        row("btnClear", "gboxSplitOptions", "0,3 span 1x1");
    }

    void widgetCells()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QString, cell);
        const ProbeWindow window;
        const QWidget* widget = window.findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        const QGridLayout* grid = parent == "gboxSplitBuild" ? window.gboxSplitBuildLayout
            : parent == "gboxSplitOptions"                   ? window.gboxSplitOptionsLayout
                                                             : window.FormMainLayout;
        QCOMPARE(cellText(grid, widget), cell);
    }

    // The layouts' nesting and names. Where they put the widgets is checked by looking at the
    // window below, and how they share out extra space in tst_formmain_resizing.
    void layouts()
    {
        const ProbeWindow window;
        const QWidget* central = window.centralWidget();
        QCOMPARE(central->objectName(), QString("qt_central_widget"));
        QCOMPARE(central->layout(), window.FormMainLayout);
        QCOMPARE(window.FormMainLayout->objectName(), QString("FormMainLayout"));
        QCOMPARE(window.layout1->objectName(), QString("layout1"));
        QCOMPARE(window.gboxSplitBuild->layout()->itemAt(0)->layout(), window.gboxSplitBuildLayout);
        QCOMPARE(
            window.gboxSplitOptions->layout()->itemAt(0)->layout(), window.gboxSplitOptionsLayout);
        for (const QGroupBox* box : {window.gboxSplitBuild, window.gboxSplitOptions})
            QCOMPARE(box->layout()->itemAt(0)->alignment(), Qt::AlignTop);
        for (const QPushButton* command : {window.btnSplit, window.btnBuild, window.btnExit})
            QCOMPARE(command->parentWidget(), central);
    }

    void layoutHoldsAtEverySize_data()
    {
        QTest::addColumn<QSize>("asked");
        QTest::newRow("as opened") << QSize();
        QTest::newRow("smallest") << QSize(1, 1);
        QTest::newRow("larger") << QSize(700, 500);
    }

    // What the eye checks: everything in the window, nothing on top of anything else, labels in
    // front of their fields, the rows and columns lined up, the commands a row of equal buttons in
    // the bottom right corner, and no size at which the window hides or squeezes any of it.
    void layoutHoldsAtEverySize()
    {
        QFETCH(QSize, asked);
        FormMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (asked.isValid()) {
            window.resize(asked);
            QTRY_COMPARE(window.size(), asked.expandedTo(window.minimumSize()));
        }
        QCOMPARE(window.size().expandedTo(window.minimumSizeHint()), window.size());

        const QWidget* central = window.centralWidget();
        const auto at = [central](const QWidget* widget) {
            return QRect(widget->mapTo(central, QPoint(0, 0)), widget->size());
        };
        const QList<const QWidget*> boxes = {window.gboxSplitBuild, window.gboxSplitOptions};
        const QList<const QWidget*> commands = {window.btnSplit, window.btnBuild, window.btnExit};
        const QList<QList<const QWidget*>> rows = {
            {window.lblSource, window.txtSource, window.btnSource},
            {window.lblDestination, window.txtDestination, window.btnDestination},
            {window.lblPackageSize, window.cboPackageSize, window.cboUnits, window.btnClear}};

        // Inside the window, clear of its edges, and nowhere smaller than it needs to be.
        QList<const QWidget*> all = boxes + commands;
        for (const auto& row : rows)
            all += row;
        const QRect inside = central->rect().adjusted(1, 1, -1, -1);
        for (const QWidget* widget : all) {
            const QString name = widget->objectName();
            QVERIFY2(widget->isVisible(), qPrintable(name));
            QVERIFY2(inside.contains(at(widget)), qPrintable(name));
            QVERIFY2(widget->size().expandedTo(widget->minimumSizeHint()) == widget->size(),
                qPrintable(name));
        }

        // None touches another, nor a box's frame or title.
        const auto apart = [&](const QList<const QWidget*>& widgets) {
            for (qsizetype i = 0; i < widgets.size(); ++i)
                for (qsizetype j = i + 1; j < widgets.size(); ++j)
                    QVERIFY2(!at(widgets[i]).adjusted(-1, -1, 1, 1).intersects(at(widgets[j])),
                        qPrintable(widgets[i]->objectName() + " / " + widgets[j]->objectName()));
        };
        apart(boxes + commands);
        apart(rows[0] + rows[1]);
        apart(rows[2]);
        for (const auto& row : rows) {
            const QRect clear = row.first()->parentWidget()->contentsRect().adjusted(1, 1, -1, -1);
            for (const QWidget* widget : row)
                QVERIFY2(clear.contains(widget->geometry()), qPrintable(widget->objectName()));
        }

        // Each row reads left to right on one centre line, the label first.
        for (const auto& row : rows) {
            for (qsizetype i = 1; i < row.size(); ++i) {
                QVERIFY(at(row[i - 1]).right() < at(row[i]).left());
                QVERIFY2(qAbs(at(row[i]).center().y() - at(row[0]).center().y()) <= 1,
                    qPrintable(row[i]->objectName()));
            }
        }
        // The columns line up, across both boxes too; the boxes share their edges.
        QCOMPARE(at(window.lblDestination).left(), at(window.lblSource).left());
        QCOMPARE(at(window.lblPackageSize).left(), at(window.lblSource).left());
        QCOMPARE(at(window.txtDestination).left(), at(window.txtSource).left());
        QCOMPARE(at(window.txtDestination).width(), at(window.txtSource).width());
        QCOMPARE(at(window.btnDestination).left(), at(window.btnSource).left());
        QCOMPARE(at(window.btnDestination).size(), at(window.btnSource).size());
        QCOMPARE(at(window.btnClear).right(), at(window.btnSource).right());
        QCOMPARE(at(window.gboxSplitOptions).left(), at(window.gboxSplitBuild).left());
        QCOMPARE(at(window.gboxSplitOptions).right(), at(window.gboxSplitBuild).right());
        QCOMPARE(central->rect().right() - at(window.gboxSplitBuild).right(),
            at(window.gboxSplitBuild).left());
        QVERIFY(at(window.gboxSplitBuild).bottom() < at(window.gboxSplitOptions).top());

        // The commands: one row of equal buttons, in order, under the boxes, ending flush with
        // their right edge, and as far down as the window goes, with as much room below them as
        // the boxes have above.
        for (const QWidget* command : commands) {
            QCOMPARE(at(command).size(), at(window.btnExit).size());
            QCOMPARE(at(command).top(), at(window.btnExit).top());
            QVERIFY(at(window.gboxSplitOptions).bottom() < at(command).top());
        }
        QVERIFY(at(window.btnSplit).right() < at(window.btnBuild).left());
        QVERIFY(at(window.btnBuild).right() < at(window.btnExit).left());
        QCOMPARE(at(window.btnExit).right(), at(window.gboxSplitBuild).right());
        QCOMPARE(central->rect().bottom() - at(window.btnExit).bottom(),
            at(window.gboxSplitBuild).top());
    }

    void widgetProperties()
    {
        const FormMain window;
        QVERIFY(window.cboPackageSize->isEditable());
        QCOMPARE(window.cboPackageSize->insertPolicy(), QComboBox::NoInsert);
        QVERIFY(!window.cboPackageSize->duplicatesEnabled());
        QCOMPARE(window.cboPackageSize->sizePolicy(),
            QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed));
        QVERIFY(!window.cboUnits->isEditable());
        QCOMPARE(
            window.cboUnits->sizePolicy(), QSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed));
        QCOMPARE(
            window.btnClear->sizePolicy(), QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed));

        const QList<QPushButton*> buttons = window.findChildren<QPushButton*>();
        QCOMPARE(buttons.size(), 6);
        for (const QPushButton* button : buttons)
            QCOMPARE(button->isDefault(), button == window.btnExit);

        QCOMPARE(window.lblSource->buddy(), window.txtSource);
        QCOMPARE(window.lblDestination->buddy(), window.txtDestination);
        QCOMPARE(window.lblPackageSize->buddy(), window.cboPackageSize);
    }

    void icons()
    {
        const FormMain window;
        for (const auto& [icon, name] : iconsByName(window))
            QVERIFY2(sameImage(icon, pixmapFromMimeSource(name)), qPrintable(name));
    }

    // At a device pixel ratio of 2 every icon shows its own drawing at twice the size, not its
    // small image enlarged.
    void iconsAreSharpAtDoublePixelRatio()
    {
        const FormMain window;
        for (const auto& [icon, name] : iconsByName(window)) {
            const QSize size = pixmapFromMimeSource(name).size();
            const QPixmap shown = icon.pixmap(size, 2.0);
            QCOMPARE(shown.devicePixelRatio(), 2.0);
            QString doubled = name;
            doubled.insert(doubled.lastIndexOf('.'), "@2x");
            const QImage drawing = pixmapFromMimeSource(doubled).toImage();
            QCOMPARE(drawing.size(), 2 * size);
            QVERIFY2(shown.toImage().convertToFormat(QImage::Format_ARGB32)
                    == drawing.convertToFormat(QImage::Format_ARGB32),
                qPrintable(name));
        }
    }

    void widgetTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QString>("toolTip");
        const auto row
            = [](const char* name, const char* text, const char* shortcut, const char* toolTip) {
                  QTest::newRow(name)
                      << QString(name) << QString(text) << QString(shortcut) << QString(toolTip);
              };
        row("gboxSplitBuild", "Split && Build", "", "");
        row("lblSource", "So&urce ------->", "", "");
        row("lblDestination", "&Destination -->", "", "");
        row("btnSource", "&Open", "Alt+O", "Open");
        row("btnDestination", "S&ave", "Alt+A", "Save");
        row("gboxSplitOptions", "Split Options", "", "");
        row("lblPackageSize", "&Package Size ->", "", "");
        row("cboPackageSize", "1457664", "", "Package Size");
        row("cboUnits", "B (Bytes)", "", "Measurement Units");
        row("btnClear", "&Clear", "Alt+C", "Clear All Split Options (Reset)");
        row("btnSplit", "&Split", "Alt+S", "Split");
        row("btnBuild", "&Build", "Alt+B", "Build");
        row("btnExit", "E&xit", "Alt+X", "Exit");
    }

    void widgetTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, shortcut);
        QFETCH(QString, toolTip);
        const FormMain window;
        const QWidget* widget = window.findChild<QWidget*>(name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->toolTip(), toolTip);
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            QCOMPARE(button->text(), text);
            QCOMPARE(button->shortcut().toString(), shortcut);
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            QCOMPARE(label->text(), text);
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            QCOMPARE(box->title(), text);
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            QCOMPARE(combo->currentText(), text);
        }
    }

    void comboItemsAndLanguageChange()
    {
        ProbeWindow window;
        const QStringList sizes = {"1457664"};
        const QStringList units = {"B (Bytes)", "KB (Kilo)", "MB (Mega)"};
        QCOMPARE(window.GetComboList(window.cboPackageSize), sizes);
        QCOMPARE(window.GetComboList(window.cboUnits), units);
        QCOMPARE(window.cboUnits->currentIndex(), 0);

        window.cboPackageSize->addItem("4096");
        window.cboPackageSize->setCurrentIndex(1);
        window.cboUnits->setCurrentIndex(2);
        window.languageChange();
        window.languageChange();
        QCOMPARE(window.GetComboList(window.cboPackageSize), sizes);
        QCOMPARE(window.cboPackageSize->currentText(), QString("1457664"));
        QCOMPARE(window.GetComboList(window.cboUnits), units);
        QCOMPARE(window.cboUnits->currentIndex(), 0);
        QCOMPARE(window.MenuBarEditor->actions().size(), 3);
    }

    void actions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("iconText");
        QTest::addColumn<QString>("menuText");
        QTest::addColumn<QString>("shortcut");
        const auto row = [](const char* name, const char* iconText, const char* menuText,
                             const char* shortcut) {
            QTest::newRow(name) << QString(name) << QString(iconText) << QString(menuText)
                                << QString(shortcut);
        };
        row("fileExit", "Exit", "E&xit", "Ctrl+Q");
        row("taskSplit", "Split", "&Split", "F8");
        row("taskBuild", "Build", "&Build", "F9");
        row("helpAbout", "About...", "&About...", "");
        row("helpManual", "Manual", "&Manual", "F1");
    }

    void actions()
    {
        QFETCH(QString, name);
        QFETCH(QString, iconText);
        QFETCH(QString, menuText);
        QFETCH(QString, shortcut);
        const FormMain window;
        const QAction* action = window.findChild<QAction*>(name);
        QVERIFY(action != nullptr);
        QCOMPARE(action->parent(), &window);
        QCOMPARE(action->iconText(), iconText);
        QCOMPARE(action->text(), menuText);
        QCOMPARE(action->shortcut().toString(), shortcut);
    }

    void menus()
    {
        const FormMain window;
        QCOMPARE(window.menuBar(), window.MenuBarEditor);
        QCOMPARE(window.MenuBarEditor->objectName(), QString("MenuBarEditor"));
        const QList<QAction*> items = window.MenuBarEditor->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items.at(0)->menu(), window.fileMenu);
        QCOMPARE(items.at(1)->menu(), window.taskMenu);
        QCOMPARE(items.at(2)->menu(), window.helpMenu);
        QCOMPARE(window.fileMenu->title(), QString("&File"));
        QCOMPARE(window.taskMenu->title(), QString("&Task"));
        QCOMPARE(window.helpMenu->title(), QString("&Help"));
        QCOMPARE(menuContents(window.fileMenu), QStringList({"fileExit"}));
        QCOMPARE(menuContents(window.taskMenu), QStringList({"taskSplit", "-", "taskBuild"}));
        QCOMPARE(menuContents(window.helpMenu), QStringList({"helpManual", "-", "helpAbout"}));
        for (const QMenu* menu : {window.fileMenu, window.taskMenu, window.helpMenu})
            QCOMPARE(menu->parent(), &window);
    }

    void commandsReachTheirSlots()
    {
        ProbeWindow window;
        window.btnSource->click();
        window.btnDestination->click();
        window.btnClear->click();
        window.btnSplit->click();
        window.taskSplit->trigger();
        window.btnBuild->click();
        window.taskBuild->trigger();
        window.helpManual->trigger();
        window.helpAbout->trigger();
        window.btnExit->click();
        window.fileExit->trigger();
        const QList<int> counts = {window.sources, window.destinations, window.clears,
            window.splits, window.builds, window.manuals, window.abouts, window.closes};
        QCOMPARE(counts, QList<int>({1, 1, 1, 2, 2, 1, 1, 2}));
    }

    // The boxes speak their names and keep Qt's combo-box interface: the value, which follows the
    // choice, and the list of items. The labels speak their words, not the arrows drawn after them.
    void screenReaderHearsNamesValuesAndItems()
    {
        FormMain window;
        window.cboUnits->setCurrentIndex(0);
        QAccessibleInterface* const unit = QAccessible::queryAccessibleInterface(window.cboUnits);
        QVERIFY(unit);
        QCOMPARE(unit->role(), QAccessible::ComboBox);
        QCOMPARE(unit->text(QAccessible::Name), QStringLiteral("Unit"));
        QCOMPARE(unit->text(QAccessible::Value), QStringLiteral("B (Bytes)"));
        window.cboUnits->setCurrentIndex(2);
        QCOMPARE(unit->text(QAccessible::Value), QStringLiteral("MB (Mega)"));
        QCOMPARE(unit->childCount(), 1);
        QCOMPARE(unit->child(0)->childCount(), 3);
        QVERIFY(unit->actionInterface());

        QAccessibleInterface* const size
            = QAccessible::queryAccessibleInterface(window.cboPackageSize);
        QCOMPARE(size->text(QAccessible::Name), QStringLiteral("Package size"));
        QCOMPARE(size->text(QAccessible::Value), QStringLiteral("1457664"));

        const QList<std::pair<QLabel*, const char*>> labels {{window.lblSource, "Source"},
            {window.lblDestination, "Destination"}, {window.lblPackageSize, "Package size"}};
        for (const auto& [label, words] : labels)
            QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
                QString::fromLatin1(words));
    }
};

WINDOW_TEST_MAIN(TestFormMainStructure)
#include "tst_formmain_structure.moc"
